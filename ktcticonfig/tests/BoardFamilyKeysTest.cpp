// The whole [BoardId=n] section of a new board of every family: each key it is written with and its value.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/ConfigModel.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace ktcticonfig {
namespace {

using Section = std::map<std::string, std::string>;

/// count copies of element, separated by commas.
std::string times(std::string_view element, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i ? "," : "") + std::string(element);
    return out;
}

/// The channel option table of a board with this many channels; 0: the single-element values that
/// stand for every channel.
Section optionTable(int channels)
{
    const auto list = [channels](std::string_view element) {
        return channels ? times(element, channels) : std::string(element);
    };
    const auto sets = [channels](std::string_view element) {
        return channels ? "{" + times(element, channels) + "}" : std::string(element);
    };
    Section s;
    for (const char *key :
         {"DefaultPlayVolume", "DefaultSpeakVolume", "DefaultRecordVolume", "DefaultDtmfStopPlay", "OmitABCD",
          "DtrmOnDtmfHighLevel", "RestrainPlay", "HangupStopRec", "HangupStopPlay", "DefaultBargeInStopPlay",
          "AutoSendDialTone", "IgnoreLineVoltage", "MicGain", "SetAnalogChToRecCh", "DisablePolarReverse"})
        s[key] = list("0");
    s["DefaultPlayFormat"] = s["DefaultRecordFormat"] = list("6");
    s["DefaultRecordMixerVolume"] = list("-7");
    for (const char *key :
         {"CallerIdStyle", "DefaultPausePlayOnRxDtmf", "DefaultDtmfIsSound", "StopSendDialToneOnDtmf"})
        s[key] = list("1");
    s["BargeInSensitive"] = list("4");
    s["BargeInDtrmTime"] = list("32");
    s["IsHangupDtrmVoltage"] = list("26");
    s["DtmfStopPlayCharSet"] = sets("{0123456789*#abcd}");
    s["DtmfStopRecCharSet"] = sets("{}");
    s["TxDtmfTimePara"] = list("{80,80}");
    s["ReceiveDtmfSensitive"] = "3";
    s["DefaultSendToneFrequence"] = "450,0";
    s["DefaultSendToneVolume"] = "0,-7";
    s["VoiceEnergyMinValue"] = "100000";
    s["ConfirmSilenceTime"] = "2000";
    s["ConfirmAdjustFinishTime"] = "160";
    s["UserChGenerateRingMode"] = "0";
    s["DefaultToneCheckState"] = s["ChannelStyle"] = s["UserSendPolar"] = "";
    s["RunAsSpy"] = "0";
    s["PhoneType"] = times("0", 16);
    return s;
}

/// Only the named keys of a section.
Section only(const Section &from, std::initializer_list<const char *> keys)
{
    Section s;
    for (const char *key : keys)
        s[key] = from.at(key);
    return s;
}

Section join(Section a, const Section &b)
{
    a.insert(b.begin(), b.end());
    return a;
}

// The single-value channel options of the digital trunk, monitoring and resource boards.
const Section kDigitalOptions = {
    {"DefaultPlayVolume", "0"},
    {"DefaultPlayFormat", "6"},
    {"DefaultDtmfStopPlay", "0"},
    {"DefaultBargeInStopPlay", "0"},
    {"DefaultRecordMixerVolume", "-7"},
    {"DefaultRecordFormat", "6"},
    {"DefaultRecordVolume", "0"},
    {"DefaultSendToneFrequence", "450,0"},
    {"DefaultSendToneVolume", "0,-7"},
    {"TxDtmfTimePara", "{80,80}"},
    {"VoiceEnergyMinValue", "100000"},
    {"ReceiveDtmfSensitive", "3"},
    {"BargeInSensitive", "4"},
    {"BargeInDtrmTime", "32"},
    {"DtrmOnDtmfHighLevel", "0"},
    {"OmitABCD", "0"},
    {"DefaultToneCheckState", "0"},
    {"RunAsSpy", "0"},
    {"HangupStopRec", "0"},
    {"HangupStopPlay", "0"},
    {"DtmfStopPlayCharSet", "{0123456789*#abcd}"},
    {"DtmfStopRecCharSet", "{}"},
    {"DefaultDtmfIsSound", "1"},
    {"DefaultPausePlayOnRxDtmf", "1"},
    {"DefaultSpeakVolume", "0"},
};

const Section kIpKeys = {
    {"BoardIP", "0.0.0.0"},
    {"LocalIp", "0.0.0.0"},
    {"Submask", "255.255.255.0"},
    {"Gateway", "0.0.0.0"},
    {"LocalPort", "5060"},
    {"RTPRange", "1024,5300"},
    {"DisplayName", "unknown"},
    {"SendDtmfType", "0"},
    {"AudioCodecList", "6,7,131"},
    {"Domain", ""},
    {"RegExpires", "3600"},
    {"Register", "0"},
    {"UserName", ""},
    {"RegPassword", ""},
    {"RegRealm", ""},
    {"ProtocolType", "0"},
    {"RecvDtmfType", "0"},
};

Section linkAgcKeys()
{
    Section s;
    for (const char *link : {"UPLINK", "DOWNLINK"})
        for (const auto &[key, value] : Section{{"AGCMAXLEVEL", "3200000"},
                                                {"AGCMINLEVEL", "2560000"},
                                                {"AGCMAXGAIN", "255"},
                                                {"AGCMINGAIN", "6"},
                                                {"AGCDOWNRATIO", "35"},
                                                {"AGCUPRATIO", "1"},
                                                {"AGCKEEPTIME", "0"}})
            s[key + link] = value;
    return s;
}

/// The channel-bank form: every text option names the board's channel range before its value.
Section channelRange(Section s, int channels)
{
    for (auto &[key, value] : s)
        if (key != "RunAsSpy" && key != "PhoneType")
            value = "[0," + std::to_string(channels - 1) + "]:" + value;
    return s;
}

struct FamilyCase
{
    const char *family;
    int code;
    int pcms;       ///< PCM links written (0: none)
    int signalling; ///< of every PCM
    Section own;    ///< the family's keys beyond the common set
    Section common; ///< common keys whose value this board writes otherwise than most
};

void PrintTo(const FamilyCase &c, std::ostream *os)
{
    *os << c.family << " (code " << c.code << ")";
}

/// The keys every board section has, with the values of a new board.
Section commonKeys(const FamilyCase &c, const BoardRecord &board)
{
    Section s = {
        {"BoardModel", std::string(modelName(c.code))},
        {"PBXType", "ALCATEL"},
        {"SupplyBoardClockLine", "-1"},
        {"LinkFromStopPlayAndTone", "1"},
        {"FilterInvalidCID", times("0", 16)},
        {"PcmNumber", std::to_string(c.pcms)},
        {"EnableEchoCancellor", "1"},
        {"CardType", "0"},
        {"AGCMAXGAIN", "255"},
        {"AGCMINGAIN", "6"},
        {"AGCMAXLEVEL", "3200000"},
        {"AGCMINLEVEL", "2560000"},
        {"AGCDOWNRATIO", "35"},
        {"AGCUPRATIO", "1"},
        {"AGCKEEPTIME", "0"},
        {"DtmfEnergy", "0"},
        {"RcvDtmfOnIdle", times("0", 16)},
        {"IsMagnetModule", times("0", 16)},
        {"UnimoduleState", "1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1"},
        {"UserOnHookFilterTime", times("64", 16)},
        {"ResetBoardOnClose", "1"},
        {"AlwaysEnableRxDtmf", "0"},
        {"AlwaysDetectBargeIn", "0"},
        {"DefaultVoiceFormat", "6"},
        {"DspCoder", "131"},
        {"ClearInVoiceOnRxDtmf", ""},
        {"InVoiceToBus", times("1", board.channelCount)},
        {"HighAndLowFreqEnScale", times("10", 16)},
        {"DualAndAllFreqEnScale", times("12", 16)},
        {"ToneAnalyzeAtRcvFsk", "0"},
        {"TAARFDetermineEnergy", "100000"},
        {"UsageMode", std::to_string(board.usageMode)},
        {"SpySyncAndCCS", "0"},
        {"BoardSubType", "0"},
    };
    if (board.flags.isa)
        s["IoBasePort"] = "0x280";
    else
        s["BoardSerialNumber"] = "77";
    for (int i = 0; i < c.pcms; ++i) {
        const std::string n = "[" + std::to_string(i) + "]";
        s["PcmSSx" + n] = std::to_string(c.signalling);
        s["Ss7CircuitMap" + n] = "0xffffffff";
        s["Ss7SignalingTS" + n] = "16";
        s["PcmClockMode" + n] = "0";
        s["PcmLinkType" + n] = "1";
        s["AutoCallInTimeSlot" + n] = "0,0";
        s["EnableAutoCall" + n] = "1";
        s["UseTS16AsCircuit" + n] = "0";
    }
    for (const auto &[key, value] : c.common)
        s[key] = value;
    return s;
}

BoardRecord newBoard(int code)
{
    BoardRecord board = detectedBoard(code, 77, 0);
    if (board.flags.isa) {
        // Detection never finds an ISA board: it is added by hand with its I/O port.
        board = BoardRecord{};
        applyClassRule(board, code);
        board.ioBasePort = 0x280;
        board.usedChannels = board.channelCount;
        fillBoardDefaults(board);
    }
    return board;
}

class BoardFamilyKeys : public ::testing::TestWithParam<FamilyCase>
{
};

TEST_P(BoardFamilyKeys, SectionHoldsExactlyTheFamilysKeysAndValues)
{
    const FamilyCase &c = GetParam();
    ConfigModel model;
    model.boards.push_back(newBoard(c.code));
    model.channels = defaultChannelTable(model.boards);
    model.settings.setSystem("TotalBoards", 1);
    test::TempDirectory dir;
    RecordingReporter reporter;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), model, reporter));

    const Section expected = join(c.own, commonKeys(c, model.boards[0]));
    Section written;
    for (const common::ProfileEntry &e : common::ProfileFile(dir.file("KtConfig.ini")).entries("BoardId=0"))
        written[e.key] = e.value;
    for (const auto &[key, value] : expected) {
        const auto it = written.find(key);
        if (it == written.end())
            ADD_FAILURE() << key << " is missing (expected \"" << value << "\")";
        else
            EXPECT_EQ(it->second, value) << key;
    }
    for (const auto &[key, value] : written)
        EXPECT_TRUE(expected.count(key)) << key << "=" << value << " does not belong to the section";
}

const Section kAnalog8 = optionTable(8);
const Section kIsa1Keys =
    only(kAnalog8, {"ChannelStyle", "DefaultPlayVolume", "DefaultSpeakVolume", "DefaultPlayFormat",
                    "DefaultRecordVolume", "DefaultRecordFormat", "DefaultRecordMixerVolume", "DefaultDtmfStopPlay",
                    "DtmfStopPlayCharSet", "DtmfStopRecCharSet", "TxDtmfTimePara", "ReceiveDtmfSensitive"});
const Section kVoice24Keys = [] {
    Section s = optionTable(24);
    s.erase("PhoneType");
    return s;
}();
const Section kChannelBankKeys = join({{"CBProtocolType", "0"}, {"CBChannelType", "0"}, {"DefaultStudyState", "0"}},
                                      channelRange(optionTable(0), 120));
// Model code 61 keeps one value where other boards keep sixteen.
const Section kCode61Common = {
    {"RcvDtmfOnIdle", "0"},         {"IsMagnetModule", "0"},         {"UnimoduleState", "1"},
    {"UserOnHookFilterTime", "64"}, {"HighAndLowFreqEnScale", "10"}, {"DualAndAllFreqEnScale", "12"},
    {"InVoiceToBus", "1"}};
const Section kDigitalCommon = {{"ClearInVoiceOnRxDtmf", "0"}, {"InVoiceToBus", "1"}};

INSTANTIATE_TEST_SUITE_P(
    Families, BoardFamilyKeys,
    ::testing::Values(
        FamilyCase{"analog", 6, 0, 0, kAnalog8, {}},
        FamilyCase{"analog, second family",
                   24,
                   0,
                   0,
                   join(optionTable(16), {{"DSTRecRawData", "0"}, {"DSP3WorkMode", "0"}}),
                   {}},
        FamilyCase{"ISA, first generation", 1, 0, 0, kIsa1Keys, {}},
        FamilyCase{"ISA, series 2",
                   2,
                   0,
                   0,
                   join(kIsa1Keys, only(kAnalog8, {"DefaultBargeInStopPlay", "BargeInSensitive", "BargeInDtrmTime",
                                                   "CallerIdStyle", "SetAnalogChToRecCh", "DisablePolarReverse",
                                                   "AutoSendDialTone", "DefaultDtmfIsSound"})),
                   {}},
        FamilyCase{"channel bank", 46, 0, 0, kChannelBankKeys, {{"InVoiceToBus", "1"}}},
        FamilyCase{"trunk board in channel-bank use", 86, 0, 0, kChannelBankKeys, {{"InVoiceToBus", "1"}}},
        FamilyCase{"recording", 61, 0, 0, join(join(optionTable(0), {{"DSTRecRawData", "0"}}), linkAgcKeys()),
                   kCode61Common},
        FamilyCase{"24-channel voice", 82, 0, 0, kVoice24Keys, {}},
        FamilyCase{"IP", 75, 0, 0, join(kIpKeys, optionTable(0)), {{"InVoiceToBus", "1"}}},
        FamilyCase{"without keys of its own", 7, 0, 0, {}, {}},
        FamilyCase{"digital trunk with fax", 40, 2, 7, join(kDigitalOptions, {{"MaxFaxChannel", "16"}}),
                   kDigitalCommon},
        FamilyCase{"monitoring", 39, 2, 0, kDigitalOptions, kDigitalCommon},
        FamilyCase{"voice resource", 57, 0, 0, kDigitalOptions, kDigitalCommon}));

} // namespace
} // namespace ktcticonfig
