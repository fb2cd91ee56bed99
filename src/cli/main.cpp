// vexoria-cli: the headless side of Vexoria. It classifies, lays out and draws
// Pascal routines without a window, for scripts and for checking layouts.
#include <cstdio>

#include <QByteArray>
#include <QGuiApplication>
#include <QTextStream>

#include "cli/Commands.h"

namespace {

const char kUsage[] =
    "Usage: vexoria-cli COMMAND [OPTIONS]\n"
    "\n"
    "Draws flowcharts of Pascal routines without a window.\n"
    "\n"
    "Commands:\n"
    "  rows [--stage classify|check|build] FILE   print the statement table\n"
    "  render FILE -o OUT [--ini INI] [--answer yes|no|cancel]\n"
    "                                             write the chart as PNG, BMP or JPEG\n"
    "  connections FILE [--ini INI] [--answer A]  print the connection table\n"
    "  measure                                    widths of texts read from stdin\n"
    "  draw FILE [--ini INI] [--answer A]         print the canvas calls of a build\n"
    "\n"
    "FILE may be - for standard input. Options:\n"
    "  --help       show this help\n"
    "  --version    show the version\n";

} // namespace

int main(int argc, char* argv[])
{
    // Text widths need the GUI font machinery but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vexoria-cli"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    vexoria::cli::Io io{out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        out << kUsage;
        return args.isEmpty() ? 2 : 0;
    }
    if (args[0] == QLatin1String("--version")) {
        out << "vexoria-cli 2.2" << Qt::endl;
        return 0;
    }
    const QString cmd = args.takeFirst();
    if (cmd == QLatin1String("rows")) return vexoria::cli::cmdRows(args, io);
    if (cmd == QLatin1String("render")) return vexoria::cli::cmdRender(args, io);
    if (cmd == QLatin1String("connections")) return vexoria::cli::cmdConnections(args, io);
    if (cmd == QLatin1String("measure")) return vexoria::cli::cmdMeasure(args, io);
    if (cmd == QLatin1String("draw")) return vexoria::cli::cmdDraw(args, io);
    err << "vexoria-cli: unknown command " << cmd << " (try --help)" << Qt::endl;
    return 2;
}
