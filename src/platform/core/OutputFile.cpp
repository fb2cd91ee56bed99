#include "platform/core/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace vexoria {

namespace {

QString failure(const QString& path, const QString& reason)
{
    const QString shown = path == QLatin1String("-") ? QStringLiteral("standard output") : path;
    return QStringLiteral("cannot write %1: %2")
        .arg(shown, reason.isEmpty() ? QStringLiteral("unknown error") : reason);
}

// The file is replaced whole through a new file beside it, so a folder that
// takes no new file stops the write even where the file itself could be
// written.
bool folderIsReadOnly(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    return ::access(folder.constData(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

QString readOnlyFolder()
{
    return QStringLiteral("the folder is read-only (the file is replaced whole, through a new file beside it)");
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

// The names of a descriptor this process already holds: "-" (standard
// output), /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N. Such an
// output is written through the descriptor itself: opening the name anew
// would truncate a file the shell opened for appending (>> log) and would
// put a regular file behind it through the replacing writer.
std::optional<int> heldDescriptor(const QString& path)
{
    int fd = -1;
    if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout")) fd = 1;
    else if (path == QLatin1String("/dev/stderr")) fd = 2;
    else {
        for (const QLatin1String prefix : {QLatin1String("/dev/fd/"), QLatin1String("/proc/self/fd/")}) {
            if (!path.startsWith(prefix)) continue;
            bool ok = false;
            const int n = path.mid(prefix.size()).toInt(&ok);
            if (ok && n >= 0) fd = n;
        }
    }
    // A closed descriptor is still the one meant: writing it fails with
    // its reason instead of making a file in /dev.
    if (fd < 0) return std::nullopt;
    return fd;
}

bool writeStream(const QString& path, const OutputBody& body, QString* error)
{
    QFile f;
    bool opened = false;
    if (const auto fd = heldDescriptor(path)) {
        // What the program printed before goes out first.
        std::fflush(stdout);
        opened = f.open(*fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
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
        if (error) *error = failure(path, folderIsReadOnly(path) ? readOnlyFolder() : f.errorString());
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
    if (heldDescriptor(path)) return true;
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
