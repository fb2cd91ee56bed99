procedure Singles(var p: TPoint; b: Boolean);
begin
  while b do x := 1; y := 2;
  with p do x := 0; y := 1;
  while b do
    x := 1;
  y := 2;
  with p do
    x := 0;
  y := 1;
end;
