begin
  if a then
  begin
    x := 1;
  end
  else
  // other way
  begin
    y := 2;
  end;
end;
