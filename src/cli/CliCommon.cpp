#include "cli/CliCommon.h"

#include <cstdio>

#include <QFile>

#include "pipeline/Pipeline.h"
#include "pipeline/Workspace.h"
#include "platform/core/ConversionError.h"
#include "platform/core/QImageCanvas.h"
#include "platform/core/SettingsFile.h"
#include "platform/core/TextCodec.h"

namespace vexoria::cli {

std::optional<QString> readCodeFile(const QString& path, Io& io)
{
    QFile f;
    bool ok = false;
    if (path == QLatin1String("-")) {
        ok = f.open(stdin, QIODevice::ReadOnly);
    } else {
        f.setFileName(path);
        ok = f.open(QIODevice::ReadOnly);
    }
    if (!ok) {
        io.err << "vexoria-cli: cannot read " << path << ": " << f.errorString() << Qt::endl;
        return std::nullopt;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        io.err << "vexoria-cli: cannot read " << path << ": " << f.errorString() << Qt::endl;
        return std::nullopt;
    }
    return classifierText(decodeCodeText(bytes));
}

void CliPrompter::message(const QString& text)
{
    m_messages << text;
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

bool prepareWorkspace(Workspace& ws, const BuildOptions& opts, CliPrompter& prompter, Io& io)
{
    ws.prompter = &prompter;
    if (!opts.ini.isEmpty()) {
        if (!loadSettingsFile(opts.ini, ws.settings)) {
            io.err << "vexoria-cli: cannot read " << opts.ini << Qt::endl;
            return false;
        }
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
    const QString shown = file == QLatin1String("-") ? QStringLiteral("standard input") : file;
    io.err << "vexoria-cli: warning: the routine in " << shown << " holds no code to draw; the chart has only its end"
           << Qt::endl;
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
        io.err << "vexoria-cli: the chart is too long for one picture" << Qt::endl;
    } catch (const std::bad_alloc&) {
        io.out.flush();
        io.err << "vexoria-cli: not enough memory for the chart" << Qt::endl;
    } catch (const std::exception& e) {
        io.out.flush();
        io.err << "vexoria-cli: " << QString::fromUtf8(e.what()) << Qt::endl;
    }
    return 1;
}

} // namespace vexoria::cli
