// The data grid of the management windows: a read-only view of a result set of the data module, with
// chosen columns under their titles and the calculated status text, which it can hand to a workbook.
#pragma once

#include <QString>
#include <QTableView>
#include <QVariant>

#include <vector>

class QSqlQueryModel;

namespace server {

class TDM;

class TDBGridEhToExcel : public QTableView
{
    Q_OBJECT

public:
    /// A column of the grid: its title and the field it shows ("DescStatus": the status's text).
    struct Column
    {
        QString title;
        QString field;
    };

    explicit TDBGridEhToExcel(QWidget *parent = nullptr);
    ~TDBGridEhToExcel() override;

    void setColumns(std::vector<Column> columns);
    const std::vector<Column> &columns() const { return m_columns; }

    /// Opens the result set "SELECT <the columns' fields>, ID FROM table WHERE condition [ORDER BY
    /// order]" on the data module's connection. False when the database refuses it; the grid is then
    /// closed.
    bool openQuery(TDM &dm, const QString &table, const QString &condition, const QString &order = {});
    /// Runs the open query again: rows changed meanwhile show as they are now.
    bool requery();
    void closeQuery();
    bool isOpen() const { return m_open; }
    /// The rows of the result set (all of them are fetched).
    int recordCount();
    /// A field of a row of the result set, by the column's field name or "ID"; the value, not a
    /// display text.
    QVariant fieldValue(int row, const QString &field) const;
    /// The row of the current record; -1 when there is none.
    int currentRecord() const;

private:
    std::vector<Column> m_columns;
    QSqlQueryModel *m_model;
    TDM *m_dm = nullptr;
    QString m_sql;
    bool m_open = false;
};

} // namespace server
