#pragma once
// The routine queue of an opened unit: the check list of its routines
// (`routineList`), the queue panel (`routinePanel`) and its buttons, and the fetch
// `fetchNext` that copies the next checked routine into the editor. What it
// shares with the window's "Схема" and the editor's files is a QueueState the
// window owns; the window mirrors the visibility flags onto its controls and
// puts a fetch's lines into the editor.
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/prompts/Prompter.h"

namespace vexoria {

// Where the queue stands, shared with the window.
struct QueueState {
    bool fetchBeforeBuild = false;        // next "Схема" first fetches the next queued routine
    bool editorHoldsOwnCode = true;       // the editor holds the user's own code, not a fetched routine
    bool queueExhausted = false;          // the last fetch found nothing more
    int curRoutine = 0;                   // index of the current routine in the list
    int implLine = 0;                     // index of the "implementation" line of the unit
    std::optional<QStringList> unitLines; // lines of the loaded unit
};

struct RoutineItem {
    QString text; // the routine line as it stands in the unit
    bool checked = false;
};

// The editor's new lines after a fetch; nothing when the editor keeps its text.
using EditorLines = std::optional<QStringList>;

class RoutineQueue {
public:
    RoutineQueue(QueueState& state, Prompter& prompter) : m_state(state), m_prompter(prompter) {}

    // `openUnitFile` after its file dialog: lines of the chosen unit, or nothing
    // when the user cancelled (the list is then empty).
    void openUnit(const std::optional<QStringList>& lines);

    // `fetchNext`: fetch the next checked routine.
    EditorLines fetchNext();

    EditorLines skip(); // "Пропустить": the next checked routine replaces this one
    EditorLines back(); // back: the checked routine before this one
    void toggleList();  // "Список": show or hide the list; the queue starts again
    void checkAll();    // check all (a button that stays down)
    void pause();       // "Остановить (*.pas)"
    void resume();      // "Продолжить (*.pas)"

    const std::vector<RoutineItem>& items() const { return m_items; }
    void setChecked(int index, bool checked);
    bool listVisible() const { return m_listVisible; }   // `routineList`
    bool panelVisible() const { return m_panelVisible; } // `routinePanel`
    bool checkAllDown() const { return m_checkAllDown; } // `checkAllButton`
    // The pipeline hides the list before it fetches.
    void hideList() { m_listVisible = false; }
    // Opening a text file leaves the queue: the panel hides too.
    void hidePanel() { m_panelVisible = false; }

private:
    void endQueue(const QString& message);

    QueueState& m_state;
    Prompter& m_prompter;
    std::vector<RoutineItem> m_items;
    bool m_listVisible = false;
    bool m_panelVisible = false;
    bool m_checkAllDown = false;
};

} // namespace vexoria
