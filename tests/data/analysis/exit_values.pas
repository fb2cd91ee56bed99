function Check(const s: string): Boolean;
begin
  if s = '' then Exit(False);
  exit (x);
  Exit(Copy(s, 1, 2));
  exit(Pos(')(', s) > 0); // bracket in a string
  Exit;
end;
