class function TShape.Count(const Kind: string): Integer;
begin
  Result := 0;
end;
