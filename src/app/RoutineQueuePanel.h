#pragma once
// The routine queue in the window: the check list `Clb1` over the editor,
// the panel `Panel1` with its buttons, "Открыть *.pas" and the editor popup's
// "Остановить (*.pas)" / "Продолжить (*.pas)". The queue's rules live in
// RoutineQueue; this class shows its state and puts what it fetches into
// the editor.
#include <optional>

#include <QObject>
#include <QStringList>

#include "platform/core/TextCodec.h"
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
    RoutineQueuePanel(EditorFiles& editor, Workspace& ws, FileDialogs& dialogs, QWidget* host);

    QListWidget* Clb1;
    QFrame* Panel1;
    QToolButton* SpeedButton1;  // check all: stays down after one click
    QToolButton* BitBtn6;       // back
    QRadioButton* RadioButton2; // "Предпросмотр"
    QRadioButton* RadioButton1; // "Построить сразу"
    QPushButton* BitBtn1;       // "Пропустить"
    QPushButton* BitBtn2;       // "Список"
    QButtonGroup* queueChoice;  // the two radio buttons
    QAction* N18 = nullptr;     // "Остановить (*.pas)"
    QAction* N19 = nullptr;     // "Продолжить (*.pas)"

    const RoutineQueue& queue() const { return m_queue; }

    // Adds "Остановить (*.pas)" and "Продолжить (*.pas)" to the editor's popup.
    void addPopupItems(QMenu* PopupMenu3);
    // Opens a unit file without the dialog (a file dropped on the window).
    void openUnit(const QString& path);
    // Hides the list and the panel: the editor's own code is in use again.
    void hideAll();

public slots:
    void pas1Click();          // "Открыть *.pas"
    void Apas();               // the pipeline's fetch: hide the list, fetch into the editor
    void BitBtn1Click();       // "Пропустить"
    void BitBtn2Click();       // "Список"
    void BitBtn6Click();       // back
    void SpeedButton1Click();  // check all
    void N18Click();           // "Остановить (*.pas)"
    void N19Click();           // "Продолжить (*.pas)"

private:
    void openLines(const std::optional<QStringList>& lines);
    void fillList();
    void showState();
    void toEditor(const EditorLines& lines);

    EditorFiles& m_editor;
    Workspace& m_ws;
    FileDialogs& m_dialogs;
    RoutineQueue m_queue;
    TextEncoding m_unitEncoding = TextEncoding::Utf8;
    QString m_unitPath;
    bool m_filling = false;
};

} // namespace vexoria
