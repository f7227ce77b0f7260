// The table of board-independent keys of KtConfig.ini.
#include "ktcticonfig/model/GlobalKeys.h"

#include "common/Text.h"

#include <array>

namespace ktcticonfig {

namespace {

using G = KeyGroup;
using T = KeyType;
using R = ReadRule;

constexpr KeyDef num(G g, std::string_view s, std::string_view n, std::int32_t def, T type = T::Int32)
{
    return {g, s, n, {}, type, def, {}, 0, R::None, 0, 0, 0, true};
}

constexpr KeyDef rule(G g, std::string_view s, std::string_view n, std::int32_t def, R r, std::int32_t a,
                      std::int32_t b, std::int32_t x, T type = T::Int32)
{
    return {g, s, n, {}, type, def, {}, 0, r, a, b, x, true};
}

constexpr KeyDef text(G g, std::string_view s, std::string_view n, std::string_view def, std::size_t max)
{
    return {g, s, n, {}, T::Text, 0, def, max, R::None, 0, 0, 0, true};
}

constexpr KeyDef readOnly(KeyDef k)
{
    k.written = false;
    return k;
}

constexpr KeyDef renamed(KeyDef k, std::string_view writeName)
{
    k.writeName = writeName;
    return k;
}

constexpr std::string_view SC = "SystemConfig";
constexpr std::string_view DV = "DebugView";

// Within a group the order is the writer's; the reader takes the same order, which keeps every rule
// that looks at another key (board count, PrerecordEnable, RecordBufSize) after the key it needs.
const KeyDef kKeys[] = {
    rule(G::SystemHead, SC, "TotalBoards", -1, R::RangeOr, 1, 20, 1),
    rule(G::SystemHead, SC, "WhoApplySysInt", -1, R::BoardIndex, 0, 0, 0),
    rule(G::SystemHead, SC, "WhoSupplySysClock", -1, R::ClockMaster, 0, 0, 0),
    rule(G::SystemHead, SC, "SysIntNo", -1, R::RangeOr, 1, 14, 0),
    num(G::SystemHead, SC, "RecChClearRingDelayTime", 0),
    rule(G::SystemHead, SC, "DefaulteventOutput", 1, R::AboveOr, 2, 0, 1, T::UInt16),
    num(G::SystemHead, SC, "FastPlayTime", 0),
    num(G::SystemHead, SC, "CloseCallerIdOnReceived", 0),
    num(G::SystemHead, SC, "Check2ndToneOnAutoDial", 0),
    num(G::SystemHead, SC, "OffLineSet", 5),
    num(G::SystemHead, SC, "LineOncnt", 25),
    num(G::SystemHead, SC, "MultiCardMultiProcess", 0),
    rule(G::SystemHead, SC, "DtmfCallerIDInterTimeout", 500, R::BelowRepair, 300, 0, 300),
    num(G::SystemHead, SC, "EventInterfaceType", 0),

    rule(G::SystemVoice, SC, "PlayBufSize", 32768, R::BufferSize, 0, 0, 0),
    rule(G::SystemVoice, SC, "RecordBufSize", 32768, R::BufferSize, 0, 0, 0),
    rule(G::SystemVoice, SC, "TxDtmfBufSize", 50, R::BelowOr, 50, 0, 50, T::UInt16),
    rule(G::SystemVoice, SC, "RxDtmfBufSize", 200, R::ZeroOr, 0, 0, 200, T::UInt16),
    rule(G::SystemVoice, SC, "TruncateTailOnRecordToFile", 0, R::AboveOr, 65535, 0, 0),
    num(G::SystemVoice, SC, "AutoClearCallerIdBufOnHangup", 0),
    num(G::SystemVoice, SC, "CallerIdToRxDtmfBuf", 0),
    num(G::SystemVoice, SC, "PrerecordEnable", 0),
    rule(G::SystemVoice, SC, "PrerecordMode", 0, R::PrerecordMode, 0, 0, 0),
    rule(G::SystemVoice, SC, "PrerecordInsertTime", 500, R::PrerecordInsert, 0, 0, 500, T::UInt16),
    rule(G::SystemVoice, SC, "EnablePulseKeyDetect", 0, R::BinaryDelete, 0, 0, 0),
    num(G::SystemVoice, SC, "MaxWaitDialToneTime", 5),
    num(G::SystemVoice, SC, "MaxWaitAutoDialAnswerTime", 25),
    {G::SystemVoice, SC, "DefaultTxFlashChar", {}, T::Char, 0, "!", 1, R::None, 0, 0, 0, true},
    num(G::SystemVoice, SC, "DefaultTxFlashTime", 500),
    num(G::SystemVoice, SC, "DefaultTxDelayTime", 2000),
    rule(G::SystemVoice, SC, "MaxLocalFlashTime", 700, R::RangeRepair, 32, 2000, 700),
    text(G::SystemVoice, SC, "VoiceFreqF1Para", "1100,80,50,300", 39),
    text(G::SystemVoice, SC, "VoiceFreqF2Para", "2100,80,50,300", 39),
    rule(G::SystemVoice, SC, "VoiceOnDetermineTime", 96, R::RangeOr, 16, 1024, 96),
    rule(G::SystemVoice, SC, "MinimumVoiceDetermineEnergy", 100000, R::BelowOr, 700, 0, 100000),
    num(G::SystemVoice, SC, "WaitAfterDialTime", 18000),
    num(G::SystemVoice, SC, "IsNoSoundDtrmTime", 5000),
    rule(G::SystemVoice, SC, "RingEndDtrTime", 6000, R::ZeroOr, 0, 0, 6000),
    num(G::SystemVoice, SC, "ConfMaxGroup", 64),
    num(G::SystemVoice, SC, "ConfDefaultMaxGroupMember", 64),
    num(G::SystemVoice, SC, "ConfDefaultMaxGroupSpeaker", 24),
    rule(G::SystemVoice, SC, "ConfDefaultMaxGroupSpeaking", 6, R::AboveRepair, 6, 0, 6, T::UInt16),
    rule(G::SystemVoice, SC, "PlayVoiceIsListen", 1, R::BinaryOr, 0, 0, 1),
    num(G::SystemVoice, SC, "ConfDefaultMaxSilenceTime", 5),
    text(G::SystemVoice, SC, "RingDetectFilterPara", "6,40", 9),
    num(G::SystemVoice, SC, "MaxWaitVocAfterEcho", 10),
    num(G::SystemVoice, SC, "AlwaysToRingingOnRingCntX", 0),
    num(G::SystemVoice, SC, "MaxBsTnOffTime", 3000),
    num(G::SystemVoice, SC, "RecordAndPlayUseAsIP", 0),
    num(G::SystemVoice, SC, "LoadRecognize", 0),
    num(G::SystemVoice, SC, "voiceFormat", 1),
    num(G::SystemVoice, SC, "GsmCodecEnable", 0),
    num(G::SystemVoice, SC, "PrerecordCodec", 6),
    num(G::SystemVoice, SC, "RelativeEngyHookDetect", 1),
    num(G::SystemVoice, SC, "MaxPlayFileList", 256),
    num(G::SystemVoice, SC, "MaxPlayIndexList", 256),
    num(G::SystemVoice, SC, "MaxPlayMemList", 256),
    num(G::SystemVoice, SC, "ConfJoinedbyEnergy", 2),
    num(G::SystemVoice, SC, "ConfMaxListener", 480),
    num(G::SystemVoice, SC, "BusPlayListen", 1),
    num(G::SystemVoice, SC, "CreateDumpWhenCrash", 1),
    // Read for the driver's sake but never written by the tool ("%dms" texts read by their number).
    readOnly(rule(G::SystemVoice, SC, "SysIntTime", 8, R::RangeOr, 8, 8, 8)),
    readOnly(num(G::SystemVoice, SC, "EnableBusInfoMonitor", 0)),
    readOnly(rule(G::SystemVoice, SC, "RecPlayTimer", 100, R::Clamp, 50, 500, 0)),
    // Written by the board sections of the families that use it.
    readOnly(num(G::SystemVoice, SC, "DEventUpdates", 0)),

    text(G::SystemTone, SC, "TonePara", "450,80,0,0,50", 39),
    rule(G::SystemTone, SC, "IsDialToneDetermineTime", 1500, R::BelowOr, 1200, 0, 1500, T::UInt16),
    text(G::SystemTone, SC, "BusyTonePeriod", "700", 39),
    rule(G::SystemTone, SC, "IsBusyToneDetermineCount", 2, R::ZeroOrAboveOr, 10, 0, 2),
    text(G::SystemTone, SC, "RingEchoTonePara", "1000,4000", 39),
    num(G::SystemTone, SC, "Enable2ndToneAnalyzer", 0),
    text(G::SystemTone, SC, "2ndTonePara", "450,80,0,0,50", 39),
    rule(G::SystemTone, SC, "2ndIsDialToneDetermineTime", 1500, R::BelowOr, 1200, 0, 1500, T::UInt16),
    text(G::SystemTone, SC, "2ndBusyTonePeriod", "700", 39),
    rule(G::SystemTone, SC, "2ndIsBusyToneDetermineCount", 2, R::ZeroOrAboveOr, 10, 0, 2),
    text(G::SystemTone, SC, "2ndRingEchoTonePara", "1000,4000", 39),
    num(G::SystemTone, SC, "AppointedToneAnalyzerSwitch", 0),
    num(G::SystemTone, SC, "2ndAppointedToneAnalyzerSwitch", 0),
    num(G::SystemTone, SC, "IsAppointedToneDetermineTime", 80),
    renamed(num(G::SystemTone, SC, "2ndIs2ndAppointedToneDetermineTime", 80), "2ndIsAppointedToneDetermineTime"),
    text(G::SystemTone, SC, "AppointedTonePara", "2000,2000", 19),
    text(G::SystemTone, SC, "2ndAppointedTonePara", "2000,2000", 19),
    num(G::SystemTone, SC, "IsAppointedToneDetermineCount", 2),
    num(G::SystemTone, SC, "2ndIsAppointedToneDetermineCount", 2),
    num(G::SystemTone, SC, "ToneHighFilterPoint", 4),
    num(G::SystemTone, SC, "ToneLowFilterPoint", 10),
    num(G::SystemTone, SC, "CurArea", 0, T::UInt16),
    num(G::SystemTone, SC, "ToneDetectorMode", 0),
    rule(G::SystemTone, SC, "MaxToneDetectorItem", 120, R::ToneItemCount, 0, 20, 20),
    num(G::SystemTone, SC, "VoiceOffDetermineTime", 5000),

    {G::Ss1, "SS1Config", "TxCAS_CD", {}, T::HexText, 0, "0x03", 19, R::HexAboveRepair, 3, 0, 3, true},
    text(G::Ss1, "SS1Config", "mfcr2_Protocol", "cn", 19),
    num(G::Ss1, "SS1Config", "MfcR2ToRxCallerIdBuf", 0),
    num(G::Ss1, "SS1Config", "MaxWaitMfcTime", 10),
    rule(G::Ss1, "SS1Config", "MfcKD", 3, R::ZeroOrAboveRepair, 6, 0, 3),
    rule(G::Ss1, "SS1Config", "MfcKA", 1, R::ZeroOrAboveRepair, 10, 0, 1),
    num(G::Ss1, "SS1Config", "MaxWaitOccupyAckTime", 60),
    num(G::Ss1, "SS1Config", "MaxWaitKBTime", 60),
    num(G::Ss1, "SS1Config", "MaxWaitAutoDialAnswerTime", 90),
    text(G::Ss1, "SS1Config", "TxCallerId", "", 31),
    num(G::Ss1, "SS1Config", "RepeatPhoNumOn1stR2bwdIsA5", 1),
    num(G::Ss1, "SS1Config", "MaxWaitKDTime", 60),
    rule(G::Ss1, "SS1Config", "AutoSendKB", 1, R::BinaryRepair, 0, 0, 1),
    rule(G::Ss1, "SS1Config", "MfcKB", 5, R::ZeroOrAboveRepair, 6, 0, 5),
    num(G::Ss1, "SS1Config", "MaxWaitSetKBTime", 3),
    rule(G::Ss1, "SS1Config", "MfcLenCtrlPos", 1, R::BelowRepair, 1, 0, 1),
    text(G::Ss1, "SS1Config", "MfcLengthTable", "8,8,8,8,8,8,8,8,8,8", 99),
    text(G::Ss1, "SS1Config", "CallerIdEnTable", "0,0,0,0,0,0,0,0,0,0", 99),
    num(G::Ss1, "SS1Config", "RxCASFilterTime", 0),
    num(G::Ss1, "SS1Config", "PhoNumHoldup", 0),
    num(G::Ss1, "SS1Config", "A1ToA3pWaitTime", 1000),
    num(G::Ss1, "SS1Config", "A3pTime", 150),
    num(G::Ss1, "SS1Config", "ToRingingDelayTime", 0),
    num(G::Ss1, "SS1Config", "MaxPhoNumRule", 3),
    num(G::Ss1, "SS1Config", "DefaultRcvCallerID", 1),
    num(G::Ss1, "SS1Config", "DefaultRcvPhoNumLen", 0),
    num(G::Ss1, "SS1Config", "ProtocolType", 0),
    num(G::Ss1, "SS1Config", "LSWaitPickupTime", 96),
    num(G::Ss1, "SS1Config", "Ss1SendIdleState", 0),

    num(G::Isup, "ISUP", "MaxWaitAutoDialAnswerTime", 180),
    num(G::Isup, "ISUP", "DefaultRcvPhoNumLen", 3),
    num(G::Isup, "ISUP", "DefaultRcvCallerID", 1),
    text(G::Isup, "ISUP", "CalloutCallerId", "88880000", 20),
    num(G::Isup, "ISUP", "bSubscriberSI", 0),
    text(G::Isup, "ISUP", "SubscriberSI", "0x80,0x90,0xa3", 49),
    num(G::Isup, "ISUP", "bOptionalFCI", 0),
    text(G::Isup, "ISUP", "OptionalFCI", "0x00", 19),
    text(G::Isup, "ISUP", "DefaultIAM_CAT", "0x0a", 19),
    text(G::Isup, "ISUP", "DefaultIAM_ForwardCallInd", "0x0040", 19),
    text(G::Isup, "ISUP", "DefaultIAM_CallerParam", "", 49),
    text(G::Isup, "ISUP", "DefaultIAM_CalleeParam", "", 49),
    text(G::Isup, "ISUP", "DefaultNatureOfConnectionInd", "0x00", 19),
    text(G::Isup, "ISUP", "DefaultCauseInd", "0x0080", 19),
    text(G::Isup, "ISUP", "DefaultBackwardCallInd", "", 19),
    text(G::Isup, "ISUP", "DefaultIAM_TransmissionMediumRequirment", "0x02", 19),
    num(G::Isup, "ISUP", "AutoSendACM", 1),
    num(G::Isup, "ISUP", "AutoSendINF", 0),
    num(G::Isup, "ISUP", "CircuitReset", 0),
    num(G::Isup, "ISUP", "SaveRGNTo1stPhoNumStr", 0),
    num(G::Isup, "ISUP", "MaxPhoNumRule", 0),
    num(G::Isup, "ISUP", "RingToPending", 0),
    num(G::Isup, "ISUP", "AutoHandleIsup", 1),
    num(G::Isup, "ISUP", "TotalIsupPcm", 0),

    text(G::Tup, "TUP", "CalloutCallerId", "", 15),
    num(G::Tup, "TUP", "SendGRMRange", 1),
    num(G::Tup, "TUP", "AutoSendACM", 1),
    num(G::Tup, "TUP", "AutoSendGSM", 1),
    text(G::Tup, "TUP", "DefaultACM", "0x05", 19),
    text(G::Tup, "TUP", "CallerAddrInd", "0x02", 19),
    num(G::Tup, "TUP", "MaxWaitAutoDialAnswerTime", 60),
    num(G::Tup, "TUP", "DefaultRcvPhoNumLen", 3),
    num(G::Tup, "TUP", "DefaultRcvCallerID", 0),
    num(G::Tup, "TUP", "MaxPhoNumRule", 0),
    num(G::Tup, "TUP", "SetSTSignal", 0),
    num(G::Tup, "TUP", "RingToPending", 0),

    num(G::Ss7, "SS7", "AutoHandleTup", 1),
    text(G::Ss7, "SS7", "LocalIP", "127.0.0.1", 19),
    text(G::Ss7, "SS7", "Ss7ServerIP", "127.0.0.1", 19),
    num(G::Ss7, "SS7", "GetMsuOnAutoHandle", 0),
    text(G::Ss7, "SS7", "SecondServerIP", "0.0.0.0", 19),
    num(G::Ss7, "SS7", "AutoHandleSccp", 1),

    rule(G::Isdn, "ISDN", "UseISDNMode", 255, R::RangeOr, 0, 2, 0),
    num(G::Isdn, "ISDN", "DefaultRcvPhoNumLen", 3),
    num(G::Isdn, "ISDN", "DefaultRcvCallerID", 0),
    num(G::Isdn, "ISDN", "MaxPhoNumRule", 0),
    num(G::Isdn, "ISDN", "TransferCapability", 0),
    num(G::Isdn, "ISDN", "DecodeNetSideIsdnMsg", 0),
    num(G::Isdn, "ISDN", "NetSideAutoSendAck", 1),
    num(G::Isdn, "ISDN", "NetSideDefaultAckTimer", 20),
    num(G::Isdn, "ISDN", "NetWaitAfterCallProceeding", 0),
    num(G::Isdn, "ISDN", "NetIsSendChIdentify", 1),
    num(G::Isdn, "ISDN", "NetChPreference", 0),
    num(G::Isdn, "ISDN", "NetIsReceivePhoNum", 1),
    num(G::Isdn, "ISDN", "TotalNetLinker", 0),
    num(G::Isdn, "ISDN", "DecodeUserSideIsdnMsg", 0),
    num(G::Isdn, "ISDN", "UserSideAutoSendAck", 1),
    num(G::Isdn, "ISDN", "UserSideDefaultAckTimer", 15),
    num(G::Isdn, "ISDN", "UserWaitAfterCallProceeding", 0),
    num(G::Isdn, "ISDN", "UserIsSendChIdentify", 1),
    num(G::Isdn, "ISDN", "UserChPreference", 0),
    num(G::Isdn, "ISDN", "UserIsReceivePhoNum", 1),
    num(G::Isdn, "ISDN", "TotalUserLinker", 0),

    num(G::Ss7Spy, "SS7Spy", "TotalSpyPcm", 0),
    num(G::Ss7Spy, "SS7Spy", "TotalAppSpyCIC", 0),
    text(G::Ss7Spy, "SS7Spy", "AppSpyCICTable", "", 199),
    num(G::Ss7Spy, "SS7Spy", "SpySpCodeLen", 14),
    num(G::Ss7Spy, "SS7Spy", "TotalSpyLinkSet", 0),

    rule(G::Fsk, "FSKConfig", "FreqBit0", 2200, R::RangeRepair, 300, 3400, 2200),
    rule(G::Fsk, "FSKConfig", "FreqBit1", 1200, R::RangeRepair, 300, 3400, 1200),
    rule(G::Fsk, "FSKConfig", "Baudrate", 1200, R::RangeRepair, 300, 3400, 2400),
    rule(G::Fsk, "FSKConfig", "MdlAmp", 128, R::RangeRepair, 0, 255, 128),

    num(G::Fax, "Fax", "FaxCodeMode", 0),
    num(G::Fax, "Fax", "MaxSpeed", 14400),

    num(G::DebugView, DV, "ApiLogEnable", 0),
    num(G::DebugView, DV, "ApiLogCreateMode", 0),
    num(G::DebugView, DV, "Ss1LogEnable", 0),
    num(G::DebugView, DV, "Ss1LogCreateMode", 0),
    num(G::DebugView, DV, "SpySs1LogEnable", 0),
    num(G::DebugView, DV, "SpySs1CreateMode", 0),
    num(G::DebugView, DV, "IsdnLogEnable", 0),
    num(G::DebugView, DV, "SpySs7LogEnable", 0),
    num(G::DebugView, DV, "SpyIsdnLogEnable", 0),
    num(G::DebugView, DV, "DSTLogEnable", 0),
    num(G::DebugView, DV, "DSTLogCreateMode", 0),
    num(G::DebugView, DV, "DecodeIsdnMsg", 0),
    num(G::DebugView, DV, "LogOverWrite", 0),
    num(G::DebugView, DV, "SystemInfoLogEnable", 1),
    num(G::DebugView, DV, "LogCreatePeriod", 24),
    num(G::DebugView, DV, "LogMaxKeep", 7),
    num(G::DebugView, DV, "LogMaxPeriod", 30),
    text(G::DebugView, DV, "LogFilePath", "NULL", 259),
    text(G::DebugView, DV, "ApiLogSetEventRange", "-1..-1", 19),
    text(G::DebugView, DV, "ApiLogSetChRange", "-1..-1", 19),
    num(G::DebugView, DV, "Mask_TlxGetNoSoundTime", 0),
    num(G::DebugView, DV, "Mask_TlxGetChStateKeepTime", 0),
    num(G::DebugView, DV, "Mask_TlxGetPlayedTime", 0),
    num(G::DebugView, DV, "Mask_TlxGetPlayedPercentage", 0),
    num(G::DebugView, DV, "Mask_TlxGetPlayOffset", 0),
    num(G::DebugView, DV, "Mask_TlxGetRecTime", 0),
    num(G::DebugView, DV, "Mask_TlxGetRecOffset", 0),

    text(G::Sip, "SIP", "LocalSipIp", "0.0.0.0", 19),
    num(G::Sip, "SIP", "LocalSipPort", 0),
    text(G::Sip, "SIP", "RTPRange", "6000,10000", 199),
    text(G::Sip, "SIP", "LogFile", "trace.log", 259),
    num(G::Sip, "SIP", "NetworkCheckInterval", 500),
    num(G::Sip, "SIP", "LogLevel", 1),
    num(G::Sip, "SIP", "HeartInterval", 0),
    text(G::Sip, "SIP", "OutboundSrv", "", 199),

    num(G::H323, "h323", "NetworkType", 1),
    text(G::H323, "h323", "LocalIp", "0.0.0.0", 19),
    num(G::H323, "h323", "LocalPort", 1720),
    text(G::H323, "h323", "RTPRange", "5000,5999", 199),
    text(G::H323, "h323", "GlobalName", "8888", 49),
    num(G::H323, "h323", "SendDtmfType", 0),
    num(G::H323, "h323", "FastStart", 1),
    num(G::H323, "h323", "Tunnel", 1),
    text(G::H323, "h323", "AudioCodecList", "6,7,131", 49),
    text(G::H323, "h323", "JitterDelay", "50,250", 19),
    text(G::H323, "h323", "GateKeeper", "disable", 49),
    num(G::H323, "h323", "EndPointType", 0),
    text(G::H323, "h323", "GKPassword", "", 49),
};

const IndexedListDef kLists[] = {
    {G::Ss1, "SS1Config", "MaxPhoNumRule", {"Rule[%d]"}, 99, {}},
    {G::Isup, "ISUP", "TotalIsupPcm", {"IsupPcm[%d]", "LocalPcm[%d]"}, 29, {}},
    {G::Isdn, "ISDN", "MaxPhoNumRule", {"Rule[%d]"}, 99, {}},
    // An ISDN link: its number in the PCM list, the PCM on its board, TEI, CRC mode, channel
    // identification, called and calling number types and speech code (6 A-law, 7 u-law).
    {G::Isdn,
     "ISDN",
     "TotalNetLinker",
     {"NetPcmLink[%d]", "NetLocalPCM[%d]", "NetTEIValue[%d]", "NetCRC[%d]", "NetChannelID[%d]", "NetCalledNoSet[%d]",
      "NetCallingNoSet[%d]", "NetSpeechCode[%d]"},
     99,
     {"0", "0", "0", "0", "0x10", "0xa1", "0x21", "6"}},
    {G::Isdn,
     "ISDN",
     "TotalUserLinker",
     {"UserPcmLink[%d]", "UserLocalPCM[%d]", "UserTEIValue[%d]", "UserCRC[%d]", "UserChannelID[%d]",
      "UserCalledNoSet[%d]", "UserCallingNoSet[%d]", "UserSpeechCode[%d]"},
     99,
     {"0", "0", "0", "0", "0x10", "0xa1", "0x21", "6"}},
    {G::Ss7Spy, "SS7Spy", "TotalSpyPcm", {"SpyPcm[%d]"}, 29, {}},
    {G::Ss7Spy, "SS7Spy", "TotalAppSpyCIC", {"AppSpyCIC[%d]"}, 99, {}},
    {G::Ss7Spy, "SS7Spy", "TotalSpyLinkSet", {"SpyLinkSet[%d]", "SpyLinkPcm[%d]"}, 99, {}},
};

const KeyGroup kReadOrder[] = {G::SystemHead, G::SystemVoice, G::SystemTone, G::Ss1,  G::Isup, G::Fsk, G::Fax,
                               G::DebugView,  G::Isdn,        G::Tup,        G::Ss7, G::Ss7Spy, G::H323, G::Sip};

} // namespace

std::span<const KeyDef> globalKeys()
{
    return kKeys;
}

std::span<const IndexedListDef> indexedLists()
{
    return kLists;
}

std::span<const KeyGroup> readOrder()
{
    return kReadOrder;
}

std::size_t IndexedListDef::itemCount() const
{
    std::size_t n = 0;
    while (n < kMaxListItemKeys && !itemKeys[n].empty())
        ++n;
    return n;
}

std::size_t listIndex(std::string_view section, std::string_view countKey)
{
    for (std::size_t i = 0; i < std::size(kLists); ++i)
        if (common::equalsIgnoreCase(kLists[i].section, section) &&
            common::equalsIgnoreCase(kLists[i].countKey, countKey))
            return i;
    return std::size(kLists);
}

std::vector<std::optional<std::string>> defaultListRow(std::size_t list)
{
    const IndexedListDef &def = kLists[list];
    std::vector<std::optional<std::string>> row;
    for (std::size_t k = 0; k < def.itemCount(); ++k)
        row.emplace_back(std::string(def.itemDefaults[k]));
    return row;
}

std::optional<std::size_t> globalKeyIndex(std::string_view section, std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        const KeyDef &k = kKeys[i];
        if (common::equalsIgnoreCase(k.section, section) &&
            (common::equalsIgnoreCase(k.name, name) || common::equalsIgnoreCase(k.nameToWrite(), name)))
            return i;
    }
    return std::nullopt;
}

} // namespace ktcticonfig
