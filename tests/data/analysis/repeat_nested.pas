begin
  repeat
    repeat
      x := x + 1;
    until x > 5;
    y := 1;
  until y > 2;
end;
