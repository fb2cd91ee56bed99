procedure Sieve(n: Integer);
var
	i, j: Integer;
begin
	for i := 2 to n do
		if p[i] then
		begin
			j := i * i;
			while j <= n do
			begin
				p[j] := False;
				j := j + i;
			end;
		end;
	WriteLn(n);
end;
