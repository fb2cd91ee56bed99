#include "app/CommentsGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QToolButton>

#include <algorithm>

#include "app/ConnectionsModel.h"
#include "platform/prompts/Prompter.h"
#include "tables/StatementTableDump.h"

namespace vexoria {

namespace {

// Reads an integer field's text: blank is unset, anything else must be an
// integer.
bool parseIntField(const QString& text, IntField& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        out.reset();
        return true;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok) return false;
    out = v;
    return true;
}

bool parseBoolField(const QString& text, BoolField& out)
{
    const QString t = text.trimmed().toLower();
    if (t.isEmpty()) out.reset();
    else if (t == u"1" || t == u"true") out = true;
    else if (t == u"0" || t == u"false") out = false;
    else return false;
    return true;
}

QVariant intCell(const IntField& f) { return f ? QVariant(QString::number(*f)) : QVariant(QString()); }

template <int W>
QVariant textCell(const TextField<W>& f)
{
    return f.str();
}

bool isBlank(const StatementRow& r)
{
    return !r.n && !r.drawOrder && !r.text.isSet() && !r.opensBlock && !r.kind.isSet() && !r.headText.isSet() && !r.x &&
           !r.y && !r.stretchX && !r.stretchY && !r.link && !r.closedKind.isSet() && !r.kindIndex && !r.comment.isSet();
}

// Remembers the editor it made last, so the navigator can post or cancel it.
class TrackingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* w = QStyledItemDelegate::createEditor(parent, option, index);
        last = w;
        return w;
    }
    mutable QPointer<QWidget> last;
};

} // namespace

// ---- StatementTableModel --------------------------------------------------------

const char* StatementTableModel::columnName(int c)
{
    static_assert(ColumnCount == 14, "the grid shows every column of the statement table");
    return c >= 0 && c < ColumnCount ? statementColumnNames()[static_cast<std::size_t>(c)] : "";
}

void StatementTableModel::bind(StatementTable* t)
{
    beginResetModel();
    m_t = t;
    endResetModel();
}

void StatementTableModel::refresh()
{
    beginResetModel();
    endResetModel();
}

int StatementTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_t ? 0 : m_t->size();
}

int StatementTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant StatementTableModel::data(const QModelIndex& index, int role) const
{
    if (!m_t || !index.isValid() || index.row() >= m_t->size()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const StatementRow& r = m_t->at(index.row());
    switch (index.column()) {
    case SerialColumn: return intCell(r.n);
    case DrawOrderColumn: return intCell(r.drawOrder);
    case TextColumn: return textCell(r.text);
    case OpensBlockColumn: return r.opensBlock ? QVariant(QString(*r.opensBlock ? u'1' : u'0')) : QVariant(QString());
    case KindColumn: return textCell(r.kind);
    case HeadTextColumn: return textCell(r.headText);
    case XColumn: return intCell(r.x);
    case YColumn: return intCell(r.y);
    case StretchXColumn: return intCell(r.stretchX);
    case StretchYColumn: return intCell(r.stretchY);
    case LinkColumn: return intCell(r.link);
    case ClosedKindColumn: return textCell(r.closedKind);
    case KindIndexColumn: return intCell(r.kindIndex);
    case CommentColumn: return textCell(r.comment);
    default: return {};
    }
}

QVariant StatementTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return QString::fromLatin1(columnName(section));
    return QString::number(section + 1);
}

Qt::ItemFlags StatementTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool StatementTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_t || role != Qt::EditRole || !index.isValid() || index.row() >= m_t->size()) return false;
    StatementRow& r = m_t->at(index.row());
    const QString v = value.toString();
    bool ok = true;
    switch (index.column()) {
    case SerialColumn: ok = parseIntField(v, r.n); break;
    case DrawOrderColumn: ok = parseIntField(v, r.drawOrder); break;
    case TextColumn: r.text = v; break;
    case OpensBlockColumn: ok = parseBoolField(v, r.opensBlock); break;
    case KindColumn: r.kind = v; break;
    case HeadTextColumn: r.headText = v; break;
    case XColumn: ok = parseIntField(v, r.x); break;
    case YColumn: ok = parseIntField(v, r.y); break;
    case StretchXColumn: ok = parseIntField(v, r.stretchX); break;
    case StretchYColumn: ok = parseIntField(v, r.stretchY); break;
    case LinkColumn: ok = parseIntField(v, r.link); break;
    case ClosedKindColumn: r.closedKind = v; break;
    case KindIndexColumn: ok = parseIntField(v, r.kindIndex); break;
    case CommentColumn: r.comment = v; break;
    default: return false;
    }
    if (ok) emit dataChanged(index, index);
    return ok;
}

void StatementTableModel::removeRowAt(int row)
{
    if (!m_t || row < 0 || row >= m_t->size()) return;
    beginRemoveRows({}, row, row);
    m_t->setPosition(row);
    m_t->remove();
    endRemoveRows();
}

void StatementTableModel::insertRowAt(int row)
{
    if (!m_t) return;
    const int at = m_t->isEmpty() ? 0 : std::clamp(row, 0, m_t->size() - 1);
    beginInsertRows({}, at, at);
    m_t->setPosition(at);
    m_t->insert();
    endInsertRows();
}

void StatementTableModel::appendEmptyRow()
{
    if (!m_t) return;
    beginInsertRows({}, m_t->size(), m_t->size());
    m_t->append();
    endInsertRows();
}

// ---- CommentsGridView --------------------------------------------------

CommentsGridView::CommentsGridView(QWidget* parent)
    : QTableView(parent), m_model(new StatementTableModel(this)), m_connections(new ConnectionTableModel(this))
{
    setObjectName(QStringLiteral("DBGrid1"));
    setItemDelegate(new TrackingDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(true);
}

void CommentsGridView::useModel(QAbstractItemModel* model)
{
    if (this->model() == model) return;
    cancelEdit();
    // The view makes a new selection model for each model and leaves the old
    // one to its owner.
    QItemSelectionModel* old = selectionModel();
    setModel(model);
    delete old;
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& cur, const QModelIndex&) {
                if (showsStatements() && cur.isValid()) m_model->table()->setPosition(cur.row());
            });
}

void CommentsGridView::bindTable(StatementTable* t, Columns columns)
{
    m_model->bind(t);
    useModel(m_model);
    for (int c = 0; c < StatementTableModel::ColumnCount; ++c) {
        const bool shown = columns == Columns::All || c == StatementTableModel::TextColumn ||
                           c == StatementTableModel::KindColumn || c == StatementTableModel::HeadTextColumn ||
                           c == StatementTableModel::CommentColumn;
        setColumnHidden(c, !shown);
    }
    const int twenty = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 20 + 8;
    setColumnWidth(StatementTableModel::TextColumn, twenty);
    setColumnWidth(StatementTableModel::HeadTextColumn, twenty);
    if (t && !t->isEmpty()) moveTo(t->position());
}

void CommentsGridView::bindConnections(ConnectionTable* t)
{
    m_connections->bind(t);
    useModel(m_connections);
    // Numbers of up to seven digits; obiect holds up to ten characters.
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int c = 0; c < m_connections->columnCount(); ++c) {
        setColumnHidden(c, false);
        setColumnWidth(c, digit * (c == 2 ? 10 : 7) + 8);
    }
    if (t && !t->isEmpty()) moveTo(0);
}

bool CommentsGridView::showsConnections() const { return model() == m_connections && m_connections->table(); }

void CommentsGridView::unbind()
{
    cancelEdit();
    m_model->bind(nullptr);
    m_connections->bind(nullptr);
}

void CommentsGridView::moveTo(int row)
{
    const int rows = model() ? model()->rowCount() : 0;
    if (rows == 0) return;
    row = std::clamp(row, 0, rows - 1);
    int col = currentIndex().isValid() ? currentIndex().column() : StatementTableModel::TextColumn;
    if (col >= model()->columnCount() || isColumnHidden(col))
        col = model() == m_model ? StatementTableModel::TextColumn : 0;
    setCurrentIndex(model()->index(row, col));
    if (showsStatements()) m_model->table()->setPosition(row);
}

void CommentsGridView::moveFirst() { moveTo(0); }
void CommentsGridView::movePrior() { moveTo(currentIndex().row() - 1); }
void CommentsGridView::moveNext() { moveTo(currentIndex().row() + 1); }
void CommentsGridView::moveLast()
{
    if (model()) moveTo(model()->rowCount() - 1);
}

void CommentsGridView::editCurrent()
{
    if (currentIndex().isValid()) edit(currentIndex());
}

QWidget* CommentsGridView::openEditor() const
{
    if (state() != QAbstractItemView::EditingState) return nullptr;
    return static_cast<TrackingDelegate*>(itemDelegate())->last;
}

void CommentsGridView::post()
{
    if (QWidget* ed = openEditor()) {
        commitData(ed);
        closeEditor(ed, QAbstractItemDelegate::NoHint);
    }
}

void CommentsGridView::cancelEdit()
{
    if (QWidget* ed = openEditor()) closeEditor(ed, QAbstractItemDelegate::RevertModelCache);
}

void CommentsGridView::refresh()
{
    cancelEdit();
    if (showsConnections()) {
        const int row = currentIndex().row();
        m_connections->bind(m_connections->table());
        moveTo(row);
        return;
    }
    StatementTable* t = m_model->table();
    const int row = t ? t->position() : 0;
    m_model->refresh();
    moveTo(row);
}

void CommentsGridView::deleteCurrent()
{
    if (!showsStatements()) return;
    StatementTable* t = m_model->table();
    if (!t || t->isEmpty() || !currentIndex().isValid()) return;
    if (m_prompter && m_prompter->question(QStringLiteral("Vexoria"), QStringLiteral("Удалить запись?"), Buttons::YesNo,
                                           Icon::Question) != Answer::Yes)
        return;
    cancelEdit();
    m_model->removeRowAt(currentIndex().row());
    if (!t->isEmpty()) moveTo(t->position());
}

void CommentsGridView::keyPressEvent(QKeyEvent* e)
{
    StatementTable* t = showsStatements() ? m_model->table() : nullptr;
    if (t && state() != QAbstractItemView::EditingState) {
        const int row = currentIndex().isValid() ? currentIndex().row() : -1;
        if (e->key() == Qt::Key_Delete && (e->modifiers() & Qt::ControlModifier)) {
            deleteCurrent();
            return;
        }
        if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
            m_model->insertRowAt(row < 0 ? 0 : row);
            moveTo(t->position());
            return;
        }
        // Down on the last row adds a row, as a data grid does; a blank row
        // already there is used instead of adding another.
        if (e->key() == Qt::Key_Down && e->modifiers() == Qt::NoModifier && (t->isEmpty() || row == t->size() - 1)) {
            if (t->isEmpty() || !isBlank(t->at(t->size() - 1))) m_model->appendEmptyRow();
            moveLast();
            return;
        }
    }
    QTableView::keyPressEvent(e);
}

// ---- GridNavigator --------------------------------------------------------

GridNavigator::GridNavigator(CommentsGridView* grid, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DBNavigator1"));
    setAutoFillBackground(true);
    struct ButtonDef {
        const char* glyph;
        const char* tip;
        void (CommentsGridView::*slot)();
    };
    const ButtonDef defs[kButtons] = {
        {"|◀", "Первая запись", &CommentsGridView::moveFirst},
        {"◀", "Предыдущая запись", &CommentsGridView::movePrior},
        {"▶", "Следующая запись", &CommentsGridView::moveNext},
        {"▶|", "Последняя запись", &CommentsGridView::moveLast},
        {"▲", "Изменить запись", &CommentsGridView::editCurrent},
        {"✔", "Сохранить изменения", &CommentsGridView::post},
        {"✖", "Отменить изменения", &CommentsGridView::cancelEdit},
        {"↻", "Обновить", &CommentsGridView::refresh},
    };
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < kButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromUtf8(defs[i].glyph));
        b->setToolTip(QString::fromUtf8(defs[i].tip));
        b->setMinimumWidth(28);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, grid, defs[i].slot);
        layout->addWidget(b);
        m_buttons[i] = b;
    }
    layout->addStretch();
}

} // namespace vexoria
