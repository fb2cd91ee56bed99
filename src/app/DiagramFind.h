#pragma once
// Find on the chart: Ctrl+F on the diagram opens a small box over its top
// right corner; the text typed is sought in what the blocks show, without
// regard to case. Each match in turn is outlined and scrolled into sight,
// top to bottom: Enter or F3 the next, Shift+F3 the one before, both going
// round at the ends. "Не найдено" when no block shows the text. Only the
// blocks of the picture on show are sought (one part of a chart built in
// parts). The class adds itself to the diagram tab from outside.
#include <functional>
#include <vector>

#include <QFrame>
#include <QObject>

#include "app/ChartBlocks.h"

class QAction;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vexoria {

class ChartOutline;
class DiagramTab;

class DiagramFind : public QObject {
    Q_OBJECT
public:
    // blocks: the blocks of the chart on show (none when there is no chart).
    DiagramFind(DiagramTab& tab, std::function<const std::vector<ChartBlock>&()> blocks);

    QFrame* box;
    QLineEdit* field;
    QLabel* status;          // "2 из 5", "Не найдено"
    QAction* findAction;     // Ctrl+F
    QAction* nextAction;     // F3
    QAction* previousAction; // Shift+F3

    // The index of the block outlined, -1 for none.
    int match() const { return m_match; }
    ChartOutline& outline() const { return *m_outline; }

    // With the editor beside the chart, Ctrl+F finds on the chart only with
    // the focus on it, so the editor keeps its keys; with the chart on a tab
    // of its own, it finds whenever that tab is on show, wherever the focus
    // is (on the tab bar after a click on the tab).
    void setEditorBeside(bool beside);

public slots:
    void open();
    void close();
    void findNext();
    void findPrevious();
    // Another chart is on show: no match is outlined until the next search.
    void forgetMatch();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Steps from the match on show (or from before the first block) to the
    // next match in a direction, going round at the ends.
    void step(int direction);
    void findFromTop();
    void placeBox();

    DiagramTab& m_tab;
    std::function<const std::vector<ChartBlock>&()> m_blocks;
    ChartOutline* m_outline;
    int m_match = -1;
};

} // namespace vexoria
