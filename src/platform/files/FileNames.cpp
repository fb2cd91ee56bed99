#include "platform/files/FileNames.h"

#include <cerrno>
#include <cstring>

#include <QDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexoria {

namespace {

constexpr char16_t kFirstRawByte = 0xDC80;
constexpr char16_t kLastRawByte = 0xDCFF;

// The length of the UTF-8 sequence at bytes[i], or 0 when none starts there.
int utf8SequenceAt(const QByteArray& bytes, qsizetype i)
{
    const auto b = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = b(i);
    if (lead < 0x80) return 1;
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) length = 2, c = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0) length = 3, c = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0) length = 4, c = lead & 0x07, least = 0x10000;
    else return 0;
    if (i + length > bytes.size()) return 0;
    for (int k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(i + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

bool isRawByte(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= kFirstRawByte && c <= kLastRawByte && (i == 0 || !name[i - 1].isHighSurrogate());
}

} // namespace

QString fileNameFromBytes(const QByteArray& bytes)
{
    QString name;
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = utf8SequenceAt(bytes, i);
        if (n == 0) {
            name += QChar(char16_t(kFirstRawByte + (static_cast<unsigned char>(bytes[i]) - 0x80)));
            ++i;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + i, n);
        i += n;
    }
    return name;
}

QByteArray fileNameBytes(const QString& name)
{
    if (!holdsRawBytes(name)) return QFile::encodeName(name);
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isRawByte(name, i)) continue;
        bytes += name.mid(start, i - start).toUtf8();
        bytes += static_cast<char>(name[i].unicode() - kFirstRawByte + 0x80);
        start = i + 1;
    }
    return bytes + name.mid(start).toUtf8();
}

bool holdsRawBytes(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (isRawByte(name, i)) return true;
    return false;
}

bool openForReading(QFile& file, const QString& path, QString* reason)
{
    if (!holdsRawBytes(path)) {
        file.setFileName(path);
        if (file.open(QIODevice::ReadOnly)) return true;
        if (reason) *reason = file.errorString();
        return false;
    }
    const int fd = ::open(fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (reason) *reason = QStringLiteral("it is a folder");
        return false;
    }
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (reason) *reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0) ::close(fd);
        return false;
    }
    return true;
}

bool makeFolders(const QString& path)
{
    if (!holdsRawBytes(path)) return QDir().mkpath(path);
    const QByteArray bytes = fileNameBytes(path);
    for (qsizetype end = 1; end <= bytes.size(); ++end) {
        if (end < bytes.size() && bytes[end] != '/') continue;
        const QByteArray part = bytes.left(end);
        if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return ::stat(bytes.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace vexoria
