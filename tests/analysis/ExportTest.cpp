// The statement table written into an SQLite database and read back with
// SQLite; a database in use, damaged or unwritable is left as it was.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include "tables/StatementExport.h"
#include "tables/StatementTableDump.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A second connection of our own, as another program would hold one.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path)
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
    }
    ~OtherConnection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    QList<QStringList> rows()
    {
        QList<QStringList> out;
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM stroka")));
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << (q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
            out << row;
        }
        return out;
    }
    const QString name = QStringLiteral("other");
    QSqlDatabase db;
};

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatementRow header;
        header.n = 1;
        header.drawOrder = 1;
        header.text = QString(150, u'п');
        header.opensBlock = true;
        header.kind = "procedure";
        header.headText = QString(80, u'c');
        header.x = 300;
        header.y = 40000; // past 16 bits on a long chart: kept whole
        header.stretchX = -5;
        header.stretchY = 0;
        header.kindIndex = 0;
        t.append(header);
        StatementRow text;
        text.n = 2;
        text.text = "x := 1;";
        t.append(text);
        StatementRow closing;
        closing.n = 3;
        closing.drawOrder = 7;
        closing.opensBlock = false;
        closing.kind = "end";
        closing.closedKind = "while";
        closing.link = 4;
        t.append(closing);
        t.last();
        path = dir.filePath(QStringLiteral("shema/stroka.db"));
    }

    QTemporaryDir dir;
    QString path;
    StatementTable t;
};

TEST_F(ExportTest, EveryRowIsWrittenInTheTablesOrderAndReadsBack)
{
    const QString before = dumpStatementTable(t);
    QString error;
    ASSERT_TRUE(exportStatementTable(t, path, &error)) << qPrintable(error);
    EXPECT_EQ(dumpStatementTable(t), before);
    EXPECT_EQ(t.position(), 0);

    OtherConnection other(path);
    const QList<QStringList> rows = other.rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{"0", "1", QString(120, u'п'), "1", "procedure", QString(50, u'c'), "300", "40000",
                                    "-5", "0", "NULL", "NULL"}));
    EXPECT_EQ(rows[1], (QStringList{"1", "NULL", "x := 1;", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL", "NULL",
                                    "NULL", "NULL"}));
    EXPECT_EQ(rows[2],
              (QStringList{"2", "7", "NULL", "0", "end", "NULL", "NULL", "NULL", "NULL", "NULL", "while", "4"}));
    QSqlQuery names(other.db);
    ASSERT_TRUE(names.exec(QStringLiteral("SELECT name FROM pragma_table_info('stroka')")));
    QStringList columns;
    while (names.next()) columns << names.value(0).toString();
    EXPECT_EQ(columns, (QStringList{"N", "Nom", "Stroka", "Uslovie", "Obiect", "Suslovie", "X", "Y", "Plx", "Ply",
                                    "Endobiect", "No"}));
}

TEST_F(ExportTest, AnEmptyTableEmptiesTheDatabase)
{
    ASSERT_TRUE(exportStatementTable(t, path));
    StatementTable empty;
    ASSERT_TRUE(exportStatementTable(empty, path));
    OtherConnection other(path);
    EXPECT_TRUE(other.rows().isEmpty());
}

TEST_F(ExportTest, ADatabaseAnotherProgramHoldsIsLeftAsItWas)
{
    ASSERT_TRUE(exportStatementTable(t, path));
    const QByteArray before = bytesOf(path);
    {
        OtherConnection other(path);
        QSqlQuery q(other.db);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        StatementTable changed = t;
        changed.remove();
        QString error;
        EXPECT_FALSE(exportStatementTable(changed, path, &error));
        EXPECT_EQ(error, QStringLiteral("cannot write %1: database is locked").arg(path));
        EXPECT_EQ(changed.size(), 2);
        q.exec(QStringLiteral("ROLLBACK"));
    }
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
}

TEST_F(ExportTest, ADamagedOrUnwritableDatabaseIsLeftAsItWas)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("shema"))));
    const QByteArray junk = QByteArray("Это не база данных.").repeated(300);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(junk);
    }
    QString error;
    EXPECT_FALSE(exportStatementTable(t, path, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write %1: ").arg(path))) << qPrintable(error);
    EXPECT_EQ(bytesOf(path), junk);

    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes read-only files";
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(exportStatementTable(t, path));
    const QByteArray good = bytesOf(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    StatementTable empty;
    EXPECT_FALSE(exportStatementTable(empty, path, &error));
    EXPECT_EQ(bytesOf(path), good);
}

} // namespace
} // namespace vexoria::test
