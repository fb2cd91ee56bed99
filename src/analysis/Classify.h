#pragma once
// The classifier: the first stage of a build.
#include <optional>

#include <QString>

#include "tables/BuildControl.h"
#include "tables/ShapeTemplates.h"
#include "tables/StatementTable.h"

namespace vexoria {

// Fills `statements` with the rows of the code text (lines joined by CR LF),
// numbered in drawing order. Gives the report's title when the routine starts
// with a procedure or function header, nothing otherwise.
std::optional<QString> classifyStatements(StatementTable& statements, const QString& codeText,
                                          ShapeTemplateTable& templates, const BuildControl* control = nullptr);

} // namespace vexoria
