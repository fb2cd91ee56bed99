  x := 1; // a line copied without its header
  y := 2;
  if x > y then
    z := 3;
end;
