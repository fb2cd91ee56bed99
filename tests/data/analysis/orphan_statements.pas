procedure Orphans;
begin
  try
    a := 1;
    b := 2;
    c := 3;
  except
    d := 0;
  end;
  while c do x := x + 1;
  while c do
    x := x + 1;
  with r do f := 1;
  repeat
    y := y - 1;
  until y < 0;
  z := 2;
end;
