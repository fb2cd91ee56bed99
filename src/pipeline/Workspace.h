#pragma once
// Everything a build works on: the three tables, the settings, the diagram
// picture, the page markers, the prompter and the plan of a chart built in
// parts. The window owns one; the command line and the tests make their own.
// The pipeline hands each stage the parts of it that the stage reads and
// writes.
#include <QString>

#include "layout/DiagramCanvas.h"
#include "layout/Palette.h"
#include "pages/PageMarkers.h"
#include "pipeline/PartPlan.h"
#include "platform/drawing/Canvas.h"
#include "platform/drawing/Diagram.h"
#include "platform/prompts/Prompter.h"
#include "platform/settings/Settings.h"
#include "tables/BuildControl.h"
#include "tables/BuildOptions.h"
#include "tables/ConnectionTable.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"

namespace vexoria {

struct Workspace {
    Workspace();

    StatementTable statements;
    ShapeTemplateTable templates;
    ConnectionTable connections;
    Settings settings;
    // The file the settings came from, as messages about them name it.
    QString settingsFile = QStringLiteral("shema.ini");
    Diagram diagram;
    // The twelve page markers over the diagram.
    PageMarkers pageMarkers;
    Prompter* prompter = nullptr;

    // The editor's text as the classifier reads it: lines joined by CR LF.
    QString codeText;
    // Caption of the report's title label (set by the classifier).
    QString reportTitle;
    // The parts of the chart on show when it is built in parts.
    PartPlan parts;
    // The rows that carry a kind, as the last structure check counted them.
    int blockCount = 0;
    // The construct colours the drawing pass and routing hand out.
    BlockPalette palette;
    // The rows of the connection table whose lines are on the picture on
    // show start here; the rows before belong to the earlier parts of a chart
    // built in parts. The animation and the hints use only these rows.
    int pictureConnectionsFrom = 0;
    // Where the stages draw. Null: on the diagram's own image. Tests and the
    // draw command put a recording canvas here.
    Canvas* canvasOverride = nullptr;
    // Set while the build runs off the window's thread: the stage it is in,
    // and a stop the window asked for. Null: nothing watches.
    BuildControl* control = nullptr;

    ChartSurface surface() { return ChartSurface{diagram, canvasOverride}; }
    BuildOptions options() const { return buildOptionsOf(settings); }

    // A stage starts: tells the control, and is a cancellation point.
    void enterStage(BuildStage stage)
    {
        if (!control) return;
        control->enter(stage);
        cancellationPoint(control);
    }
};

} // namespace vexoria
