// Where render writes, and that its exit status can be trusted: 0 only with
// the whole picture written, otherwise one line that names the file and the
// reason, with the old file untouched.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/CliRun.h"
#include "support/PrintTo.h"

namespace vexoria::test {
namespace {

const QString kRoutine = QStringLiteral(VEXORIA_SOURCE_DIR "/examples/day_name.pas");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isPng(const QByteArray& bytes) { return bytes.startsWith("\x89PNG\r\n\x1a\n"); }

// A folder with room for a few kilobytes only: a tmpfs of 12 KiB when the
// tests run as root and may mount one.
class TinyDisk {
public:
    TinyDisk()
    {
        if (geteuid() != 0 || !m_dir.isValid()) return;
        const QByteArray path = QFile::encodeName(m_dir.path());
        m_mounted = mount("tmpfs", path.constData(), "tmpfs", 0, "size=12k") == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted) umount(QFile::encodeName(m_dir.path()).constData());
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

void expectOneLineNaming(const CliRun& r, const QString& path)
{
    EXPECT_EQ(r.status, 1);
    const QStringList lines = errorLines(r);
    ASSERT_EQ(lines.size(), 1) << qPrintable(r.err);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("vexoria-cli: cannot write ") + path + ": "))
        << qPrintable(lines[0]);
}

TEST(RenderTargets, AFullDiskFailsTheRunAndKeepsTheOldPicture)
{
    // Without privilege a file size limit stands in for the full disk.
    QTemporaryDir dir;
    const QString limited = dir.filePath(QStringLiteral("chart.png"));
    {
        QFile f(limited);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const CliRun r = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), limited}, {}, [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lim{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &lim);
    });
    expectOneLineNaming(r, limited);
    EXPECT_EQ(readAll(limited), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"chart.png"}) << "no temporary file is left";

    TinyDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "no tmpfs could be mounted; the file size limit stood in";
    for (const char* name : {"full.png", "full.bmp", "full.jpg"}) {
        const QString path = disk.filePath(QLatin1String(name));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        const CliRun full = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), path});
        expectOneLineNaming(full, path);
        EXPECT_EQ(readAll(path), QByteArray("old")) << name;
    }
}

TEST(RenderTargets, StandardOutputAndAFifoAreWrittenInPlace)
{
    const CliRun toStdout = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), QStringLiteral("-")});
    EXPECT_EQ(toStdout.status, 0) << qPrintable(toStdout.err);
    EXPECT_TRUE(isPng(toStdout.out));
    EXPECT_EQ(QImage::fromData(toStdout.out).width(), 700);

    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray received;
    QThread* reader = QThread::create([&] { received = readAll(fifo); });
    reader->start();
    const CliRun r = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), fifo});
    reader->wait();
    delete reader;
    EXPECT_EQ(r.status, 0) << qPrintable(r.err);
    EXPECT_EQ(received, toStdout.out);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced by a regular file";
}

TEST(RenderTargets, AnExtensionThatNamesNoFormatIsAUsageError)
{
    QTemporaryDir dir;
    for (const char* name : {"chart.gif", "chart", "chart.png.txt"}) {
        const QString path = dir.filePath(QLatin1String(name));
        const CliRun r = runCli({QStringLiteral("render"), kRoutine, QStringLiteral("-o"), path});
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_TRUE(r.err.contains(QStringLiteral(".png, .bmp, .jpg, .jpeg"))) << qPrintable(r.err);
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
}

TEST(RenderTargets, AChartInPartsNeedsAFileToWriteThemBeside)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("shema.ini"));
    {
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[myform]\r\nedlin=2000\r\n");
    }
    QByteArray loops = "procedure P;\nbegin\n";
    for (int i = 0; i < 30; ++i) loops += "while a do\nbegin\nx := 1;\nend;\n";
    loops += "end;\n";
    const QStringList args{QStringLiteral("render"),   QStringLiteral("-"),   QStringLiteral("--ini"), ini,
                           QStringLiteral("--answer"), QStringLiteral("yes"), QStringLiteral("-o")};
    const CliRun toStdout = runCli(args + QStringList{QStringLiteral("-")}, loops);
    EXPECT_EQ(toStdout.status, 1);
    EXPECT_TRUE(toStdout.out.isEmpty());
    EXPECT_EQ(errorLines(toStdout).size(), 1) << qPrintable(toStdout.err);

    const CliRun toFile = runCli(args + QStringList{dir.filePath(QStringLiteral("part.png"))}, loops);
    EXPECT_EQ(toFile.status, 0) << qPrintable(toFile.err);
    EXPECT_TRUE(isPng(readAll(dir.filePath(QStringLiteral("part-1.png")))));
    EXPECT_TRUE(isPng(readAll(dir.filePath(QStringLiteral("part-2.png")))));
}

} // namespace
} // namespace vexoria::test
