#pragma once
// A chart longer than the length limit (edlin) can be built in up to three
// parts; the sizing stage refuses a longer one whatever the answer to the
// length question. The command line promises more: with the answer No, and
// for an SVG or PDF chart, a chart of any length is drawn whole. This builds
// such a chart once more with the limit at its largest, where it fits.
#include "cli/CliCommon.h"

namespace vexoria::cli {

// Whether a message is the sizing stage's refusal of a chart of more than
// three parts.
bool isLengthRefusal(const QString& message);

// Runs drawChart on the classified ws; when the chart is refused for its
// length and drawWhole is set, classifies and draws it again with the
// largest length limit. Returns what drawChart returned last.
bool drawChartWhole(Workspace& ws, bool drawWhole);

// The one line for a chart that was not drawn: the refusal of a long chart
// names edlin and the ways out, anything else is "the chart was not drawn".
void reportNotDrawn(const Workspace& ws, Io& io);

} // namespace vexoria::cli
