function MaxOf(const a: array of Integer; n: Integer): Integer;
var
  i, m: Integer;
begin
  m := a[0];
  for i := 1 to n - 1 do if a[i] > m then m := a[i];
  MaxOf := m;
end;
