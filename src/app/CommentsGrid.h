#pragma once
// DBGrid1 and DBNavigator1: the statement table in a grid, where the user
// fixes comments before the chart is drawn. The model edits the table in
// place, and the table's cursor follows the grid's current row, so a stage
// that runs afterwards finds the table as the user left it.
#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <QWidget>

#include "analysis/Tstrok.h"
#include "connect/Tstrelka.h"

class QToolButton;

namespace vexoria {

class Prompter;
class StrelkaModel;

class StrokModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { N, Nom, Stroka, Uslovie, Obiect, Suslovie, X, Y, Plx, Ply, No, Endobiect, Filtr, Comment, ColumnCount };

    explicit StrokModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows t (nullptr: nothing). The model does not own the table.
    void bind(Tstrok* t);
    Tstrok* table() const { return m_t; }
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
    Tstrok* m_t = nullptr;
};

class CommentsGridView : public QTableView {
    Q_OBJECT
public:
    explicit CommentsGridView(QWidget* parent = nullptr);

    enum class Columns { Comments, All };
    // Binds the grid to the table and shows the four comment columns:
    // stroka, obiect, suslovie and comment, the two long texts 20 characters
    // wide; or every column, as the debug list shows the table.
    void bindTable(Tstrok* t, Columns columns = Columns::Comments);
    // Shows the connection table instead (the debug list's "Стрелка").
    void bindConnections(Tstrelka* t);
    bool showsConnections() const;
    void unbind();
    StrokModel* strokModel() const { return m_model; }
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

    StrokModel* m_model;
    StrelkaModel* m_connections;
    Prompter* m_prompter = nullptr;
};

// The navigator's eight buttons: first, prior, next, last, edit, post,
// cancel, refresh.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    DbNavigator(CommentsGridView* grid, QWidget* parent = nullptr);
    QToolButton* button(int i) const { return m_buttons[i]; }
    static constexpr int kButtons = 8;

private:
    QToolButton* m_buttons[kButtons];
};

} // namespace vexoria
