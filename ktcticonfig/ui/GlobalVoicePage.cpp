// The global voice options page.
#include "ktcticonfig/ui/GlobalVoicePage.h"

#include "ktcticonfig/ui/FskDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktcticonfig {

namespace {

constexpr std::string_view SC = "SystemConfig";

} // namespace

GlobalVoicePage::GlobalVoicePage(PageHost &host, QWidget *parent) : ConfigPage(host, parent), m_form(this, 3)
{
    const auto number = [this](QFormLayout *g, const QString &label, std::string_view key, const QString &unit = {},
                               const QString &tip = {}) {
        QLineEdit *edit = m_form.text(g, label, SC, key, tip, unit);
        m_fields.emplace_back(key, edit);
        return edit;
    };
    const QString bytes = tr("bytes"), ms = tr("ms"), s = tr("s");

    QFormLayout *g = m_form.group(tr("Rec&&Play&&DTMF Buffer Size"), 0);
    number(g, tr("Play buffer:"), "PlayBufSize", bytes,
           tr("Specifies the size of play-buffer. This value must be multiple of 512"));
    number(g, tr("Record buffer:"), "RecordBufSize", bytes,
           tr("Specifies the size of record-buffer. This value must be multiple of 512"));
    number(g, tr("TxDTMF buffer:"), "TxDtmfBufSize");
    number(g, tr("RcvDTMF buffer:"), "RxDtmfBufSize");

    g = m_form.group(tr("Record Channel Pre-recording"), 0);
    m_prerecordEnable = m_form.check(g, tr("Enable Pre-recording"), SC, "PrerecordEnable");
    m_prerecordMode =
        m_form.list(g, tr("Startup mode:"), SC, "PrerecordMode", {tr("StartupOnVoice"), tr("StartupAlways")});
    m_prerecordCodec = m_form.list(g, tr("Pre-record CODEC:"), SC, "PrerecordCodec",
                                   {tr("A-law"), tr("U-law"), tr("IMA ADPCM"), tr("GSM"), tr("MP3")},
                                   {std::begin(kPrerecordCodecs), std::end(kPrerecordCodecs)});
    m_prerecordInsert = number(g, tr("Data to insert to file:"), "PrerecordInsertTime", ms);
    KeyForm::checkOnLeave(m_prerecordInsert, kPrerecordInsertCheck, host.dialogs());
    connect(m_prerecordEnable, &QCheckBox::toggled, this, &GlobalVoicePage::enablePrerecording);

    g = m_form.group(tr("Conference"), 0);
    number(g, tr("Maximum Group:"), "ConfMaxGroup");
    number(g, tr("Maximum Member:"), "ConfDefaultMaxGroupMember");
    number(g, tr("Maximum Speaking:"), "ConfDefaultMaxGroupSpeaker");
    KeyForm::checkOnLeave(number(g, tr("MaxActiveTalkerTotal"), "ConfDefaultMaxGroupSpeaking"), kMaxActiveTalkerCheck,
                          host.dialogs());
    number(g, tr("Maximum Listener:"), "ConfMaxListener");
    m_form.check(g, tr("Schedule on Volume"), SC, "ConfJoinedbyEnergy", {}, 2);
    number(g, tr("EnablePlayMemberListen"), "PlayVoiceIsListen");
    m_form.column(0)->addStretch();

    g = m_form.group(tr("AutoDial&Pickup Detect"), 1);
    number(g, tr("MaxWaitDialToneTime:"), "MaxWaitDialToneTime", s);
    number(g, tr("MaxWaitAutoDialAnsTime:"), "MaxWaitAutoDialAnswerTime", s);
    number(g, tr("VoiceDetermineTime:"), "VoiceOnDetermineTime", ms);
    number(g, tr("WaitAfterDialTime:"), "WaitAfterDialTime", ms);
    number(g, tr("IsNoSoundDtrmTime:"), "IsNoSoundDtrmTime", ms);
    number(g, tr("MaxWaitVocAfterEcho:"), "MaxWaitVocAfterEcho", s);

    g = m_form.group(tr("Play List"), 1);
    const QString listTip = tr("Max list of File_Play, range : 0 - 65535, default : 256");
    KeyForm::checkOnLeave(number(g, tr("MaxPlayFileList:"), "MaxPlayFileList", {}, listTip), kMaxPlayFileListCheck,
                          host.dialogs());
    KeyForm::checkOnLeave(number(g, tr("MaxPlayIndexList:"), "MaxPlayIndexList", {},
                                 tr("Max list of Index_Play, range : 0 - 65535, default : 256")),
                          kMaxPlayIndexListCheck, host.dialogs());
    KeyForm::checkOnLeave(number(g, tr("MaxPlayMemList:"), "MaxPlayMemList", {},
                                 tr("Max list of Memory_Play, range : 0 - 65535, default : 256")),
                          kMaxPlayMemListCheck, host.dialogs());

    g = m_form.group(tr("Flash"), 1);
    number(g, tr("denoting a sending flash:"), "DefaultTxFlashChar")->setMaxLength(1);
    number(g, tr("Duration of sending flash:"), "DefaultTxFlashTime", ms);
    number(g, tr("Duration of sending delay:"), "DefaultTxDelayTime", ms);
    number(g, tr("Flash determining time:"), "MaxLocalFlashTime", ms);

    g = m_form.group(tr("Others"), 1);
    number(g, tr("Event output mode:"), "DefaulteventOutput", {},
           tr("DefaultEventOutput: =0: Not output any events; =1: Only output commonly-used events; =2: Output all "
              "of the events\n"));
    m_form.check(g, tr("CT-Bus listening support"), SC, "BusPlayListen");
    number(g, tr("Count for pickup"), "LineOncnt");
    number(g, tr("MaxRingEndDtrTime:"), "RingEndDtrTime", ms);
    m_fskButton = new QPushButton(tr("FSK Send"));
    g->addRow(m_fskButton);
    connect(m_fskButton, &QPushButton::clicked, this, [this] {
        FskDialog dialog(model().settings, this);
        dialog.exec();
    });
    m_form.column(1)->addStretch();

    g = m_form.group(tr("Analog Line CID&&Vol&&Ring"), 2);
    m_form.check(g, tr("AutoClearCallerIdBufferOnHangUp"), SC, "AutoClearCallerIdBufOnHangup");
    m_form.check(g, tr("Enable detecting pulse key"), SC, "EnablePulseKeyDetect");
    m_form.check(g, tr("Use mini-size record/play buffer"), SC, "RecordAndPlayUseAsIP");
    m_form.check(g, tr("Detect answer by relative energy"), SC, "RelativeEngyHookDetect");
    m_form.check(g, tr("Close Caller ID On Rcv CID"), SC, "CloseCallerIdOnReceived");
    number(g, tr("DtmfCallerIDInterTimeout"), "DtmfCallerIDInterTimeout", ms);
    number(g, tr("Fast Play Time:"), "FastPlayTime", ms);
    number(g, tr("DetectRingFilterPara:"), "RingDetectFilterPara", {},
           tr("Ring high-level count and low-level count, separated by a comma"));
    number(g, tr("Off Line Set:"), "OffLineSet");
    number(g, tr("TruncateTailOnRecToFile:"), "TruncateTailOnRecordToFile");
    number(g, tr("RecChClearRingDelayTime:"), "RecChClearRingDelayTime", s);
    number(g, tr("After"), "AlwaysToRingingOnRingCntX", tr("rings to ringing state"));
    m_form.column(2)->addStretch();
    m_form.finish();
}

QLineEdit *GlobalVoicePage::field(std::string_view key) const
{
    for (const auto &[name, edit] : m_fields)
        if (name == key)
            return edit;
    return nullptr;
}

void GlobalVoicePage::enablePrerecording(bool on)
{
    m_prerecordMode->setEnabled(on);
    m_prerecordCodec->setEnabled(on);
    m_prerecordInsert->setEnabled(on);
}

void GlobalVoicePage::load(int, int)
{
    m_form.load(model().settings);
    enablePrerecording(m_prerecordEnable->isChecked());
}

bool GlobalVoicePage::store()
{
    const GlobalSettings before = model().settings;
    m_form.store(model().settings);
    finishGlobalVoiceStore(model().settings, before);
    return true;
}

} // namespace ktcticonfig
