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

TEST_F(WindowTest, DaleeDrawsTheSecondPartAndThenDisappears)
{
    TMyform& f = open();
    f.Rekod->setPlainText(twoLoops());
    f.Panel3->Edlin->setText(QStringLiteral("1200"));
    prompter.script(Answer::Yes);
    f.BitBtn3->click();
    ASSERT_EQ(prompter.questions().size(), 1u) << prompter.messages().join(u'|').toStdString();
    EXPECT_EQ(prompter.questions()[0].text, QStringLiteral("Построить за 2 раза"));
    EXPECT_EQ(prompter.questions()[0].title, QStringLiteral("Длинна превышенна"));
    ASSERT_TRUE(ws().n15Visible) << prompter.messages().join(u'|').toStdString();
    EXPECT_TRUE(f.N15->isVisible());
    EXPECT_EQ(ws().ctx.sizingAbort, 1);
    const int part1Rows = ws().tstrelka.size();
    EXPECT_GT(part1Rows, 0);

    f.N15->trigger();
    EXPECT_FALSE(ws().n15Visible);
    EXPECT_FALSE(f.N15->isVisible());
    EXPECT_GT(ws().tstrelka.size(), part1Rows); // the second part adds its lines
    EXPECT_EQ(ws().ctx.fetchNext, 1);
    EXPECT_EQ(f.pcontrol1->currentWidget(), f.tsdi);

    // Another "Далее" does nothing once the last part is on show.
    const int rows = ws().tstrelka.size();
    f.N15->trigger();
    EXPECT_EQ(ws().tstrelka.size(), rows);
}

TEST_F(WindowTest, TheEditorsLastLineCountsWithoutAFinalLineBreak)
{
    TMyform& f = open();
    f.Rekod->setPlainText(QStringLiteral("begin\n  x := 1;\n  y := 2;"));
    f.BitBtn3->click();
    EXPECT_TRUE(ws().codeText.endsWith(QStringLiteral("y := 2;\r\n")));
    bool found = false;
    for (const StrokRow& r : ws().tstrok.rows()) found = found || r.stroka == "y := 2;";
    EXPECT_TRUE(found);
}
