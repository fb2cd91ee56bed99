#pragma once
// The debug list debugTableChoice on the code tab, shown when shema.ini holds
// cbotl=1: it shows the statement table in the grid sorted three ways, the
// connection table, the comment view, and writes the statement table into
// the SQLite database shema/stroka.db beside shema.ini ("Запись").
#include <QObject>
#include <QString>

namespace vexoria {

class CodeTab;
class MainWindow;

class DebugView : public QObject {
    Q_OBJECT
public:
    // The list and the grid it shows the tables in are the code tab's.
    DebugView(MainWindow& form, CodeTab& tab);

    // Where "Запись" writes.
    QString databasePath() const;

public slots:
    void showTable(const QString& text);

private:
    void showStatements();
    void closeGrid();
    void writeDatabase();

    MainWindow& m_form;
    CodeTab& m_tab;
};

} // namespace vexoria
