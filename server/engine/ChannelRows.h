// The operator's view of the channels: each channel's row in the trunk or station list, and the memo
// line of a transfer.
#pragma once

#include "server/engine/ChannelRecord.h"
#include "server/engine/Clock.h"
#include "server/engine/Display.h"
#include "server/settings/Settings.h"

#include <array>
#include <string>
#include <string_view>

namespace server {

/// A channel number as the memo and talk records show it: number + 1, two digits at least ("07").
std::string TwoDigitChannel(int c);

class ChannelRows
{
public:
    /// Rows of the channels of that table, by their kinds; trunk rows by TrunkRow, station rows by
    /// StationRow.
    ChannelRows(Display &display, const Clock &clock, const ChannelTables &tables,
                const std::array<ChannelRecord, kMaxChannels> &channels)
        : m_display(display), m_clock(clock), m_tables(tables), m_channels(channels)
    {
    }

    void ShowTrunkStatus(int c, std::string_view text);
    void ShowTrunkKeys(int c);
    void ShowStationStatus(int c, std::string_view text);
    void ShowIdle(int c);
    void ShowOffHook(int c);
    void ShowLineState(int c, std::string_view text);
    void ShowTrunkDialled(int c, std::string_view text);
    void ShowStationDialled(int c, std::string_view text);
    void ShowClosed(int c);
    /// The memo line of a transfer: station -1 when no agent answered ("00").
    void AddTransferMemo(int trunk, int station, const std::string &phone);

private:
    /// The list and row of channel c by its kind; false for a channel in neither list.
    bool rowOf(int c, ChannelList &list, int &row) const;
    std::string nowText() const;
    const ChannelRecord &channel(int c) const { return m_channels[static_cast<std::size_t>(c)]; }

    Display &m_display;
    const Clock &m_clock;
    const ChannelTables &m_tables;
    const std::array<ChannelRecord, kMaxChannels> &m_channels;
};

} // namespace server
