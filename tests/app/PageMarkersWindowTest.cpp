// The page markers over the diagram: placed by a build, shown or not with
// "Разметка страниц", dragged with the mouse wherever the view is scrolled.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "app/DiagramView.h"
#include "app/PageMarkersView.h"
#include "app/SettingsPanel.h"
#include "support/LongRoutine.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

class PageMarkersWindowTest : public WindowTest {
protected:
    QLabel* marker(int k) { return ui().pageMarkers()->label(k); }
    // Where marker k's top edge is, as an offset on the diagram.
    int shownAt(int k) { return marker(k)->y() - ui().diagramView()->y(); }

    void mouse(QEvent::Type type, int k, int diagramY, Qt::MouseButtons buttons)
    {
        const QPoint global = ui().diagramView()->mapToGlobal(QPoint(100, diagramY));
        const QPointF local = marker(k)->mapFromGlobal(QPointF(global));
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, local, QPointF(global), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(marker(k), &e);
    }
    // Takes marker k 4 pixels below its top edge and drags it to put the
    // edge at diagram offset y.
    void drag(int k, int y)
    {
        mouse(QEvent::MouseButtonPress, k, ws().pageMarkers.offset(k) + 4, Qt::LeftButton);
        mouse(QEvent::MouseMove, k, y + 4, Qt::LeftButton);
    }
    void release(int k) { mouse(QEvent::MouseButtonRelease, k, ws().pageMarkers.offset(k) + 4, Qt::NoButton); }
};

} // namespace

TEST_F(PageMarkersWindowTest, ABuildShowsOneMarkerPerPageOverTheChart)
{
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(test::longRoutine(12));
    ui().chartButton()->click();
    const int h = ws().diagram.height();
    const int pages = (h + 1039) / 1040;
    ASSERT_GE(pages, 3);
    EXPECT_EQ(marker(1)->text(), QStringLiteral("1") + QString(232, u'-'));
    EXPECT_EQ(marker(3)->objectName(), QStringLiteral("List3"));
    EXPECT_EQ(marker(3)->geometry().left(), 34);
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(marker(k)->isVisible(), k <= pages) << k;
    EXPECT_EQ(shownAt(1), 1040);
    EXPECT_EQ(shownAt(pages), h);

    // The code tab takes them out of sight; their places stay for printing.
    f.selectTab(WindowTab::Code);
    EXPECT_FALSE(marker(1)->isVisible());
    EXPECT_EQ(ws().pageMarkers.offset(pages), h);
}

TEST_F(PageMarkersWindowTest, AMarkerFollowsThePointerWhereverTheViewIsScrolled)
{
    MainWindow& f = open();
    f.show();
    ui().codeEditor()->setPlainText(test::longRoutine(12));
    ui().chartButton()->click();
    ui().diagramScroll()->verticalScrollBar()->setValue(500);
    ASSERT_EQ(ui().diagramScroll()->verticalScrollBar()->value(), 500);

    drag(1, 600);
    EXPECT_TRUE(uiState().draggedMarker);
    EXPECT_EQ(ws().pageMarkers.offset(1), 600);
    EXPECT_EQ(shownAt(1), 600);
    EXPECT_EQ(shownAt(2), 1640); // the next marker keeps a page below
    release(1);
    test::screenShot(&f, QStringLiteral("page-markers"));
    EXPECT_FALSE(uiState().draggedMarker);

    // Dragged past its limit, marker 1 snaps back and the drag ends.
    drag(1, 1100);
    EXPECT_EQ(shownAt(1), 1040);
    EXPECT_FALSE(uiState().draggedMarker);
    release(1);
}

TEST_F(PageMarkersWindowTest, WithoutPageMarkingTheMarkersStillShow)
{
    MainWindow& f = open();
    f.show();
    ui().settingsPanel()->markPagesBox->setChecked(false);
    ui().codeEditor()->setPlainText(test::longRoutine(6));
    ui().chartButton()->click();
    EXPECT_FALSE(marker(1)->isVisible());
    EXPECT_TRUE(ws().pageMarkers.placed(1));

    // Undoes a drag, at the right places in a scrolled view.
    ws().pageMarkers.setOffset(1, 300);
    ui().diagramScroll()->verticalScrollBar()->setValue(200);
    f.actions().pageMarkers->trigger();
    EXPECT_TRUE(marker(1)->isVisible());
    EXPECT_EQ(shownAt(1), 1040);
    EXPECT_EQ(shownAt(2), ws().diagram.height());
}

TEST_F(PageMarkersWindowTest, TheTwelfthMarkerDraggedPastItsLimitSaysNoMoreCanBePrinted)
{
    MainWindow& f = open();
    f.show();
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("20000")); // drawn whole, in one part
    ui().codeEditor()->setPlainText(test::longRoutine(60));
    ui().chartButton()->click();
    ASSERT_TRUE(marker(12)->isVisible());
    drag(12, 12500);
    EXPECT_EQ(shownAt(12), 12480);
    EXPECT_FALSE(uiState().draggedMarker);
    EXPECT_EQ(prompter.messages(), QStringList({"12 страница не обработанна"}));
    release(12);
}

// Every marker can be seen: the last one, on the chart's bottom edge, is in
// the view when it is scrolled to the end, and a marker's page number reads
// whatever the chart holds under it (a break label, a line).
TEST_F(PageMarkersWindowTest, TheLastMarkerAndEveryMarkersNumberCanBeSeen)
{
    MainWindow& f = open();
    f.resize(800, 600);
    f.show();
    ui().codeEditor()->setPlainText(test::longRoutine(12));
    ui().chartButton()->click();
    const int h = ws().diagram.height();
    const int pages = (h + 1039) / 1040;
    ASSERT_EQ(shownAt(pages), h);

    QScrollBar* bar = ui().diagramScroll()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QWidget* viewport = ui().diagramScroll()->viewport();
    const QRect last(marker(pages)->mapTo(viewport, QPoint(0, 0)), marker(pages)->size());
    EXPECT_TRUE(viewport->rect().contains(last)) << last.y() << " in " << viewport->height();
    test::screenShot(&f, QStringLiteral("page-marker-last"));

    // A black break label drawn into the chart right under marker 1's number.
    const QRect number(marker(1)->x(), marker(1)->y(), marker(1)->fontMetrics().horizontalAdvance(u'1'),
                       marker(1)->height());
    ws().diagram.image().fill(Qt::white);
    for (int y = number.top(); y <= number.bottom(); ++y)
        for (int x = number.left() - ui().diagramView()->x() - 4; x <= number.right() - ui().diagramView()->x() + 4;
             ++x)
            ws().diagram.image().setPixelColor(x, y - ui().diagramView()->y(), Qt::black);
    ui().diagramView()->update();
    const QImage seen = ui().diagramHost()->grab(number).toImage();
    int red = 0, black = 0;
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            const QColor c = seen.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 100) ++red;
            else if (qGray(c.rgb()) < 60) ++black;
        }
    EXPECT_GT(red, 5);
    EXPECT_EQ(black, 0);
}
