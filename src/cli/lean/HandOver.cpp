#include "cli/lean/HandOver.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <sys/auxv.h>
#include <unistd.h>

#include <QString>

#include "cli/ChartOutput.h"
#include "platform/drawing/Diagram.h"
#include "platform/drawing/DiagramText.h"
#include "platform/drawing/PictureCanvas.h"
#include "platform/drawing/SchemeColours.h"

namespace vexoria::cli::lean {

namespace {

char** commandLine = nullptr;

// The complete program beside this one, in the same program folder.
std::string completeProgram()
{
    char self[PATH_MAX];
    std::string path;
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) path.assign(self, static_cast<size_t>(n));
    else if (const auto* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
             started && realpath(started, self))
        path = self;
    path.erase(path.find_last_of('/') + 1);
    return path + "vexoria-cli";
}

} // namespace

void rememberCommandLine(char** argv) { commandLine = argv; }

void handOver()
{
    const std::string program = completeProgram();
    if (commandLine) execv(program.c_str(), commandLine);
    std::fprintf(stderr, "vexoria-cli: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace vexoria::cli::lean

// What the lean program leaves to the complete one: each definition stands
// in for the one the GUI library's side of the core gives (DiagramFont.cpp,
// DesktopSchemeColours.cpp, DiagramPicture.cpp, cli/ChartPictures.cpp).
namespace vexoria {

using cli::lean::handOver;

namespace face {
int textWidth(const QString&) { handOver(); }
QString family() { handOver(); }
bool embedded() { handOver(); }
int pixelSize() { handOver(); }
int ascent() { handOver(); }
int height() { handOver(); }
} // namespace face

SchemeColours desktopSchemeColours(const std::optional<SchemeColours>& installed)
{
    if (installed) return *installed;
    handOver();
}

Diagram::Diagram(const Diagram&) { handOver(); }
Diagram& Diagram::operator=(const Diagram&) { handOver(); }
const QImage& Diagram::image() const { handOver(); }
QImage& Diagram::image() { handOver(); }
void Diagram::setPicture(const QImage&) { handOver(); }
PictureCanvas& Diagram::canvas() { handOver(); }
bool Diagram::makeWhiteImage() { handOver(); }

namespace cli {
bool writeChartPicture(const Workspace&, const DisplayList&, PictureFormat, const QString&, QString*) { handOver(); }
} // namespace cli

} // namespace vexoria
