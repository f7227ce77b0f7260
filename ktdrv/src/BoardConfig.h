// What the board reads from KtConfig.ini (boards, channel table, tone and DTMF timing) and KtIndex.ini.
#pragma once

#include "common/Text.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ktdrv {

struct ConfiguredBoard
{
    int id = 0;
    std::string model;
    bool hasSerial = false;   ///< false for boards addressed by I/O port
    unsigned serialNumber = 0;
};

struct AppChannel
{
    int board = -1;
    int boardChannel = -1;
};

/// Tone cadences and timings that shape what the analysers report.
struct ToneTiming
{
    int dialToneDetermineMs = 1500;
    int busyPeriodMs = 700;       ///< one on-off period
    int busyDetermineCount = 2;   ///< periods until busy is reported
    int ringOnMs = 1000;
    int ringOffMs = 4000;
    bool secondAnalyzer = false;
    int commaPauseMs = 2000;      ///< ',' in a dial string
    int rxDtmfBufSize = 200;
    int maxPlayFileList = 256;
};

struct BoardConfig
{
    std::string path;
    std::vector<ConfiguredBoard> boards;
    std::vector<AppChannel> channels;   ///< by application channel
    ToneTiming tones;
    std::string logFilePath;            ///< [DebugView] LogFilePath; "NULL" or empty: none
    int apiLogEnable = 0;
};

using VoiceIndex = std::unordered_map<std::string, std::string, common::IgnoreCaseHash, common::IgnoreCaseEqual>;

/// Reads KtConfig.ini; on failure nothing, and error names file, line and reason.
std::optional<BoardConfig> loadBoardConfig(const std::string &path, std::string &error);

/// Reads section [Index] of KtIndex.ini: name=file path (relative paths from the file's folder).
std::optional<VoiceIndex> loadVoiceIndex(const std::string &path, std::string &error);

} // namespace ktdrv
