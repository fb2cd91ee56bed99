procedure p;
begin
  if a then
    x := 1;
  y := 2;
end;
