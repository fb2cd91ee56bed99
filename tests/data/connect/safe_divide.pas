function SafeDivide(A, B: Integer): Integer;
var
  q: Integer;
begin
  try
    q := A div B;
    Result := q;
  except
    on E: EDivByZero do
      Result := 0;
  end;
  with Stats do
  begin
    Inc(Calls);
  end;
end;
