// Refreshing the serial numbers of boards waiting to be re-identified.
#include "ktcticonfig/detect/SerialRefresh.h"

#include "ktcticonfig/model/ModelTable.h"

#include <algorithm>

namespace ktcticonfig {

namespace {

constexpr int kRefreshDeviceIndices = 10;

int cpciFamily(int code)
{
    if (code >= 28 && code <= 36)
        return (code - 28) / 3;
    return -1;
}

struct Answer
{
    int code;
    std::uint32_t serial;
};

} // namespace

bool sameBoardModel(int a, int b)
{
    return a == b || (cpciFamily(a) >= 0 && cpciFamily(a) == cpciFamily(b));
}

std::vector<int> refreshSerialNumbers(std::vector<BoardRecord> &boards, DeviceProbe &probe)
{
    std::vector<int> changed;
    for (std::size_t pass = 0; pass < boards.size(); ++pass) {
        std::vector<Answer> answers;
        for (int n = 0; n < kRefreshDeviceIndices; ++n) {
            ProbedDevice device;
            if (probe.probe(n, device) != ProbeResult::Found)
                continue;
            const int code = modelCodeByName(modelNameByHardwareId(static_cast<std::uint8_t>(device.modelValue & 0xFF)));
            // A device that already stands for a board is not handed to a second one.
            const bool taken = std::any_of(boards.begin(), boards.end(), [&](const BoardRecord &b) {
                return b.state == kBoardStateMatched && b.serialNumber == device.serialNumber;
            });
            if (code != 0 && !taken)
                answers.push_back({code, device.serialNumber});
        }
        for (std::size_t b = 0; b < boards.size(); ++b) {
            BoardRecord &board = boards[b];
            if (board.state != kBoardStateWaiting)
                continue;
            const auto it = std::find_if(answers.begin(), answers.end(),
                                         [&](const Answer &a) { return sameBoardModel(a.code, board.modelCode); });
            if (it == answers.end())
                continue;
            board.serialNumber = it->serial;
            board.state = kBoardStateMatched;
            changed.push_back(static_cast<int>(b));
            break;
        }
    }
    return changed;
}

} // namespace ktcticonfig
