procedure Search;
label 1, 2;
begin
  i := 0;
1:
  i := i + 1;
  if a[i] = x then goto 2;
  if i < n then goto 1;
  exit;
2:
  Found := True;
end;
