procedure TForm1.Run(n: Integer);
var
  i, j: Integer;
begin
  { Подсчёт }
  for i := 1 to n do
  begin
    j := 0;
    while j < i do
    begin
      Inc(j);
      if j mod 2 = 0 then
        Memo1.Lines.Add('чётное');
    end;
    case j of
      0: Caption := 'ноль';
      1: begin
           Caption := 'один';
         end;
    end;
  end;
end;
