// The settings record and the per-channel tables: the server's copy of Setup.ini.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace server {

/// Channels a board can have; every per-channel table has this many entries.
constexpr int kMaxChannels = 48;

/// Every operating value of the server. Fields loaded from Setup.ini carry the name of their key and
/// the width of the value they hold; texts are UTF-8.
struct Settings
{
    std::uint16_t UsableBoards = 0; ///< set when the service starts
    std::uint16_t ChannelCount = 0; ///< set when the service starts
    std::uint16_t CallOutCnt = 0;
    std::uint8_t Interval = 0;
    std::int8_t DBType = 0;
    std::uint8_t ReSendTimes = 0;
    std::uint8_t PlayTimes = 0;
    std::string Title, Company, Email, Address, Version, NetAdd, Telphone, Faxphone, Language;
    std::int8_t HaveBack = 0;
    std::uint8_t RetSucc = 0;
    std::int8_t Voice = 0;
    std::int8_t Saturday = 0;
    std::int8_t Sunday = 0;
    std::string BeginTime, EndTime, NotNoticeTime1, NotNoticeTime2;
    std::string ServerName, DataBaseName, UserName, Password;
    std::string OdbcDriver; ///< ODBC driver of a server database ("FreeTDS" for SQL Server)
    /// How long a statement on the embedded file waits for another program's lock, in ms.
    std::int32_t BusyTimeout = 2000;
    std::int16_t LineBusyFreq1 = 0, LineBusyFreq2 = 0, LineBusyHaveTone = 0, LineBusySilTone = 0, LineBusyError = 0;
    std::int16_t OnHookBusyFreq1 = 0, OnHookBusyFreq2 = 0, OnHookBusyHaveTone = 0, OnHookBusySilTone = 0,
                 OnHookBusyError = 0;
    std::int16_t RingBusyFreq1 = 0, RingBusyFreq2 = 0, RingBusyHaveTone = 0, RingBusySilTone = 0, RingBusyError = 0;
    std::int16_t DialBusyFreq1 = 0, DialBusyFreq2 = 0, DialBusyHaveTone = 0, DialBusySilTone = 0, DialBusyError = 0;
    std::int16_t SpeakGain = 0, HaveTone = 0;
    std::string ServiceStartTime; ///< "yyyy-mm-dd hh:mm:ss", set when the service starts
    std::int16_t VocDBSpeed = 0;
    std::uint16_t SlicChannelCount = 0;  ///< counted when the channels are set up
    std::uint16_t TrunkChannelCount = 0; ///< counted when the channels are set up
    std::int16_t ToneDelay = 0;
    std::int32_t BargeInSens = 0, NoSoundTime = 0, HaveToneTime = 0;
    std::int16_t RingBackCnt1 = 0, RingBackCnt2 = 0, CallMode = 0;
    std::string RetListen, TranSlic;
    std::int16_t NeedCPTone = 0, WriteLogFlag = 0, TalkFlag = 0;
    std::string PauseTalk, ResumeTalk;
    std::int32_t WaitMusic = 0;
    std::int16_t PolarFunction = 0;
    std::string AdNotice;
    std::int32_t SysTimerValue = 0;
    std::uint8_t LogFileOpen = 0; ///< 1 while the log file is open
    std::uint32_t PickDelay = 0;
    std::int32_t DTMFSpeed = 0, CallOutTimeOut = 0;
    std::int32_t TalkRecordLines = 0; ///< running number of talk-record lines
    std::int16_t AutoAnswer = 0, VocRepeat = 0, AutoTime = 0, TranSlicFlag = 0;
    std::int32_t HaveLineVoltage = 0, NoLineVoltage = 0;
    std::int16_t RecordFlag = 0, PlaySlicNo = 0, VocPlayTranSlicTime = 0;
    std::string TeleAddSpecChar;
    std::int16_t HangupDelay = 0, ConPlayFlag = 0;
    std::string OtherDtmf;
    std::int16_t SendSMSFlag = 0;
    std::string SMSContent;
    std::string ProgramDir; ///< without a trailing separator
};

/// The six per-channel tables, indexed by channel number (0..47).
struct ChannelTables
{
    std::array<std::int16_t, kMaxChannels> InService{};   ///< 1 in service, 0 closed
    std::array<std::int16_t, kMaxChannels> Kind{};        ///< 1 trunk, 2 station, 0 other
    std::array<std::int16_t, kMaxChannels> Function{};    ///< always 2 after a load
    std::array<std::int16_t, kMaxChannels> Polarity{};    ///< 1 the line reports polarity reversals
    std::array<std::string, kMaxChannels> StationId{};    ///< agent number of a station channel
    std::array<std::string, kMaxChannels> DialPrefix{};   ///< dialled before the number on a trunk
};

} // namespace server
