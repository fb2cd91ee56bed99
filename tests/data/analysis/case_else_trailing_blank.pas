begin
  case c of
    1: x := 1;
  else  
    y := 2;
  end;
end;
