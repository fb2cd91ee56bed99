function Find(const a: array of Integer; key: Integer): Integer;
var
  i, j: Integer;
begin
  Find := -1;
  for i := 0 to High(a) do
  begin
    if a[i] = key then break;
    while j < i do
      j := j + 1;
    Find := i;
  end;
end;
