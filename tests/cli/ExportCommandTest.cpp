// vexoria-cli export writes the statement table of a build into an SQLite
// database, the same one the window's debug list writes, and leaves a
// damaged database as it was.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "support/CliRun.h"

namespace vexoria::test {
namespace {

CliRun exportTo(const QString& out)
{
    return runCli({QStringLiteral("export"), QStringLiteral(VEXORIA_SOURCE_DIR "/examples/bubble_sort.pas"),
                   QStringLiteral("-o"), out});
}

TEST(ExportCommand, WritesTheBuiltTableAndLeavesADamagedDatabaseAlone)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("stroka.db"));
    const CliRun ok = exportTo(out);
    ASSERT_EQ(ok.status, 0) << qPrintable(ok.err);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli"));
        db.setDatabaseName(out);
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT COUNT(*), MIN(N), MAX(N), COUNT(X) FROM stroka"), db);
        ASSERT_TRUE(q.next());
        const int rows = q.value(0).toInt();
        EXPECT_GT(rows, 10);
        EXPECT_EQ(q.value(1).toInt(), 0);
        EXPECT_EQ(q.value(2).toInt(), rows - 1);
        EXPECT_GT(q.value(3).toInt(), 0); // the blocks were placed: the build ran
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cli"));

    QFile damaged(out);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    const CliRun bad = exportTo(out);
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.startsWith(QStringLiteral("vexoria-cli: cannot write %1: ").arg(out))) << qPrintable(bad.err);
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    EXPECT_EQ(damaged.readAll(), QByteArray(4096, 'x'));
}

} // namespace
} // namespace vexoria::test
