#pragma once
// The subcommands of vexoria-cli. Each returns the exit status.
#include <QStringList>

#include "cli/CliCommon.h"

namespace vexoria::cli {

int cmdRows(const QStringList& args, Io& io);        // the statement table
int cmdRender(const QStringList& args, Io& io);      // the chart as a picture
int cmdConnections(const QStringList& args, Io& io); // the connection table
int cmdMeasure(const QStringList& args, Io& io);     // text widths in the diagram font
int cmdDraw(const QStringList& args, Io& io);        // the canvas calls of a build

} // namespace vexoria::cli
