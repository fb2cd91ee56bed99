begin
  if a then
    x := 1
  else
    y := 2;
  if b then
    exit;
  if c then
  begin
    z := 3;
  end
  else begin
    w := 4;
  end;
end;
