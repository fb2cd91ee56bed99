// The debug list: shown by cbotl=1 in shema.ini, it sorts and shows the
// statement table, shows the connection table and the comment view, and
// writes the statement table into shema/stroka.db beside shema.ini.
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "tables/StatementTableDump.h"
#include "app/CommentsGrid.h"
#include "app/DebugView.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

class DebugViewTest : public WindowTest {
protected:
    MainWindow& openWithDebugList()
    {
        writeIni("[myform]\r\ncbotl=1\r\n");
        MainWindow& f = open();
        f.show();
        ui().codeEditor()->setPlainText(
            QStringLiteral("procedure P;\nbegin\n  if a then\n    x := 1;\n  y := 2;\nend;\n"));
        ui().chartButton()->click();
        f.selectTab(WindowTab::Code);
        return f;
    }

    void choose(const QString& item)
    {
        const int i = ui().debugTableChoice()->findText(item);
        ASSERT_GE(i, 0);
        ui().debugTableChoice()->setCurrentIndex(i);
        emit ui().debugTableChoice()->textActivated(item);
    }

    QString dbPath() const { return dir.filePath(QStringLiteral("shema/stroka.db")); }

    QList<int> column(int (*field)(const StatementRow&)) const
    {
        QList<int> out;
        for (const StatementRow& r : form->workspace().statements.rows()) out << field(r);
        return out;
    }
};

bool ascending(const QList<int>& v) { return std::is_sorted(v.begin(), v.end()); }

TEST_F(DebugViewTest, TheListSortsAndShowsBothTablesAndCloses)
{
    MainWindow& f = openWithDebugList();
    ASSERT_TRUE(ui().debugTableChoice()->isVisible());
    EXPECT_TRUE(ui().debugTableChoice()->isEnabled());

    choose(QStringLiteral("N"));
    EXPECT_TRUE(ui().commentsGrid()->isVisible());
    EXPECT_EQ(ui().commentsGrid()->model()->rowCount(), ws().statements.size());
    EXPECT_FALSE(ui().commentsGrid()->isColumnHidden(StatementTableModel::KindIndexColumn)); // every field shows
    EXPECT_TRUE(ascending(column([](const StatementRow& r) { return val(r.n); })));

    choose(QStringLiteral("FILTR"));
    EXPECT_TRUE(ascending(column([](const StatementRow& r) { return r.kindIndex ? *r.kindIndex + 1 : 0; })));
    const StatementRow& cur = ws().statements.current();
    EXPECT_EQ(cur.kindIndex, 0);
    EXPECT_EQ(ui().commentsGrid()->currentIndex().row(), ws().statements.position());

    choose(QStringLiteral("Стрелка"));
    EXPECT_TRUE(ui().commentsGrid()->showsConnections());
    EXPECT_EQ(ui().commentsGrid()->model()->rowCount(), ws().connections.size());
    EXPECT_EQ(ui().commentsGrid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("vid"));
    vexoria::test::screenShot(&f, QStringLiteral("debug-connections"));

    // Every choice first shows the statement table again.
    choose(QStringLiteral("NOM"));
    EXPECT_FALSE(ui().commentsGrid()->showsConnections());
    EXPECT_TRUE(ascending(column([](const StatementRow& r) { return r.drawOrder ? *r.drawOrder + 1 : 0; })));

    choose(QStringLiteral("Комминт"));
    EXPECT_TRUE(ui().gridNavigator()->isVisible());
    for (int c = 0; c < StatementTableModel::ColumnCount; ++c) {
        const bool shown = c == StatementTableModel::TextColumn || c == StatementTableModel::KindColumn ||
                           c == StatementTableModel::HeadTextColumn || c == StatementTableModel::CommentColumn;
        EXPECT_EQ(ui().commentsGrid()->isColumnHidden(c), !shown) << c;
    }

    choose(QStringLiteral("Закрыть"));
    EXPECT_FALSE(ui().commentsGrid()->isVisible());
    EXPECT_FALSE(ui().gridNavigator()->isVisible());
    EXPECT_EQ(ui().commentsGrid()->model()->rowCount(), 0);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(DebugViewTest, WritingTheDatabasePutsItBesideTheSettingsAndSaysOk)
{
    MainWindow& f = openWithDebugList();
    EXPECT_EQ(f.findChild<DebugView*>()->databasePath(), dbPath());
    choose(QStringLiteral("NOM"));
    const QString before = dumpStatementTable(ws().statements);
    choose(QStringLiteral("Запись"));
    ASSERT_EQ(prompter.messages(), QStringList{"ok"});
    EXPECT_EQ(dumpStatementTable(ws().statements), before);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(dbPath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT Stroka FROM stroka ORDER BY N"), db);
        QStringList texts;
        while (q.next()) texts << q.value(0).toString();
        QStringList expected;
        for (const StatementRow& r : ws().statements.rows()) expected << r.text.str();
        EXPECT_EQ(texts, expected);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
}

TEST_F(DebugViewTest, ALockedDatabaseGivesTheMessageAndStaysAsItWas)
{
    openWithDebugList();
    choose(QStringLiteral("Запись"));
    QFile file(dbPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(dbPath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ws().statements.first();
        ws().statements.current().text = QStringLiteral("изменено");
        choose(QStringLiteral("Запись"));
        q.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages()[1], QStringLiteral("cannot write %1: database is locked").arg(dbPath()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

} // namespace
