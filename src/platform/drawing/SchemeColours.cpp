#include "platform/drawing/SchemeColours.h"

namespace vexoria {

namespace {

std::optional<SchemeColours>& installed()
{
    static std::optional<SchemeColours> c;
    return c;
}

} // namespace

void installSchemeColours(const SchemeColours& colours) { installed() = colours; }

SchemeColours schemeColours() { return desktopSchemeColours(installed()); }

} // namespace vexoria
