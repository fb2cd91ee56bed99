procedure Extra(n: Integer);
var
  i: Integer;
begin
  while n > 0 do
  begin
    if n = 5 then
      break;
    n := n - 1;
  end;
  if n > 2 then
  begin
    n := 1;
  end
  else
  begin
    case n of
      1: n := 2;
      2: begin
           case i of
             0: i := 1;
           end;
         end;
    end;
  end;
end;
