function DayName(Day: Integer): string;
var
  s: string;
begin
  { Названия дней недели }
  case Day of
    1: s := 'Понедельник';
    2: s := 'Вторник';
    3, 4: begin
      s := 'Середина недели';
      Inc(Day);
    end;
  else
    s := 'Выходной';
  end;
  Result := s;
end;
