constructor TShape.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;
