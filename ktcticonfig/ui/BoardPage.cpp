// The board page: model choice, board-level options, visibility rules and Modify.
#include "ktcticonfig/ui/BoardPage.h"

#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/app/BoardPageRules.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace ktcticonfig {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int optionInt(const BoardRecord &board, std::string_view key, int fallback)
{
    bool ok = false;
    const int value = QString::fromStdString(board.options.get(key)).trimmed().toInt(&ok, 0);
    return ok ? value : fallback;
}

} // namespace

BoardPage::BoardPage(PageHost &host, QWidget *parent)
    : ConfigPage(host, parent), m_form(new QFormLayout), m_model(new QComboBox), m_serial(new QLineEdit),
      m_used(new QLineEdit), m_faxChannels(new QLineEdit)
{
    m_model->setObjectName(QStringLiteral("boardModel"));
    m_model->addItem(tr("-- Select --"), 0);
    for (int code = 1; code <= kMaxModelCode; ++code)
        m_model->addItem(qs(modelName(code)), code);
    m_serial->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), this));
    m_used->setReadOnly(true);
    m_faxChannels->setObjectName(QStringLiteral("maxFaxChannels"));
    m_faxChannels->setValidator(new QIntValidator(0, 9999, this));

    m_form->addRow(tr("Board Model:"), m_model);
    m_form->addRow(tr("Serial number:"), m_serial);
    m_form->addRow(tr("Total Used Ch:"), m_used);
    m_channelBank = addList("channelBank", {tr("Yes"), tr("No")});
    m_form->addRow(tr("Use ChannelBank:"), m_channelBank);
    m_interface = addList("interface", {QStringLiteral("E1"), QStringLiteral("T1"), QStringLiteral("J1")});
    m_form->addRow(tr("Interface:"), m_interface);
    m_protocol = addList("protocol", {QStringLiteral("SIP"), QStringLiteral("MEDIA")});
    m_form->addRow(tr("Protocal Type"), m_protocol);
    m_dtmfReceive = addList("dtmfReceive", {QStringLiteral("Inbound,Signaling,RFC2833"),
                                            QStringLiteral("Signaling,RFC2833"), QStringLiteral("Inbound")});
    m_form->addRow(tr("DTMF Receive Type"), m_dtmfReceive);
    m_dspWorkMode = addList("dspWorkMode", {QStringLiteral("soft-fax"), QStringLiteral("GSM"), QStringLiteral("MP3")});
    m_form->addRow(tr("DSP work mode:"), m_dspWorkMode);
    m_form->addRow(tr("Maximum fax channels:"), m_faxChannels);
    m_codec = addList("compressCodec", {QStringLiteral("G729A"), QStringLiteral("GSM"), QStringLiteral("MP3 8K"),
                                        QStringLiteral("MP3 16K")});
    m_form->addRow(tr("Compress Dsp Codec:"), m_codec);
    m_voiceFormat = addList("voiceFormat", {QStringLiteral("A-law"), QStringLiteral("U-law")});
    m_form->addRow(tr("Default Voice Format:"), m_voiceFormat);
    m_toneDetector = addCheck(tr("Enable Tone Detector"), "toneDetector");
    m_spyMode = addCheck(tr("Run in Spy Mode"), "spyMode");
    m_bargeIn = addCheck(tr("Always Detect BargeIn"), "bargeIn");
    m_rxDtmf = addCheck(tr("Always Enable RX Dtmf"), "rxDtmf");
    m_spySync = addCheck(tr("Spy Sync and Signalling Mode"), "spySync");

    m_modify = new QPushButton(tr("Modify"));
    m_modify->setObjectName(QStringLiteral("modify"));
    m_modify->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addStretch();
    layout->addWidget(m_modify, 0, Qt::AlignRight);

    connect(m_model, &QComboBox::currentIndexChanged, this, &BoardPage::onModelChosen);
    connect(m_channelBank, &QComboBox::currentIndexChanged, this, &BoardPage::onClassChanged);
    connect(m_interface, &QComboBox::currentIndexChanged, this, &BoardPage::onClassChanged);
    connect(m_dspWorkMode, &QComboBox::currentIndexChanged, this, &BoardPage::onClassChanged);
    connect(m_codec, &QComboBox::currentIndexChanged, this, &BoardPage::onCodecChosen);
    for (QComboBox *list : {m_protocol, m_dtmfReceive, m_voiceFormat})
        connect(list, &QComboBox::currentIndexChanged, this, &BoardPage::edited);
    for (QLineEdit *field : {m_serial, m_faxChannels})
        connect(field, &QLineEdit::textEdited, this, &BoardPage::edited);
    connect(m_modify, &QPushButton::clicked, this, &BoardPage::store);
    connect(this, &ConfigPage::changedFlagChanged, m_modify, &QPushButton::setEnabled);
}

QComboBox *BoardPage::addList(const char *name, const QStringList &entries)
{
    auto *list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(entries);
    return list;
}

QCheckBox *BoardPage::addCheck(const QString &text, const char *name)
{
    auto *check = new QCheckBox(text);
    check->setObjectName(QString::fromLatin1(name));
    m_form->addRow(check);
    connect(check, &QCheckBox::toggled, this, &BoardPage::edited);
    return check;
}

void BoardPage::load(int boardId, int)
{
    m_boardId = boardId;
    if (boardId < 0 || boardId >= static_cast<int>(model().boards.size()))
        return;
    m_copy = model().boards[static_cast<std::size_t>(boardId)];
    fill();
    setChanged(false);
}

void BoardPage::fill()
{
    m_filling = true;
    const BoardRecord &b = m_copy;
    m_model->setCurrentIndex(m_model->findData(b.modelCode) < 0 ? 0 : m_model->findData(b.modelCode));
    m_serial->setText(QString::number(b.serialNumber));
    m_used->setText(QString::number(b.usedChannels));
    m_channelBank->setCurrentIndex(b.usageMode == 1 ? 0 : 1);
    m_interface->setCurrentIndex(std::clamp(optionInt(b, "CardType", 0), 0, 2));
    m_protocol->setCurrentIndex(optionInt(b, "ProtocolType", 1) == 2 ? 1 : 0);
    m_dtmfReceive->setCurrentIndex(std::clamp(optionInt(b, "RecvDtmfType", 0), 0, 2));
    m_dspWorkMode->setCurrentIndex(std::clamp(optionInt(b, "DSP3WorkMode", 1) - 1, 0, 2));
    m_faxChannels->setText(QString::fromStdString(b.options.get("MaxFaxChannel")));
    m_codec->setCurrentIndex(dspCoderEntry(optionInt(b, "DspCoder", 131)));
    m_voiceFormat->setCurrentIndex(optionInt(b, "DefaultVoiceFormat", 6) == 7 ? 1 : 0);
    m_toneDetector->setChecked(b.options.get("DefaultToneCheckState", "0") == "1");
    m_spyMode->setChecked(optionInt(b, "RunAsSpy", 0) != 0);
    m_bargeIn->setChecked(optionInt(b, "AlwaysDetectBargeIn", 0) != 0);
    m_rxDtmf->setChecked(optionInt(b, "AlwaysEnableRxDtmf", 0) != 0);
    m_spySync->setChecked(b.spySync != 0);
    updateControls();
    m_filling = false;
}

void BoardPage::collect()
{
    BoardRecord &b = m_copy;
    b.serialNumber = m_serial->text().toUInt();
    auto set = [&b](std::string_view key, int value) { b.options.set(key, std::to_string(value)); };
    const BoardPageControls c = boardPageControls(b);
    // Options whose control the model does not show keep what the board holds.
    if (c.ipLists) {
        set("ProtocolType", m_protocol->currentIndex() + 1);
        set("RecvDtmfType", m_dtmfReceive->currentIndex());
    }
    if (c.faxChannels)
        b.options.set("MaxFaxChannel", m_faxChannels->text().trimmed().toStdString());
    if (c.compressCodec)
        set("DspCoder", dspCoderOfEntry(m_codec->currentIndex()));
    if (c.toneAndBargeIn) {
        b.options.set("DefaultToneCheckState", m_toneDetector->isChecked() ? "1" : "0");
        set("AlwaysDetectBargeIn", m_bargeIn->isChecked() ? 1 : 0);
    }
    if (c.spyMode)
        set("RunAsSpy", m_spyMode->isChecked() ? 1 : 0);
    if (c.spySync)
        b.spySync = m_spySync->isChecked() ? 1 : 0;
    set("AlwaysEnableRxDtmf", m_rxDtmf->isChecked() ? 1 : 0);
    set("DefaultVoiceFormat", m_voiceFormat->currentIndex() == 1 ? 7 : 6);
}

void BoardPage::updateControls()
{
    const BoardPageControls c = boardPageControls(m_copy);
    m_form->setRowVisible(m_channelBank, c.channelBank);
    m_form->setRowVisible(m_protocol, c.ipLists);
    m_form->setRowVisible(m_dtmfReceive, c.ipLists);
    m_form->setRowVisible(m_faxChannels, c.faxChannels);
    m_form->setRowVisible(m_dspWorkMode, c.dspWorkMode);
    m_form->setRowVisible(m_codec, c.compressCodec);
    m_form->setRowVisible(m_toneDetector, c.toneAndBargeIn);
    m_form->setRowVisible(m_bargeIn, c.toneAndBargeIn);
    m_form->setRowVisible(m_spyMode, c.spyMode);
    m_form->setRowVisible(m_spySync, c.spySync);
    m_interface->setEnabled(c.interfaceEnabled);
    m_serial->setEnabled(c.serialEnabled);
}

void BoardPage::edited()
{
    if (!m_filling)
        setChanged(true);
}

void BoardPage::onModelChosen(int index)
{
    if (m_filling)
        return;
    chooseBoardModel(m_copy, m_model->itemData(index).toInt());
    fill();
    setChanged(true);
}

// Channel-bank use, the line interface and the DSP work mode decide the class and channel count.
void BoardPage::onClassChanged()
{
    if (m_filling)
        return;
    collect();
    BoardRecord &b = m_copy;
    b.usageMode = m_channelBank->currentIndex() == 0 ? 1 : 0;
    b.options.set("CardType", std::to_string(m_interface->currentIndex()));
    if (boardPageControls(b).dspWorkMode)
        b.options.set("DSP3WorkMode", std::to_string(m_dspWorkMode->currentIndex() + 1));
    const bool hadPcms = b.flags.hasPcmLinks();
    applyClassRule(b, b.modelCode);
    if (!b.flags.hasPcmLinks()) {
        b.pcms.clear();
    } else if (!hadPcms) {
        BoardRecord fresh = b;
        chooseBoardModel(fresh, b.modelCode);
        b.pcms = fresh.pcms;
    }
    b.usedChannels = usedChannelCount(b);
    fill();
    setChanged(true);
}

void BoardPage::onCodecChosen(int entry)
{
    if (m_filling)
        return;
    if (refusesMp3(m_copy.modelCode, entry)) {
        host().dialogs().show(kNoMp3Text);
        m_filling = true;
        m_codec->setCurrentIndex(0);
        m_filling = false;
    }
    setChanged(true);
}

bool BoardPage::store()
{
    if (!isChanged() || m_boardId < 0 || m_boardId >= static_cast<int>(model().boards.size()))
        return true;
    collect();
    model().boards[static_cast<std::size_t>(m_boardId)] = m_copy;
    rebuildBoardDefaults(model());
    setChanged(false);
    host().rebuildTree(m_boardId);
    return true;
}

} // namespace ktcticonfig
