#pragma once
// The connection table as the debug list's "Стрелка" shows it in the grid:
// every field of the table, the animation's working points last. The lines
// are already on the picture, so the grid only shows them.
#include <QAbstractTableModel>

#include "tables/ConnectionTable.h"

namespace vexoria {

class ConnectionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ConnectionTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows t (nullptr: nothing). The model does not own the table.
    void bind(ConnectionTable* t);
    ConnectionTable* table() const { return m_t; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    ConnectionTable* m_t = nullptr;
};

} // namespace vexoria
