   function Sum(a, b: Integer): Integer;
   begin
     Result := a + b;
   end;
