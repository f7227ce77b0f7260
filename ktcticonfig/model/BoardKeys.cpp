// Board section keys by family.
#include "ktcticonfig/model/BoardKeys.h"

#include "common/Text.h"
#include "ktcticonfig/model/ModelRules.h"

#include <algorithm>

namespace ktcticonfig {

namespace {

using K = DefaultKind;

constexpr BoardKeyDef list(std::string_view name, std::string_view element)
{
    return {name, K::PerChannel, element, false, 199};
}
constexpr BoardKeyDef fixed(std::string_view name, std::string_view value, std::size_t max = 199)
{
    return {name, K::Fixed, value, false, max};
}
constexpr BoardKeyDef integer(std::string_view name, std::string_view value)
{
    return {name, K::Fixed, value, true, 0};
}

enum Tag : unsigned
{
    Play = 1,
    Record = 2,
    Dtmf = 4,
    BargeIn = 8,
    BoardList = 16,
    Other = 32,
};

struct TaggedKey
{
    BoardKeyDef key;
    unsigned tags;
};

// The channel option table. Keys that are also head or tail keys (FilterInvalidCID,
// EnableEchoCancellor, InVoiceToBus, the AGC values, ...) are read and written with those.
const TaggedKey kOptionTable[] = {
    {list("DefaultPlayVolume", "0"), Play},
    {list("DefaultSpeakVolume", "0"), Play},
    {list("DefaultRecordVolume", "0"), Record},
    {list("DefaultDtmfStopPlay", "0"), Dtmf},
    {list("OmitABCD", "0"), Other},
    {list("DtrmOnDtmfHighLevel", "0"), Other},
    {list("RestrainPlay", "0"), Other},
    {list("HangupStopRec", "0"), Other},
    {list("HangupStopPlay", "0"), Other},
    {list("DefaultBargeInStopPlay", "0"), BargeIn},
    {list("AutoSendDialTone", "0"), Other},
    {list("IgnoreLineVoltage", "0"), Other},
    {list("MicGain", "0"), Other},
    {list("SetAnalogChToRecCh", "0"), Other},
    {list("DisablePolarReverse", "0"), Other},
    {list("DefaultPlayFormat", "6"), Play},
    {list("DefaultRecordFormat", "6"), Record},
    {list("DefaultRecordMixerVolume", "-7"), Record},
    {list("CallerIdStyle", "1"), Other},
    {list("DefaultPausePlayOnRxDtmf", "1"), Other},
    {list("DefaultDtmfIsSound", "1"), Other},
    {list("StopSendDialToneOnDtmf", "1"), Other},
    {list("BargeInSensitive", "4"), BargeIn},
    {list("BargeInDtrmTime", "32"), BargeIn},
    {list("IsHangupDtrmVoltage", "26"), Other},
    {{"DtmfStopPlayCharSet", K::CharSets, "{0123456789*#abcd}", false, 1023}, Dtmf},
    {{"DtmfStopRecCharSet", K::CharSets, "{}", false, 1023}, Dtmf},
    {list("TxDtmfTimePara", "{80,80}"), Dtmf},
    {fixed("ReceiveDtmfSensitive", "3"), Dtmf},
    {fixed("DefaultSendToneFrequence", "450,0"), Other},
    {fixed("DefaultSendToneVolume", "0,-7"), Other},
    {fixed("VoiceEnergyMinValue", "100000"), Other},
    {fixed("ConfirmSilenceTime", "2000"), Other},
    {fixed("ConfirmAdjustFinishTime", "160"), Other},
    {fixed("UserChGenerateRingMode", "0"), Other},
    {fixed("DefaultToneCheckState", ""), Other},
    {fixed("ChannelStyle", ""), Other},
    {fixed("UserSendPolar", ""), Other},
    {integer("RunAsSpy", "0"), Other},
    {{"PhoneType", K::Sixteen, "0", false, 199}, BoardList},
};

const std::vector<BoardKeyDef> kHead = {
    fixed("PBXType", "ALCATEL", 49),
    fixed("SupplyBoardClockLine", "-1", 9),
    integer("LinkFromStopPlayAndTone", "1"),
    {"FilterInvalidCID", K::Sixteen, "0", false, 199},
};

const std::vector<BoardKeyDef> kTail = {
    fixed("EnableEchoCancellor", "1", 49),
    fixed("CardType", "0", 49),
    integer("AGCMAXGAIN", "255"),
    integer("AGCMINGAIN", "6"),
    integer("AGCMAXLEVEL", "3200000"),
    integer("AGCMINLEVEL", "2560000"),
    integer("AGCDOWNRATIO", "35"),
    integer("AGCUPRATIO", "1"),
    integer("AGCKEEPTIME", "0"),
    integer("DtmfEnergy", "0"),
    {"RcvDtmfOnIdle", K::Sixteen61, "0", false, 199},
    {"IsMagnetModule", K::Sixteen61, "0", false, 199},
    fixed("UnimoduleState", "1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1"),
    {"UserOnHookFilterTime", K::Sixteen61, "64", false, 199},
    integer("ResetBoardOnClose", "1"),
    integer("AlwaysEnableRxDtmf", "0"),
    integer("AlwaysDetectBargeIn", "0"),
    integer("DefaultVoiceFormat", "6"),
    integer("DspCoder", "131"),
    fixed("ClearInVoiceOnRxDtmf", ""),
    list("InVoiceToBus", "1"),
    {"HighAndLowFreqEnScale", K::Sixteen61, "10", false, 199},
    {"DualAndAllFreqEnScale", K::Sixteen61, "12", false, 199},
    integer("ToneAnalyzeAtRcvFsk", "0"),
    integer("TAARFDetermineEnergy", "100000"),
};

const BoardKeyDef kIpKeys[] = {
    fixed("BoardIP", "0.0.0.0"),     fixed("LocalIp", "0.0.0.0"),    fixed("Submask", "255.255.255.0"),
    fixed("Gateway", "0.0.0.0"),     integer("LocalPort", "5060"),   fixed("RTPRange", "1024,5300"),
    fixed("DisplayName", "unknown"), integer("SendDtmfType", "0"),   fixed("AudioCodecList", "6,7,131"),
    fixed("Domain", ""),             integer("RegExpires", "3600"),  integer("Register", "0"),
    fixed("UserName", ""),           fixed("RegPassword", ""),       fixed("RegRealm", ""),
    integer("ProtocolType", "0"),    integer("RecvDtmfType", "0"),
};

const BoardKeyDef kLinkAgcKeys[] = {
    integer("AGCMAXLEVELUPLINK", "3200000"),   integer("AGCMINLEVELUPLINK", "2560000"),
    integer("AGCMAXGAINUPLINK", "255"),        integer("AGCMINGAINUPLINK", "6"),
    integer("AGCDOWNRATIOUPLINK", "35"),       integer("AGCUPRATIOUPLINK", "1"),
    integer("AGCKEEPTIMEUPLINK", "0"),         integer("AGCMAXLEVELDOWNLINK", "3200000"),
    integer("AGCMINLEVELDOWNLINK", "2560000"), integer("AGCMAXGAINDOWNLINK", "255"),
    integer("AGCMINGAINDOWNLINK", "6"),        integer("AGCDOWNRATIODOWNLINK", "35"),
    integer("AGCUPRATIODOWNLINK", "1"),        integer("AGCKEEPTIMEDOWNLINK", "0"),
};

// The single-value channel options of the digital trunk, monitoring and resource boards (their CardType,
// ClearInVoiceOnRxDtmf and InVoiceToBus are written with the tail keys).
const BoardKeyDef kDigitalKeys[] = {
    fixed("DefaultPlayVolume", "0"),         fixed("DefaultPlayFormat", "6"),
    fixed("DefaultDtmfStopPlay", "0"),       fixed("DefaultBargeInStopPlay", "0"),
    fixed("DefaultRecordMixerVolume", "-7"), fixed("DefaultRecordFormat", "6"),
    fixed("DefaultRecordVolume", "0"),       fixed("DefaultSendToneFrequence", "450,0"),
    fixed("DefaultSendToneVolume", "0,-7"),  fixed("TxDtmfTimePara", "{80,80}"),
    fixed("VoiceEnergyMinValue", "100000"),  fixed("ReceiveDtmfSensitive", "3"),
    fixed("BargeInSensitive", "4"),          fixed("BargeInDtrmTime", "32"),
    fixed("DtrmOnDtmfHighLevel", "0"),       fixed("OmitABCD", "0"),
    fixed("DefaultToneCheckState", "0"),     integer("RunAsSpy", "0"),
    fixed("HangupStopRec", "0"),             fixed("HangupStopPlay", "0"),
    fixed("DtmfStopPlayCharSet", "{0123456789*#abcd}", 1023),
    fixed("DtmfStopRecCharSet", "{}", 1023),
    fixed("DefaultDtmfIsSound", "1"),        fixed("DefaultPausePlayOnRxDtmf", "1"),
    fixed("DefaultSpeakVolume", "0"),
};

// Whether a recording board keeps its recordings in the driver's binary voice format; unset means off.
constexpr BoardKeyDef kBinVoiceFormat = {"BinVoiceFormat", K::Fixed, "0", true, 0, true};

// Keys of the head and tail sets that a family writes with a value of its own: the digital trunk,
// monitoring and resource boards write ClearInVoiceOnRxDtmf as "0" where the other families leave it empty.
struct FamilyValue
{
    BoardFamily family;
    std::string_view key;
    std::string_view value;
};

const FamilyValue kFamilyValues[] = {
    {BoardFamily::Digital, "ClearInVoiceOnRxDtmf", "0"},
};

bool inSet(const std::vector<BoardKeyDef> &set, std::string_view name)
{
    return std::any_of(set.begin(), set.end(), [name](const BoardKeyDef &k) { return common::equalsIgnoreCase(k.name, name); });
}

void addTable(std::vector<BoardKeyDef> &out, unsigned tags)
{
    for (const TaggedKey &k : kOptionTable)
        if (k.tags & tags)
            out.push_back(k.key);
}

constexpr unsigned kAllTags = Play | Record | Dtmf | BargeIn | BoardList | Other;

bool singleElementFamily(BoardFamily f)
{
    return f == BoardFamily::Digital || f == BoardFamily::Ip || f == BoardFamily::Recording ||
           f == BoardFamily::ChannelBank;
}

std::string repeat(std::string_view element, int count)
{
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += element;
    }
    return out;
}

} // namespace

BoardFamily boardFamily(const BoardRecord &board)
{
    const int c = board.modelCode;
    auto any = [c](std::initializer_list<int> codes) { return std::find(codes.begin(), codes.end(), c) != codes.end(); };
    if (board.usageMode == 1 && channelBankChannels(c) != 0)
        return BoardFamily::ChannelBank;
    if (any({6, 26, 50, 51, 53, 54, 79, 136, 137, 27, 77}))
        return BoardFamily::Analog;
    if (any({3, 8, 45, 24, 37, 48, 25, 38, 47, 76, 78, 135}))
        return BoardFamily::Analog2;
    if (c == 1)
        return BoardFamily::Isa1;
    if (c == 2)
        return BoardFamily::Isa2;
    if (c == 46 || c == 52)
        return BoardFamily::ChannelBank;
    if (any({61, 93, 94, 95, 96, 133}))
        return BoardFamily::Recording;
    if (c >= 82 && c <= 85)
        return BoardFamily::Voice24;
    if (c == 75 || (c >= 88 && c <= 92))
        return BoardFamily::Ip;
    if (any({4, 5, 7}))
        return BoardFamily::Plain;
    return BoardFamily::Digital;
}

const std::vector<BoardKeyDef> &headKeys()
{
    return kHead;
}

const std::vector<BoardKeyDef> &tailKeys()
{
    return kTail;
}

bool familyWritesDEventUpdates(BoardFamily family)
{
    return family == BoardFamily::Analog2 || family == BoardFamily::Recording;
}

std::vector<BoardKeyDef> familyKeys(const BoardRecord &board)
{
    const int c = board.modelCode;
    std::vector<BoardKeyDef> out;
    switch (boardFamily(board)) {
    case BoardFamily::Analog:
        addTable(out, kAllTags);
        if (c == 27 || c == 77)
            out.push_back(fixed("MaxFaxChannel", ""));
        break;
    case BoardFamily::Analog2:
        addTable(out, kAllTags);
        out.push_back(fixed("DSTRecRawData", "0"));
        if (c == 24 || c == 37 || c == 48 || c == 25 || c == 38 || c == 47 || c == 76 || c == 78 || c == 135)
            out.push_back(fixed("DSP3WorkMode", c == 47 ? "3" : "0"));
        if (c == 25 || c == 38 || c == 47 || c == 76 || c == 78 || c == 135)
            out.push_back(fixed("MaxFaxChannel", ""));
        break;
    case BoardFamily::Isa1:
        out.push_back(fixed("ChannelStyle", ""));
        addTable(out, Play | Record | Dtmf);
        break;
    case BoardFamily::Isa2:
        out.push_back(fixed("ChannelStyle", ""));
        addTable(out, Play | Record | Dtmf | BargeIn);
        for (const char *name : {"CallerIdStyle", "SetAnalogChToRecCh", "DisablePolarReverse", "AutoSendDialTone",
                                 "DefaultDtmfIsSound"})
            for (const TaggedKey &k : kOptionTable)
                if (k.key.name == name)
                    out.push_back(k.key);
        break;
    case BoardFamily::ChannelBank:
        out.push_back(fixed("CBProtocolType", "0"));
        out.push_back(fixed("CBChannelType", "0"));
        out.push_back(fixed("DefaultStudyState", "0"));
        addTable(out, kAllTags);
        break;
    case BoardFamily::Recording:
        addTable(out, kAllTags);
        out.push_back(fixed("DSTRecRawData", "0"));
        out.insert(out.end(), std::begin(kLinkAgcKeys), std::end(kLinkAgcKeys));
        break;
    case BoardFamily::Voice24:
        addTable(out, kAllTags & ~BoardList);
        break;
    case BoardFamily::Ip:
        out.insert(out.end(), std::begin(kIpKeys), std::end(kIpKeys));
        addTable(out, kAllTags);
        break;
    case BoardFamily::Plain:
        break;
    case BoardFamily::Digital:
        out.insert(out.end(), std::begin(kDigitalKeys), std::end(kDigitalKeys));
        if (!digitalFaxChannels(c).empty())
            out.push_back(fixed("MaxFaxChannel", digitalFaxChannels(c)));
        break;
    }
    if (board.flags.recording)
        out.push_back(kBinVoiceFormat);
    std::erase_if(out, [](const BoardKeyDef &k) { return inSet(kHead, k.name) || inSet(kTail, k.name); });
    return out;
}

std::string boardKeyDefault(const BoardKeyDef &key, const BoardRecord &board)
{
    const BoardFamily family = boardFamily(board);
    const bool single = singleElementFamily(family);
    const int channels = board.channelCount;
    std::string value;
    switch (key.kind) {
    case K::Fixed:
        value = std::string(key.element);
        break;
    case K::PerChannel:
        value = single ? std::string(key.element) : repeat(key.element, channels);
        break;
    case K::CharSets:
        value = single ? std::string(key.element) : "{" + repeat(key.element, channels) + "}";
        break;
    case K::Sixteen:
        value = repeat(key.element, 16);
        break;
    case K::Sixteen61:
        value = board.modelCode == 61 ? std::string(key.element) : repeat(key.element, 16);
        break;
    }
    if (key.name == "UnimoduleState" && board.modelCode == 61)
        value = "1";
    for (const FamilyValue &own : kFamilyValues)
        if (own.family == family && own.key == key.name)
            value = std::string(own.value);
    // Channel-bank boards name the channel range their channel options apply to.
    if (family == BoardFamily::ChannelBank && !key.integer && key.kind != K::Sixteen && key.kind != K::Sixteen61 &&
        !inSet(kHead, key.name) && !inSet(kTail, key.name) && key.name.substr(0, 2) != "CB" &&
        key.name != "DefaultStudyState")
        value = "[0," + std::to_string(channels - 1) + "]:" + value;
    return value;
}

void fillBoardDefaults(BoardRecord &board)
{
    const std::vector<BoardKeyDef> family = familyKeys(board);
    for (const auto *set : {&kHead, &family, &kTail})
        for (const BoardKeyDef &k : *set)
            if (!k.optional && !board.options.contains(k.name))
                board.options.set(k.name, boardKeyDefault(k, board));
}

} // namespace ktcticonfig
