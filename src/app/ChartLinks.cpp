#include "app/ChartLinks.h"

#include <utility>

#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/ChartOutline.h"
#include "app/DiagramTab.h"
#include "app/DiagramView.h"
#include "app/LineAnchors.h"
#include "pipeline/Workspace.h"

namespace vexoria {

namespace {
const std::vector<ChartBlock> kNoBlocks;
const QColor kCaretOutline(0x1e, 0x64, 0xdc);
} // namespace

ChartLinks::ChartLinks(const Workspace& ws, QPlainTextEdit& editor, DiagramTab& tab, Hooks hooks, QObject* parent)
    : QObject(parent), m_ws(ws), m_editor(editor), m_tab(tab), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("ChartLinks"));
    m_outline = new ChartOutline(*tab.view(), kCaretOutline, [this] { return current(); });
    m_anchors = new LineAnchors(*editor.document(), this);
    connect(tab.view(), &DiagramView::doubleClicked, this, [this](QPoint at) { showBlockCode(blockAt(at)); });
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, [this] { followCaret(true); });
    // An edit that moves or deletes the caret's lines without moving the
    // caret (a line typed above it) still moves what it points at.
    connect(editor.document(), &QTextDocument::contentsChanged, this, [this] { followCaret(true); });
}

bool ChartLinks::current() const
{
    return m_ws.diagram.hasPicture() && m_ws.diagram.removals() == m_removals && !m_blocks.empty();
}

const std::vector<ChartBlock>& ChartLinks::blocks() const { return current() ? m_blocks : kNoBlocks; }

void ChartLinks::codeRead()
{
    if (!m_pending) m_pending = new LineAnchors(*m_editor.document(), this);
    m_pending->anchor();
}

void ChartLinks::buildCancelled()
{
    delete m_pending;
    m_pending = nullptr;
}

void ChartLinks::chartDrawn(bool scroll)
{
    m_blocks = blocksOnShow(m_ws);
    m_removals = m_ws.diagram.removals();
    // "Далее" draws from the rows the build before it made: their lines are
    // the ones followed since.
    if (m_pending) {
        delete m_anchors;
        m_anchors = std::exchange(m_pending, nullptr);
    }
    m_outlined = -1;
    m_scrolledTo = -1;
    followCaret(scroll);
    // A chart starts at its top: its caret block is on show the next time
    // only if the caret moves to another.
    if (!scroll) m_scrolledTo = m_outlined;
    emit chartReplaced();
}

void ChartLinks::chartShown() { followCaret(true); }

int ChartLinks::blockAt(QPoint at) const
{
    const std::vector<ChartBlock>& all = blocks();
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        if (all[static_cast<std::size_t>(i)].area.contains(at)) return i;
    return -1;
}

int ChartLinks::blockAtLine(int line) const
{
    const int then = m_anchors->lineThen(line);
    if (then < 0) return -1;
    // The narrowest block that holds the line; of blocks on one line the
    // last: a loop's or a branch's head and the one statement after it may
    // share a line, and the statement is the one the caret is in the more
    // often.
    int found = -1;
    int narrowest = 0;
    const std::vector<ChartBlock>& all = blocks();
    for (int i = 0; i < static_cast<int>(all.size()); ++i) {
        const ChartBlock& b = all[static_cast<std::size_t>(i)];
        if (!b.hasLines() || then < b.firstLine || then > b.lastLine) continue;
        const int width = b.lastLine - b.firstLine;
        if (found < 0 || width <= narrowest) {
            found = i;
            narrowest = width;
        }
    }
    return found;
}

std::pair<int, int> ChartLinks::linesNow(int block) const
{
    const std::vector<ChartBlock>& all = blocks();
    if (block < 0 || block >= static_cast<int>(all.size())) return {-1, -1};
    const ChartBlock& b = all[static_cast<std::size_t>(block)];
    if (!b.hasLines()) return {-1, -1};
    // The lines that are still there, of those the block was made from.
    int first = -1;
    int last = -1;
    for (int line = b.firstLine; line <= b.lastLine; ++line) {
        const int now = m_anchors->lineNow(line);
        if (now < 0) continue;
        if (first < 0) first = now;
        last = now;
    }
    return {first, last};
}

void ChartLinks::showBlockCode(int block)
{
    const auto [first, last] = linesNow(block);
    if (first < 0) return;
    if (m_hooks.showCode) m_hooks.showCode();
    QTextDocument* doc = m_editor.document();
    const QTextBlock firstBlock = doc->findBlockByNumber(first);
    const QTextBlock lastBlock = doc->findBlockByNumber(last);
    const int end = lastBlock.position() + lastBlock.length() - 1;
    // The last line first, then the selection back to the first line with
    // the caret there: both ends come into sight, the first one last.
    QTextCursor c(doc);
    c.setPosition(end);
    m_editor.setTextCursor(c);
    m_editor.ensureCursorVisible();
    c.setPosition(firstBlock.position(), QTextCursor::KeepAnchor);
    m_editor.setTextCursor(c);
    m_editor.ensureCursorVisible();
    m_editor.setFocus(Qt::OtherFocusReason);
}

void ChartLinks::followCaret(bool scroll)
{
    const int block = blockAtLine(m_editor.textCursor().blockNumber());
    m_outlined = block;
    if (block < 0) {
        m_outline->hide();
        return;
    }
    const QRect area = blocks()[static_cast<std::size_t>(block)].area;
    m_outline->show(area);
    if (!scroll || block == m_scrolledTo || !m_hooks.chartOnShow || !m_hooks.chartOnShow()) return;
    m_scrolledTo = block;
    m_tab.ensureVisible(ChartOutline::frameAround(area));
}

} // namespace vexoria
