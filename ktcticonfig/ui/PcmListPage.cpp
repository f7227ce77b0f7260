// The PCM list page.
#include "ktcticonfig/ui/PcmListPage.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ktcticonfig {

QString PcmListPage::signallingName(int type)
{
    switch (type) {
    case 0:
        return tr("U-side");
    case 1:
        return tr("SS1");
    case 2:
        return tr("N-side");
    case 7:
        return tr("SS7-TUP");
    default:
        return QString::number(type);
    }
}

QString PcmListPage::clockName(int mode)
{
    const QString names[] = {tr("LineSyncMaster"), tr("FreeMaster"), tr("SlaveClock")};
    return mode >= 0 && mode < 3 ? names[mode] : QString::number(mode);
}

QString PcmListPage::linkName(int type)
{
    const QString names[] = {tr("twisted pair"), tr("coaxial line")};
    return type >= 0 && type < 2 ? names[type] : QString::number(type);
}

PcmListPage::PcmListPage(PageHost &host, QWidget *parent) : ConfigPage(host, parent), m_table(new QTableWidget(0, 7))
{
    m_table->setHorizontalHeaderLabels({tr("ID"), tr("Signaling"), tr("LinkType"), tr("ClockMode"), tr("Interface"),
                                        tr("CallInTS,Num"), tr("AutoCall")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
}

void PcmListPage::load(int boardId, int)
{
    m_table->setRowCount(0);
    if (boardId < 0 || boardId >= static_cast<int>(model().boards.size()))
        return;
    const BoardRecord &board = model().boards[static_cast<std::size_t>(boardId)];
    m_table->setRowCount(static_cast<int>(board.pcms.size()));
    for (int p = 0; p < static_cast<int>(board.pcms.size()); ++p) {
        const PcmLink &pcm = board.pcms[static_cast<std::size_t>(p)];
        const QString cells[] = {QString::number(p),
                                 signallingName(pcm.signalling),
                                 linkName(pcm.linkType),
                                 clockName(pcm.clockMode),
                                 tr("E1"),
                                 QStringLiteral("%1,%2").arg(pcm.callInFirstTs).arg(pcm.callInCount),
                                 pcm.enableAutoCall ? tr("Yes") : tr("No")};
        for (int c = 0; c < 7; ++c)
            m_table->setItem(p, c, new QTableWidgetItem(cells[c]));
    }
}

} // namespace ktcticonfig
