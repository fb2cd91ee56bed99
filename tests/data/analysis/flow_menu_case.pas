procedure Menu(c: Char);
begin
  case c of
    'a': // add
      begin
        if n < 10 then
          Inc(n);
        Total := Total + n;
      end;
    'b':
      if n > 0 then
        Dec(n);
    'c': case n of
           1: n := 2;
         end;
  else
    WriteLn('?');
    n := 0;
  end;
  WriteLn(n);
end;
