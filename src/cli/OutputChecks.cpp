#include "cli/OutputChecks.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/files/FileNames.h"
#include "platform/files/OutputFile.h"

namespace vexoria::cli {

bool namesSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty() || a == QLatin1String("-") || b == QLatin1String("-")) return false;
    struct stat sa {
    }, sb{};
    if (::stat(fileNameBytes(a).constData(), &sa) != 0) return false;
    if (::stat(fileNameBytes(b).constData(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool checkNotOverInput(const CommandInfo& info, const BuildOptions& opts, const QString& output, Io& io)
{
    // Standard output that the shell pointed at the input is its own affair.
    if (isStreamTarget(output)) return true;
    const char* which = namesSameFile(output, opts.file) ? "FILE" : namesSameFile(output, opts.ini) ? "INI" : nullptr;
    if (!which) return true;
    usageError(info, QStringLiteral("-o %1 is the input %2; it is not written over").arg(output, QLatin1String(which)),
               io);
    return false;
}

bool checkOutputFolder(const QString& output, Io& io)
{
    if (output.isEmpty() || isStreamTarget(output)) return true;
    const QFileInfo fi(output);
    const QString folder = fi.path();
    struct stat st {};
    const bool exists = ::stat(fileNameBytes(folder).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return true;
    io.err << "vexoria-cli: cannot write " << output << ": the folder " << QDir::toNativeSeparators(folder)
           << (exists ? " is not a folder" : " does not exist") << Qt::endl;
    return false;
}

bool checkDatabaseWritable(const QString& output, Io& io)
{
    if (isStreamTarget(output)) return true;
    const auto readOnly = [](const QString& path) {
        return ::access(fileNameBytes(path).constData(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
    };
    const QFileInfo fi(output);
    struct stat st {};
    const char* reason = nullptr;
    const bool exists = ::stat(fileNameBytes(output).constData(), &st) == 0;
    if (exists && readOnly(output)) reason = "the database file is read-only";
    else if (readOnly(fi.absolutePath())) reason = "the folder is read-only";
    if (!reason) return true;
    io.err << "vexoria-cli: cannot write " << output << ": " << reason << Qt::endl;
    return false;
}

} // namespace vexoria::cli
