#pragma once
// render DIR --all -o OUT: every unit under DIR (.pas, .pp, .inc, .lpr,
// .dpr, in every subfolder) drawn as render UNIT --all draws one, into a
// tree under OUT that mirrors DIR's, one folder per unit named after it.
#include <QString>
#include <QStringList>

#include "cli/CliCommon.h"

namespace vexoria {
struct Settings;
}

namespace vexoria::cli {

// The units under dir, as paths relative to it, sorted so that the order
// (and with it the progress lines) is the same on every machine.
QStringList unitsUnder(const QString& dir);

// The folder each unit's charts go into, relative to OUT: the unit's path
// without its extension; a second unit of the same name in the same folder
// (a.pas beside a.inc) keeps its extension, with '_' for the dot.
QStringList unitFolders(const QStringList& units);

// Draws every routine of every unit; one progress line per unit and a
// summary. 0 when every routine was drawn, else 1.
int renderFolder(const Settings& settings, const BuildOptions& opts, const QString& format, Io& io);

} // namespace vexoria::cli
