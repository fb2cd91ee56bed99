#include "app/ArrowAnimation.h"

#include <QAction>
#include <QCheckBox>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

#include "anim/Aanimate.h"
#include "anim/AnimationOverlay.h"
#include "app/DiagramView.h"
#include "app/SettingsPanel.h"
#include "app/Uvexoria.h"
#include "platform/core/PainterCanvas.h"

namespace vexoria {

ArrowAnimation::ArrowAnimation(TMyform& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("ArrowAnimation"));
    connect(form.Timer1, &QTimer::timeout, this, &ArrowAnimation::Timer1Timer);
    connect(form.N27, &QAction::triggered, this, &ArrowAnimation::N27Click);
    connect(form.N28, &QAction::triggered, this, &ArrowAnimation::N28Click);
    form.N27->setEnabled(true);
    form.N28->setEnabled(true);

    // The heads and blinking marks are painted over the picture, never into
    // it: the saved and printed chart stays as it was built. The pen follows
    // colour mode as the settings panel has it now.
    form.Idiag1->addOverlay([this](QPainter& painter, const QRect& area) {
        PainterCanvas canvas(painter);
        const Workspace& ws = m_form.workspace();
        paintAnimation(canvas, ws.tstrelka, area, m_form.Panel3->CBcvet->isChecked(), ws.pictureConnectionsFrom);
    });

    // The timer is always running; the tick decides whether to do anything.
    form.Timer1->start();
}

void ArrowAnimation::Timer1Timer()
{
    Workspace& ws = m_form.workspace();
    if (m_form.pcontrol1->currentWidget() != m_form.tsdi || ws.ctx.animOn != 1 || !ws.tstrelka.isOpen() ||
        !m_form.Idiag1->hasPicture())
        return;
    AanimateExecute(ws);
    // Only the part of the view on screen is repainted.
    m_form.Idiag1->update();
}

// Qt's views are always double-buffered: the switch of the scrolling view's
// double buffering that goes with these items has nothing left to do.
void ArrowAnimation::N27Click()
{
    m_form.workspace().ctx.animOn = 1;
}

void ArrowAnimation::N28Click()
{
    BuildContext& ctx = m_form.workspace().ctx;
    ctx.animOn = 0;
    ctx.animStep = 0;
}

} // namespace vexoria
