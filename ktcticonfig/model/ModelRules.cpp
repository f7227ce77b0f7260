// Class rule and the code lists of the model table.
#include "ktcticonfig/model/ModelRules.h"

#include "ktcticonfig/model/ModelTable.h"

#include <algorithm>
#include <initializer_list>

namespace ktcticonfig {

namespace {

bool inList(int code, std::initializer_list<std::pair<int, int>> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const auto &r) { return code >= r.first && code <= r.second; });
}

} // namespace

std::uint16_t channelBankChannels(int code)
{
    if (inList(code, {{9, 11}, {15, 17}, {28, 30}, {41, 41}, {109, 111}, {121, 123}}))
        return 30;
    if (inList(code, {{12, 14}, {18, 20}, {31, 33}, {40, 40}, {43, 43}, {112, 114}, {124, 126}}))
        return 60;
    if (inList(code, {{21, 23}, {34, 36}, {86, 86}, {103, 105}, {118, 120}}))
        return 120;
    if (inList(code, {{87, 87}, {106, 108}, {115, 117}, {134, 134}}))
        return 240;
    return 0;
}

bool isLaterDigitalFamily(int code)
{
    return inList(code, {{65, 74}, {97, 132}, {134, 134}});
}

std::string_view digitalFaxChannels(int code)
{
    if (inList(code, {{40, 40}, {43, 43}, {81, 81}}))
        return "16";
    if (inList(code, {{41, 41}, {80, 80}}))
        return "24";
    if (inList(code, {{111, 111}, {123, 123}}))
        return "32";
    if (inList(code, {{105, 105}, {108, 108}, {114, 114}, {117, 117}, {120, 120}, {126, 126}}))
        return "64";
    return {};
}

bool isSmallFaxModel(int code)
{
    return code == 136 || code == 137;
}

bool applyClassRule(BoardRecord &board, int code)
{
    const ModelRow *row = modelRow(code);
    if (!row || code == 0)
        return false;
    board.modelCode = code;
    BoardFlags f;
    f.isa = row->bus == "ISA";
    const std::uint16_t bank = channelBankChannels(code);
    if (bank == 0)
        board.usageMode = 0;
    if (bank != 0 && board.usageMode == 1) {
        // In channel-bank use a trunk board counts as a voice board without PCM links.
        f.voice = true;
        board.flags = f;
        board.channelCount = bank;
        return true;
    }
    switch (row->boardClass) {
    case BoardClass::Voice:
        f.voice = true;
        break;
    case BoardClass::Recording:
        f.recording = true;
        break;
    case BoardClass::Monitoring:
        f.monitoring = true;
        break;
    case BoardClass::IpFirst:
        f.ip = true;
        break;
    case BoardClass::IpSecond:
        f.ip = f.ipSecond = true;
        break;
    case BoardClass::Digital:
        f.digital = true;
        break;
    case BoardClass::Resource:
        f.resource = true;
        break;
    case BoardClass::None:
        break;
    }
    board.flags = f;
    const bool e1 = board.options.get("CardType", "0") == "0";
    board.channelCount = e1 ? row->channels : row->channelsOther;
    if (code == 25 && board.options.get("DSP3WorkMode", "0") == "3")
        board.channelCount = 16;
    if (code == 135 && board.subType == 5)
        board.channelCount = 20;
    return true;
}

int modelPcmCount(const BoardRecord &board)
{
    const ModelRow *row = modelRow(board.modelCode);
    return row && board.flags.hasPcmLinks() ? row->pcms : 0;
}

} // namespace ktcticonfig
