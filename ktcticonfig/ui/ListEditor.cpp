// The list editor of the protocol pages.
#include "ktcticonfig/ui/ListEditor.h"

#include "ktcticonfig/model/PhoneNumberRule.h"
#include "ktcticonfig/ui/KeyForm.h"

#include "common/Text.h"
#include "ktcticonfig/ui/ListRowDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ktcticonfig {

ListColumns phoneRuleColumns(std::size_t list)
{
    ListColumns c;
    c.list = list;
    c.headers = {ListEditor::tr("Prefix"), ListEditor::tr("Length"), ListEditor::tr("Requires Caller ID")};
    c.fields = {ListEditor::tr("Prefix:"), ListEditor::tr("Length:"), ListEditor::tr("Requires caller ID")};
    c.checks = {2};
    c.show = [](const ListRow &row) {
        const PhoneNumberRule rule = parsePhoneNumberRule(row.empty() ? std::string() : row[0].value_or(""));
        return QStringList{KeyForm::fromFile(rule.prefix), QString::number(rule.length),
                           rule.callerId ? QStringLiteral("1") : QStringLiteral("0")};
    };
    const auto rule = [](const QStringList &v) {
        return PhoneNumberRule{KeyForm::toFile(v.value(0)), v.value(1).toInt(), v.value(2).toInt() != 0};
    };
    c.make = [rule](const QStringList &v) { return ListRow{formatPhoneNumberRule(rule(v))}; };
    c.check = [rule](const QStringList &v) { return checkPhoneNumberRule(rule(v)); };
    c.modifyMessage = "Select the rule to be modified!";
    c.deleteMessage = "Select the rule to be deleted!";
    return c;
}

ListEditor::ListEditor(ListColumns columns, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_columns(std::move(columns)), m_dialogs(dialogs)
{
    if (!m_columns.show)
        m_columns.show = [](const ListRow &row) {
            QStringList out;
            for (const auto &item : row)
                out << KeyForm::fromFile(item.value_or(""));
            return out;
        };
    if (!m_columns.make)
        m_columns.make = [](const QStringList &values) {
            ListRow row;
            for (const QString &v : values)
                row.push_back(KeyForm::toFile(v));
            return row;
        };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_table = new QTableWidget(0, static_cast<int>(m_columns.headers.size()) + 1);
    m_table->setHorizontalHeaderLabels(QStringList{tr("No.")} + m_columns.headers);
    m_table->setMinimumWidth(320);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumHeight(120);
    layout->addWidget(m_table);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::pair<QString, void (ListEditor::*)()> actions[] = {{tr("Add"), &ListEditor::addRow},
                                                                  {tr("Modify"), &ListEditor::modifyRow},
                                                                  {tr("Delete"), &ListEditor::deleteRow}};
    for (const auto &[text, action] : actions) {
        auto *button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    edit = [this](QStringList &values) {
        ListRowDialog dialog(m_columns.fields, m_columns.checks, values, this);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        values = dialog.values();
        return true;
    };
}

void ListEditor::load(const GlobalSettings &settings)
{
    m_rows = settings.list(m_columns.list);
    refresh();
}

void ListEditor::store(GlobalSettings &settings) const
{
    settings.list(m_columns.list) = m_rows;
}

void ListEditor::refresh()
{
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        m_table->setItem(r, 0, new QTableWidgetItem(QString::number(r)));
        const QStringList cells = m_columns.show(m_rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < cells.size() && c < m_columns.headers.size(); ++c)
            m_table->setItem(r, c + 1, new QTableWidgetItem(cells[c]));
    }
}

bool ListEditor::accepted(QStringList &values)
{
    // The dialog opens again with the refused values until they pass or the user cancels.
    for (;;) {
        if (!edit(values))
            return false;
        const std::string error = m_columns.check ? m_columns.check(values) : std::string();
        if (error.empty())
            return true;
        m_dialogs.show(error);
    }
}

ListRow ListEditor::rowOf(const QStringList &values) const
{
    // A row holds one text per item key of its list, whatever the dialog gave.
    ListRow row = m_columns.make(values);
    row.resize(indexedLists()[m_columns.list].itemCount(), std::string());
    return row;
}

void ListEditor::addRow()
{
    if (m_rows.size() >= m_columns.maxRows) {
        m_dialogs.show(m_columns.tooManyMessage);
        return;
    }
    if (m_columns.canAdd) {
        if (const std::string refusal = m_columns.canAdd(); !refusal.empty()) {
            m_dialogs.show(refusal);
            return;
        }
    }
    QStringList values;
    for (int i = 0; i < m_columns.fields.size(); ++i)
        values << QString();
    if (!accepted(values))
        return;
    m_rows.push_back(rowOf(values));
    refresh();
}

void ListEditor::modifyRow()
{
    const int r = m_table->currentRow();
    if (r < 0 || r >= static_cast<int>(m_rows.size()) || m_table->selectedItems().isEmpty()) {
        m_dialogs.show(m_columns.modifyMessage);
        return;
    }
    QStringList values = m_columns.show(m_rows[static_cast<std::size_t>(r)]);
    if (!accepted(values))
        return;
    m_rows[static_cast<std::size_t>(r)] = rowOf(values);
    refresh();
}

void ListEditor::deleteRow()
{
    const int r = m_table->currentRow();
    if (r < 0 || r >= static_cast<int>(m_rows.size()) || m_table->selectedItems().isEmpty()) {
        m_dialogs.show(m_columns.deleteMessage);
        return;
    }
    if (m_columns.canDelete) {
        if (const std::string refusal = m_columns.canDelete(m_rows[static_cast<std::size_t>(r)]); !refusal.empty()) {
            m_dialogs.show(refusal);
            return;
        }
    }
    m_rows.erase(m_rows.begin() + r);
    refresh();
}

} // namespace ktcticonfig
