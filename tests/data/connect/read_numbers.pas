procedure ReadNumbers(var Sum: Integer);
var
  x, Count: Integer;
begin
  Sum := 0;
  Count := 0;
  repeat
    ReadLn(x);
    if x < 0 then
      goto 99;
    Sum := Sum + x;
    Count := Count + 1;
  until Count = 10;
  99: WriteLn('Сумма = ', Sum); // итог
end;
