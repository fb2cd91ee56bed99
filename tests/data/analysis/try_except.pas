begin
  try
    x := 1;
    y := 2;
  except
    z := 0;
  end;
end;
