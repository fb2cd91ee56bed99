procedure Outer(n: Integer);
var
  k: Integer;

  function Twice(x: Integer): Integer;
  begin
    if x > 0 then
      Twice := 2 * x
    else
      Twice := 0;
  end;

  procedure Show;
  begin
    WriteLn(k);
  end;

begin
  k := Twice(n);
  while k > 0 do
    k := k - 1;
  Show;
end;
