procedure Grade(s: Integer);
begin
  if s >= 90 then WriteLn('A')
  else if s >= 75 then WriteLn('B')
  else if s >= 60 then WriteLn('C')
  else WriteLn('D');
  WriteLn('done');
end;
