procedure Capitals(a: Boolean);
begin
  If a Then
  Begin
    x := 0;
  End Else x := 1;
end;
