// Find on the chart: the blocks that show a text, top to bottom, in turn
// and round again, without regard to case in any alphabet; "Не найдено"
// when none does; only the part of a chart built in parts that is on show.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>

#include "ScreenShot.h"
#include "TwoPartRoutine.h"
#include "WindowFixture.h"
#include "app/ChartLinks.h"
#include "app/ChartOutline.h"
#include "app/DiagramFind.h"
#include "app/DiagramTab.h"
#include "app/SettingsPanel.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

const char kGreeting[] = "procedure Greet;\n"
                         "begin\n"
                         "  if Count > 0 then\n"
                         "    WriteLn('Привет, мир');\n"
                         "  Total := Count;\n"
                         "  while Count > 0 do\n"
                         "    Count := Count - 1;\n"
                         "  WriteLn('ПРИВЕТ снова');\n"
                         "end;\n";

class DiagramFindTest : public WindowTest {
protected:
    DiagramFind& find() { return *ui().diagramFind(); }

    void build(const QString& code)
    {
        open();
        ui().codeEditor()->setPlainText(code);
        ui().chartButton()->click();
        ASSERT_TRUE(ws().diagram.hasPicture()) << prompter.messages().join(u'|').toStdString();
    }
    void type(const QString& text)
    {
        find().open();
        find().field->clear();
        // Typed as a paste is (the test's keys are ASCII only).
        find().field->insert(text);
    }
    // The text of the block outlined (the chart shows the code in small
    // letters).
    QString found()
    {
        if (find().match() < 0) return QString();
        const ChartBlock& b = ui().chartLinks()->blocks()[static_cast<std::size_t>(find().match())];
        EXPECT_EQ(find().outline().area(), std::optional<QRect>(b.area));
        return b.text;
    }
};

} // namespace

TEST_F(DiagramFindTest, MatchesComeTopToBottomAndRoundAgainBothWays)
{
    build(QString::fromUtf8(kGreeting));
    type(QStringLiteral("count"));
    std::vector<int> order{find().match()};
    EXPECT_TRUE(found().contains(QStringLiteral("count > 0")));
    EXPECT_EQ(find().status->text(), QStringLiteral("1 из 4"));
    for (int k = 0; k < 3; ++k) {
        find().findNext();
        order.push_back(find().match());
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 4u);
    EXPECT_TRUE(found().contains(QStringLiteral("count := count - 1")));
    EXPECT_EQ(find().status->text(), QStringLiteral("4 из 4"));
    find().findNext();
    EXPECT_EQ(find().match(), order.front()) << "F3 after the last goes round to the first";
    find().findPrevious();
    EXPECT_EQ(find().match(), order.back()) << "Shift+F3 before the first goes round to the last";
    find().findPrevious();
    EXPECT_EQ(find().match(), order[2]);
}

TEST_F(DiagramFindTest, CaseDoesNotMatterInCyrillicEither)
{
    build(QString::fromUtf8(kGreeting));
    type(QStringLiteral("привет"));
    EXPECT_EQ(find().status->text(), QStringLiteral("1 из 2"));
    EXPECT_TRUE(found().contains(QStringLiteral("привет, мир")));
    find().findNext();
    EXPECT_TRUE(found().contains(QStringLiteral("привет снова")));
}

TEST_F(DiagramFindTest, NothingFoundSaysSoAndOutlinesNothing)
{
    build(QString::fromUtf8(kGreeting));
    type(QStringLiteral("total"));
    ASSERT_GE(find().match(), 0);
    type(QStringLiteral("нет такого"));
    EXPECT_EQ(find().status->text(), QStringLiteral("Не найдено"));
    EXPECT_EQ(find().match(), -1);
    EXPECT_FALSE(find().outline().area());
    find().findNext();
    EXPECT_EQ(find().status->text(), QStringLiteral("Не найдено"));

    // A new chart drops the match outlined on the one before.
    type(QStringLiteral("total"));
    ASSERT_TRUE(find().outline().area());
    ui().chartButton()->click();
    EXPECT_FALSE(find().outline().area());
    EXPECT_EQ(find().match(), -1);

    // Escape closes the box.
    QTest::keyClick(find().field, Qt::Key_Escape);
    EXPECT_TRUE(find().box->isHidden());
}

TEST_F(DiagramFindTest, CtrlFBelongsToTheChartAndNotToTheEditorBesideIt)
{
    build(QString::fromUtf8(kGreeting));
    form->setSideBySide(true);
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    ui().codeEditor()->setFocus();
    QTest::keyClick(ui().codeEditor(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find().box->isHidden());

    ui().diagramScroll()->setFocus();
    QTest::keyClick(ui().diagramScroll(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(find().box->isVisible());
    EXPECT_TRUE(find().field->hasFocus());
    QTest::keyClicks(find().field, QStringLiteral("count"));
    const int first = find().match();
    QTest::keyClick(find().field, Qt::Key_F3);
    EXPECT_GT(find().match(), first);
    QTest::keyClick(find().field, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(find().match(), first);
    vexoria::test::screenShot(form.get(), QStringLiteral("find_on_chart"));
}

// On its own tab the chart takes Ctrl+F wherever the focus is, as on the
// tab bar after a click on the tab; on the code tab Ctrl+F finds nothing.
TEST_F(DiagramFindTest, CtrlFOnTheDiagramTabFindsWhereverTheFocusIs)
{
    build(QString::fromUtf8(kGreeting));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* tabBar = form->findChild<QTabBar*>();
    ASSERT_NE(tabBar, nullptr);

    form->selectTab(WindowTab::Code);
    tabBar->setFocus();
    QTest::keyClick(tabBar, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(find().box->isHidden());

    form->selectTab(WindowTab::Diagram);
    tabBar->setFocus();
    QTest::keyClick(tabBar, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(find().box->isVisible());
    EXPECT_TRUE(find().field->hasFocus());
}

TEST_F(DiagramFindTest, OnAChartBuiltInPartsOnlyThePartOnShowIsSought)
{
    open();
    vexoria::test::buildFirstOfTwoParts(ui(), prompter);
    ASSERT_TRUE(ws().parts.nextPartAvailable()) << prompter.messages().join(u'|').toStdString();

    type(QStringLiteral("FIRST5"));
    EXPECT_EQ(find().status->text(), QStringLiteral("1 из 1"));
    type(QStringLiteral("second0"));
    EXPECT_EQ(find().status->text(), QStringLiteral("Не найдено"));

    form->actions().nextPart->trigger();
    ASSERT_FALSE(ws().parts.nextPartAvailable());
    find().findNext();
    EXPECT_EQ(find().status->text(), QStringLiteral("1 из 1"));
    EXPECT_TRUE(found().contains(QStringLiteral("second0 := 0;")));
    type(QStringLiteral("first5"));
    EXPECT_EQ(find().status->text(), QStringLiteral("Не найдено"));
}
