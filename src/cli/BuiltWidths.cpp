#include "cli/BuiltWidths.h"

#include <iterator>

#include <QByteArray>
#include <QtGlobal>

#include "platform/drawing/DiagramWidths.h"
#include "platform/drawing/SchemeColours.h"

namespace vexoria::cli {

#ifdef VEXORIA_WIDTH_TABLE
namespace {
constexpr CharWidth kWidths[] = {
#include "DiagramWidthTable.inc"
};
constexpr DiagramFaceFacts kFace{
#include "DiagramFontFacts.inc"
};
struct BuiltScheme {
    const char* qtVersion;
    const char* platform;
    Colour highlight;
    Colour window;
};
constexpr BuiltScheme kScheme{
#include "SchemeColours.inc"
};
} // namespace

void installBuiltWidths() { installDiagramWidths(kWidths, std::size(kWidths), kFace); }

void installBuiltSchemeColours()
{
    if (qstrcmp(qVersion(), kScheme.qtVersion) != 0) return;
    if (qgetenv("QT_QPA_PLATFORM") != kScheme.platform || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME")) return;
    installSchemeColours({kScheme.highlight, kScheme.window});
}
#else
void installBuiltWidths() {}
void installBuiltSchemeColours() {}
#endif

} // namespace vexoria::cli
