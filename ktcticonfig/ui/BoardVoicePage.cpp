// The board voice options page.
#include "ktcticonfig/ui/BoardVoicePage.h"

#include "ktcticonfig/model/OmitAbcdCoupling.h"
#include "ktcticonfig/ui/AgcDialog.h"
#include "ktcticonfig/ui/AgcUpDownDialog.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

BoardVoicePage::BoardVoicePage(PageHost &host, QWidget *parent) : BoardKeyPage(host, 2, parent)
{
    QFormLayout *g = m_form.group(tr("Rec&&Play Base Options"), 0);
    m_form.boardText(g, tr("Playing volume:"), "DefaultPlayVolume",
                     tr("Specifies the default volume for the playing process. Range: -6 to 6, default: 0."));
    m_form.boardText(g, tr("Playing format:"), "DefaultPlayFormat",
                     tr("Specifies the default CODEC format for the playing process. Range: 6=A-law(default), "
                        "7=U-law, 17=IMA ADPCM"));
    m_form.boardText(g, tr("Recording volume:"), "DefaultRecordVolume");
    m_form.boardText(g, tr("Recording format:"), "DefaultRecordFormat");
    m_form.boardText(g, tr("Mixing volume:"), "DefaultRecordMixerVolume",
                     tr("Specifies the default mixer volume for the recording process. Range: -7 to 6. Volume -7 "
                        "means the mixer is disabled."));
    m_form.boardText(g, tr("HangUpStopRecord:"), "HangupStopRec");
    m_form.boardText(g, tr("HangUpStopPlay:"), "HangupStopPlay");
    m_form.boardText(g, tr("Default Speak Volume"), "DefaultSpeakVolume");

    g = m_form.group(tr("BargeIn Detector"), 0);
    m_form.boardText(g, tr("Sensitivity:"), "BargeInSensitive", tr("Barge-in sensitivity. Range:0-14"));
    m_form.boardText(g, tr("Determining time:"), "BargeInDtrmTime",
                     tr("Barge-in determining time in millisecond. This value must be multiple of 16ms."));
    m_form.boardText(g, tr("BargeInStopPlay flag:"), "DefaultBargeInStopPlay");

    g = m_form.group(tr("Tone Generator"), 0);
    m_form.boardText(g, tr("Frequency:"), "DefaultSendToneFrequence");
    m_form.boardText(g, tr("Volume:"), "DefaultSendToneVolume");

    g = m_form.group(tr("DTMF Generator"), 0);
    m_form.boardText(g, tr("Duration of transmitting DTMF signal:"), "TxDtmfTimePara");

    g = m_form.group(tr("Other"), 0);
    m_form.boardText(g, tr("Enable echo cancellation:"), "EnableEchoCancellor");
    m_form.boardText(g, tr("InVoiceToBus:"), "InVoiceToBus");
    m_form.boardCheck(g, tr("In Voice To Bus"), "LinkFromStopPlayAndTone");
    m_form.boardCheck(g, tr("Reset Board On Close"), "ResetBoardOnClose");
    m_agcButton = new QPushButton(tr("AGC Setting"));
    g->addRow(m_agcButton);
    connect(m_agcButton, &QPushButton::clicked, this, [this] {
        QDialog *dialog = createAgcDialog();
        dialog->exec();
        delete dialog;
    });
    m_form.column(0)->addStretch();

    g = m_form.group(tr("DTMF Detector"), 1);
    m_form.boardText(g, tr("DTMFStopPlay indicator:"), "DefaultDtmfStopPlay");
    m_form.boardText(g, tr("Sensitivity of DTMF detector:"), "ReceiveDtmfSensitive",
                     tr("Specifies the receiving DTMF sensitivity. Range:1-6"));
    m_omitAbcd = m_form.boardText(g, tr("Omit A/B/C/D char:"), "OmitABCD");
    m_form.boardText(g, tr("PausePlayOnRxDTMF indicator:"), "DefaultPausePlayOnRxDtmf");
    m_form.boardText(g, tr("Output DTMF on high level:"), "DtrmOnDtmfHighLevel");
    m_form.boardText(g, tr("Treat DTMF as voice:"), "DefaultDtmfIsSound");
    m_form.boardText(g, tr("DTMFStopPlay char set:"), "DtmfStopPlayCharSet");
    m_form.boardText(g, tr("DTMFStopRecord char set:"), "DtmfStopRecCharSet");
    m_form.boardText(g, tr("Minimum determining energy:"), "DtmfEnergy");
    m_form.boardText(g, tr("Clear In Voice On RX Dtmf:"), "ClearInVoiceOnRxDtmf");
    m_form.boardText(g, tr("Ratio of DTMF high-freq energy to low-freq energy:"), "HighAndLowFreqEnScale",
                     tr("Ratio of DTMF high-freq energy to low-freq energy. valid value : [0, 100], with default "
                        "value of 10. it is available for 16-channel analog board only. "));
    m_scale = m_form.boardText(g, tr("Ratio of DTMF energy to full-freq energy:"), "DualAndAllFreqEnScale");
    m_form.column(1)->addStretch();
    m_form.finish();

    connect(m_omitAbcd, &QLineEdit::editingFinished, this, &BoardVoicePage::coupleOmitAbcd);
}

QDialog *BoardVoicePage::createAgcDialog()
{
    const int code = board().modelCode;
    if (code >= 93 && code <= 96)
        return new AgcUpDownDialog(board().options, this);
    return new AgcDialog(board().options, host().dialogs(), this);
}

void BoardVoicePage::loaded()
{
    m_keptOmitAbcd = m_omitAbcd->text();
}

void BoardVoicePage::coupleOmitAbcd()
{
    const QString now = m_omitAbcd->text();
    m_scale->setText(KeyForm::fromFile(ktcticonfig::coupleOmitAbcd(
        board().modelCode, KeyForm::toFile(m_keptOmitAbcd), KeyForm::toFile(now), KeyForm::toFile(m_scale->text()))));
    m_keptOmitAbcd = now;
}

void BoardVoicePage::storing()
{
    coupleOmitAbcd();
}

} // namespace ktcticonfig
