procedure Loops(n: Integer);
var
  i, s: Integer;
begin
  s := 0;
  for i := 1 to n do
    s := s + i;
  while s > 100 do
  begin
    s := s div 2;
    if s = 7 then
    begin
      break;
    end;
  end;
  repeat
    s := s - 1;
  until s < 10;
  if s = 5 then
  begin
    exit;
  end
  else
    s := 0;
end;
