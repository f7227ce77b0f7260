// The ISDN link lists.
#include "ktcticonfig/ui/IsdnLinkList.h"

#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/IsdnLink.h"
#include "ktcticonfig/ui/IsdnLinkDialog.h"
#include "ktcticonfig/ui/KeyForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

std::size_t sideList(int side)
{
    return listIndex("ISDN", side == 0 ? "TotalUserLinker" : "TotalNetLinker");
}

} // namespace

IsdnLinkList::IsdnLinkList(Dialogs &dialogs, QWidget *parent) : QWidget(parent), m_dialogs(dialogs)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int side = 0; side < 2; ++side) {
        m_totals[side] = new QLabel;
        layout->addWidget(m_totals[side]);
        auto *table = new QTableWidget(0, 4);
        table->setHorizontalHeaderLabels({tr("Link No."), tr("Local PCM"), tr("TEI"), tr("CRC")});
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table->setMinimumSize(320, 110);
        layout->addWidget(table);
        m_tables[side] = table;
    }
    // One link is selected at a time, on either side.
    for (int side = 0; side < 2; ++side)
        connect(m_tables[side], &QTableWidget::itemSelectionChanged, this, [this, side] {
            if (!m_tables[side]->selectedItems().isEmpty())
                m_tables[1 - side]->clearSelection();
        });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const std::pair<QString, void (IsdnLinkList::*)()> actions[] = {{tr("Add"), &IsdnLinkList::addLink},
                                                                    {tr("Modify"), &IsdnLinkList::modifyLink},
                                                                    {tr("Delete"), &IsdnLinkList::deleteLink}};
    for (const auto &[text, action] : actions) {
        auto *button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    run = [](IsdnLinkDialog &dialog) { return dialog.exec() == QDialog::Accepted; };
    refresh();
}

void IsdnLinkList::load(const GlobalSettings &settings, std::size_t pcmCount)
{
    for (int side = 0; side < 2; ++side)
        m_links[side] = settings.list(sideList(side));
    m_pcmCount = pcmCount;
    refresh();
}

void IsdnLinkList::store(GlobalSettings &settings) const
{
    for (int side = 0; side < 2; ++side)
        settings.list(sideList(side)) = m_links[side];
}

void IsdnLinkList::refresh()
{
    const auto defaults = defaultListRow(sideList(0));
    for (int side = 0; side < 2; ++side) {
        const auto &links = m_links[side];
        QTableWidget *table = m_tables[side];
        table->setRowCount(static_cast<int>(links.size()));
        for (std::size_t r = 0; r < links.size(); ++r)
            for (std::size_t item : {kLinkPcm, kLinkLocalPcm, kLinkTei, kLinkCrc}) {
                const std::optional<std::string> value = item < links[r].size() ? links[r][item] : std::nullopt;
                table->setItem(static_cast<int>(r), static_cast<int>(item),
                               new QTableWidgetItem(KeyForm::fromFile(value.value_or(*defaults[item]))));
            }
        m_totals[side]->setText(side == 0 ? tr("Total links on user-side:%1").arg(links.size())
                                          : tr("Total links on net-side:%1").arg(links.size()));
    }
}

std::optional<std::pair<int, int>> IsdnLinkList::selected() const
{
    for (int side = 0; side < 2; ++side) {
        const int row = m_tables[side]->currentRow();
        if (!m_tables[side]->selectedItems().isEmpty() && row >= 0 && row < static_cast<int>(m_links[side].size()))
            return std::pair{side, row};
    }
    return std::nullopt;
}

std::optional<std::pair<int, ListRow>> IsdnLinkList::edit(const ListRow &link, int side)
{
    IsdnLinkDialog dialog(link, side == 1, m_pcmCount, m_dialogs, this);
    if (!run(dialog))
        return std::nullopt;
    return std::pair{dialog.netSide() ? 1 : 0, dialog.link()};
}

void IsdnLinkList::addLink()
{
    const auto at = selected();
    const int side = at ? at->first : 0;
    auto result = edit(defaultListRow(sideList(side)), side);
    if (!result)
        return;
    auto &links = m_links[result->first];
    if (links.size() >= static_cast<std::size_t>(kMaxListItems)) {
        m_dialogs.show(tr("A side holds at most %1 links!").arg(kMaxListItems).toStdString());
        return;
    }
    links.push_back(std::move(result->second));
    refresh();
    m_tables[result->first]->selectRow(static_cast<int>(links.size()) - 1);
}

void IsdnLinkList::modifyLink()
{
    const auto at = selected();
    if (!at) {
        m_dialogs.show("Select the linker to be modified!");
        return;
    }
    const auto [side, row] = *at;
    auto result = edit(m_links[side][static_cast<std::size_t>(row)], side);
    if (!result)
        return;
    int newRow = row;
    if (result->first == side) {
        m_links[side][static_cast<std::size_t>(row)] = std::move(result->second);
    } else {
        // A link given the other side moves to the end of that side's list.
        m_links[side].erase(m_links[side].begin() + row);
        m_links[result->first].push_back(std::move(result->second));
        newRow = static_cast<int>(m_links[result->first].size()) - 1;
    }
    refresh();
    m_tables[result->first]->selectRow(newRow);
}

void IsdnLinkList::deleteLink()
{
    const auto at = selected();
    if (!at) {
        m_dialogs.show("Select the linker to be deleted!");
        return;
    }
    m_links[at->first].erase(m_links[at->first].begin() + at->second);
    refresh();
}

} // namespace ktcticonfig
