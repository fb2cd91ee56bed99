function Grade(score: Integer; var note: string): Char;
label 10;
begin
  { the long header line and the long condition are broken into pieces }
  if (score > 1000) and (score < 2000) and (score <> 1500) and (score <> 1600) then
    goto 10;
  case score of
    90: Result := 'A';
    80: begin
      Result := 'B';
      note := 'good';
    end;
  else
    Result := 'C';
  end;
  with Stats do
    Count := Count + 1;
  try
    note := IntToStr(100 div score);
  except
    note := '';
  end;
10:
  Result := 'F';
end;
