#pragma once
// The "Код" tab: the code editor, the routine queue's panel beside it, the
// buttons under it ("Схема", "Выход", the print layout and "Печать", the
// debug list) and the panels that lie over the editor when they show: the
// routine list, the comments grid with its navigator, help and settings.
// The tab places those panels over the editor wherever the editor is.
#include <QWidget>

#include "tables/StatementTable.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QHBoxLayout;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vexoria {

class CommentsGridView;
class GridNavigator;
class HelpPanel;
class Prompter;
class SettingsPanel;

class CodeTab : public QWidget {
    Q_OBJECT
public:
    // prompter: where the comments grid asks before it deletes a row.
    explicit CodeTab(Prompter* prompter, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return m_editor; }
    QPushButton* chartButton() const { return m_chartButton; }
    QPushButton* exitButton() const { return m_exitButton; }
    QPushButton* printButton() const { return m_printButton; }
    QGroupBox* printLayoutGroup() const { return m_printLayoutGroup; }
    QRadioButton* oneSheetButton() const { return m_oneSheetButton; }
    QRadioButton* pagedButton() const { return m_pagedButton; }
    QComboBox* debugTableChoice() const { return m_debugTableChoice; }
    CommentsGridView* commentsGrid() const { return m_commentsGrid; }
    GridNavigator* gridNavigator() const { return m_gridNavigator; }
    HelpPanel* helpPanel() const { return m_helpPanel; }
    QListWidget* routineList() const { return m_routineList; }
    QFrame* routinePanel() const { return m_routinePanel; }

    // The editor's text as the classifier reads it: lines joined by CR LF.
    QString code() const;
    bool hasLines() const;
    // "Уместить на одном листе" is chosen.
    bool oneSheetChosen() const;

    // The routine queue's list takes the editor's place while it shows; its
    // panel goes beside the editor, so that no line of code hides under it.
    // Both lie under the comments grid and the help and settings panels.
    void placeRoutineQueue(QListWidget* list, QFrame* panel);
    // The settings panel shows over the editor's top left corner.
    void placeSettingsPanel(SettingsPanel* panel);

    void showHelp();
    void showSettings();
    // The comments grid over the editor, bound to the statement table.
    void showCommentsGrid(StatementTable* table);
    // A cell still being edited is stored, as leaving the grid does.
    void hideCommentsGrid();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void placeOverlays();

    QPlainTextEdit* m_editor;
    QHBoxLayout* m_editorRow; // the editor, and the routine queue's panel beside it
    QPushButton* m_chartButton;
    QPushButton* m_exitButton;
    QPushButton* m_printButton;
    QGroupBox* m_printLayoutGroup;
    QRadioButton* m_oneSheetButton;
    QRadioButton* m_pagedButton;
    QComboBox* m_debugTableChoice;
    CommentsGridView* m_commentsGrid;
    GridNavigator* m_gridNavigator;
    HelpPanel* m_helpPanel;
    SettingsPanel* m_settingsPanel = nullptr;
    QListWidget* m_routineList = nullptr;
    QFrame* m_routinePanel = nullptr;
};

} // namespace vexoria
