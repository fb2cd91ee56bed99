#pragma once
// The code and the chart pointing at each other. A double click on a block
// selects the lines of the code it was made from; the block the editor's
// caret is in is outlined on the chart and scrolled into sight while the
// chart is on show. The links are taken when a chart is drawn and hold until
// the next one, through the edits made to the code meanwhile.
#include <functional>
#include <vector>

#include <QObject>
#include <QPoint>

#include "app/ChartBlocks.h"

class QPlainTextEdit;

namespace vexoria {

class ChartOutline;
class DiagramTab;
class LineAnchors;
struct Workspace;

class ChartLinks : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // The chart is on show: side by side with the code, or its tab.
        std::function<bool()> chartOnShow;
        // The editor is on show, or is brought on show (its tab).
        std::function<void()> showCode;
    };
    ChartLinks(const Workspace& ws, QPlainTextEdit& editor, DiagramTab& tab, Hooks hooks, QObject* parent = nullptr);

    // A build read the editor's code: the lines as they are now are what
    // its rows will point at, once its chart is drawn.
    void codeRead();
    // The build stopped before it was done: the chart on show keeps the
    // lines it had.
    void buildCancelled();
    // A chart was drawn (a build, "Далее"): its blocks are taken, and the
    // lines its build read are followed from now on. scroll: the caret's
    // block is scrolled into sight too.
    void chartDrawn(bool scroll);
    // The chart came on show: the caret's block is outlined, and scrolled
    // into sight when the caret moved to another block since it last was.
    void chartShown();

    // The picture on show is the chart the blocks were taken from.
    bool current() const;
    // The blocks of the chart on show; none when the picture on show is no
    // longer the chart they were taken from (another was opened, the code
    // classified again).
    const std::vector<ChartBlock>& blocks() const;
    // The block at a point of the chart, -1 for none.
    int blockAt(QPoint at) const;
    // The block that holds a line of the editor as it is now, -1 for none.
    int blockAtLine(int line) const;
    // The lines a block was made from as they are now: first and last, or
    // -1 and -1 when they were deleted.
    std::pair<int, int> linesNow(int block) const;

    // Selects the lines of a block in the editor and brings them into sight.
    void showBlockCode(int block);

    ChartOutline& outline() const { return *m_outline; }

signals:
    // Another chart was drawn: what was found on the one before is gone.
    void chartReplaced();

private:
    void followCaret(bool scroll);

    const Workspace& m_ws;
    QPlainTextEdit& m_editor;
    DiagramTab& m_tab;
    Hooks m_hooks;
    ChartOutline* m_outline;
    LineAnchors* m_anchors;
    // The lines a build read, until its chart is drawn; null when none
    // waits.
    LineAnchors* m_pending = nullptr;
    std::vector<ChartBlock> m_blocks;
    int m_removals = -1;   // the picture's removals when the blocks were taken
    int m_outlined = -1;   // the block outlined
    int m_scrolledTo = -1; // the block last scrolled into sight
};

} // namespace vexoria
