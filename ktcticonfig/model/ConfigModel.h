// The tool's whole model of KtConfig.ini: global settings, board list, PCM list and channel table,
// with the read of the file (rules, repairs, checks) and the write in the driver's order.
#pragma once

#include "ktcticonfig/model/BoardRecord.h"
#include "ktcticonfig/model/ChannelTable.h"
#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/Reporter.h"

#include <string>
#include <vector>

namespace ktcticonfig {

inline constexpr const char *kReadFailedText = "Read KtConfigFile error!";

struct ConfigModel
{
    GlobalSettings settings;
    std::vector<BoardRecord> boards; ///< at most kMaxBoards; the position is the board ID
    std::vector<std::string> pcmList; ///< "board,pcm" texts in application PCM order
    ChannelTable channels;
    bool ipBoardPresent = false;

    bool operator==(const ConfigModel &) const = default;
};

/// Reads the file into model. Repairs are written back to the file during the read. A missing file
/// is reported and read as defaults. On failure the one-line error text is set (the failure's own
/// message has been reported already) and false is returned.
bool readModel(const std::string &path, ConfigModel &model, Reporter &reporter, std::string *error);

/// Writes every section of the model to the file at path, which reaches the disk once. False when
/// the write failed (reported with the write failure message).
bool writeModel(const std::string &path, const ConfigModel &model, Reporter &reporter);

/// The message for a missing file.
std::string missingFileMessage(const std::string &path);

} // namespace ktcticonfig
