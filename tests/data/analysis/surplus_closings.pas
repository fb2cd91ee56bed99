x := 1;
end;
end;
end;
end;
end;
