// The application channel table of [AppChToBoardChTable]: which board channel each application
// channel number stands for; read with its checks, written as runs, built by default after detection.
#pragma once

#include "common/ProfileFile.h"
#include "ktcticonfig/model/BoardRecord.h"
#include "ktcticonfig/model/ProfileWriter.h"
#include "ktcticonfig/model/Reporter.h"

#include <vector>

namespace ktcticonfig {

inline constexpr int kMaxAppChannels = 20000;
inline constexpr int kAppChannelUnmapped = 0;
inline constexpr int kAppChannelMapped = 2;

struct AppChannel
{
    int board = -1;
    int channel = -1;
    int state = kAppChannelUnmapped;
    bool operator==(const AppChannel &) const = default;
};

using ChannelTable = std::vector<AppChannel>;

/// Reads and checks the table; recomputes the used channel count of every board. A failure is
/// reported with its own message and returns false (the table is then not to be relied on).
bool readChannelTable(const common::ProfileFile &file, std::vector<BoardRecord> &boards, ChannelTable &table,
                      Reporter &reporter);

/// Writes TotalAppCh, deletes the old AppCh keys and writes the mapped entries as runs.
void writeChannelTable(ProfileWriter &writer, const ChannelTable &table, const std::vector<BoardRecord> &boards);

/// Board channels 0..used-1 of every board in list order, on consecutive application channels.
ChannelTable defaultChannelTable(const std::vector<BoardRecord> &boards);

} // namespace ktcticonfig
