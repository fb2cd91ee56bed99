// The one writer of the program's files: nothing half-written replaces a
// file, and targets that are not regular files are written in place.
#include <gtest/gtest.h>

#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include "platform/files/OutputFile.h"

using namespace vexoria;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

// Alone, and as one file of a batch (render --all), which puts files in
// place without syncing each.
TEST(OutputFile, ReplacesARegularFileOnlyWhenTheBodySucceeds)
{
    for (const bool batched : {false, true}) {
        SCOPED_TRACE(batched ? "in a batch" : "alone");
        QTemporaryDir dir;
        std::optional<OutputBatch> batch;
        if (batched) batch.emplace(dir.path());
        const QString path = dir.filePath("chart.png");
        ASSERT_TRUE(writeOutputBytes(path, "old"));
        ::chmod(QFile::encodeName(path).constData(), 0640);
        QString error;
        EXPECT_FALSE(writeOutput(
            path,
            [](QIODevice& d, QString* reason) {
                d.write("half");
                *reason = QStringLiteral("encoder gave up");
                return false;
            },
            &error));
        EXPECT_EQ(readAll(path), QByteArray("old"));
        EXPECT_EQ(error, QStringLiteral("cannot write %1: encoder gave up").arg(path));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"chart.png"}) << "no temporary file is left";

        EXPECT_TRUE(writeOutputBytes(path, "new"));
        EXPECT_EQ(readAll(path), QByteArray("new"));
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its mode";
        if (batch) EXPECT_TRUE(batch->finish());
    }
}

TEST(OutputFile, ABatchOnAFolderThatIsGoneSaysSo)
{
    QTemporaryDir dir;
    OutputBatch batch(dir.filePath("gone"));
    QString error;
    EXPECT_FALSE(batch.finish(&error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write ") + dir.filePath("gone") + ": ")) << qPrintable(error);
}

TEST(OutputFile, AMissingFolderIsOneLineNamingTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/x.bmp");
    QString error;
    EXPECT_FALSE(writeOutputBytes(path, "x", &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write ") + path + ": ")) << qPrintable(error);
    EXPECT_FALSE(error.contains(u'\n'));
}

// A file size limit makes the last writes fail as a full disk does; the old
// file must survive and the failure must be reported, whether the bytes come
// in one write or, as an encoder writes them, in small pieces that the last
// flush sends. Run in a child so the limit does not reach the other tests.
TEST(OutputFile, AFullDiskLeavesTheOldFileAndReportsIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.png");
    ASSERT_TRUE(writeOutputBytes(path, "old"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim{20000, 20000};
        setrlimit(RLIMIT_FSIZE, &lim);
        QString oneWrite;
        const bool okOne = writeOutputBytes(path, QByteArray(1 << 20, 'x'), &oneWrite);
        QString pieces;
        const bool okPieces = writeOutput(
            path,
            [](QIODevice& d, QString*) {
                for (int i = 0; i < 21; ++i) d.write(QByteArray(1000, 'y'));
                return true;
            },
            &pieces);
        const QString expected = QStringLiteral("cannot write ") + path + ": ";
        _exit(!okOne && !okPieces && oneWrite.startsWith(expected) && pieces.startsWith(expected) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a failed write was reported as success";
    EXPECT_EQ(readAll(path), QByteArray("old"));
}

TEST(OutputFile, AFifoIsWrittenInPlaceNotReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) _exit(2);
        _exit(f.readAll() == "through the pipe" ? 0 : 1);
    }
    EXPECT_TRUE(isStreamTarget(path));
    EXPECT_TRUE(writeOutputBytes(path, "through the pipe"));
    int status = 0;
    waitpid(reader, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced by a regular file";
}

TEST(OutputFile, ADeviceThatRefusesIsAFailure)
{
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    QString error;
    EXPECT_FALSE(writeOutputBytes("/dev/full", QByteArray(100000, 'x'), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot write /dev/full: "))) << qPrintable(error);
    struct stat st {};
    ASSERT_EQ(stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}
