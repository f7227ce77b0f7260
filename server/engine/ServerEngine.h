// The server's call handling without widgets: the settings, the channel table and the board start.
#pragma once

#include "server/engine/Board.h"
#include "server/engine/ChannelRecord.h"
#include "server/engine/Clock.h"
#include "server/engine/Dialogs.h"
#include "server/engine/Display.h"
#include "server/engine/Settings.h"

#include <array>
#include <string>

namespace server {

class TDM;

class ServerEngine
{
public:
    ServerEngine(Board &board, TDM &dm, Display &display, Clock &clock, Dialogs &dialogs);

    /// Starts the board driver with KtConfig.ini and KtIndex.ini of the program directory, sets up the
    /// channels and writes their kinds to Setup.ini (key Card1). False, after a message box, when the
    /// service cannot start; the caller then leaves the service timers off.
    bool StartBoard();
    /// Initialises every channel record, gives the board each channel's parameters and fills the two
    /// channel lists and the hang-up menu.
    void InitChannels();
    /// Returns a channel record to idle once its work is over.
    void ResetChannel(std::int16_t channel);

    // Results of calls, written to the task's row; database errors are dropped where they occur.
    /// One result of an attempt on trunk c: status 1 (dialling), 2, 3 (with its cause), 4, 5 or 8.
    void WriteNoticeResult(int c, const std::string &taskId, std::int16_t status, std::string_view cause = {});
    /// The talk times of the call on trunk c.
    void WriteTalkTimes(int c);
    /// The client type an agent entered on station channel c.
    void WriteClientType(int c, const std::string &taskId);
    /// Queues an SMS for the sender outside the server.
    void QueueSms(const std::string &phone, const std::string &content, const std::string &operatorId);
    /// The outcome of the finished call on trunk c: its status and cause by how the call went, and the
    /// SMS when configured.
    void WriteCallOutcome(int c);
    /// When a task may be called again: now plus Interval minutes, "yyyy-mm-dd hh:mm:ss".
    std::string NextNoticeTime() const;

    /// The voice folder of the language setting, ending with a separator.
    std::string VoiceFolder() const;
    /// Channels of the started board (at most the 48 of the tables).
    int channelCount() const { return m_settings.ChannelCount; }

    Settings &settings() { return m_settings; }
    ChannelTables &tables() { return m_tables; }
    ChannelRecord &channel(int c) { return m_channels[static_cast<std::size_t>(c)]; }
    LastSeenTables &lastSeen() { return m_lastSeen; }

private:
    bool writeChannelKinds();

    Board &m_board;
    TDM &m_dm;
    Display &m_display;
    Clock &m_clock;
    Dialogs &m_dialogs;
    Settings m_settings;
    ChannelTables m_tables;
    std::array<ChannelRecord, kMaxChannels> m_channels;
    LastSeenTables m_lastSeen;
};

} // namespace server
