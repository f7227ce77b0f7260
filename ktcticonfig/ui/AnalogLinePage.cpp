// The analog line options page.
#include "ktcticonfig/ui/AnalogLinePage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace ktcticonfig {

AnalogLinePage::AnalogLinePage(PageHost &host, QWidget *parent) : BoardKeyPage(host, 2, parent)
{
    QFormLayout *g = m_form.group(tr("User Channel:"), 0);
    m_form.boardText(g, tr("Automatically sending dial tone:"), "AutoSendDialTone",
                     tr("When set to 1, a dial tone will be automatically sent to an user-channel by system."));
    m_form.boardText(g, tr("StopSendDialTone on receiving DTMF:"), "StopSendDialToneOnDtmf");
    m_form.boardText(g, tr("Ring generator working mode:"), "UserChGenerateRingMode",
                     tr("Specifies the mode for an user-channel to generate a ringing signal. 0(default): a periodic "
                        "'1 second on and 4 seconds off' ringing signal; 1: the ringing signal keeps high level until "
                        "the application stops it."));
    m_form.boardText(g, tr("Hook state filtering time:"), "UserOnHookFilterTime",
                     tr("Specifies the filtering time since the phone went on-hook, used to distinguish between a "
                        "flash and an actual hangup action."));
    m_form.boardText(g, tr("Enable generating reversed loop current:"), "UserSendPolar");

    g = m_form.group(tr("Analog Record Channel:"), 0);
    m_form.boardText(g, tr("Hangup/pickup determining voltage:"), "IsHangupDtrmVoltage",
                     tr("Specifies the determining voltage (in volt) on a record-channel used to distinguish between "
                        "pickup and hangup. The default value is 26"));
    m_form.boardText(g, tr("Ignore checking line voltage:"), "IgnoreLineVoltage");
    m_form.boardText(g, tr("Gain control of inputing voice signal:"), "MicGain",
                     tr("Specifies the gain of the input signal on a record-channel line. =0: normal gain; =1: high "
                        "gain(20dB)"));
    m_form.boardText(g, tr("Set Analog Channel Become Record Channel"), "SetAnalogChToRecCh");
    m_form.column(0)->addStretch();

    g = m_form.group(tr("Analog Trunk Channel:"), 1);
    m_form.boardText(g, tr("Caller ID Style:"), "CallerIdStyle", tr("Specifies the Caller ID style. 0=DTMF, 1=FSK."));
    m_form.boardText(g, tr("Filter Invalid FSK CallerId"), "FilterInvalidCID");
    m_form.boardText(g, tr("DisablePolarReverse:"), "DisablePolarReverse");

    g = m_form.group(tr("Other Analog Setting:"), 1);
    m_form.boardText(g, tr("Magnet-module indicator:"), "IsMagnetModule",
                     tr("When set to 1, a magnetic module is installed instead of an analog module."));
    m_form.boardText(g, tr("Joint-module indicator:"), "UnimoduleState",
                     tr("Specifies the initial status of an joint-module. 0=connected, 1= disconnected."));
    m_form.boardText(g, tr("Enable DTMF detector when idle:"), "RcvDtmfOnIdle",
                     tr("When set to 1, the system enables the receiving DTMF function for an user channel even when "
                        "its state is in idle state. The default value is 0."));

    g = m_form.group(tr("Simple Busy Detector"), 1);
    m_analyze = m_form.boardCheck(g, tr("analyze busy tone in transmission of FSK"), "ToneAnalyzeAtRcvFsk");
    m_energy = m_form.boardText(g, tr("VoiceEnergyMinValueInFSKRcv"), "TAARFDetermineEnergy");
    connect(m_analyze, &QCheckBox::toggled, m_energy, &QLineEdit::setEnabled);
    m_form.column(1)->addStretch();
    m_form.finish();
}

void AnalogLinePage::loaded()
{
    m_energy->setEnabled(m_analyze->isChecked());
}

} // namespace ktcticonfig
