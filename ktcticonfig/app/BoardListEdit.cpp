// Board list edits and clock-master rules.
#include "ktcticonfig/app/BoardListEdit.h"

#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace ktcticonfig {

namespace {

bool inRanges(int code, std::initializer_list<std::pair<int, int>> ranges)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const auto &r) { return code >= r.first && code <= r.second; });
}

// Voice, recording and IP models: boards that cannot supply the system clock.
bool cannotSupplyClock(int code)
{
    return inRanges(code, {{1, 3},
                           {6, 6},
                           {8, 8},
                           {24, 27},
                           {37, 38},
                           {45, 48},
                           {50, 54},
                           {61, 61},
                           {75, 79},
                           {82, 85},
                           {88, 96},
                           {135, 137}});
}

// Digital trunk models that can take the clock over from an analog board.
bool canTakeClock(int code)
{
    return code >= 9 && code <= 132 &&
           !inRanges(code,
                     {{24, 27}, {37, 38}, {45, 48}, {50, 54}, {61, 61}, {75, 79}, {82, 85}, {88, 96}, {103, 126}});
}

bool usesTs16AsCircuit(int code)
{
    return inRanges(code, {{42, 42}, {44, 44}, {55, 56}, {70, 73}});
}

int clockMaster(const ConfigModel &model)
{
    return model.settings.system("WhoSupplySysClock");
}

void setClockMaster(ConfigModel &model, int id)
{
    model.settings.setSystem("WhoSupplySysClock", id);
}

void swapBoards(ConfigModel &model, int a, int b)
{
    std::swap(model.boards[static_cast<std::size_t>(a)], model.boards[static_cast<std::size_t>(b)]);
}

} // namespace

void rebuildBoardDefaults(ConfigModel &model)
{
    model.settings.setSystem("TotalBoards", static_cast<std::int32_t>(model.boards.size()));
    model.channels = defaultChannelTable(model.boards);
    buildDefaultPcmList(model);
    model.ipBoardPresent =
        std::any_of(model.boards.begin(), model.boards.end(), [](const BoardRecord &b) { return b.modelCode == 75; });
}

std::uint16_t usedChannelCount(const BoardRecord &board)
{
    if (!isLaterDigitalFamily(board.modelCode) || board.usageMode == 1)
        return board.channelCount;
    const bool e1 = board.options.get("CardType", "0") == "0";
    int used = 0;
    for (const PcmLink &pcm : board.pcms) {
        used += e1 ? 30 : 23;
        if (pcm.signalling == 7 && pcm.ss7SignalingTs == (e1 ? 32 : 25))
            ++used;
        if (pcm.signalling == 1 && !e1)
            ++used;
    }
    const int code = board.modelCode;
    if (code == 105 || code == 108 || code == 114 || code == 117 || code == 120 || code == 126)
        used += 64;
    else if (code == 111 || code == 123)
        used += 32;
    else if (code == 134)
        used += 240;
    return static_cast<std::uint16_t>(used);
}

void chooseBoardModel(BoardRecord &board, int code)
{
    BoardRecord fresh;
    if (code > 0 && code <= kMaxModelCode) {
        fresh = detectedBoard(code, board.serialNumber, board.subType);
        const int signalling = modelRow(code)->signalling;
        for (std::size_t p = 0; p < fresh.pcms.size(); ++p) {
            PcmLink pcm;
            pcm.signalling = static_cast<std::uint8_t>(signalling < 0 ? 1 : signalling);
            pcm.clockMode = p == 0 ? 0 : 2;
            pcm.useTs16AsCircuit = usesTs16AsCircuit(code) ? 1 : 0;
            fresh.pcms[p] = pcm;
        }
        fresh.usedChannels = usedChannelCount(fresh);
    } else {
        fresh.serialNumber = board.serialNumber;
        fresh.subType = board.subType;
    }
    fresh.ioBasePort = board.ioBasePort;
    fresh.state = board.state;
    board = std::move(fresh);
}

int addBoard(ConfigModel &model)
{
    if (model.boards.size() >= static_cast<std::size_t>(kMaxBoards))
        return -1;
    BoardRecord board;
    board.serialNumber = 0;
    board.state = kBoardStateListed;
    model.boards.push_back(std::move(board));
    rebuildBoardDefaults(model);
    return static_cast<int>(model.boards.size()) - 1;
}

void deleteBoard(ConfigModel &model, int k)
{
    const int count = static_cast<int>(model.boards.size());
    if (k < 0 || k >= count)
        return;
    for (int i = k; i + 1 < count; ++i)
        swapBoards(model, i, i + 1);
    const int master = clockMaster(model);
    if (master > k) {
        setClockMaster(model, master - 1);
    } else if (master == k) {
        int next = 0;
        for (int i = 0; i + 1 < count; ++i)
            if (model.boards[static_cast<std::size_t>(i)].flags.hasPcmLinks()) {
                next = i;
                break;
            }
        setClockMaster(model, next);
    }
    model.boards.pop_back();
    rebuildBoardDefaults(model);
}

void exchangeBoards(ConfigModel &model, int a, int b)
{
    const int count = static_cast<int>(model.boards.size());
    if (a < 0 || b < 0 || a >= count || b >= count)
        return;
    swapBoards(model, a, b);
    const int master = clockMaster(model);
    if (master == a)
        setClockMaster(model, b);
    else if (master == b)
        setClockMaster(model, a);
    rebuildBoardDefaults(model);
}

bool clockMasterValid(const ConfigModel &model)
{
    return clockMaster(model) <= static_cast<int>(model.boards.size());
}

bool moveClockMasterOffAnalogBoard(ConfigModel &model)
{
    const int master = clockMaster(model);
    const int count = static_cast<int>(model.boards.size());
    if (master < 0 || master >= count || !cannotSupplyClock(model.boards[static_cast<std::size_t>(master)].modelCode))
        return false;
    for (int i = 0; i < count; ++i)
        if (canTakeClock(model.boards[static_cast<std::size_t>(i)].modelCode)) {
            setClockMaster(model, i);
            return true;
        }
    return false;
}

int defaultClockMaster(const ConfigModel &model)
{
    for (std::size_t i = 0; i < model.boards.size(); ++i)
        if (model.boards[i].flags.digital)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < model.boards.size(); ++i)
        if (model.boards[i].flags.ip)
            return static_cast<int>(i);
    return 0;
}

} // namespace ktcticonfig
