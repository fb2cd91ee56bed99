#pragma once
// What a build takes from the settings, read-only while it runs. The size
// fields stay the text the user typed: a stage converts the one it needs when
// it needs it, so a value that is not a number stops the build at the stage
// that reads it, with a message that quotes the text.
#include <QString>

#include "platform/settings/Settings.h"

namespace vexoria {

struct BuildOptions {
    QString varTextWidth; // var and header boxes: where their text is broken
    QString elseTextWidth;
    QString beginTextWidth; // begin, procces and except boxes
    QString ifTextWidth;
    QString forTextWidth;
    QString whileTextWidth;
    QString maxChartLength; // longest chart before it is built in parts
    QString laneSpacing;    // between the connection lanes
    bool colourMode = true;
    bool drawComments = true;
    bool addLegend = false;
    bool markPages = true;
};

inline BuildOptions buildOptionsOf(const Settings& s)
{
    BuildOptions o;
    o.varTextWidth = s.varTextWidth;
    o.elseTextWidth = s.elseTextWidth;
    o.beginTextWidth = s.beginTextWidth;
    o.ifTextWidth = s.ifTextWidth;
    o.forTextWidth = s.forTextWidth;
    o.whileTextWidth = s.whileTextWidth;
    o.maxChartLength = s.maxChartLength;
    o.laneSpacing = s.laneSpacing;
    o.colourMode = s.colourMode;
    o.drawComments = s.drawComments;
    o.addLegend = s.addLegend;
    o.markPages = s.markPages;
    return o;
}

} // namespace vexoria
