// Board detection and the defaults that follow from it.
#include "ktcticonfig/detect/DetectionPass.h"

#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/IsdnLink.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"

#include <cstdio>

namespace ktcticonfig {

BoardRecord detectedBoard(int code, std::uint32_t serialNumber, std::uint32_t subType)
{
    BoardRecord board;
    board.serialNumber = serialNumber;
    board.subType = subType;
    // These two trunk boards serve channel banks unless the user says otherwise.
    board.usageMode = code == 86 || code == 87 ? 1 : 0;
    board.spySync = 0;
    board.options.set("CardType", "0");
    applyClassRule(board, code);
    const ModelRow *row = modelRow(code);
    // Where the used count equals the channel count ("as channels") it follows the sub-type as well.
    board.usedChannels = board.usageMode == 1 || row->used == row->channels ? board.channelCount : row->used;
    if (board.flags.hasPcmLinks()) {
        PcmLink pcm;
        pcm.signalling = static_cast<std::uint8_t>(row->signalling < 0 ? 1 : row->signalling);
        board.pcms.assign(row->pcms, pcm);
    }
    fillBoardDefaults(board);
    return board;
}

void buildDefaultPcmList(ConfigModel &model)
{
    model.pcmList.clear();
    const std::size_t userList = listIndex("ISDN", "TotalUserLinker");
    const std::size_t netList = listIndex("ISDN", "TotalNetLinker");
    auto &userLinks = model.settings.list(userList);
    auto &netLinks = model.settings.list(netList);
    userLinks.clear();
    netLinks.clear();
    for (std::size_t b = 0; b < model.boards.size(); ++b) {
        const BoardRecord &board = model.boards[b];
        const bool spy = board.options.get("RunAsSpy", "0") != "0";
        for (std::size_t p = 0; p < board.pcms.size(); ++p) {
            const std::string index = std::to_string(model.pcmList.size());
            model.pcmList.push_back(std::to_string(b) + "," + std::to_string(p));
            if (spy)
                continue;
            const std::uint8_t signalling = board.pcms[p].signalling;
            if (signalling != 0 && signalling != 2)
                continue;
            // A link: its PCM list number, the PCM on its board and the default link parameters.
            ListRow link = defaultListRow(signalling == 0 ? userList : netList);
            link[kLinkPcm] = index;
            link[kLinkLocalPcm] = std::to_string(p);
            (signalling == 0 ? userLinks : netLinks).push_back(std::move(link));
        }
    }
}

bool loadModel(const std::string &path, bool detect, DeviceProbe &probe, ConfigModel &model, Reporter &reporter,
               std::string *error)
{
    if (!detect)
        return readModel(path, model, reporter, error);
    model = ConfigModel{};
    return runDetection(model, probe, reporter, error);
}

bool runDetection(ConfigModel &model, DeviceProbe &probe, Reporter &reporter, std::string *error)
{
    model.boards.clear();
    model.channels.clear();
    model.pcmList.clear();
    model.ipBoardPresent = false;
    // Every SS7 link of a detected board starts as a TUP link, outside the ISUP PCM list.
    model.settings.list(listIndex("ISUP", "TotalIsupPcm")).clear();
    for (int n = 0; n < kProbedDeviceIndices && model.boards.size() < kMaxBoards; ++n) {
        ProbedDevice device;
        const ProbeResult result = probe.probe(n, device);
        if (result == ProbeResult::Failed) {
            // The driver's reason, not "no board": a board may well be there.
            model.boards.clear();
            if (error)
                *error = probe.failure().empty() ? "Board detection failed." : probe.failure();
            return false;
        }
        if (result != ProbeResult::Found)
            continue;
        const std::uint8_t hardwareId = static_cast<std::uint8_t>(device.modelValue & 0xFF);
        const int code = modelCodeByName(modelNameByHardwareId(hardwareId));
        if (code == 0) {
            char text[96];
            std::snprintf(text, sizeof text, "Board Model=0x%x SN=%d\n\n Unsupported board model!", hardwareId,
                          static_cast<int>(device.serialNumber));
            reporter.report(text);
            continue;
        }
        model.boards.push_back(detectedBoard(code, device.serialNumber, device.subType));
        if (code == 75)
            model.ipBoardPresent = true;
    }
    if (model.boards.empty()) {
        if (error)
            *error = kNoBoardText;
        return false;
    }
    model.settings.setSystem("TotalBoards", static_cast<std::int32_t>(model.boards.size()));
    model.settings.setSystem("SysIntNo", 3);
    buildDefaultPcmList(model);
    model.channels = defaultChannelTable(model.boards);
    return true;
}

} // namespace ktcticonfig
