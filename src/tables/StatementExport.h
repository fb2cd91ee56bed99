#pragma once
// The statement table written into an SQLite database, for looking at the
// classifier's work with database tools: table `stroka` of the file
// stroka.db in the folder shema beside shema.ini. The window's debug list
// ("Запись") and `vexoria-cli export` both write it through here.
#include <QString>

#include "tables/StatementTable.h"

namespace vexoria {

// The export's database: shema/stroka.db in the folder of the settings file.
QString statementDatabasePath(const QString& settingsPath);

// Writes every row of the table, in its current order, into the table
// `stroka` of the database at path: N (running index from 0), Nom, Stroka
// (cut to 120 characters), Uslovie, Obiect, Suslovie (cut to 50), X, Y,
// Plx, Ply, Endobiect, No; an unset field is NULL. The file is created, with
// its folder, when missing.
//
// The database is held exclusively while it is written, and the table is
// emptied and filled in one transaction: a database that another program
// has locked, that cannot be written or that is damaged gets false with
// *error set ("cannot write PATH: reason"), and the file is left as it was.
// The statement table's cursor goes to the first row; nothing else of it
// changes. Standard output ("-"), a FIFO or a device gets the bytes of a
// finished database file.
bool exportStatementTable(StatementTable& statements, const QString& path, QString* error = nullptr);

} // namespace vexoria
