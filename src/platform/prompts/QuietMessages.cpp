#include "platform/prompts/QuietMessages.h"

#include <QString>
#include <QtGlobal>

namespace vexoria {

namespace {

QtMessageHandler previousHandler = nullptr;

// On a machine without a login session (a build server, a container, ssh
// without a session manager) Qt notes that it picked a runtime folder of its
// own. The program keeps nothing there, so the note is only noise on every
// command. Complaints about the folder itself (its owner or permissions) are
// still shown.
bool isNoise(QtMsgType type, const QString& text)
{
    return type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void filter(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (isNoise(type, text)) return;
    if (previousHandler) previousHandler(type, context, text);
}

} // namespace

void installQuietMessages()
{
    if (previousHandler) return;
    previousHandler = qInstallMessageHandler(filter);
}

} // namespace vexoria
