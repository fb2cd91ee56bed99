#include "platform/core/OutputFile.h"

#include <cstdio>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace vexoria {

namespace {

QString failure(const QString& path, const QString& reason)
{
    const QString shown = path == QLatin1String("-") ? QStringLiteral("standard output") : path;
    return QStringLiteral("cannot write %1: %2")
        .arg(shown, reason.isEmpty() ? QStringLiteral("unknown error") : reason);
}

// Counts what the device refused, so that a body that ignores the return
// value of write() still cannot report success over a short write.
class CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(QIODevice& target) : m_target(target) { open(QIODevice::WriteOnly); }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_failed) return -1;
        qint64 done = 0;
        while (done < len) {
            const qint64 n = m_target.write(data + done, len - done);
            if (n <= 0) {
                m_failed = true;
                setErrorString(m_target.errorString());
                return -1;
            }
            done += n;
        }
        return len;
    }

private:
    QIODevice& m_target;
    bool m_failed = false;
};

bool writeStream(const QString& path, const OutputBody& body, QString* error)
{
    QFile f;
    bool opened = false;
    if (path == QLatin1String("-")) {
        opened = f.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    } else {
        f.setFileName(path);
        // No Truncate: a device or FIFO has nothing to cut, and asking would fail on some.
        opened = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    if (!opened) {
        if (error) *error = failure(path, f.errorString());
        return false;
    }
    CheckedDevice checked(f);
    QString reason;
    const bool produced = body(checked, &reason);
    if (!produced || checked.failed()) {
        if (error) *error = failure(path, checked.failed() ? checked.errorString() : reason);
        return false;
    }
    if (path == QLatin1String("-") && std::fflush(stdout) != 0) {
        if (error) *error = failure(path, QStringLiteral("the write was refused"));
        return false;
    }
    return true;
}

bool writeReplacing(const QString& path, const OutputBody& body, QString* error)
{
    // Unbuffered: every write reaches the file at once, so a full disk shows
    // at the write that meets it, with the system's reason. A buffered tail
    // would fail only inside commit(), which puts the cut-off file in place
    // all the same.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error) *error = failure(path, f.errorString());
        return false;
    }
    CheckedDevice checked(f);
    QString reason;
    const bool produced = body(checked, &reason);
    if (!produced || checked.failed()) {
        f.cancelWriting();
        if (error) *error = failure(path, checked.failed() ? checked.errorString() : reason);
        return false;
    }
    if (!f.flush()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        if (error) *error = failure(path, reason);
        return false;
    }
    if (!f.commit()) {
        if (error) *error = failure(path, f.errorString());
        return false;
    }
    return true;
}

} // namespace

bool isStreamTarget(const QString& path)
{
    if (path == QLatin1String("-")) return true;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode);
}

bool writeOutput(const QString& path, const OutputBody& body, QString* error)
{
    if (path.isEmpty()) {
        if (error) *error = QStringLiteral("cannot write: no file name given");
        return false;
    }
    return isStreamTarget(path) ? writeStream(path, body, error) : writeReplacing(path, body, error);
}

bool writeOutputBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    return writeOutput(
        path,
        [&bytes](QIODevice& device, QString*) {
            device.write(bytes);
            return true;
        },
        error);
}

} // namespace vexoria
