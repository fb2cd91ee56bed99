procedure BubbleSort(var A: array of Integer; N: Integer);
var
  i, j, t: Integer;
begin
  for i := 0 to N - 2 do
  begin
    for j := 0 to N - 2 - i do
    begin
      if A[j] > A[j + 1] then
      begin
        t := A[j];
        A[j] := A[j + 1];
        A[j + 1] := t;
      end;
    end;
  end;
end;
