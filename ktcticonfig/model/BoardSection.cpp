// Reading and writing of board sections.
#include "ktcticonfig/model/BoardSection.h"

#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/GlobalSettingsIo.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/ModelTable.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace ktcticonfig {

namespace {

std::string indexed(const char *name, std::size_t i)
{
    return std::string(name) + "[" + std::to_string(i) + "]";
}

std::int32_t parseNumber(const std::string &text, std::int32_t fallback)
{
    if (text.empty())
        return fallback;
    // Base 0: the tool writes these keys in hexadecimal ("0x240") but decimal is read as well.
    return static_cast<std::int32_t>(std::strtoul(text.c_str(), nullptr, 0));
}

void readKey(const common::ProfileFile &file, const std::string &section, const BoardKeyDef &key, BoardRecord &board)
{
    if (key.optional && !file.value(section, key.name))
        return;
    const std::string def = boardKeyDefault(key, board);
    if (key.integer)
        board.options.set(key.name, std::to_string(file.readProfileInt(section, key.name, std::atoi(def.c_str()))));
    else
        board.options.set(key.name, file.readString(section, key.name, def, key.maxLength));
}

void readPcms(const common::ProfileFile &file, const std::string &s, int count, BoardRecord &board)
{
    board.pcms.assign(static_cast<std::size_t>(count), PcmLink{});
    for (std::size_t i = 0; i < board.pcms.size(); ++i) {
        PcmLink &p = board.pcms[i];
        p.signalling = static_cast<std::uint8_t>(file.readProfileInt(s, indexed("PcmSSx", i), 1));
        p.ss7SignalingTs = p.signalling == 7 ? file.readProfileInt(s, indexed("Ss7SignalingTS", i), 16) : 16;
        p.ss7CircuitMap = static_cast<std::uint32_t>(
            parseNumber(file.readString(s, indexed("Ss7CircuitMap", i), "0xffffffff", 19), -1));
        p.clockMode = static_cast<std::uint8_t>(file.readProfileInt(s, indexed("PcmClockMode", i), 0));
        p.linkType = static_cast<std::uint8_t>(file.readProfileInt(s, indexed("PcmLinkType", i), 1));
        p.useTs16AsCircuit = p.signalling == 1 ? 0 : file.readProfileInt(s, indexed("UseTS16AsCircuit", i), 0);
        p.enableAutoCall = file.readProfileInt(s, indexed("EnableAutoCall", i), 1);
        unsigned first = 0, n = 0;
        std::sscanf(file.readString(s, indexed("AutoCallInTimeSlot", i), "0,0", 19).c_str(), "%u,%u", &first, &n);
        p.callInFirstTs = static_cast<std::uint8_t>(first);
        p.callInCount = static_cast<std::uint8_t>(n);
    }
}

void writeKeys(ProfileWriter &w, const std::string &s, const std::vector<BoardKeyDef> &keys, const BoardRecord &board)
{
    for (const BoardKeyDef &k : keys)
        if (!k.optional || board.options.contains(k.name))
            w.write(s, k.name, board.options.get(k.name, boardKeyDefault(k, board)));
}

} // namespace

std::string boardSectionName(int boardId)
{
    return "BoardId=" + std::to_string(boardId);
}

bool isAcceptedIoBasePort(std::int32_t port)
{
    static const std::int32_t kPorts[] = {0x240,   0x248,   0x250,   0x260,   0x268,   0x270,  0x280,   0x340,
                                          0x348,   0x350,   0x360,   0x368,   0x370,   0x380,  0xC0000, 0xC4000,
                                          0xC8000, 0xCC000, 0xD0000, 0xD4000, 0xD8000, 0xDC000};
    return std::find(std::begin(kPorts), std::end(kPorts), port) != std::end(kPorts);
}

bool readBoardSection(const common::ProfileFile &file, int boardId, BoardRecord &board, Reporter &reporter)
{
    const std::string s = boardSectionName(boardId);
    board = BoardRecord{};
    const std::string name = file.readString(s, "BoardModel", "", 49);
    const int code = modelCodeByName(name);
    if (code == 0) {
        reporter.report("Error: item 'BoardModel=" + name + "' does not supported by this tool!");
        return true;
    }
    board.usageMode = file.readProfileInt(s, "UsageMode", 0);
    board.spySync = file.readProfileInt(s, "SpySyncAndCCS", 0);
    board.subType = static_cast<std::uint32_t>(file.readProfileInt(s, "BoardSubType", 0));
    // The class rule needs the line interface and DSP mode before the channel count is known.
    board.options.set("CardType", file.readString(s, "CardType", "0", 49));
    if (file.value(s, "DSP3WorkMode"))
        board.options.set("DSP3WorkMode", file.readString(s, "DSP3WorkMode", "0", 199));
    applyClassRule(board, code);

    if (board.flags.isa) {
        const std::int32_t port = parseNumber(file.readString(s, "IoBasePort", "576", 19), 576);
        board.ioBasePort = isAcceptedIoBasePort(port) ? port : 0x240;
    } else {
        board.serialNumber = static_cast<std::uint32_t>(file.readProfileInt(s, "BoardSerialNumber", 0));
        board.state = kBoardStateMatched;
    }
    if (board.flags.hasPcmLinks()) {
        const int count = file.readProfileInt(s, "PcmNumber", 1);
        if (count < 0 || count > kMaxPcmsPerBoard) {
            reporter.report("Error: 'PcmNumber' of board " + std::to_string(boardId) + " must be within 0 and 16!");
            return false;
        }
        readPcms(file, s, count, board);
    }
    for (const BoardKeyDef &k : headKeys())
        readKey(file, s, k, board);
    for (const BoardKeyDef &k : familyKeys(board))
        readKey(file, s, k, board);
    for (const BoardKeyDef &k : tailKeys())
        readKey(file, s, k, board);
    return true;
}

void writeBoardSection(ProfileWriter &w, int boardId, const BoardRecord &board, const GlobalSettings &settings)
{
    if (board.modelCode == 0)
        return;
    const std::string s = boardSectionName(boardId);
    w.write(s, "BoardModel", modelName(board.modelCode));
    writeKeys(w, s, headKeys(), board);
    if (board.flags.isa) {
        char port[16];
        std::snprintf(port, sizeof port, "0x%x", static_cast<unsigned>(board.ioBasePort));
        w.write(s, "IoBasePort", port);
    } else {
        w.write(s, "BoardSerialNumber", std::to_string(board.serialNumber));
    }
    w.writeInt(s, "PcmNumber", board.flags.hasPcmLinks() ? static_cast<long long>(board.pcms.size()) : 0);
    if (board.flags.hasPcmLinks())
        for (std::size_t i = 0; i < board.pcms.size(); ++i) {
            const PcmLink &p = board.pcms[i];
            char map[16];
            std::snprintf(map, sizeof map, "0x%08x", p.ss7CircuitMap);
            w.writeInt(s, indexed("PcmSSx", i), p.signalling);
            w.write(s, indexed("Ss7CircuitMap", i), map);
            w.writeInt(s, indexed("Ss7SignalingTS", i), p.ss7SignalingTs);
            w.writeInt(s, indexed("PcmClockMode", i), p.clockMode);
            w.writeInt(s, indexed("PcmLinkType", i), p.linkType);
            w.write(s, indexed("AutoCallInTimeSlot", i),
                    std::to_string(p.callInFirstTs) + "," + std::to_string(p.callInCount));
            w.writeInt(s, indexed("EnableAutoCall", i), p.enableAutoCall);
            w.writeInt(s, indexed("UseTS16AsCircuit", i), p.useTs16AsCircuit);
        }
    writeKeys(w, s, familyKeys(board), board);
    if (board.flags.ip) {
        writeGroup(w, KeyGroup::Sip, settings);
        writeGroup(w, KeyGroup::H323, settings);
    }
    writeKeys(w, s, tailKeys(), board);
    // Kept in the file although the driver's own list of board keys does not name them: without
    // them a board in channel-bank use would read back as a trunk board, and a 20-channel board of
    // a model that also comes with 16 channels would read back with 16.
    w.writeInt(s, "UsageMode", board.usageMode);
    w.writeInt(s, "SpySyncAndCCS", board.spySync);
    w.writeInt(s, "BoardSubType", static_cast<long long>(board.subType));
    if (familyWritesDEventUpdates(boardFamily(board)))
        w.writeInt("SystemConfig", "DEventUpdates", settings.system("DEventUpdates"));
}

} // namespace ktcticonfig
