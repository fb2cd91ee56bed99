begin
  while true do
  begin
    if a then break;
    if b then x := 1;
    y := 2;
  end;
end;
