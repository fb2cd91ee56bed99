// The finished chart under the mouse: hints on the lanes, comments and the
// eraser, in a scrolled view; and the arrow animation, which runs over the
// picture without ever changing it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "anim/AnimationTick.h"
#include "app/ArrowAnimation.h"
#include "app/DiagramAnnotations.h"
#include "app/DiagramView.h"
#include "app/SettingsPanel.h"
#include "PictureChanges.h"
#include "ScreenShot.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::screenShot;
using vexoria::test::WindowTest;

namespace {

void mouse(QEvent::Type type, QWidget* w, Qt::MouseButton button, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) { mouse(QEvent::MouseButtonPress, w, b, at); }
void release(QWidget* w, QPoint at) { mouse(QEvent::MouseButtonRelease, w, Qt::LeftButton, at); }
void drag(QWidget* w, QPoint to) { mouse(QEvent::MouseMove, w, Qt::LeftButton, to); }

void key(QWidget* w, int k, const QString& text = {})
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}
void type(QWidget* w, const QString& text) { key(w, 0, text); }

const char* const kRoutine = "procedure Demo(n: Integer);\n"
                             "var i, s: Integer;\n"
                             "begin\n"
                             "  s := 0;\n"
                             "  if n > 10 then\n"
                             "    s := 1\n"
                             "  else\n"
                             "    s := 2;\n"
                             "  while s < n do\n"
                             "  begin\n"
                             "    s := s + 1;\n"
                             "  end;\n"
                             "  repeat\n"
                             "    s := s - 1;\n"
                             "  until s = 0;\n"
                             "  for i := 1 to n do\n"
                             "    s := s + i;\n"
                             "end;\n";

class DiagramMouseTest : public WindowTest {
protected:
    MainWindow& build()
    {
        MainWindow& f = open();
        f.show();
        ui().codeEditor()->setPlainText(QString::fromUtf8(kRoutine));
        f.activateWindow();
        for (int i = 0; i < 100 && !f.isActiveWindow(); ++i) QApplication::processEvents();
        EXPECT_TRUE(f.isActiveWindow());
        ui().chartButton()->click();
        EXPECT_EQ(f.currentTab(), WindowTab::Diagram);
        EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join(u'|').toStdString();
        annotations = f.findChild<DiagramAnnotations*>();
        return f;
    }

    // The middle of the lane of the first row of kind vid.
    QPoint lane(int kind)
    {
        for (const ConnectionRow& r : ws().connections.rows()) {
            if (val(r.kind) != kind) continue;
            if (kind == 7) return {val(r.x3), (val(r.y5) + val(r.y2)) / 2};
            return {val(r.x2), (val(r.y1) + val(r.y3)) / 2};
        }
        ADD_FAILURE() << "no row of kind " << kind;
        return {};
    }

    // Scrolls the point into the middle of the view and says which widget
    // the pointer is over there, and where on it.
    std::pair<QWidget*, QPoint> pointAt(QPoint diagramPoint)
    {
        ui().diagramScroll()->ensureVisible(diagramPoint.x() + ui().diagramView()->x(), diagramPoint.y(), 50, 200);
        const QPoint global = ui().diagramView()->mapToGlobal(diagramPoint);
        QWidget* w = QApplication::widgetAt(global);
        return {w, w ? w->mapFromGlobal(global) : QPoint()};
    }

    void tick() { form->findChild<ArrowAnimation*>()->tick(); }

    int scrolled() const { return ui().diagramScroll()->verticalScrollBar()->value(); }

    void openMenuAt(QPoint at)
    {
        emit ui().diagramView()->customContextMenuRequested(at);
        ui().diagramMenu()->hide();
    }

    DiagramAnnotations* annotations = nullptr;
};

TEST_F(DiagramMouseTest, APressOnEachLaneShowsItsConditionUntilTheButtonIsReleased)
{
    MainWindow& f = build();
    const struct {
        int kind;
        const char* hint;
    } lanes[] = {
        {6, "if  n > 10 "}, {5, "while  s < n "}, {7, "while  s < n "}, {8, "until  s = 0;"}, {4, "for  i := 1 to n "}};
    for (const auto& l : lanes) {
        SCOPED_TRACE(l.kind);
        const QPoint at = lane(l.kind);
        const auto [widget, local] = pointAt(at);
        ASSERT_EQ(widget, ui().diagramView());
        press(widget, local);
        EXPECT_TRUE(annotations->hintBox->isVisible());
        EXPECT_EQ(annotations->hintBox->toPlainText(), QString::fromUtf8(l.hint));
        // Beside the pointer, on the picture where the pointer is.
        const QRect box = annotations->hintBox->geometry();
        EXPECT_LE(std::abs(box.center().y() - at.y()), box.height() / 2);
        EXPECT_TRUE(box.left() > at.x() || box.right() < at.x());
        if (l.kind == 4) screenShot(&f, QStringLiteral("hint"));
        release(widget, local);
        EXPECT_FALSE(annotations->hintBox->isVisible());
    }
    EXPECT_GT(scrolled(), 0); // the last lanes lie below the first screen

    // A plain connection shows nothing.
    const ConnectionRow& plain =
        ws().connections.at(ws().connections.find([](const ConnectionRow& r) { return val(r.kind) == 1; }));
    const auto [widget, local] = pointAt({val(plain.x1), (val(plain.y1) + val(plain.y2)) / 2});
    press(widget, local);
    EXPECT_FALSE(annotations->hintBox->isVisible());
    release(widget, local);
}

TEST_F(DiagramMouseTest, ACommentIsWrittenWhereItWasTypedAndTheEraserTakesItAway)
{
    MainWindow& f = build();
    const QImage clean = ws().diagram.image();
    const QPoint at(470, ws().diagram.height() - 120);
    pointAt(at);
    ASSERT_GT(scrolled(), 0);
    openMenuAt(at);
    EXPECT_TRUE(annotations->commentAction->isEnabled());
    annotations->commentAction->trigger();
    CommentEdit* edit = annotations->commentEdit;
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(edit->geometry().contains(at));
    type(edit, QStringLiteral("Итого"));
    screenShot(&f, QStringLiteral("comment-typed"));

    // What the box shows is what the chart gets, pixel for pixel.
    edit->setReadOnly(true); // no cursor in the picture
    const QImage typed = edit->grab().toImage();
    edit->setReadOnly(false);
    const QPoint boxAt = edit->pos();
    const QPoint origin = boxAt + edit->textOrigin();
    key(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_TRUE(edit->text().isEmpty());
    const QImage& chart = ws().diagram.image();
    int dark = 0, same = 0;
    for (int y = 0; y < typed.height(); ++y)
        for (int x = 0; x < typed.width(); ++x) {
            if (qGray(typed.pixel(x, y)) >= 100 || x < 2 || y < 2) continue;
            ++dark;
            same += qGray(chart.pixel(boxAt + QPoint(x, y))) < 100 ? 1 : 0;
        }
    EXPECT_GT(dark, 20);
    EXPECT_EQ(same, dark) << "text drawn at " << origin.x() << "," << origin.y();
    screenShot(&f, QStringLiteral("comment-written"));

    // Escape, and leaving the box, write nothing.
    const QImage written = ws().diagram.image();
    openMenuAt(at + QPoint(0, 40));
    annotations->commentAction->trigger();
    type(edit, QStringLiteral("нет"));
    key(edit, Qt::Key_Escape);
    EXPECT_FALSE(edit->isVisible());
    annotations->commentAction->trigger();
    type(edit, QStringLiteral("нет"));
    ui().diagramScroll()->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(edit->isVisible());
    EXPECT_EQ(ws().diagram.image(), written);

    // "Стереть": a press without moving erases nothing, and the release ends
    // the eraser; the next drag across the comment takes it away.
    auto [view, local] = pointAt(origin + QPoint(0, 6));
    ASSERT_EQ(view, ui().diagramView());
    annotations->eraserAction->trigger();
    EXPECT_TRUE(uiState().eraserOn);
    press(view, local);
    release(view, local);
    EXPECT_FALSE(uiState().eraserOn);
    EXPECT_EQ(ws().diagram.image(), written);

    annotations->eraserAction->trigger();
    press(view, local - QPoint(3, 0));
    drag(view, local + QPoint(60, 0));
    release(view, local + QPoint(60, 0));
    EXPECT_FALSE(uiState().eraserOn);
    EXPECT_EQ(ws().diagram.image(), clean);
}

TEST_F(DiagramMouseTest, TheCommentBoxAndTheCommentStartWhereTheUserPointed)
{
    MainWindow& f = build();
    CommentEdit* edit = annotations->commentEdit;
    const int bottom = ws().diagram.height() - 60;
    // Left, middle and near the right edge of the picture; at the top with
    // the chart unscrolled and at its foot, scrolled down.
    for (const QPoint at : {QPoint(90, 60), QPoint(520, 80), QPoint(660, 100), QPoint(520, bottom)}) {
        SCOPED_TRACE(at.x());
        SCOPED_TRACE(at.y());
        pointAt(at);
        openMenuAt(at);
        annotations->commentAction->trigger();
        ASSERT_TRUE(edit->isVisible());
        const QPoint text = edit->pos() + edit->textOrigin();
        EXPECT_EQ(text.x(), at.x());
        EXPECT_LE(std::abs(edit->geometry().center().y() - at.y()), 1);
        EXPECT_LE(edit->geometry().right(), ui().diagramView()->width() - 1);
        if (at.x() == 520 && at.y() == 80) screenShot(&f, QStringLiteral("comment-box-at-point"));

        const QImage before = ws().diagram.image();
        type(edit, QStringLiteral("Ш"));
        key(edit, Qt::Key_Return);
        // The first changed column of the chart is the comment's first.
        const QImage& after = ws().diagram.image();
        const int first = test::firstChangedColumn(before, after, at.y());
        EXPECT_GE(first, at.x());
        EXPECT_LE(first, at.x() + 2);
    }
}

TEST_F(DiagramMouseTest, TheAnimationRunsOverThePictureWithoutChangingIt)
{
    MainWindow& f = build();
    EXPECT_TRUE(ui().animationTimer()->isActive());
    EXPECT_TRUE(uiState().animationOn);
    const QImage picture = ws().diagram.image();

    for (int i = 0; i < 12; ++i) tick();
    EXPECT_EQ(uiState().animStep, 12);
    EXPECT_EQ(ws().diagram.image(), picture);
    // The view shows the heads over it.
    ui().diagramScroll()->verticalScrollBar()->setValue(0);
    const QImage shown = ui().diagramView()->grab(QRect(0, 0, 700, 300)).toImage().convertToFormat(picture.format());
    EXPECT_NE(shown, picture.copy(0, 0, 700, 300));
    screenShot(&f, QStringLiteral("animation"));

    // "Выключить" leaves every head where it is; "Включить" goes on from there.
    f.actions().animationOff->trigger();
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(uiState().animStep, 0);
    const QString stored = QString::number(val(ws().connections.at(0).animY2));
    tick();
    EXPECT_EQ(QString::number(val(ws().connections.at(0).animY2)), stored);
    EXPECT_TRUE(ws().connections.at(0).shown.on);
    f.actions().animationOn->trigger();
    tick();
    EXPECT_EQ(uiState().animStep, 1);

    // A right press on the chart stops it, and so does the code tab.
    press(ui().diagramView(), QPoint(10, 10), Qt::RightButton);
    EXPECT_FALSE(uiState().animationOn);
    f.actions().animationOn->trigger();
    f.selectTab(WindowTab::Code);
    EXPECT_FALSE(uiState().animationOn);
    EXPECT_EQ(uiState().animStep, 0);
}

TEST_F(DiagramMouseTest, AfterNextPartOnlyTheLinesOfThePartOnShowAreAnimated)
{
    MainWindow& f = open();
    QString code = QStringLiteral("procedure P;\nbegin\n");
    for (int loop = 0; loop < 2; ++loop) {
        code += QStringLiteral("while a do\nbegin\n");
        for (int i = 0; i < 6; ++i) code += QStringLiteral("x%1 := %1;\nif b then\nbegin\ny := 1;\nend;\n").arg(i);
        code += QStringLiteral("end;\n");
    }
    ui().codeEditor()->setPlainText(code + QStringLiteral("end;"));
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("1200"));
    prompter.script(Answer::Yes);
    ui().chartButton()->click();
    ASSERT_TRUE(f.actions().nextPart->isVisible());
    EXPECT_EQ(ws().pictureConnectionsFrom, 0);
    EXPECT_FALSE(uiState().animationOn); // a chart built in parts starts still
    f.actions().animationOn->trigger();
    tick();
    const int part1 = ws().connections.size();
    f.actions().nextPart->trigger();
    EXPECT_EQ(ws().pictureConnectionsFrom, part1);
    std::vector<int> before;
    for (const ConnectionRow& r : ws().connections.rows()) before.push_back(val(r.animY2));
    tick();
    for (int i = 0; i < ws().connections.size(); ++i) {
        const ConnectionRow& r = ws().connections.at(i);
        if (i < part1) {
            EXPECT_EQ(val(r.animY2), before[static_cast<std::size_t>(i)]) << i;
        } else if (val(r.kind) != 0) {
            EXPECT_TRUE(r.shown.on) << i;
        }
    }
}

} // namespace
