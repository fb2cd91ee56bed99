procedure Digits(n: Integer);
var
  i, s: Integer;
begin
  for i := 1 to n do
    repeat
      s := s + i mod 10;
      i := i div 10;
    until i = 0;
  WriteLn(s);
end;
