begin
  case k of
    1: s := 'один';
    2, 3: begin
      t := 1;
    end;
  else
    u := 0;
  end;
end;
