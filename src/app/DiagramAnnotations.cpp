#include "app/DiagramAnnotations.h"

#include <algorithm>

#include <QAction>
#include <QBitmap>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFrame>

#include "anim/Aanimate.h"
#include "app/DiagramView.h"
#include "app/Uvexoria.h"
#include "connect/Annotations.h"
#include "connect/Hints.h"
#include "layout/DiagramCanvas.h"
#include "platform/core/DiagramFont.h"

namespace vexoria {

namespace {

constexpr QSize kHintSize{177, 89};
constexpr QSize kCommentSize{249, 21};
// The narrowest the comment box gets near the picture's right edge.
constexpr int kNarrowestComment = 24;

// The eraser's pointer: the outline of the strip it paints, its hot spot in
// the middle, so the user sees what will go.
QCursor eraserCursor()
{
    const QRect strip = eraserStrip({0, 0});
    QPixmap pm(strip.width() + 2, strip.height() + 2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
    p.end();
    return QCursor(pm, -strip.left() + 1, -strip.top() + 1);
}

} // namespace

// ---- Edit1 ---------------------------------------------------------------

CommentEdit::CommentEdit(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("Edit1"));
    QFont f = diagramFont();
    f.setStyleStrategy(QFont::NoAntialias);
    setFont(f);
    // The text sits at a fixed place in the box (top-aligned below a set
    // padding), so textOrigin() can say where it is for any text.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #5a7ab0; padding: 3px 0px 0px 0px;"
                                 " background: #fffff0; color: black; }"));
    resize(kCommentSize);
    setPlaceholderText(QStringLiteral("Enter — записать, Esc — отменить"));
}

QPoint CommentEdit::textOrigin() const
{
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this).marginsRemoved(textMargins());
    // A line edit keeps its text 2 pixels in from the left of that area and,
    // aligned to the top, 1 pixel down.
    return r.topLeft() + QPoint(2, 1);
}

void CommentEdit::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit accepted(); return;
    case Qt::Key_Escape: emit cancelled(); return;
    default: QLineEdit::keyPressEvent(e);
    }
}

// Leaving the box drops the comment. A menu of the box itself or a switch to
// another program is no leaving: the box is still there when the user is
// back.
void CommentEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
    if (isVisible()) emit cancelled();
}

// ---- the mouse on the chart ------------------------------------------------

DiagramAnnotations::DiagramAnnotations(TMyform& form) : QObject(&form), m_form(form)
{
    setObjectName(QStringLiteral("DiagramAnnotations"));
    DiagramView* view = form.Idiag1;

    Musl = new QPlainTextEdit(view);
    Musl->setObjectName(QStringLiteral("Musl"));
    Musl->setReadOnly(true);
    Musl->setFocusPolicy(Qt::NoFocus);
    Musl->setAttribute(Qt::WA_TransparentForMouseEvents);
    Musl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Musl->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Musl->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #ffffe1; color: black; border: 1px solid #808080; }"));
    Musl->resize(kHintSize);
    Musl->hide();

    Edit1 = new CommentEdit(view);
    Edit1->hide();

    N21 = form.PopupMenu1->addAction(QStringLiteral("Комментарии"));
    N21->setObjectName(QStringLiteral("N21"));
    N22 = form.PopupMenu1->addAction(QStringLiteral("Стереть"));
    N22->setObjectName(QStringLiteral("N22"));

    connect(N21, &QAction::triggered, this, &DiagramAnnotations::N21Click);
    connect(N22, &QAction::triggered, this, &DiagramAnnotations::N22Click);
    connect(form.PopupMenu1, &QMenu::aboutToShow, this, [this] {
        N21->setEnabled(m_form.Idiag1->hasPicture());
        N22->setEnabled(m_form.Idiag1->hasPicture());
    });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
        // A menu asked for from the keyboard comes with a point that may lie
        // far off screen on a long chart: the comment then goes in the middle
        // of what is on show.
        const QRect seen = view->visibleRegion().boundingRect();
        m_menuAt = seen.isEmpty() || seen.contains(at) ? at : seen.center();
        Musl->hide();
    });
    connect(view, &DiagramView::pressed, this, &DiagramAnnotations::Idiag1MouseDown);
    connect(view, &DiagramView::moved, this, &DiagramAnnotations::Idiag1MouseMove);
    connect(view, &DiagramView::released, this, &DiagramAnnotations::Idiag1MouseUp);
    connect(Edit1, &CommentEdit::accepted, this, &DiagramAnnotations::Edit1Write);
    connect(Edit1, &CommentEdit::cancelled, this, &DiagramAnnotations::Edit1Drop);
}

void DiagramAnnotations::repaint(const QRect& area)
{
    m_form.Idiag1->update(area);
}

void DiagramAnnotations::Idiag1MouseDown(QPoint at, Qt::MouseButton button)
{
    BuildContext& ctx = m_form.workspace().ctx;
    if (button == Qt::RightButton) stopAnimation(ctx);
    if (ctx.eraseMode == 1) {
        ctx.eraseDrag = 1;
        m_eraserAt = at;
        // While erasing, a hint box would hide the strokes being made.
        return;
    }
    showHint(at);
}

void DiagramAnnotations::showHint(QPoint at)
{
    const Workspace& ws = m_form.workspace();
    if (!m_form.Idiag1->hasPicture()) return;
    const std::optional<QString> hint = hintAt(ws.tstrelka, ws.tstrok, at, ws.pictureConnectionsFrom);
    if (!hint) return;
    Musl->move(hintBoxPlace(at, Musl->size(), m_form.Idiag1->size()));
    Musl->setPlainText(*hint);
    Musl->show();
    Musl->raise();
}

void DiagramAnnotations::Idiag1MouseMove(QPoint at)
{
    Workspace& ws = m_form.workspace();
    if (ws.ctx.eraseMode != 1 || ws.ctx.eraseDrag != 1 || !m_form.Idiag1->hasPicture()) return;
    eraseStroke(diagramCanvas(ws), m_eraserAt, at);
    repaint(eraserStrip(m_eraserAt).united(eraserStrip(at)).adjusted(-1, -1, 1, 1));
    m_eraserAt = at;
}

void DiagramAnnotations::Idiag1MouseUp()
{
    BuildContext& ctx = m_form.workspace().ctx;
    if (ctx.eraseMode == 1) {
        ctx.eraseMode = 0;
        ctx.eraseDrag = 0;
        m_form.Idiag1->unsetCursor();
    }
    if (Musl->isVisible()) Musl->hide();
}

void DiagramAnnotations::N21Click()
{
    if (!m_form.Idiag1->hasPicture()) return;
    // The program has no way to choose a keyboard layout on every platform:
    // the box takes the text in the layout the user has on.
    // The box's text begins where the user pointed, and so does the comment
    // it writes. Near the picture's right edge the box narrows instead of
    // moving left; only in the last few pixels, where no box fits, does it
    // move, and the comment then goes where the box shows its text.
    const QSize view = m_form.Idiag1->size();
    const QPoint origin = Edit1->textOrigin();
    const int width = std::clamp(view.width() - (m_menuAt.x() - origin.x()), kNarrowestComment, kCommentSize.width());
    Edit1->resize(width, kCommentSize.height());
    const int left = std::clamp(m_menuAt.x() - origin.x(), 0, std::max(0, view.width() - width));
    const int top = std::clamp(m_menuAt.y() - Edit1->height() / 2, 0, std::max(0, view.height() - Edit1->height()));
    Edit1->move(left, top);
    Edit1->show();
    Edit1->raise();
    m_form.ScrollBox1->ensureWidgetVisible(Edit1);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void DiagramAnnotations::Edit1Write()
{
    Workspace& ws = m_form.workspace();
    const QString text = Edit1->text();
    const QPoint at = Edit1->pos() + Edit1->textOrigin();
    Edit1Drop();
    if (text.isEmpty() || !m_form.Idiag1->hasPicture()) return;
    drawComment(diagramCanvas(ws), at, text);
    repaint(QRect(at, QSize(diagramTextWidth(ws, text), diagramFontMetrics().height())));
}

void DiagramAnnotations::Edit1Drop()
{
    Edit1->hide();
    Edit1->move(Edit1->x(), 0);
    Edit1->clear();
}

void DiagramAnnotations::N22Click()
{
    if (!m_form.Idiag1->hasPicture()) return;
    BuildContext& ctx = m_form.workspace().ctx;
    ctx.eraseMode = 1;
    ctx.eraseDrag = 0;
    m_form.Idiag1->setCursor(eraserCursor());
}

} // namespace vexoria
