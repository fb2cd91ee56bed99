#include "app/DiagramAnnotations.h"

#include <algorithm>
#include <cmath>

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

#include "anim/AnimationTick.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/MainWindow.h"
#include "connect/Annotations.h"
#include "connect/Hints.h"
#include "layout/DiagramCanvas.h"
#include "platform/drawing/DiagramFont.h"

namespace vexoria {

namespace {

constexpr QSize kHintSize{177, 89};
constexpr QSize kCommentSize{249, 21};
// The narrowest the comment box gets near the picture's right edge.
constexpr int kNarrowestComment = 24;

// The eraser's pointer: the outline of the strip it paints at the chart's
// zoom, its hot spot in the middle, so the user sees what will go.
QCursor eraserCursor(double zoom)
{
    const QRect chartStrip = eraserStrip({0, 0});
    const QRect strip(static_cast<int>(std::floor(chartStrip.left() * zoom)),
                      static_cast<int>(std::floor(chartStrip.top() * zoom)),
                      std::max(1, static_cast<int>(std::lround(chartStrip.width() * zoom))),
                      std::max(1, static_cast<int>(std::lround(chartStrip.height() * zoom))));
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

// ---- commentEdit ---------------------------------------------------------------

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
    m_fullSize = kCommentSize;
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

void CommentEdit::setZoom(double zoom)
{
    QFont f = diagramFont();
    // Below this size what is typed could not be read.
    constexpr int kSmallest = 8;
    const int chartSize = f.pixelSize();
    const int size = std::max(std::min(kSmallest, chartSize), static_cast<int>(std::lround(chartSize * zoom)));
    if (size == font().pixelSize()) return;
    f.setStyleStrategy(size == chartSize ? QFont::NoAntialias : QFont::PreferAntialias);
    f.setPixelSize(size);
    setFont(f);
    // The padding around the text stays; the box grows with the text.
    const int padding = kCommentSize.height() - QFontMetrics(diagramFont()).height();
    m_fullSize = QSize(kCommentSize.width() * size / chartSize, QFontMetrics(f).height() + padding);
    resize(m_fullSize);
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

DiagramAnnotations::DiagramAnnotations(MainWindow& form, DiagramTab& tab)
    : QObject(&form), m_form(form), m_tab(tab), m_view(*tab.view())
{
    setObjectName(QStringLiteral("DiagramAnnotations"));
    DiagramView* view = &m_view;

    hintBox = new QPlainTextEdit(view);
    hintBox->setObjectName(QStringLiteral("Musl"));
    hintBox->setReadOnly(true);
    hintBox->setFocusPolicy(Qt::NoFocus);
    hintBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    hintBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hintBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hintBox->setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: #ffffe1; color: black; border: 1px solid #808080; }"));
    hintBox->resize(kHintSize);
    hintBox->hide();

    commentEdit = new CommentEdit(view);
    commentEdit->hide();

    commentAction = tab.menu()->addAction(QStringLiteral("Комментарии"));
    commentAction->setObjectName(QStringLiteral("N21"));
    eraserAction = tab.menu()->addAction(QStringLiteral("Стереть"));
    eraserAction->setObjectName(QStringLiteral("N22"));

    connect(commentAction, &QAction::triggered, this, &DiagramAnnotations::startComment);
    connect(eraserAction, &QAction::triggered, this, &DiagramAnnotations::toggleEraser);
    connect(tab.menu(), &QMenu::aboutToShow, this, [this] {
        commentAction->setEnabled(m_view.hasPicture());
        eraserAction->setEnabled(m_view.hasPicture());
    });
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
        // A menu asked for from the keyboard comes with a point that may lie
        // far off screen on a long chart: the comment then goes in the middle
        // of what is on show.
        const QRect seen = view->visibleRegion().boundingRect();
        m_menuAt = seen.isEmpty() || seen.contains(at) ? at : seen.center();
        hintBox->hide();
    });
    connect(&tab, &DiagramTab::zoomChanged, this, &DiagramAnnotations::onZoomChanged);
    connect(view, &DiagramView::pressed, this, &DiagramAnnotations::onDiagramPressed);
    connect(view, &DiagramView::moved, this, &DiagramAnnotations::onDiagramMoved);
    connect(view, &DiagramView::released, this, &DiagramAnnotations::onDiagramReleased);
    connect(commentEdit, &CommentEdit::accepted, this, &DiagramAnnotations::writeComment);
    connect(commentEdit, &CommentEdit::cancelled, this, &DiagramAnnotations::dropComment);
}

void DiagramAnnotations::repaint(const QRect& area) { m_view.updateChart(area); }

void DiagramAnnotations::onZoomChanged()
{
    hintBox->hide();
    if (m_form.uiState().eraserOn) m_view.setCursor(eraserCursor(m_view.zoom()));
    if (!commentEdit->isVisible()) return;
    commentEdit->setZoom(m_view.zoom());
    placeCommentBox(m_view.toView(m_commentAt));
}

void DiagramAnnotations::onDiagramPressed(QPoint at, Qt::MouseButton button)
{
    WindowState& state = m_form.uiState();
    if (button == Qt::RightButton) state.animationOn = false;
    if (state.eraserOn) {
        state.erasing = true;
        m_eraserAt = at;
        // While erasing, a hint box would hide the strokes being made.
        return;
    }
    showHint(at);
}

void DiagramAnnotations::showHint(QPoint at)
{
    const Workspace& ws = m_form.workspace();
    if (!m_view.hasPicture()) return;
    const std::optional<QString> hint = hintAt(ws.connections, ws.statements, at, ws.pictureConnectionsFrom);
    if (!hint) return;
    hintBox->move(hintBoxPlace(m_view.toView(at), hintBox->size(), m_view.size()));
    hintBox->setPlainText(*hint);
    hintBox->show();
    hintBox->raise();
}

void DiagramAnnotations::onDiagramMoved(QPoint at)
{
    Workspace& ws = m_form.workspace();
    const WindowState& state = m_form.uiState();
    if (!state.eraserOn || !state.erasing || !m_view.hasPicture()) return;
    eraseStroke(diagramCanvas(ws.surface()), m_eraserAt, at);
    repaint(eraserStrip(m_eraserAt).united(eraserStrip(at)).adjusted(-1, -1, 1, 1));
    m_eraserAt = at;
}

void DiagramAnnotations::onDiagramReleased()
{
    WindowState& state = m_form.uiState();
    if (state.eraserOn) {
        state.eraserOn = false;
        state.erasing = false;
        m_view.unsetCursor();
    }
    if (hintBox->isVisible()) hintBox->hide();
}

void DiagramAnnotations::startComment()
{
    if (!m_view.hasPicture()) return;
    // The program has no way to choose a keyboard layout on every platform:
    // the box takes the text in the layout the user has on.
    // The box's text begins where the user pointed, and so does the comment
    // it writes. Near the picture's right edge the box narrows instead of
    // moving left; only in the last few pixels, where no box fits, does it
    // move, and the comment then goes where the box shows its text.
    commentEdit->setZoom(m_view.zoom());
    placeCommentBox(m_menuAt);
    commentEdit->show();
    commentEdit->raise();
    m_tab.scrollArea()->ensureWidgetVisible(commentEdit);
    commentEdit->setFocus(Qt::OtherFocusReason);
}

void DiagramAnnotations::placeCommentBox(QPoint at)
{
    const QSize view = m_view.size();
    const QPoint origin = commentEdit->textOrigin();
    const QSize full = commentEdit->fullSize();
    const int width = std::clamp(view.width() - (at.x() - origin.x()), kNarrowestComment, full.width());
    commentEdit->resize(width, full.height());
    const int left = std::clamp(at.x() - origin.x(), 0, std::max(0, view.width() - width));
    const int top =
        std::clamp(at.y() - commentEdit->height() / 2, 0, std::max(0, view.height() - commentEdit->height()));
    commentEdit->move(left, top);
    m_commentAt = m_view.toChart(QPointF(commentEdit->pos() + commentEdit->textOrigin()));
}

void DiagramAnnotations::writeComment()
{
    Workspace& ws = m_form.workspace();
    const QString text = commentEdit->text();
    const QPoint at = m_view.toChart(QPointF(commentEdit->pos() + commentEdit->textOrigin()));
    dropComment();
    if (text.isEmpty() || !m_view.hasPicture()) return;
    drawComment(diagramCanvas(ws.surface()), at, text);
    repaint(QRect(at, QSize(diagramTextWidth(ws.surface(), text), diagramFontMetrics().height())));
}

void DiagramAnnotations::dropComment()
{
    commentEdit->hide();
    commentEdit->move(commentEdit->x(), 0);
    commentEdit->clear();
}

void DiagramAnnotations::toggleEraser()
{
    if (!m_view.hasPicture()) return;
    WindowState& state = m_form.uiState();
    state.eraserOn = true;
    state.erasing = false;
    m_view.setCursor(eraserCursor(m_view.zoom()));
}

} // namespace vexoria
