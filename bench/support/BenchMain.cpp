// The main of every benchmark program. Text widths and pictures need a GUI
// application (never a display); it lives on main's stack so that it outlives
// every benchmark and is gone before the program's static objects, Qt's font
// caches among them, are destroyed.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "platform/prompts/QuietMessages.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vexoria::installQuietMessages();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
