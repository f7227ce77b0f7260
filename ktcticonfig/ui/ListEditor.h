// A numbered list of a section (phone number rules, ISUP PCMs, monitored PCMs...) shown as a table
// with add, modify and delete, each row edited in a small dialog of fields.
#pragma once

#include "ktcticonfig/app/Dialogs.h"
#include "ktcticonfig/model/GlobalSettings.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QTableWidget;

namespace ktcticonfig {

/// How a list is shown and edited.
struct ListColumns
{
    std::size_t list = 0;    ///< the index in indexedLists()
    QStringList headers;     ///< the table's columns after the number column
    QStringList fields;      ///< the row dialog's field labels
    std::vector<int> checks; ///< the fields that are check boxes ("1" or "0")
    /// The texts of the dialog fields (and table cells) of a row; by default the row's item texts.
    std::function<QStringList(const ListRow &)> show;
    /// The row of the dialog's field texts; by default the texts themselves.
    std::function<ListRow(const QStringList &)> make;
    /// The message that refuses a row, or nothing.
    std::function<std::string(const QStringList &)> check;
    std::string modifyMessage; ///< shown when Modify finds no row selected
    std::string deleteMessage; ///< shown when Delete finds no row selected
    std::size_t maxRows = 1024;
    std::string tooManyMessage;
    /// The message that refuses a new row before the dialog opens, or nothing (limits that depend on
    /// another list).
    std::function<std::string()> canAdd;
    /// The message that refuses deleting a row (one that another list refers to), or nothing.
    std::function<std::string(const ListRow &)> canDelete;
};

/// The columns of a phone number rule list ("Rule No.", "Prefix", "Length", "Requires Caller ID").
ListColumns phoneRuleColumns(std::size_t list);

class ListEditor : public QWidget
{
    Q_OBJECT

public:
    ListEditor(ListColumns columns, Dialogs &dialogs, QWidget *parent = nullptr);

    void load(const GlobalSettings &settings);
    void store(GlobalSettings &settings) const;

    const std::vector<ListRow> &rows() const { return m_rows; }
    QTableWidget *table() const { return m_table; }
    void addRow();
    void modifyRow();
    void deleteRow();
    /// Opens the row dialog with the field texts; false when the user cancels. Tests replace it.
    std::function<bool(QStringList &)> edit;

private:
    void refresh();
    ListRow rowOf(const QStringList &values) const;
    bool accepted(QStringList &values);

    ListColumns m_columns;
    Dialogs &m_dialogs;
    QTableWidget *m_table = nullptr;
    std::vector<ListRow> m_rows;
};

} // namespace ktcticonfig
