#pragma once
// commentsGrid and gridNavigator: the statement table in a grid, where the user
// fixes comments before the chart is drawn. The model edits the table in
// place, and the table's cursor follows the grid's current row, so a stage
// that runs afterwards finds the table as the user left it.
#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <QWidget>

#include "tables/StatementTable.h"
#include "tables/ConnectionTable.h"

class QToolButton;

namespace vexoria {

class Prompter;
class ConnectionTableModel;

class StatementTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        SerialColumn,
        DrawOrderColumn,
        TextColumn,
        OpensBlockColumn,
        KindColumn,
        HeadTextColumn,
        XColumn,
        YColumn,
        StretchXColumn,
        StretchYColumn,
        LinkColumn,
        ClosedKindColumn,
        KindIndexColumn,
        CommentColumn,
        ColumnCount
    };

    explicit StatementTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows t (nullptr: nothing). The model does not own the table.
    void bind(StatementTable* t);
    StatementTable* table() const { return m_t; }
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An integer field takes an integer or nothing (unset); uslovie takes
    // 1/0 or nothing; a text field is cut to its width.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Row operations at a grid row, with the table's cursor rules.
    void removeRowAt(int row);
    void insertRowAt(int row);
    void appendEmptyRow();

    static const char* columnName(int c);

private:
    StatementTable* m_t = nullptr;
};

class CommentsGridView : public QTableView {
    Q_OBJECT
public:
    explicit CommentsGridView(QWidget* parent = nullptr);

    enum class Columns { Comments, All };
    // Binds the grid to the table and shows the four comment columns:
    // stroka, obiect, suslovie and comment, the two long texts 20 characters
    // wide; or every column, as the debug list shows the table.
    void bindTable(StatementTable* t, Columns columns = Columns::Comments);
    // Shows the connection table instead (the debug list's "Стрелка").
    void bindConnections(ConnectionTable* t);
    bool showsConnections() const;
    void unbind();
    StatementTableModel* statementModel() const { return m_model; }
    void setPrompter(Prompter* p) { m_prompter = p; }

    // The navigator's commands.
    void moveFirst();
    void movePrior();
    void moveNext();
    void moveLast();
    void editCurrent();
    void post();
    void cancelEdit();
    void refresh();
    // Deletes the current row after the user agrees.
    void deleteCurrent();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void moveTo(int row);
    QWidget* openEditor() const;
    void useModel(QAbstractItemModel* model);
    bool showsStatements() const { return model() == m_model && m_model->table(); }

    StatementTableModel* m_model;
    ConnectionTableModel* m_connections;
    Prompter* m_prompter = nullptr;
};

// The navigator's eight buttons: first, prior, next, last, edit, post,
// cancel, refresh.
class GridNavigator : public QWidget {
    Q_OBJECT
public:
    GridNavigator(CommentsGridView* grid, QWidget* parent = nullptr);
    QToolButton* button(int i) const { return m_buttons[i]; }
    static constexpr int kButtons = 8;

private:
    QToolButton* m_buttons[kButtons];
};

} // namespace vexoria
