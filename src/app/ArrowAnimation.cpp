#include "app/ArrowAnimation.h"

#include <QCheckBox>
#include <QPainter>
#include <QTimer>

#include "anim/AnimationTick.h"
#include "anim/AnimationOverlay.h"
#include "app/DiagramView.h"
#include "app/SettingsPanel.h"
#include "app/MainWindow.h"
#include "platform/drawing/PainterCanvas.h"

namespace vexoria {

ArrowAnimation::ArrowAnimation(MainWindow& form, QTimer& timer, DiagramView& view, const SettingsPanel& settings)
    : QObject(&form), m_form(form), m_view(view), m_settings(settings)
{
    setObjectName(QStringLiteral("ArrowAnimation"));
    connect(&timer, &QTimer::timeout, this, &ArrowAnimation::tick);

    // The heads and blinking marks are painted over the picture, never into
    // it: the saved and printed chart stays as it was built. The pen follows
    // colour mode as the settings panel has it now.
    view.addOverlay([this](QPainter& painter, const QRect& area) {
        PainterCanvas canvas(painter);
        const Workspace& ws = m_form.workspace();
        paintAnimation(canvas, ws.connections, area, m_settings.colourBox->isChecked(), ws.pictureConnectionsFrom);
    });

    // The timer is always running; the tick decides whether to do anything.
    timer.start();
}

void ArrowAnimation::tick()
{
    Workspace& ws = m_form.workspace();
    WindowState& state = m_form.uiState();
    if (m_form.currentTab() != WindowTab::Diagram || !state.animationOn || !ws.connections.isOpen() ||
        !m_view.hasPicture())
        return;
    animationTick(ws.connections, state.animStep, ws.pictureConnectionsFrom);
    // Only the part of the view on screen is repainted.
    m_view.update();
}

// Qt's views are always double-buffered: the switch of the scrolling view's
// double buffering that goes with these items has nothing left to do.
void ArrowAnimation::switchAnimationOn() { m_form.uiState().animationOn = true; }

void ArrowAnimation::switchAnimationOff()
{
    WindowState& state = m_form.uiState();
    state.animationOn = false;
    state.animStep = 0;
}

} // namespace vexoria
