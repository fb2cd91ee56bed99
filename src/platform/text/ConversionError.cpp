#include "platform/text/ConversionError.h"

namespace vexoria {

int toInt(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    if (!ok) throw ConversionError(text);
    return v;
}

} // namespace vexoria
