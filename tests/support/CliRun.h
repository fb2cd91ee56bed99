#pragma once
// Runs the real vexoria-cli as a user or a script does and keeps what it
// said. Tests that use it define VEXORIA_CLI (the program's path).
#include <functional>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QThread>

namespace vexoria::test {

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;
    QString outText() const { return QString::fromUtf8(out); }
};

// childSetup runs in the child before the program starts (limits, signals).
inline CliRun runCli(const QStringList& args, const QByteArray& input = {},
                     const std::function<void()>& childSetup = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    if (childSetup) p.setChildProcessModifier(childSetup);
    p.start(QStringLiteral(VEXORIA_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// The same, with standard input written piece after piece, a pause after
// each, as a slow producer in a pipe writes it.
inline CliRun runCliInPieces(const QStringList& args, const QList<QByteArray>& pieces, int pauseMs)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VEXORIA_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    for (const QByteArray& piece : pieces) {
        p.write(piece);
        while (p.bytesToWrite() > 0 && p.waitForBytesWritten(10000)) {}
        QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// The same with standard output sent to a file (or a device such as
// /dev/full), opened with mode as a shell's > or >> opens it.
inline CliRun runCliToFile(const QStringList& args, const QString& outFile,
                           QIODevice::OpenMode mode = QIODevice::Truncate, const QByteArray& input = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(outFile, mode);
    p.start(QStringLiteral(VEXORIA_CLI), args);
    EXPECT_TRUE(p.waitForStarted());
    if (!input.isEmpty()) p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {
        p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, {}, QString::fromUtf8(p.readAllStandardError())};
}

// The lines a run wrote on standard error.
inline QStringList errorLines(const CliRun& r) { return r.err.split(u'\n', Qt::SkipEmptyParts); }

} // namespace vexoria::test
