#pragma once
// The debug list debugTableChoice on the code tab, shown when shema.ini holds
// cbotl=1: it shows the statement table in the grid sorted three ways, the
// connection table, the comment view, and writes the statement table into
// the SQLite database shema/stroka.db beside shema.ini ("Запись").
#include <QObject>
#include <QString>

namespace vexoria {

class MainWindow;

class DebugView : public QObject {
    Q_OBJECT
public:
    explicit DebugView(MainWindow& form);

    // Where "Запись" writes.
    QString databasePath() const;

public slots:
    void showTable(const QString& text);

private:
    void showStatements();
    void closeGrid();
    void writeDatabase();

    MainWindow& m_form;
};

} // namespace vexoria
