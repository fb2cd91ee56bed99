begin
  for i := 10 downto 1 do
    s := s + i;
  while i < 3 do
    i := i + 1;
  with r do
  begin
    a := 1;
  end;
end;
