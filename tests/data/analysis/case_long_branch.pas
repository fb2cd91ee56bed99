procedure Branches(k: Integer);
begin
  case k of
    1: x :=
         5 +
         6;
    2: WriteLn(a,
         b,
         c,
         d);
    3: y := 1;
  end;
end;
