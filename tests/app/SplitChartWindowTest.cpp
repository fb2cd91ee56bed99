// A chart longer than the maximum built in parts from the window: "Далее"
// in the diagram's popup menu draws the later parts and then goes away; the
// editor's last line is part of the chart even without a final line break.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/SettingsPanel.h"
#include "WindowFixture.h"

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

// Two loops one after the other: a chart that can be cut between them.
QString twoLoops()
{
    QString code = QStringLiteral("procedure P;\nbegin\n");
    for (int loop = 0; loop < 2; ++loop) {
        code += QStringLiteral("while a do\nbegin\n");
        for (int i = 0; i < 6; ++i) code += QStringLiteral("x%1 := %1;\nif b then\nbegin\ny := 1;\nend;\n").arg(i);
        code += QStringLiteral("end;\n");
    }
    code += QStringLiteral("end;");
    return code;
}

} // namespace

TEST_F(WindowTest, NextPartDrawsTheSecondPartAndThenDisappears)
{
    MainWindow& f = open();
    ui().codeEditor()->setPlainText(twoLoops());
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("1200"));
    prompter.script(Answer::Yes);
    ui().chartButton()->click();
    ASSERT_EQ(prompter.questions().size(), 1u) << prompter.messages().join(u'|').toStdString();
    EXPECT_EQ(prompter.questions()[0].text, QStringLiteral("Построить за 2 раза"));
    EXPECT_EQ(prompter.questions()[0].title, QStringLiteral("Длинна превышенна"));
    ASSERT_TRUE(ws().parts.nextPartAvailable()) << prompter.messages().join(u'|').toStdString();
    EXPECT_TRUE(f.actions().nextPart->isVisible());
    EXPECT_TRUE(ws().parts.stoppedAfterSizing);
    const int part1Rows = ws().connections.size();
    EXPECT_GT(part1Rows, 0);

    f.actions().nextPart->trigger();
    EXPECT_FALSE(ws().parts.nextPartAvailable());
    EXPECT_FALSE(f.actions().nextPart->isVisible());
    EXPECT_GT(ws().connections.size(), part1Rows); // the second part adds its lines
    EXPECT_TRUE(queue().fetchBeforeBuild);
    EXPECT_EQ(f.currentTab(), WindowTab::Diagram);

    // Another "Далее" does nothing once the last part is on show.
    const int rows = ws().connections.size();
    f.actions().nextPart->trigger();
    EXPECT_EQ(ws().connections.size(), rows);
}

TEST_F(WindowTest, TheEditorsLastLineCountsWithoutAFinalLineBreak)
{
    open();
    ui().codeEditor()->setPlainText(QStringLiteral("begin\n  x := 1;\n  y := 2;"));
    ui().chartButton()->click();
    EXPECT_TRUE(ws().codeText.endsWith(QStringLiteral("y := 2;\r\n")));
    bool found = false;
    for (const StatementRow& r : ws().statements.rows()) found = found || r.text == "y := 2;";
    EXPECT_TRUE(found);
}
