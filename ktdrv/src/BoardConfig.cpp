// Reading of KtConfig.ini (board sections, application channel table, tone keys) and KtIndex.ini.
#include "ktdrv/src/BoardConfig.h"

#include "common/ProfileFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <set>

namespace ktdrv {
namespace {

constexpr int kMaxBoards = 20;
constexpr int kMaxAppChannels = 20000;

std::string where(const common::ProfileFile &file, std::string_view section, std::string_view key)
{
    for (const auto &e : file.entries(section))
        if (common::equalsIgnoreCase(e.key, key))
            return file.path() + ":" + std::to_string(e.line);
    return file.path();
}

bool leadingNumber(const std::string &text, int &out)
{
    auto t = common::trimBlanks(text);
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
    return ec == std::errc() && end != t.data();
}

void readTones(const common::ProfileFile &file, ToneTiming &t)
{
    const char *s = "SystemConfig";
    t.dialToneDetermineMs = file.readProfileInt(s, "IsDialToneDetermineTime", 1500);
    if (t.dialToneDetermineMs < 1200)
        t.dialToneDetermineMs = 1500;
    if (int v; leadingNumber(file.readString(s, "BusyTonePeriod", "700", 39), v) && v >= 20 && v <= 10000)
        t.busyPeriodMs = v;
    t.busyDetermineCount = file.readProfileInt(s, "IsBusyToneDetermineCount", 2);
    if (t.busyDetermineCount <= 0 || t.busyDetermineCount > 10)
        t.busyDetermineCount = 2;
    int on = 0, off = 0;
    if (std::sscanf(file.readString(s, "RingEchoTonePara", "1000,4000", 39).c_str(), "%d , %d", &on, &off) == 2 &&
        on >= 100 && off >= 100 && on <= 10000 && off <= 10000) {
        t.ringOnMs = on;
        t.ringOffMs = off;
    }
    t.secondAnalyzer = file.readProfileInt(s, "Enable2ndToneAnalyzer", 0) != 0;
    t.commaPauseMs = std::clamp(file.readProfileInt(s, "DefaultTxDelayTime", 2000), 0, 60000);
    t.rxDtmfBufSize = file.readProfileInt(s, "RxDtmfBufSize", 200);
    if (t.rxDtmfBufSize <= 0 || t.rxDtmfBufSize > 65535)
        t.rxDtmfBufSize = 200;
    t.maxPlayFileList = std::clamp(file.readProfileInt(s, "MaxPlayFileList", 256), 1, 65535);
}

bool readChannelTable(const common::ProfileFile &file, BoardConfig &config, std::string &error)
{
    const char *s = "AppChToBoardChTable";
    auto fail = [&](std::string_view key, const std::string &why) {
        error = where(file, s, key) + ": [" + s + "] " + why;
        return false;
    };
    int total = file.readInteger(s, "TotalAppCh", 0);
    if (total < 1 || total > kMaxAppChannels)
        return fail("TotalAppCh", "TotalAppCh must be 1..20000");
    config.channels.assign(static_cast<std::size_t>(total), AppChannel{});
    std::set<std::pair<int, int>> used;
    for (int n = 0; n < total;) {
        std::string key = "AppCh[" + std::to_string(n) + "]";
        std::string text = file.readString(s, key, "-1,-1", 29);
        int b = 0, first = 0, last = 0;
        char tail = 0;
        int run = 1;
        if (text.find("..") != std::string::npos) {
            if (std::sscanf(text.c_str(), "%d , %d .. %d %c", &b, &first, &last, &tail) != 3)
                return fail(key, key + "=" + text + ": expected board,first..last");
            if (last < first)
                return fail(key, key + "=" + text + ": the first channel exceeds the last");
            run = last - first + 1;
            if (n + run > total)
                return fail(key, key + "=" + text + ": the run goes beyond TotalAppCh");
            for (int k = n + 1; k < n + run; ++k) {
                int kb = -1, kc = -1;
                if (std::sscanf(file.readString(s, "AppCh[" + std::to_string(k) + "]", "-1,-1", 29).c_str(),
                                "%d , %d", &kb, &kc) == 2 && kb != -1 && kc != -1)
                    return fail("AppCh[" + std::to_string(k) + "]", "AppCh[" + std::to_string(k) +
                                "] lies inside the run of " + key + ": duplicate channel number");
            }
        } else if (std::sscanf(text.c_str(), "%d , %d %c", &b, &first, &tail) != 2) {
            return fail(key, key + "=" + text + ": expected board,channel");
        }
        for (int i = 0; i < run; ++i) {
            int c = first + i;
            if (b == -1 && c == -1)
                continue;
            if (b < 0 || b >= static_cast<int>(config.boards.size()) || c < 0)
                return fail(key, key + "=" + text + ": no such board channel");
            if (!used.insert({b, c}).second)
                return fail(key, key + "=" + text + ": board " + std::to_string(b) + " channel " +
                                     std::to_string(c) + " is mapped twice");
            config.channels[static_cast<std::size_t>(n + i)] = {b, c};
        }
        n += run;
    }
    if (used.empty())
        return fail("TotalAppCh", "no application channel is mapped to a board channel");
    return true;
}

} // namespace

std::optional<BoardConfig> loadBoardConfig(const std::string &path, std::string &error)
{
    common::ProfileFile file(path);
    if (!file.exists()) {
        error = path + ": " + (file.loadError().empty() ? "file not found" : file.loadError());
        return std::nullopt;
    }
    BoardConfig config;
    config.path = path;
    int total = file.readInteger("SystemConfig", "TotalBoards", -1);
    if (total < 1 || total > kMaxBoards) {
        error = where(file, "SystemConfig", "TotalBoards") + ": [SystemConfig] TotalBoards must be 1..20";
        return std::nullopt;
    }
    for (int n = 0; n < total; ++n) {
        std::string section = "BoardId=" + std::to_string(n);
        if (!file.hasSection(section)) {
            error = path + ": section [" + section + "] is missing (TotalBoards=" + std::to_string(total) + ")";
            return std::nullopt;
        }
        ConfiguredBoard board;
        board.id = n;
        board.model = file.readString(section, "BoardModel", "", 49);
        if (auto serial = file.value(section, "BoardSerialNumber")) {
            long long v = 0;
            auto t = common::trimBlanks(*serial);
            auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
            if (ec != std::errc() || end != t.data() + t.size() || v < 0 || v > 0xFFFFFFFFLL) {
                error = where(file, section, "BoardSerialNumber") + ": [" + section + "] BoardSerialNumber '" +
                        *serial + "' is not an unsigned 32-bit number";
                return std::nullopt;
            }
            board.hasSerial = true;
            board.serialNumber = static_cast<unsigned>(v);
        }
        config.boards.push_back(std::move(board));
    }
    if (!readChannelTable(file, config, error))
        return std::nullopt;
    readTones(file, config.tones);
    config.logFilePath = file.readString("DebugView", "LogFilePath", "NULL", 259);
    config.apiLogEnable = file.readProfileInt("DebugView", "ApiLogEnable", 0);
    return config;
}

std::optional<VoiceIndex> loadVoiceIndex(const std::string &path, std::string &error)
{
    common::ProfileFile file(path);
    if (!file.exists()) {
        error = path + ": " + (file.loadError().empty() ? "file not found" : file.loadError());
        return std::nullopt;
    }
    if (!file.hasSection("Index")) {
        error = path + ": section [Index] is missing";
        return std::nullopt;
    }
    auto dir = std::filesystem::path(path).parent_path();
    VoiceIndex index;
    for (const auto &e : file.entries("Index")) {
        if (e.value.empty()) {
            error = path + ":" + std::to_string(e.line) + ": [Index] " + e.key + " names no file";
            return std::nullopt;
        }
        std::string value = e.value;
        // Index files written on Windows separate folders with backslashes.
        for (char &c : value)
            if (c == '\\')
                c = '/';
        std::filesystem::path p(value);
        index[e.key] = (p.is_absolute() || dir.empty() ? p : dir / p).string();
    }
    return index;
}

} // namespace ktdrv
