// The PCM page.
#include "ktcticonfig/ui/PcmPage.h"

#include "ktcticonfig/ui/PcmListPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

constexpr int kSignallingTypes[] = {0, 1, 2, 7};

} // namespace

PcmPage::PcmPage(PageHost &host, QWidget *parent) : ConfigPage(host, parent)
{
    auto *box = new QGroupBox(tr("PCM"));
    auto *form = new QFormLayout(box);
    m_ssx = new QComboBox;
    for (int type : kSignallingTypes)
        m_ssx->addItem(PcmListPage::signallingName(type));
    m_clock = new QComboBox;
    m_link = new QComboBox;
    for (int i = 0; i < 3; ++i)
        m_clock->addItem(PcmListPage::clockName(i));
    for (int i = 0; i < 2; ++i)
        m_link->addItem(PcmListPage::linkName(i));
    m_callInFirst = new QLineEdit;
    m_callInCount = new QLineEdit;
    m_signalingTs = new QLineEdit;
    for (QLineEdit *e : {m_callInFirst, m_callInCount, m_signalingTs})
        e->setValidator(new QIntValidator(0, 255, e));
    m_autoCall = new QCheckBox(tr("EnableAutoCall"));
    m_ts16 = new QCheckBox(tr("UseTS16AsSSx"));
    form->addRow(tr("SSX:"), m_ssx);
    form->addRow(tr("Clock module:"), m_clock);
    form->addRow(tr("Link module:"), m_link);
    form->addRow(tr("CallInTS:"), m_callInFirst);
    form->addRow(tr("CallInTS count:"), m_callInCount);
    form->addRow(tr("Signaling TS"), m_signalingTs);
    form->addRow(m_autoCall);
    form->addRow(m_ts16);
    auto *all = new QPushButton(tr("Apply to All"));
    form->addRow(all);
    connect(all, &QPushButton::clicked, this, &PcmPage::applyToAll);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch();

    const auto edited = [this] {
        if (!m_loading)
            setChanged(true);
    };
    for (QComboBox *c : {m_ssx, m_clock, m_link})
        connect(c, &QComboBox::currentIndexChanged, this, edited);
    for (QLineEdit *e : {m_callInFirst, m_callInCount, m_signalingTs})
        connect(e, &QLineEdit::textEdited, this, edited);
    for (QCheckBox *b : {m_autoCall, m_ts16})
        connect(b, &QCheckBox::toggled, this, edited);
}

void PcmPage::load(int boardId, int pcmIndex)
{
    m_boardId = boardId;
    m_pcmIndex = pcmIndex;
    if (boardId < 0 || boardId >= static_cast<int>(model().boards.size()))
        return;
    const auto &pcms = model().boards[static_cast<std::size_t>(boardId)].pcms;
    if (pcmIndex < 0 || pcmIndex >= static_cast<int>(pcms.size()))
        return;
    const PcmLink &pcm = pcms[static_cast<std::size_t>(pcmIndex)];
    m_loading = true;
    const auto ssx = std::find(std::begin(kSignallingTypes), std::end(kSignallingTypes), pcm.signalling);
    m_ssx->setCurrentIndex(ssx == std::end(kSignallingTypes) ? -1
                                                             : static_cast<int>(ssx - std::begin(kSignallingTypes)));
    m_clock->setCurrentIndex(pcm.clockMode < 3 ? pcm.clockMode : -1);
    m_link->setCurrentIndex(pcm.linkType < 2 ? pcm.linkType : -1);
    m_callInFirst->setText(QString::number(pcm.callInFirstTs));
    m_callInCount->setText(QString::number(pcm.callInCount));
    m_signalingTs->setText(QString::number(pcm.ss7SignalingTs));
    m_autoCall->setChecked(pcm.enableAutoCall != 0);
    m_ts16->setChecked(pcm.useTs16AsCircuit != 0);
    m_loading = false;
    setChanged(false);
}

void PcmPage::copyInto(PcmLink &pcm) const
{
    // A list without a selection, or a check box that shows what the PCM holds, keeps the value.
    if (m_ssx->currentIndex() >= 0)
        pcm.signalling = static_cast<std::uint8_t>(kSignallingTypes[m_ssx->currentIndex()]);
    if (m_clock->currentIndex() >= 0)
        pcm.clockMode = static_cast<std::uint8_t>(m_clock->currentIndex());
    if (m_link->currentIndex() >= 0)
        pcm.linkType = static_cast<std::uint8_t>(m_link->currentIndex());
    pcm.callInFirstTs = static_cast<std::uint8_t>(m_callInFirst->text().toUInt());
    pcm.callInCount = static_cast<std::uint8_t>(m_callInCount->text().toUInt());
    pcm.ss7SignalingTs = m_signalingTs->text().toInt();
    if (m_autoCall->isChecked() != (pcm.enableAutoCall != 0))
        pcm.enableAutoCall = m_autoCall->isChecked() ? 1 : 0;
    if (m_ts16->isChecked() != (pcm.useTs16AsCircuit != 0))
        pcm.useTs16AsCircuit = m_ts16->isChecked() ? 1 : 0;
}

bool PcmPage::store()
{
    if (m_boardId < 0 || m_boardId >= static_cast<int>(model().boards.size()))
        return true;
    auto &pcms = model().boards[static_cast<std::size_t>(m_boardId)].pcms;
    if (m_pcmIndex >= 0 && m_pcmIndex < static_cast<int>(pcms.size()))
        copyInto(pcms[static_cast<std::size_t>(m_pcmIndex)]);
    setChanged(false);
    return true;
}

void PcmPage::applyToAll()
{
    if (m_boardId < 0 || m_boardId >= static_cast<int>(model().boards.size()))
        return;
    for (PcmLink &pcm : model().boards[static_cast<std::size_t>(m_boardId)].pcms)
        copyInto(pcm);
    setChanged(false);
}

} // namespace ktcticonfig
