function BinarySearch(const A: array of Integer; Key: Integer): Integer;
var
  Lo, Hi, Mid: Integer;
begin
  Result := -1;
  Lo := 0;
  Hi := High(A);
  while Lo <= Hi do
  begin
    Mid := (Lo + Hi) div 2;
    if A[Mid] = Key then
    begin
      Result := Mid;
      exit;
    end;
    if A[Mid] < Key then
      Lo := Mid + 1
    else
      Hi := Mid - 1;
  end;
end;
