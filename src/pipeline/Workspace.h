#pragma once
// Everything a build works on: the three tables, the build context, the
// settings, the diagram picture and the prompter. The window owns one; the
// command line and the tests make their own. Stages take it by reference.
#include <QString>

#include "tables/StatementTable.h"
#include "tables/ShapeTemplates.h"
#include "pipeline/BuildControl.h"
#include "tables/ConnectionTable.h"
#include "pages/PageMarkers.h"
#include "platform/core/BuildContext.h"
#include "platform/drawing/Canvas.h"
#include "platform/drawing/Diagram.h"
#include "platform/prompts/Prompter.h"
#include "platform/settings/Settings.h"

namespace vexoria {

struct Workspace {
    Workspace();

    StatementTable statements;
    ShapeTemplateTable templates;
    ConnectionTable connections;
    BuildContext ctx;
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
    // The diagram popup item "Далее" is shown (a chart built in parts).
    bool nextPartAvailable = false;
    // Connection routing ends by asking for the "Диаграмма" tab, the window
    // maximised; the window shows it and clears the flag.
    bool showDiagramTab = false;
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

    // A stage starts: tells the control, and is a cancellation point.
    void enterStage(BuildStage stage)
    {
        if (!control) return;
        control->enter(stage);
        cancellationPoint(control);
    }
};

} // namespace vexoria
