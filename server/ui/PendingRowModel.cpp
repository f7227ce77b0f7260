// The editable grid's rows and its one pending row.
#include "server/ui/PendingRowModel.h"

namespace server {

PendingRowModel::PendingRowModel(QObject *parent) : QSqlQueryModel(parent) {}

int PendingRowModel::pendingRow() const
{
    return m_state == State::Browse ? -1 : m_row;
}

void PendingRowModel::append(const QMap<int, QVariant> &values)
{
    cancel();
    // Every row of the result set first, so that the new one stays the last.
    while (canFetchMore())
        fetchMore();
    const int row = queryRows();
    beginInsertRows({}, row, row);
    m_state = State::Insert;
    m_row = row;
    m_values = values;
    endInsertRows();
}

bool PendingRowModel::edit(int row)
{
    if (m_state != State::Browse)
        return m_row == row;
    if (row < 0 || row >= queryRows())
        return false;
    m_state = State::Edit;
    m_row = row;
    m_values.clear();
    return true;
}

void PendingRowModel::cancel()
{
    const int row = m_row;
    switch (m_state) {
    case State::Browse:
        return;
    case State::Insert:
        beginRemoveRows({}, row, row);
        m_state = State::Browse;
        m_row = -1;
        m_values.clear();
        endRemoveRows();
        return;
    case State::Edit:
        m_state = State::Browse;
        m_row = -1;
        m_values.clear();
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
}

QVariant PendingRowModel::pendingValue(int column) const
{
    if (m_state == State::Browse)
        return {};
    if (m_values.contains(column))
        return m_values.value(column);
    return m_state == State::Edit ? QSqlQueryModel::data(index(m_row, column), Qt::EditRole) : QVariant();
}

int PendingRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : queryRows() + (m_state == State::Insert ? 1 : 0);
}

QVariant PendingRowModel::data(const QModelIndex &index, int role) const
{
    if (index.isValid() && index.row() == pendingRow() && (role == Qt::DisplayRole || role == Qt::EditRole))
        return pendingValue(index.column());
    if (m_state == State::Insert && index.row() == m_row)
        return {};
    return QSqlQueryModel::data(index, role);
}

Qt::ItemFlags PendingRowModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    if (index.isValid() && m_editable.contains(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool PendingRowModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_editable.contains(index.column()) || !edit(index.row()))
        return false;
    m_values[index.column()] = value;
    emit dataChanged(index, index);
    return true;
}

void PendingRowModel::clear()
{
    m_state = State::Browse;
    m_row = -1;
    m_values.clear();
    QSqlQueryModel::clear();
}

void PendingRowModel::queryChange()
{
    // A new result set: nothing of the old one is pending.
    m_state = State::Browse;
    m_row = -1;
    m_values.clear();
}

} // namespace server
