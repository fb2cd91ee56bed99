begin
  goto 10;
  x := 1;
10: y := 2;
  goto 10;
  goto 20;
end;
