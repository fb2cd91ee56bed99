// The code and the chart pointing at each other (on routines of the flow
// cases: an else-if chain, a for loop around an if, a while loop of one
// statement): a double click on a block
// selects its lines, the caret's block is outlined on the chart, and both
// hold through edits made after the build until the next one.
#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>

#include "ScreenShot.h"
#include "TwoPartRoutine.h"
#include "WindowFixture.h"
#include "app/ChartLinks.h"
#include "app/ChartOutline.h"
#include "app/DiagramView.h"
#include "app/SettingsPanel.h"
#include <QLineEdit>

using namespace vexoria;
using vexoria::test::WindowTest;

namespace {

QString routine(const char* name)
{
    QFile f(QStringLiteral(VEXORIA_TEST_DATA "/flow/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class ChartLinksTest : public WindowTest {
protected:
    ChartLinks& links() { return *ui().chartLinks(); }
    QPlainTextEdit& editor() { return *ui().codeEditor(); }

    void build(const QString& code)
    {
        open();
        editor().setPlainText(code);
        ui().chartButton()->click();
        ASSERT_TRUE(ws().diagram.hasPicture()) << prompter.messages().join(u'|').toStdString();
    }

    // The first block that shows a text as one of its lines, -1 for none.
    int blockShowing(const QString& text)
    {
        const std::vector<ChartBlock>& blocks = links().blocks();
        for (int i = 0; i < static_cast<int>(blocks.size()); ++i)
            for (const QString& shown : blocks[static_cast<std::size_t>(i)].text.split(u'\n'))
                if (shown.trimmed() == text) return i;
        return -1;
    }
    QRect areaOf(int block) { return links().blocks()[static_cast<std::size_t>(block)].area; }

    // The lines of the editor the selection covers, first and last.
    std::pair<int, int> selectedLines()
    {
        const QTextCursor c = editor().textCursor();
        QTextDocument* doc = editor().document();
        return {doc->findBlock(c.selectionStart()).blockNumber(), doc->findBlock(c.selectionEnd()).blockNumber()};
    }
    void caretTo(int line)
    {
        QTextCursor c(editor().document()->findBlockByNumber(line));
        editor().setTextCursor(c);
    }
    std::optional<QRect> outlined() { return links().outline().area(); }
};

// The lines a statement text stands on in the editor.
int lineOf(QPlainTextEdit& editor, const QString& text)
{
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next())
        if (b.text().trimmed() == text) return b.blockNumber();
    return -1;
}

} // namespace

TEST_F(ChartLinksTest, EachBlockAreaIsWhereItsShapeIsDrawn)
{
    build(routine("m02_forif.pas"));
    const std::vector<ChartBlock>& blocks = links().blocks();
    ASSERT_GE(blocks.size(), 4u);
    const QImage& picture = ws().diagram.image();
    int lastTop = -1;
    for (const ChartBlock& b : blocks) {
        ASSERT_TRUE(picture.rect().contains(b.area)) << b.text.toStdString();
        // The outline of the shape touches each side of its area (a pen two
        // pixels wide may leave the outermost pixel of a corner white).
        auto inked = [&](QPoint from, QPoint step, int count) {
            const QPoint inward =
                step.x() ? QPoint(0, from.y() == b.area.top() ? 1 : -1) : QPoint(from.x() == b.area.left() ? 1 : -1, 0);
            for (int k = 0; k < count; ++k, from += step)
                if (picture.pixelColor(from) != Qt::white || picture.pixelColor(from + inward) != Qt::white)
                    return true;
            return false;
        };
        EXPECT_TRUE(inked(b.area.topLeft(), {1, 0}, b.area.width())) << b.text.toStdString();
        EXPECT_TRUE(inked(b.area.bottomLeft(), {1, 0}, b.area.width())) << b.text.toStdString();
        EXPECT_TRUE(inked(b.area.topLeft(), {0, 1}, b.area.height())) << b.text.toStdString();
        EXPECT_TRUE(inked(b.area.topRight(), {0, 1}, b.area.height())) << b.text.toStdString();
        // Top to bottom, in the order they are drawn.
        EXPECT_GT(b.area.top(), lastTop);
        lastTop = b.area.top();
    }
    EXPECT_GE(blockShowing(QStringLiteral("x := 1;")), 0);
    EXPECT_GE(blockShowing(QStringLiteral("y := 2;")), 0);
}

TEST_F(ChartLinksTest, ADoubleClickOnABlockSelectsItsLinesOnTheCodeTab)
{
    build(routine("m04_elseif.pas"));
    ASSERT_EQ(form->currentTab(), WindowTab::Diagram);
    const int block = blockShowing(QStringLiteral("x := 2;"));
    ASSERT_GE(block, 0);
    emit ui().diagramView()->doubleClicked(areaOf(block).center());
    EXPECT_EQ(form->currentTab(), WindowTab::Code);
    const int line = lineOf(editor(), QStringLiteral("x := 2;"));
    EXPECT_EQ(selectedLines(), std::make_pair(line, line));
    EXPECT_EQ(editor().textCursor().selectedText(), editor().document()->findBlockByNumber(line).text());

    // A point between blocks selects nothing new.
    const QTextCursor before = editor().textCursor();
    emit ui().diagramView()->doubleClicked(QPoint(2, 2));
    EXPECT_EQ(editor().textCursor(), before);
}

TEST_F(ChartLinksTest, TheCaretsBlockIsOutlined)
{
    build(routine("m01_while.pas"));
    const int head = blockShowing(QStringLiteral("a"));
    const int body = blockShowing(QStringLiteral("x := 1;"));
    const int after = blockShowing(QStringLiteral("y := 2;"));
    ASSERT_GE(head, 0);
    ASSERT_GE(body, 0);
    ASSERT_GE(after, 0);
    const std::vector<std::pair<QString, int>> lines{
        {QStringLiteral("while a do"), head}, {QStringLiteral("x := 1;"), body}, {QStringLiteral("y := 2;"), after}};
    for (const auto& [text, block] : lines) {
        caretTo(lineOf(editor(), text));
        ASSERT_TRUE(outlined()) << text.toStdString();
        EXPECT_EQ(*outlined(), areaOf(block)) << text.toStdString();
    }
    // A line of no block: no outline.
    caretTo(lineOf(editor(), QStringLiteral("end;")));
    EXPECT_FALSE(outlined());
}

TEST_F(ChartLinksTest, OnALineOfABranchAndItsStatementTheStatementIsOutlined)
{
    build(routine("m18_oneline.pas"));
    const int statement = blockShowing(QStringLiteral("x := 1;"));
    ASSERT_GE(statement, 0);
    caretTo(lineOf(editor(), QStringLiteral("if a then x := 1; y := 2;")));
    ASSERT_TRUE(outlined());
    EXPECT_EQ(*outlined(), areaOf(statement));
}

TEST_F(ChartLinksTest, EditsAboveKeepTheLinksAndDeletedLinesLoseThem)
{
    build(routine("m04_elseif.pas"));
    const int block = blockShowing(QStringLiteral("y := 3;"));
    ASSERT_GE(block, 0);
    const int line = lineOf(editor(), QStringLiteral("y := 3;"));

    // Two lines typed at the top: the statement is two lines further down.
    QTextCursor top(editor().document());
    top.insertText(QStringLiteral("{ a note }\n{ another }\n"));
    caretTo(line + 2);
    ASSERT_TRUE(outlined());
    EXPECT_EQ(*outlined(), areaOf(block));
    caretTo(0);
    EXPECT_FALSE(outlined()) << "a line typed since belongs to no block";
    emit ui().diagramView()->doubleClicked(areaOf(block).center());
    EXPECT_EQ(selectedLines(), std::make_pair(line + 2, line + 2));

    // The statement's line deleted: its block points at no line any more.
    QTextCursor gone(editor().document()->findBlockByNumber(line + 2));
    gone.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    gone.removeSelectedText();
    EXPECT_EQ(links().linesNow(block), std::make_pair(-1, -1));
    for (int l = 0; l < editor().document()->blockCount(); ++l) {
        caretTo(l);
        if (outlined()) {
            EXPECT_NE(*outlined(), areaOf(block)) << "line " << l;
        }
    }
    const QTextCursor before = editor().textCursor();
    emit ui().diagramView()->doubleClicked(areaOf(block).center());
    EXPECT_EQ(editor().textCursor(), before);

    // The next build links the code as it is then.
    ui().chartButton()->click();
    EXPECT_LT(blockShowing(QStringLiteral("y := 3;")), 0);
}

TEST_F(ChartLinksTest, SideBySideTheCaretsBlockIsScrolledIntoSight)
{
    // A long routine: its last statement lies far below the first screen.
    QString code = QStringLiteral("procedure Long;\nbegin\n");
    for (int i = 0; i < 60; ++i) code += QStringLiteral("  if a%1 then\n    x%1 := %1;\n").arg(i);
    code += QStringLiteral("  last := 1;\nend;\n");
    open();
    ui().settingsPanel()->maxLengthEdit->setText(QStringLiteral("100000"));
    editor().setPlainText(code);
    ui().chartButton()->click();
    ASSERT_TRUE(ws().diagram.hasPicture()) << prompter.messages().join(u'|').toStdString();
    form->resize(1200, 800);
    form->show();
    form->setSideBySide(true);
    QScrollBar* bar = ui().diagramScroll()->verticalScrollBar();
    EXPECT_EQ(bar->value(), 0);
    caretTo(lineOf(editor(), QStringLiteral("last := 1;")));
    const int block = blockShowing(QStringLiteral("last := 1;"));
    ASSERT_GE(block, 0);
    ASSERT_TRUE(outlined());
    EXPECT_EQ(*outlined(), areaOf(block));
    EXPECT_GT(bar->value(), 0);
    const QRect seen(QPoint(ui().diagramScroll()->horizontalScrollBar()->value(), bar->value()),
                     ui().diagramScroll()->viewport()->size());
    EXPECT_TRUE(seen.contains(areaOf(block).translated(ui().diagramView()->pos()).center()));
    vexoria::test::screenShot(form.get(), QStringLiteral("side_by_side_outline"));

    // The tabs again: the caret's block is outlined on the chart, which
    // scrolls to it when the tab comes on show after the caret moved.
    form->setSideBySide(false);
    form->selectTab(WindowTab::Code);
    caretTo(lineOf(editor(), QStringLiteral("x0 := 0;")));
    bar->setValue(bar->maximum());
    form->selectTab(WindowTab::Diagram);
    EXPECT_EQ(*outlined(), areaOf(blockShowing(QStringLiteral("x0 := 0;"))));
    EXPECT_LT(bar->value(), bar->maximum());
}

TEST_F(ChartLinksTest, TheNextPartPointsAtTheLinesOfTheBuildBeforeIt)
{
    open();
    vexoria::test::buildFirstOfTwoParts(ui(), prompter);
    ASSERT_TRUE(ws().parts.nextPartAvailable()) << prompter.messages().join(u'|').toStdString();
    const int line = lineOf(editor(), QStringLiteral("second3 := 3;"));
    caretTo(line);
    EXPECT_FALSE(outlined()) << "part 2 is not on show yet";

    // A line typed at the top before "Далее": the second part's statement is
    // a line further down, and still its block's.
    QTextCursor(editor().document()).insertText(QStringLiteral("{ note }\n"));
    form->actions().nextPart->trigger();
    ASSERT_FALSE(ws().parts.nextPartAvailable());
    caretTo(line + 1);
    const int block = blockShowing(QStringLiteral("second3 := 3;"));
    ASSERT_GE(block, 0);
    ASSERT_TRUE(outlined());
    EXPECT_EQ(*outlined(), areaOf(block));
}
