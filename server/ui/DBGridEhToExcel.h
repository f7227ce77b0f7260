// The data grid of the management windows: a read-only view of a result set of the data module, with
// chosen columns under their titles and the calculated status text, which it can hand to a workbook.
#pragma once

#include <QString>
#include <QTableView>
#include <QVariant>

#include <functional>
#include <vector>

class QProgressBar;
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
    /// A grid on a model of its own kind (an editable one, say); the grid takes it over.
    explicit TDBGridEhToExcel(QSqlQueryModel *model, QWidget *parent = nullptr);
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
    /// Ends the typing in a cell: commit true puts what was typed into the model, false drops it.
    void endCellEdit(bool commit);

    // Handing the rows to a workbook.
    /// The title of ExportToExcelFile.
    QString ExcelTitle;
    /// Set (by a Cancel button) to stop an export between records.
    bool Terminated = false;
    /// Advanced by one per record of ExportToExcelFile, and by the blocks of ExportToExcelWindow.
    QProgressBar *ProgressBar = nullptr;
    /// Receives the messages of ExportToExcelFile.
    std::function<void(const QString &)> OnMessage;

    /// Copies the visible columns and every row of the result set into a new workbook, in blocks of a
    /// thousand rows, and hands it to the operator in the spreadsheet program; the operator saves it.
    /// progress, when given, gets the user value and "(已导出N条)" after each block. Returns the rows
    /// exported; -1, with error set, when the workbook cannot be shown (no spreadsheet program).
    int ExportToExcelWindow(const std::function<void(void *, const QString &)> &progress = {}, void *user = nullptr,
                            QString *error = nullptr);
    /// Writes every column and row into a workbook saved under fileName (.xls or .xlsx), under the
    /// title, and says "导出完成!" (or what went wrong) through OnMessage.
    void ExportToExcelFile(const QString &fileName);

private:
    std::vector<Column> m_columns;
    QSqlQueryModel *m_model;
    TDM *m_dm = nullptr;
    QString m_sql;
    bool m_open = false;
};

} // namespace server
