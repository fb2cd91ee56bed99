#include "platform/files/OutputFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/files/FileNames.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexoria {

namespace {

// Open output batches: while there is one, replaced files are not synced one
// by one.
std::atomic<int> g_openBatches{0};

// The process's umask, read once: asking for it means setting it, which
// must not happen while other threads make files.
mode_t processUmask()
{
    static mode_t mask = 0;
    static std::once_flag once;
    std::call_once(once, [] {
        mask = ::umask(0);
        ::umask(mask);
    });
    return mask;
}

QString systemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

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
    const QByteArray folder = fileNameBytes(QFileInfo(path).absolutePath());
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
        // No Truncate: a device or FIFO has nothing to cut, and asking would fail on some.
        const int device = ::open(fileNameBytes(path).constData(), O_WRONLY | O_CLOEXEC);
        if (device < 0) {
            if (error) *error = failure(path, systemReason());
            return false;
        }
        opened = f.open(device, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
        if (!opened) ::close(device);
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

// A name Qt cannot spell (FileNames.h), or any file of an output batch: the
// new file is made beside the old one under a name of bytes and renamed over
// it once it is whole, as QSaveFile does, but without syncing it.
bool writeReplacingRawName(const QString& path, const OutputBody& body, QString* error)
{
    const QByteArray target = fileNameBytes(path);
    // A short name of its own beside the target: the target's name with a
    // suffix would be too long where the name is as long as a name can be.
    const int slash = target.lastIndexOf('/');
    QByteArray temporary = (slash >= 0 ? target.left(slash + 1) : QByteArray()) + ".vexoria-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        if (error) *error = failure(path, folderIsReadOnly(path) ? readOnlyFolder() : systemReason());
        return false;
    }
    // An old file keeps its mode; a new one gets what the umask leaves.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = 0666 & ~processUmask();
    }
    ::fchmod(fd, mode);
    QString reason;
    bool ok = false;
    {
        QFile f;
        f.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
        CheckedDevice checked(f);
        ok = body(checked, &reason) && !checked.failed();
        if (checked.failed()) reason = checked.errorString();
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = systemReason();
    }
    if (ok && ::rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        reason = systemReason();
    }
    if (!ok) {
        ::unlink(temporary.constData());
        if (error) *error = failure(path, reason);
    }
    return ok;
}

bool writeReplacing(const QString& path, const OutputBody& body, QString* error)
{
    if (holdsRawBytes(path) || g_openBatches.load() > 0) return writeReplacingRawName(path, body, error);
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

OutputBatch::OutputBatch(QString folder) : m_folder(std::move(folder)) { ++g_openBatches; }

OutputBatch::~OutputBatch()
{
    if (!m_finished) --g_openBatches;
}

bool OutputBatch::finish(QString* error)
{
    if (m_finished) return true;
    m_finished = true;
    --g_openBatches;
    const int fd = ::open(fileNameBytes(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool ok = fd >= 0 && ::syncfs(fd) == 0;
    if (!ok && error) *error = failure(m_folder, systemReason());
    if (fd >= 0) ::close(fd);
    return ok;
}

bool isStreamTarget(const QString& path)
{
    if (heldDescriptor(path)) return true;
    struct stat st {};
    if (::stat(fileNameBytes(path).constData(), &st) != 0) return false;
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
