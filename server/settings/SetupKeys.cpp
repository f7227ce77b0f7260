// The table of Setup.ini keys.
#include "server/settings/SetupKeys.h"

#include "common/Text.h"

#include <string>

namespace server {

namespace {

constexpr SetupKey text(std::string_view section, std::string_view key, std::string Settings::*field,
                        std::string_view def)
{
    return {section, key, field, def, 0, false};
}

constexpr SetupKey trimmed(std::string_view section, std::string_view key, std::string Settings::*field)
{
    return {section, key, field, {}, 0, true};
}

template <typename T>
constexpr SetupKey integer(std::string_view section, std::string_view key, T Settings::*field, std::int32_t def)
{
    return {section, key, field, {}, def, false};
}

using S = Settings;

const SetupKey kKeys[] = {
    text("Voice", "AdNotice", &S::AdNotice, ""),

    integer("Other", "Interval", &S::Interval, 10),
    integer("Other", "ReSendTimes", &S::ReSendTimes, 0),
    integer("Other", "CallOutCnt", &S::CallOutCnt, 3),
    integer("Other", "PlayTimes", &S::PlayTimes, 1),
    text("Other", "Title", &S::Title, ""),
    text("Other", "BeginTime", &S::BeginTime, "09:00"),
    text("Other", "EndTime", &S::EndTime, "21:00"),
    text("Other", "NotNoticeTime1", &S::NotNoticeTime1, "12:00"),
    text("Other", "NotNoticeTime2", &S::NotNoticeTime2, "14:00"),
    integer("Other", "VocRepeat", &S::VocRepeat, 3),
    integer("Other", "AutoAnswer", &S::AutoAnswer, 0),
    integer("Other", "AutoTime", &S::AutoTime, 5),
    integer("Other", "SendSMSFlag", &S::SendSMSFlag, 0),
    text("Other", "SMSContent", &S::SMSContent, ""),
    integer("Other", "HaveLineVoltage", &S::HaveLineVoltage, 15),
    integer("Other", "NoLineVoltage", &S::NoLineVoltage, 2),
    text("Other", "Company", &S::Company, "语音通知服务中心"),
    text("Other", "Email", &S::Email, "service@voice-notice.example"),
    text("Other", "NetAdd", &S::NetAdd, "http://www.voice-notice.example"),
    text("Other", "Address", &S::Address, "北京市海淀区"),
    text("Other", "Version", &S::Version, "2.0"),
    text("Other", "Telphone", &S::Telphone, "010-12345678"),
    text("Other", "Faxphone", &S::Faxphone, "010-12345679"),
    text("Other", "Language", &S::Language, "普通话"),
    integer("Other", "HaveBack", &S::HaveBack, 0),
    integer("Other", "RetSucc", &S::RetSucc, 0),
    integer("Other", "Voice", &S::Voice, 1),
    integer("Other", "Saturday", &S::Saturday, 1),
    integer("Other", "Sunday", &S::Sunday, 1),
    integer("Other", "ToneDelay", &S::ToneDelay, 4000),
    integer("Other", "VocDBSpeed", &S::VocDBSpeed, 50),
    integer("Other", "BargeInSens", &S::BargeInSens, 12),
    integer("Other", "NoSoundTime", &S::NoSoundTime, 2000),
    integer("Other", "RingBackCnt1", &S::RingBackCnt1, 0),
    integer("Other", "RingBackCnt2", &S::RingBackCnt2, 0),
    integer("Other", "TranSlicFlag", &S::TranSlicFlag, 1),
    integer("Other", "VocPlayTranSlicTime", &S::VocPlayTranSlicTime, 300),
    integer("Other", "WaitMusic", &S::WaitMusic, 12),
    integer("Other", "CallMode", &S::CallMode, 1),
    text("Other", "RetListen", &S::RetListen, "1"),
    text("Other", "TranSlic", &S::TranSlic, "9"),
    text("Other", "TeleAddSpecChar", &S::TeleAddSpecChar, "#"),
    integer("Other", "NeedCPTone", &S::NeedCPTone, 0),
    integer("Other", "WriteLogFlag", &S::WriteLogFlag, 0),
    integer("Other", "RecordFlag", &S::RecordFlag, 0),
    integer("Other", "PlaySlicNo", &S::PlaySlicNo, 1),
    integer("Other", "TalkFlag", &S::TalkFlag, 0),
    text("Other", "PauseTalk", &S::PauseTalk, "*"),
    text("Other", "ResumeTalk", &S::ResumeTalk, "#"),
    text("Other", "OtherDtmf", &S::OtherDtmf, "9"),
    integer("Other", "PolarFunction", &S::PolarFunction, 0),
    integer("Other", "HaveToneTime", &S::HaveToneTime, 200),
    integer("Other", "SysTimerValue", &S::SysTimerValue, 1000),
    integer("Other", "PickDelay", &S::PickDelay, 1500),
    integer("Other", "HangupDelay", &S::HangupDelay, 1500),
    integer("Other", "DTMFSpeed", &S::DTMFSpeed, 80),
    integer("Other", "CallOutTimeOut", &S::CallOutTimeOut, 30),
    integer("Other", "ConPlayFlag", &S::ConPlayFlag, 1),

    trimmed("Database", "ServerName", &S::ServerName),
    trimmed("Database", "DataBaseName", &S::DataBaseName),
    trimmed("Database", "UserName", &S::UserName),
    trimmed("Database", "Password", &S::Password),
    integer("Database", "DBType", &S::DBType, 0),
    {"Database", "OdbcDriver", &S::OdbcDriver, "FreeTDS", 0, true},
    integer("Database", "BusyTimeout", &S::BusyTimeout, 2000),

    integer("Dialling", "DialBusyFreq1", &S::DialBusyFreq1, 450),
    integer("Dialling", "DialBusyFreq2", &S::DialBusyFreq2, 0),
    integer("Dialling", "DialBusyHaveTone", &S::DialBusyHaveTone, 2000),
    integer("Dialling", "DialBusySilTone", &S::DialBusySilTone, 0),
    integer("Dialling", "DialBusyError", &S::DialBusyError, 50),
    integer("LineBusy", "LineBusyFreq1", &S::LineBusyFreq1, 450),
    integer("LineBusy", "LineBusyFreq2", &S::LineBusyFreq2, 0),
    integer("LineBusy", "LineBusyHaveTone", &S::LineBusyHaveTone, 350),
    integer("LineBusy", "LineBusySilTone", &S::LineBusySilTone, 350),
    integer("LineBusy", "LineBusyError", &S::LineBusyError, 50),
    integer("OnHookBusy", "OnHookBusyFreq1", &S::OnHookBusyFreq1, 450),
    integer("OnHookBusy", "OnHookBusyFreq2", &S::OnHookBusyFreq2, 0),
    integer("OnHookBusy", "OnHookBusyHaveTone", &S::OnHookBusyHaveTone, 350),
    integer("OnHookBusy", "OnHookBusySilTone", &S::OnHookBusySilTone, 350),
    integer("OnHookBusy", "OnHookBusyError", &S::OnHookBusyError, 50),
    integer("RingBusy", "RingBusyFreq1", &S::RingBusyFreq1, 450),
    integer("RingBusy", "RingBusyFreq2", &S::RingBusyFreq2, 0),
    integer("RingBusy", "RingBusyHaveTone", &S::RingBusyHaveTone, 350),
    integer("RingBusy", "RingBusySilTone", &S::RingBusySilTone, 350),
    integer("RingBusy", "RingBusyError", &S::RingBusyError, 50),
    integer("Speak", "SpeakGain", &S::SpeakGain, 54),
    integer("Speak", "HaveTone", &S::HaveTone, 0),
};

} // namespace

std::span<const SetupKey> setupKeys()
{
    return kKeys;
}

const SetupKey *findSetupKey(std::string_view section, std::string_view key)
{
    for (const SetupKey &k : kKeys)
        if (common::equalsIgnoreCase(k.section, section) && common::equalsIgnoreCase(k.key, key))
            return &k;
    return nullptr;
}

std::string stationIdKey(int channel)
{
    return "Ch" + std::to_string(channel + 1) + "ID";
}

std::string dialPrefixKey(int channel)
{
    return "PrefixNum" + std::to_string(channel + 1);
}

} // namespace server
