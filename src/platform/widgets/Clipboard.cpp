#include "platform/widgets/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vexoria {

QString SystemClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void SystemClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

} // namespace vexoria
