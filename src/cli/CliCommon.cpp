#include "cli/CliCommon.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <QFileInfo>

#include "cli/WholeChart.h"
#include "layout/DiagramCanvas.h"
#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/text/ConversionError.h"
#include "platform/drawing/PictureCanvas.h"
#include "platform/settings/SettingsFile.h"
#include "platform/text/TextCodec.h"
#include "source/TextFile.h"

namespace vexoria::cli {

QString shownFileName(const QString& path)
{
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

std::optional<QByteArray> readInputFile(const QString& path, Io& io)
{
    QString reason;
    const auto bytes = readFileBytes(path, &reason);
    if (!bytes) {
        io.err << "vexoria-cli: cannot read " << shownFileName(path) << ": " << reason << Qt::endl;
        return std::nullopt;
    }
    if (!looksLikeText(*bytes)) {
        io.err << "vexoria-cli: " << shownFileName(path) << " is not a text file" << Qt::endl;
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> readCodeFile(const QString& path, Io& io)
{
    const auto bytes = readInputFile(path, io);
    if (!bytes) return std::nullopt;
    return classifierText(decodeCodeText(*bytes));
}

void CliPrompter::message(const QString& text)
{
    m_messages << text;
    // The refusal of a long chart is the command's to report: it draws the
    // chart whole instead, or names the ways out in its own line. So is a
    // picture too large to make: a command whose output is the picture says
    // so with the way out, for the others the picture is no output.
    if (isLengthRefusal(text) || text == pictureTooLongMessage()) return;
    QString oneLine = text;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    m_err << "vexoria-cli: " << oneLine << Qt::endl;
}

Answer CliPrompter::question(const QString& title, const QString& text, Buttons buttons, Icon /*icon*/)
{
    m_messages << title + u'\n' + text;
    Answer a = m_answer;
    if (buttons == Buttons::YesNo && a == Answer::Cancel) a = Answer::No;
    return a;
}

std::optional<BuildOptions> buildOptions(const CommandInfo& info, const Args& args, Io& io)
{
    BuildOptions o;
    o.file = args.files.value(0);
    o.ini = args.value("--ini");
    o.output = args.value("-o");
    if (args.has("--ini") && (o.ini.isEmpty() || o.ini == QLatin1String("-"))) {
        usageError(info, QStringLiteral("--ini needs the name of a file"), io);
        return std::nullopt;
    }
    if (args.has("-o") && o.output.isEmpty()) {
        usageError(info, QStringLiteral("-o needs the name of a file, or - for standard output"), io);
        return std::nullopt;
    }
    if (args.has("--answer")) {
        const QString v = args.value("--answer");
        if (v == QLatin1String("yes")) o.answer = Answer::Yes;
        else if (v == QLatin1String("no")) o.answer = Answer::No;
        else if (v == QLatin1String("cancel")) o.answer = Answer::Cancel;
        else {
            usageError(info, QStringLiteral("--answer takes yes, no or cancel, not %1").arg(v), io);
            return std::nullopt;
        }
    }
    return o;
}

bool loadIniFile(const QString& path, Settings& settings, Io& io)
{
    if (QFileInfo(path).isDir()) {
        io.err << "vexoria-cli: cannot read " << path << ": it is a folder" << Qt::endl;
        return false;
    }
    // The same size and text test as for FILE, before the settings reader
    // takes the file whole.
    if (!readInputFile(path, io)) return false;
    if (!loadSettingsFile(path, settings)) {
        io.err << "vexoria-cli: cannot read " << path << Qt::endl;
        return false;
    }
    return true;
}

bool prepareWorkspace(Workspace& ws, const BuildOptions& opts, CliPrompter& prompter, Io& io)
{
    ws.prompter = &prompter;
    if (!opts.ini.isEmpty()) {
        if (!loadIniFile(opts.ini, ws.settings, io)) return false;
        ws.settingsFile = opts.ini;
    }
    if (opts.file.isEmpty()) {
        io.err << "vexoria-cli: no input file given" << Qt::endl;
        return false;
    }
    auto code = readCodeFile(opts.file, io);
    if (!code) return false;
    ws.codeText = *code;
    return true;
}

void warnIfNoCode(const Workspace& ws, const QString& file, Io& io)
{
    if (!holdsNoCode(ws)) return;
    io.err << "vexoria-cli: warning: the routine in " << shownFileName(file)
           << " holds no code to draw; the chart has only its end" << Qt::endl;
}

int guarded(Io& io, const std::function<int()>& work)
{
    try {
        return work();
    } catch (const ConversionError& e) {
        io.out.flush();
        io.err << "vexoria-cli: " << e.message() << Qt::endl;
    } catch (const PictureError&) {
        io.out.flush();
        io.err << "vexoria-cli: " << kPictureTooLong << Qt::endl;
    } catch (const std::bad_alloc&) {
        io.out.flush();
        io.err << "vexoria-cli: not enough memory for the chart" << Qt::endl;
    } catch (const std::exception& e) {
        io.out.flush();
        io.err << "vexoria-cli: " << QString::fromUtf8(e.what()) << Qt::endl;
    }
    return 1;
}

int finishStandardOutput(int status, Io& io)
{
    io.out.flush();
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0 && !std::ferror(stdout);
    if (status != 0 || (flushed && io.out.status() == QTextStream::Ok)) return status;
    QString reason = io.out.device() ? io.out.device()->errorString() : QString();
    if (errno != 0) reason = QString::fromLocal8Bit(std::strerror(errno));
    if (reason.isEmpty() || reason == QLatin1String("Unknown error")) reason = QStringLiteral("the write was refused");
    io.err << "vexoria-cli: cannot write standard output: " << reason << Qt::endl;
    return 1;
}

} // namespace vexoria::cli
