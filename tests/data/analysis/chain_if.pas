begin
  if a then
    if b then
      x := 1;
  y := 2;
end;
