// The result set of an editable grid: the rows as the database holds them, and at most one row being
// inserted or edited, whose values the window then stores or discards.
#pragma once

#include <QMap>
#include <QSqlQueryModel>
#include <QVariant>

namespace server {

class PendingRowModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    enum class State
    {
        Browse,
        Insert, ///< a new row after the last
        Edit,   ///< a row of the result set with changed values
    };

    explicit PendingRowModel(QObject *parent = nullptr);

    /// The columns the operator may type into.
    void setEditableColumns(QList<int> columns) { m_editable = std::move(columns); }

    State state() const { return m_state; }
    /// The row being inserted or edited; -1 while browsing.
    int pendingRow() const;
    /// Appends a new row with the given values (by column) after the last row of the result set.
    void append(const QMap<int, QVariant> &values);
    /// Puts a row of the result set into edit mode; false while another row is pending.
    bool edit(int row);
    /// Discards the pending insert or edit.
    void cancel();
    /// A column of the pending row as it is now.
    QVariant pendingValue(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    /// Typing into a row while browsing puts it into edit mode; a row other than the pending one
    /// takes nothing.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void clear() override;

protected:
    void queryChange() override;

private:
    int queryRows() const { return QSqlQueryModel::rowCount(); }

    State m_state = State::Browse;
    int m_row = -1;
    QMap<int, QVariant> m_values;
    QList<int> m_editable;
};

} // namespace server
