begin
  case k of
    1: x := 1;
  else begin
    y := 2;
  end;
  end;
  z := 3;
end;
