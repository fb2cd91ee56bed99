// The zoomed diagram: the zoom keys, the wheel and "По ширине окна"; the
// pointer's features (hint, comment, page marker) landing where the pointer
// is at 25 %, 100 % and 300 % on a scrolled chart; and what a zoomed view
// shows: lines one device pixel wide, comments and erasures over the chart.
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>

#include "app/DiagramAnnotations.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/PageMarkersView.h"
#include "platform/drawing/PainterCanvas.h"
#include "platform/drawing/RowIndexedDrawing.h"
#include "support/LongRoutine.h"
#include "PictureChanges.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::screenShot;
using vexoria::test::WindowTest;

namespace {

void mouse(QEvent::Type type, QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void key(QWidget* w, int k, const QString& text = {})
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

class DiagramZoomTest : public WindowTest {
protected:
    MainWindow& build(int parts = 12)
    {
        MainWindow& f = open();
        f.resize(900, 700);
        f.show();
        ui().codeEditor()->setPlainText(test::longRoutine(parts));
        // The caret after the routine's end: no block of it is outlined over
        // the pixels these tests look at.
        ui().codeEditor()->moveCursor(QTextCursor::End);
        f.activateWindow();
        for (int i = 0; i < 100 && !f.isActiveWindow(); ++i) QApplication::processEvents();
        ui().chartButton()->click();
        EXPECT_EQ(f.currentTab(), WindowTab::Diagram);
        EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join(u'|').toStdString();
        annotations = f.findChild<DiagramAnnotations*>();
        return f;
    }

    DiagramTab* tab() const { return ui().diagramTab(); }
    DiagramView* view() const { return ui().diagramView(); }
    QWidget* viewport() const { return ui().diagramScroll()->viewport(); }
    int scrolled() const { return ui().diagramScroll()->verticalScrollBar()->value(); }
    double zoom() const { return view()->zoom(); }

    // The chart's point under a point of the viewport.
    QPoint chartAt(QPoint onViewport) const
    {
        return view()->toChart(QPointF(view()->mapFrom(viewport(), onViewport)));
    }

    // Scrolls a chart point into sight and gives the widget under it and
    // where on that widget: the middle of the view pixels that show it.
    std::pair<QWidget*, QPoint> pointAt(QPoint chartPoint)
    {
        tab()->ensureVisible(QRect(chartPoint, QSize(1, 1)));
        const QPoint onView = view()->toView(chartPoint) + QPoint(int(zoom() / 2), int(zoom() / 2));
        // What the pointer is over in the view's visible part (the offscreen
        // screen is smaller than a scrolled window may reach).
        const QPoint onViewport = view()->mapTo(viewport(), onView);
        QWidget* w = viewport()->rect().contains(onViewport) ? viewport()->childAt(onViewport) : nullptr;
        return {w, w ? w->mapFrom(viewport(), onViewport) : QPoint()};
    }

    // The middle of the lane of the last row of kind vid: low on the chart.
    QPoint lastLane(int kind)
    {
        QPoint at;
        for (const ConnectionRow& r : ws().connections.rows())
            if (val(r.kind) == kind) at = {val(r.x2), (val(r.y1) + val(r.y3)) / 2};
        EXPECT_FALSE(at.isNull()) << "no row of kind " << kind;
        return at;
    }

    void wheel(QWidget* w, QPoint at, int delta, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
        QApplication::sendEvent(w, &e);
    }

    DiagramAnnotations* annotations = nullptr;
};

TEST_F(DiagramZoomTest, TheWheelAndTheKeysZoomAboutThePointerWithinTheirLimits)
{
    MainWindow& f = build();
    QLabel* status = f.statusBar()->findChild<QLabel*>(QStringLiteral("zoomLabel"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QStringLiteral("Масштаб: 100 %"));
    // A notch of the wheel with Ctrl over the chart: the chart's point under
    // the pointer stays under it, in a view scrolled both ways.
    const QPoint pointer(300, 200);
    wheel(view(), view()->mapFrom(viewport(), pointer), 120);
    EXPECT_EQ(tab()->zoomPercent(), 110);
    EXPECT_EQ(status->text(), QStringLiteral("Масштаб: 110 %"));
    tab()->zoomAbout(2.0, QPointF(0, 0));
    ui().diagramScroll()->verticalScrollBar()->setValue(3000);
    ui().diagramScroll()->horizontalScrollBar()->setValue(300);
    const QPoint before = chartAt(pointer);
    for (int i = 0; i < 2; ++i) wheel(view(), view()->mapFrom(viewport(), pointer), 120);
    EXPECT_EQ(tab()->zoomPercent(), 300);
    EXPECT_LE((chartAt(pointer) - before).manhattanLength(), 1);
    for (int i = 0; i < 5; ++i) wheel(view(), view()->mapFrom(viewport(), pointer), -120);
    EXPECT_EQ(tab()->zoomPercent(), 125);
    EXPECT_EQ(chartAt(pointer).y(), before.y());
    // Half notches (a touchpad) add up; without Ctrl the wheel scrolls.
    wheel(view(), view()->mapFrom(viewport(), pointer), 60);
    EXPECT_EQ(tab()->zoomPercent(), 125);
    wheel(view(), view()->mapFrom(viewport(), pointer), 60);
    EXPECT_EQ(tab()->zoomPercent(), 150);
    const int top = scrolled();
    wheel(viewport(), pointer, -120, Qt::NoModifier);
    EXPECT_EQ(tab()->zoomPercent(), 150);
    EXPECT_GT(scrolled(), top);

    // Ctrl + 0 is 100 %; the keys step up and down, and stop at 10 % and 400 %.
    QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(tab()->zoomPercent(), 100);
    QTest::keyClick(&f, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(tab()->zoomPercent(), 110);
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(tab()->zoomPercent(), 125);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(tab()->zoomPercent(), 100);
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(tab()->zoomPercent(), 110);
    QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(tab()->zoomPercent(), 100);
    for (int i = 0; i < 30; ++i) QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(tab()->zoomPercent(), 10);
    EXPECT_EQ(view()->height(), static_cast<int>(std::ceil(ws().diagram.height() * 0.1)));
    for (int i = 0; i < 30; ++i) wheel(view(), QPoint(10, 10), 120);
    EXPECT_EQ(tab()->zoomPercent(), 400);
    EXPECT_EQ(view()->width(), 4 * ws().diagram.width());
    tab()->zoomAbout(9.0, QPointF(0, 0));
    EXPECT_EQ(tab()->zoomPercent(), 400);

    // The code tab has the keys to itself.
    f.selectTab(WindowTab::Code);
    QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(tab()->zoomPercent(), 400);
}

TEST_F(DiagramZoomTest, FitToWidthShowsTheWholeWidthOfTheChart)
{
    build();
    ui().diagramScroll()->verticalScrollBar()->setValue(900);
    const int row = chartAt(QPoint(0, 0)).y();
    ASSERT_TRUE(ui().diagramMenu()->actions().contains(tab()->fitWidthAction()));
    for (const double start : {0.5, 3.0}) {
        tab()->zoomAbout(start, QPointF(0, 0));
        tab()->fitWidthAction()->trigger();
        EXPECT_LE(view()->geometry().right(), viewport()->width() - 1);
        EXPECT_GE(view()->geometry().right(), viewport()->width() - 6);
        EXPECT_EQ(ui().diagramScroll()->horizontalScrollBar()->value(), 0);
        EXPECT_LE(std::abs(chartAt(QPoint(0, 0)).y() - row), 1) << start;
    }
}

TEST_F(DiagramZoomTest, HintCommentAndMarkerLandWhereThePointerIsAtEveryZoom)
{
    build();
    CommentEdit* edit = annotations->commentEdit;
    const QPoint lane = lastLane(6);
    QString hint;
    for (const double z : {1.0, 0.25, 3.0}) {
        SCOPED_TRACE(z);
        tab()->zoomAbout(z, QPointF(0, 0));

        // The hint of the lane under the pointer, beside the pointer.
        auto [widget, local] = pointAt(lane);
        ASSERT_EQ(widget, view());
        EXPECT_GT(scrolled(), 0);
        mouse(QEvent::MouseButtonPress, widget, local);
        ASSERT_TRUE(annotations->hintBox->isVisible());
        if (hint.isEmpty()) hint = annotations->hintBox->toPlainText();
        EXPECT_EQ(annotations->hintBox->toPlainText(), hint);
        EXPECT_TRUE(hint.startsWith(QStringLiteral("if"))) << hint.toStdString();
        const QRect box = annotations->hintBox->geometry();
        EXPECT_LE(std::abs(box.center().y() - local.y()), box.height() / 2);
        mouse(QEvent::MouseButtonRelease, widget, local);

        // A comment asked for at a point begins there, and lands there.
        const QPoint at(420, ws().diagram.height() - 150 - static_cast<int>(z * 10));
        auto [on, where] = pointAt(at);
        ASSERT_EQ(on, view());
        emit view()->customContextMenuRequested(where);
        ui().diagramMenu()->hide();
        annotations->commentAction->trigger();
        ASSERT_TRUE(edit->isVisible());
        EXPECT_TRUE(edit->geometry().contains(where));
        EXPECT_EQ(view()->toChart(QPointF(edit->pos() + edit->textOrigin())).x(), at.x());
        const QImage before = ws().diagram.image();
        key(edit, 0, QStringLiteral("Ш"));
        if (z == 3.0) screenShot(ui().diagramTab()->window(), QStringLiteral("zoom-300-comment-typed"));
        key(edit, Qt::Key_Return);
        const QImage& after = ws().diagram.image();
        const int first = test::firstChangedColumn(before, after, at.y());
        EXPECT_GE(first, at.x());
        EXPECT_LE(first, at.x() + 2);

        // Marker 1 taken 4 view pixels below its top and dragged: its rule
        // lies on the chart's row under the pointer's.
        QLabel* marker = ui().pageMarkers()->label(1);
        tab()->ensureVisible(QRect(0, 700, 10, 10));
        const auto send = [&](QEvent::Type type, int viewY) {
            const QPoint global = view()->mapToGlobal(QPoint(50, viewY));
            QMouseEvent e(type, marker->mapFromGlobal(QPointF(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(marker, &e);
        };
        send(QEvent::MouseButtonPress, marker->y() - view()->y() + 4);
        send(QEvent::MouseMove, view()->toView(QPoint(0, 700)).y() + 4);
        send(QEvent::MouseButtonRelease, view()->toView(QPoint(0, 700)).y() + 4);
        EXPECT_EQ(ws().pageMarkers.offset(1), 700);
        EXPECT_EQ(marker->y() - view()->y(), view()->toView(QPoint(0, 700)).y());
        EXPECT_GE(marker->width(), static_cast<int>(ws().diagram.width() * z));
        ui().pageMarkers()->showPageMarkers();
    }
}

TEST_F(DiagramZoomTest, ZoomedTheChartIsDrawnAtTheScreensResolutionWithItsCommentsAndErasures)
{
    MainWindow& f = build(3);
    const QImage& chart = ws().diagram.image();
    // A horizontal line one pixel thick, 20 pixels long.
    const auto dark = [&](int x, int y) { return qGray(chart.pixel(x, y)) < 128; };
    QPoint line;
    for (int y = 1; y + 1 < chart.height() && line.isNull(); ++y)
        for (int x = 0; x + 20 < chart.width() && line.isNull(); ++x) {
            bool thin = true;
            for (int i = 0; i < 20 && thin; ++i) thin = dark(x + i, y) && !dark(x + i, y - 1) && !dark(x + i, y + 1);
            if (thin) line = {x + 10, y};
        }
    ASSERT_FALSE(line.isNull());

    tab()->zoomAbout(3.0, QPointF(0, 0));
    screenShot(&f, QStringLiteral("zoom-300"));
    tab()->ensureVisible(QRect(line, QSize(1, 1)));
    const QImage shown = view()->grab(view()->toView(QRect(line - QPoint(0, 3), QSize(1, 7)))).toImage();
    int rows = 0;
    for (int y = 0; y < shown.height(); ++y) rows += qGray(shown.pixel(1, y)) < 128 ? 1 : 0;
    EXPECT_EQ(rows, 1) << "a one-pixel line is one device pixel at 300 %";

    // A comment, then the eraser across the line: the zoomed view shows
    // the comment, and white where the line was erased.
    emit view()->customContextMenuRequested(view()->toView(line + QPoint(40, 20)));
    ui().diagramMenu()->hide();
    annotations->commentAction->trigger();
    key(annotations->commentEdit, 0, QStringLiteral("ЖЖЖ"));
    key(annotations->commentEdit, Qt::Key_Return);
    // Every pixel of the chart the eraser whitened shows white, to the
    // edges of its stroke.
    const QImage unerased = chart.copy();
    annotations->eraserAction->trigger();
    mouse(QEvent::MouseButtonPress, view(), view()->toView(line - QPoint(5, 0)));
    mouse(QEvent::MouseMove, view(), view()->toView(line + QPoint(5, 0)));
    mouse(QEvent::MouseButtonRelease, view(), view()->toView(line + QPoint(5, 0)));
    EXPECT_FALSE(dark(line.x(), line.y()));
    const QRect around(line - QPoint(12, 14), QSize(25, 29));
    const QImage erased = view()->grab(view()->toView(around)).toImage();
    int whitened = 0;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x) {
            if (unerased.pixel(x, y) == chart.pixel(x, y)) continue;
            ++whitened;
            for (int dy = 0; dy < 3; ++dy)
                for (int dx = 0; dx < 3; ++dx)
                    ASSERT_EQ(erased.pixel((x - around.left()) * 3 + dx, (y - around.top()) * 3 + dy),
                              qRgb(255, 255, 255))
                        << "chart pixel " << x - line.x() << "," << y - line.y() << " from the line";
        }
    EXPECT_GE(whitened, 15);
    const QImage comment = view()->grab(view()->toView(QRect(line + QPoint(40, 14), QSize(40, 14)))).toImage();
    int ink = 0;
    for (int y = 0; y < comment.height(); ++y)
        for (int x = 0; x < comment.width(); ++x) ink += qGray(comment.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(ink, 60);
    screenShot(&f, QStringLiteral("zoom-300-erased"));
}

TEST_F(DiagramZoomTest, APictureOpenedFromAFileIsShownScaled)
{
    build(3);
    // An opened picture has no drawing: its own pixels are what is shown.
    QImage picture(300, 400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(100, 200, 40, 30, Qt::black);
    ws().diagram.setPicture(picture);
    tab()->refresh();
    tab()->zoomAbout(2.0, QPointF(0, 0));
    EXPECT_EQ(view()->size(), QSize(600, 800));
    tab()->ensureVisible(QRect(100, 200, 40, 30));
    const QImage shown = view()->grab(view()->toView(QRect(95, 195, 50, 40))).toImage();
    EXPECT_EQ(qGray(shown.pixel(40, 40)), 0); // inside the black block
    EXPECT_EQ(qGray(shown.pixel(2, 2)), 255); // white beside it
    EXPECT_EQ(qGray(shown.pixel(95, 75)), 255);
}

TEST(RowIndexedDrawing, AnAreaReplaysAsTheWholeDrawingShowsIt)
{
    // Shapes across several buckets, a dashed line, text, and white drawn
    // over them last.
    DisplayList list;
    list.setPenWidth(2);
    list.rectangle(10, 10, 200, 700);
    list.setPenWidth(1);
    list.setPenStyle(PenStyle::Dash);
    list.polyline({{50, 0}, {50, 900}});
    list.setPenStyle(PenStyle::Solid);
    list.setPenColour(0x0000FF);
    for (int y = 20; y < 880; y += 37) list.polyline({{60, y}, {190, y + 5}});
    list.textOut(70, 300, QStringLiteral("while x do"));
    list.setBrushColour(kWhite);
    list.fillRect(40, 250, 120, 420);
    RowIndexedDrawing rows;
    rows.rebuild(list);
    EXPECT_EQ(rows.shapesMeeting(QRect(0, 0, 300, 900)), rows.shapeCount());
    EXPECT_LT(rows.shapesMeeting(QRect(0, 600, 300, 20)), rows.shapeCount() / 2);

    const auto paint = [&](const std::function<void(Canvas&)>& draw) {
        QImage image(300, 900, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        PainterCanvas canvas(p);
        draw(canvas);
        return image;
    };
    const QImage whole = paint([&](Canvas& c) { list.replay(c); });
    for (const QRect area : {QRect(0, 100, 300, 50), QRect(0, 240, 300, 200), QRect(0, 127, 300, 2)}) {
        SCOPED_TRACE(area.top());
        const QImage part = paint([&](Canvas& c) { rows.replay(c, area); });
        EXPECT_EQ(part.copy(area), whole.copy(area));
    }
}

} // namespace
