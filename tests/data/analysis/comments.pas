// leading note
x := 1; // заметка
{ block
  comment }
y := 2;
