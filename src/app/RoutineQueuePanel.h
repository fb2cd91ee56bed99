#pragma once
// The routine queue in the window: the check list `routineList` over the editor,
// the panel `routinePanel` with its buttons, "Открыть *.pas" and the editor popup's
// "Остановить (*.pas)" / "Продолжить (*.pas)". The queue's rules live in
// RoutineQueue; this class shows its state and puts what it fetches into
// the editor.
#include <optional>

#include <QObject>
#include <QStringList>

#include "platform/text/TextCodec.h"
#include "source/RoutineQueue.h"

class QAction;
class QButtonGroup;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace vexoria {

class EditorFiles;
class FileDialogs;
struct Workspace;

class RoutineQueuePanel : public QObject {
    Q_OBJECT
public:
    // The list and the panel are made hidden, as children of host (the code tab).
    RoutineQueuePanel(EditorFiles& editor, Workspace& ws, QueueState& queue, FileDialogs& dialogs, QWidget* host);

    QListWidget* routineList;
    QFrame* routinePanel;
    QToolButton* checkAllButton;          // check all: stays down after one click
    QToolButton* backButton;              // back
    QRadioButton* previewButton;          // "Предпросмотр"
    QRadioButton* buildAtOnceButton;      // "Построить сразу"
    QPushButton* skipButton;              // "Пропустить"
    QPushButton* listButton;              // "Список"
    QButtonGroup* queueChoice;            // the two radio buttons
    QAction* queuePauseAction = nullptr;  // "Остановить (*.pas)"
    QAction* queueResumeAction = nullptr; // "Продолжить (*.pas)"

    const RoutineQueue& queue() const { return m_queue; }

    // Adds "Остановить (*.pas)" and "Продолжить (*.pas)" to the editor's popup.
    void addPopupItems(QMenu* editorMenu);
    // Opens a unit file without the dialog (a file dropped on the window).
    void openUnit(const QString& path);
    // Hides the list and the panel: the editor's own code is in use again.
    void hideAll();

public slots:
    void openUnitFile();     // "Открыть *.pas"
    void fetchNextRoutine(); // the pipeline's fetch: hide the list, fetch into the editor
    void skip();             // "Пропустить"
    void toggleList();       // "Список"
    void back();             // back
    void checkAll();         // check all
    void pause();            // "Остановить (*.pas)"
    void resume();           // "Продолжить (*.pas)"

private:
    void openLines(const std::optional<QStringList>& lines);
    void fillList();
    void showState();
    void toEditor(const EditorLines& lines);

    EditorFiles& m_editor;
    Workspace& m_ws;
    QueueState& m_state;
    FileDialogs& m_dialogs;
    RoutineQueue m_queue;
    TextEncoding m_unitEncoding = TextEncoding::Utf8;
    QString m_unitPath;
    bool m_filling = false;
};

} // namespace vexoria
