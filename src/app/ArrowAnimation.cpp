#include "app/ArrowAnimation.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

#include "anim/AnimationTick.h"
#include "anim/AnimationOverlay.h"
#include "app/DiagramView.h"
#include "app/SettingsPanel.h"
#include "app/MainWindow.h"
#include "platform/drawing/PainterCanvas.h"

namespace vexoria {

ArrowAnimation::ArrowAnimation(MainWindow& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("ArrowAnimation"));
    connect(form.animationTimer, &QTimer::timeout, this, &ArrowAnimation::tick);
    connect(form.animationOnAction, &QAction::triggered, this, &ArrowAnimation::switchAnimationOn);
    connect(form.animationOffAction, &QAction::triggered, this, &ArrowAnimation::switchAnimationOff);
    form.animationOnAction->setEnabled(true);
    form.animationOffAction->setEnabled(true);

    // The heads and blinking marks are painted over the picture, never into
    // it: the saved and printed chart stays as it was built. The pen follows
    // colour mode as the settings panel has it now.
    form.diagramView->addOverlay([this](QPainter& painter, const QRect& area) {
        PainterCanvas canvas(painter);
        const Workspace& ws = m_form.workspace();
        paintAnimation(canvas, ws.connections, area, m_form.settingsPanel->colourBox->isChecked(), ws.pictureConnectionsFrom);
    });

    // The timer is always running; the tick decides whether to do anything.
    form.animationTimer->start();
}

void ArrowAnimation::tick()
{
    Workspace& ws = m_form.workspace();
    WindowState& state = m_form.uiState();
    if (m_form.tabs->currentWidget() != m_form.diagramTab || !state.animationOn || !ws.connections.isOpen() ||
        !m_form.diagramView->hasPicture())
        return;
    animationTick(ws.connections, state.animStep, ws.pictureConnectionsFrom);
    // Only the part of the view on screen is repainted.
    m_form.diagramView->update();
}

// Qt's views are always double-buffered: the switch of the scrolling view's
// double buffering that goes with these items has nothing left to do.
void ArrowAnimation::switchAnimationOn()
{
    m_form.uiState().animationOn = true;
}

void ArrowAnimation::switchAnimationOff()
{
    WindowState& state = m_form.uiState();
    state.animationOn = false;
    state.animStep = 0;
}

} // namespace vexoria
