// The debug list: shown by cbotl=1 in shema.ini, it sorts and shows the
// statement table, shows the connection table and the comment view, and
// writes the statement table into shema/stroka.db beside shema.ini.
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "analysis/TstrokDump.h"
#include "app/CommentsGrid.h"
#include "app/DebugView.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

class DebugViewTest : public WindowTest {
protected:
    TMyform& openWithDebugList()
    {
        writeIni("[myform]\r\ncbotl=1\r\n");
        TMyform& f = open();
        f.show();
        f.Rekod->setPlainText(QStringLiteral("procedure P;\nbegin\n  if a then\n    x := 1;\n  y := 2;\nend;\n"));
        f.BitBtn3->click();
        f.pcontrol1->setCurrentWidget(f.tscod);
        return f;
    }

    void choose(const QString& item)
    {
        const int i = form->ComboBox1->findText(item);
        ASSERT_GE(i, 0);
        form->ComboBox1->setCurrentIndex(i);
        emit form->ComboBox1->textActivated(item);
    }

    QString dbPath() const { return dir.filePath(QStringLiteral("shema/stroka.db")); }

    QList<int> column(int (*field)(const StrokRow&)) const
    {
        QList<int> out;
        for (const StrokRow& r : form->workspace().tstrok.rows()) out << field(r);
        return out;
    }
};

bool ascending(const QList<int>& v) { return std::is_sorted(v.begin(), v.end()); }

TEST_F(DebugViewTest, TheListSortsAndShowsBothTablesAndCloses)
{
    TMyform& f = openWithDebugList();
    ASSERT_TRUE(f.ComboBox1->isVisible());
    EXPECT_TRUE(f.ComboBox1->isEnabled());

    choose(QStringLiteral("N"));
    EXPECT_TRUE(f.DBGrid1->isVisible());
    EXPECT_EQ(f.DBGrid1->model()->rowCount(), ws().tstrok.size());
    EXPECT_FALSE(f.DBGrid1->isColumnHidden(StrokModel::Filtr)); // every field shows
    EXPECT_TRUE(ascending(column([](const StrokRow& r) { return val(r.n); })));

    choose(QStringLiteral("FILTR"));
    EXPECT_TRUE(ascending(column([](const StrokRow& r) { return r.filtr ? *r.filtr + 1 : 0; })));
    const StrokRow& cur = ws().tstrok.current();
    EXPECT_EQ(cur.filtr, 0);
    EXPECT_EQ(f.DBGrid1->currentIndex().row(), ws().tstrok.position());

    choose(QStringLiteral("Стрелка"));
    EXPECT_TRUE(f.DBGrid1->showsConnections());
    EXPECT_EQ(f.DBGrid1->model()->rowCount(), ws().tstrelka.size());
    EXPECT_EQ(f.DBGrid1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("vid"));
    vexoria::test::screenShot(&f, QStringLiteral("debug-connections"));

    // Every choice first shows the statement table again.
    choose(QStringLiteral("NOM"));
    EXPECT_FALSE(f.DBGrid1->showsConnections());
    EXPECT_TRUE(ascending(column([](const StrokRow& r) { return r.nom ? *r.nom + 1 : 0; })));

    choose(QStringLiteral("Комминт"));
    EXPECT_TRUE(f.DBNavigator1->isVisible());
    for (int c = 0; c < StrokModel::ColumnCount; ++c) {
        const bool shown = c == StrokModel::Stroka || c == StrokModel::Obiect || c == StrokModel::Suslovie ||
                           c == StrokModel::Comment;
        EXPECT_EQ(f.DBGrid1->isColumnHidden(c), !shown) << c;
    }

    choose(QStringLiteral("Закрыть"));
    EXPECT_FALSE(f.DBGrid1->isVisible());
    EXPECT_FALSE(f.DBNavigator1->isVisible());
    EXPECT_EQ(f.DBGrid1->model()->rowCount(), 0);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(DebugViewTest, ZapisWritesTheDatabaseBesideTheSettingsAndSaysOk)
{
    TMyform& f = openWithDebugList();
    EXPECT_EQ(f.findChild<DebugView*>()->databasePath(), dbPath());
    choose(QStringLiteral("NOM"));
    const QString before = dumpTstrok(ws().tstrok);
    choose(QStringLiteral("Запись"));
    ASSERT_EQ(prompter.messages(), QStringList{"ok"});
    EXPECT_EQ(dumpTstrok(ws().tstrok), before);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(dbPath());
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT Stroka FROM stroka ORDER BY N"), db);
        QStringList texts;
        while (q.next()) texts << q.value(0).toString();
        QStringList expected;
        for (const StrokRow& r : ws().tstrok.rows()) expected << r.stroka.str();
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
        ws().tstrok.first();
        ws().tstrok.current().stroka = QStringLiteral("изменено");
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
