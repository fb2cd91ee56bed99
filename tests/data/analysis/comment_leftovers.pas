begin
  repeat  // loop
    x := x + 1;
  until x > 3;
  if x > 3 then
  begin
  end
  else begin
    // tail note
    y := 0;
  end;
end;
