#include "app/ConnectionsModel.h"

#include "tables/ConnectionTableDump.h"

namespace vexoria {

namespace {

constexpr int kColumns = 21;
// The dump's columns, then the animation's working points, which it leaves out.
const char* const kAnimationPoints[] = {"x1a", "x2a", "x3a", "y1a", "y2a", "y3a"};

const char* columnName(int c)
{
    const auto& dumped = connectionColumnNames();
    return c < static_cast<int>(dumped.size()) ? dumped[static_cast<std::size_t>(c)]
                                               : kAnimationPoints[c - static_cast<int>(dumped.size())];
}

QVariant cell(const IntField& f) { return f ? QVariant(QString::number(*f)) : QVariant(QString()); }

} // namespace

void ConnectionTableModel::bind(ConnectionTable* t)
{
    beginResetModel();
    m_t = t;
    endResetModel();
}

int ConnectionTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_t ? 0 : m_t->size();
}

int ConnectionTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ConnectionTableModel::data(const QModelIndex& index, int role) const
{
    if (!m_t || !index.isValid() || index.row() >= m_t->size() || role != Qt::DisplayRole) return {};
    const ConnectionRow& r = m_t->at(index.row());
    const IntField* numbers[kColumns] = {&r.n,      &r.kind,   nullptr,   &r.ownerDrawOrder,
                                         &r.color,  &r.x1,     &r.y1,     &r.x2,
                                         &r.y2,     &r.x3,     &r.y3,     &r.x4,
                                         &r.y4,     &r.x5,     &r.y5,     &r.animX1,
                                         &r.animX2, &r.animX3, &r.animY1, &r.animY2,
                                         &r.animY3};
    const int c = index.column();
    if (c < 0 || c >= kColumns) return {};
    return numbers[c] ? cell(*numbers[c]) : QVariant(r.ownerKind.str());
}

QVariant ConnectionTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal)
        return section >= 0 && section < kColumns ? QString::fromLatin1(columnName(section)) : QVariant();
    return QString::number(section + 1);
}

} // namespace vexoria
