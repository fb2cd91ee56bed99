#include "app/EditorSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/OutputFile.h"

namespace vexoria {

namespace {

const QByteArray kMark = "vexoria editor 1";

// Far more than any routine or unit; a bigger file is not ours.
constexpr qint64 kMostBytes = 64 * 1024 * 1024;

QByteArray encodingName(TextEncoding e)
{
    switch (e) {
    case TextEncoding::Utf8: return "utf-8";
    case TextEncoding::Utf8WithBom: return "utf-8-bom";
    case TextEncoding::Utf16LE: return "utf-16le";
    case TextEncoding::Utf16BE: return "utf-16be";
    case TextEncoding::Windows1251: return "windows-1251";
    }
    return "utf-8";
}

TextEncoding encodingNamed(const QByteArray& name)
{
    for (TextEncoding e :
         {TextEncoding::Utf8WithBom, TextEncoding::Utf16LE, TextEncoding::Utf16BE, TextEncoding::Windows1251})
        if (name == encodingName(e)) return e;
    return TextEncoding::Utf8;
}

// The next line of bytes from *at on; *at moves past its line break.
QByteArray takeLine(const QByteArray& bytes, qsizetype* at)
{
    const qsizetype end = bytes.indexOf('\n', *at);
    const qsizetype stop = end < 0 ? bytes.size() : end;
    QByteArray line = bytes.mid(*at, stop - *at);
    *at = end < 0 ? bytes.size() : end + 1;
    return line;
}

} // namespace

QString editorSessionPath(const QString& folder) { return QDir(folder).filePath(QStringLiteral("editor-code.txt")); }

std::optional<EditorSession> readEditorSession(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMostBytes) return std::nullopt;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.read(kMostBytes + 1);
    qsizetype at = 0;
    if (takeLine(bytes, &at) != kMark) return std::nullopt;
    // The source line: the encoding, a tab, the file's name.
    const QByteArray source = takeLine(bytes, &at);
    const qsizetype tab = source.indexOf('\t');
    EditorSession s;
    s.encoding = encodingNamed(tab < 0 ? source : source.left(tab));
    if (tab >= 0) s.sourcePath = QString::fromUtf8(source.mid(tab + 1));
    s.code = QString::fromUtf8(bytes.mid(at));
    return s;
}

bool writeEditorSession(const QString& path, const EditorSession& s, QString* error)
{
    // Only a regular file is replaced: a FIFO in its place would hold the
    // close until someone read it.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) *error = QStringLiteral("%1 — не обычный файл").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QStringLiteral("не удалось создать папку %1").arg(QDir::toNativeSeparators(info.absolutePath()));
        return false;
    }
    QString source = s.sourcePath;
    // A name with a line break in it cannot stand on its line; the code is
    // what matters, the name is dropped.
    if (source.contains(u'\n') || source.contains(u'\r')) source.clear();
    QByteArray bytes = kMark + '\n' + encodingName(s.encoding) + '\t' + source.toUtf8() + '\n';
    bytes += s.code.toUtf8();
    return writeOutputBytes(path, bytes, error);
}

} // namespace vexoria
