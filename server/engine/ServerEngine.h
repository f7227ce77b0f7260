// The server's call handling without widgets: the settings, the channel table and the board start.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/Board.h"
#include "server/engine/CallState.h"
#include "server/engine/ChannelRecord.h"
#include "server/engine/ChannelRows.h"
#include "server/engine/Clock.h"
#include "server/engine/DatabaseOutage.h"
#include "server/engine/Display.h"
#include "server/engine/LastingFault.h"
#include "server/engine/ResultWriter.h"
#include "server/engine/RunFiles.h"
#include "server/engine/TaskQueries.h"
#include "server/settings/Dialogs.h"
#include "server/settings/Settings.h"

#include <array>
#include <string>

namespace server {

/// The failure cause of a call answered but hung up because the person's name could not be written.
inline constexpr const char *kNameUnwrittenCause = "姓名语音写入失败";

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

    /// The periods of the three service timers, in ms. The dispatcher's is SysTimerValue, or its
    /// default of 1000 before the settings are read or when they give no positive value.
    static constexpr int kStatusTimerPeriod = 100;
    static constexpr int kNoticeStatusTimerPeriod = 5000;
    int SystemTimerPeriod() const { return m_settings.SysTimerValue > 0 ? m_settings.SysTimerValue : 1000; }

    // The dispatcher: at most one new call per tick, inside the calling window.
    void SystemTimerTimer();
    /// The lowest free, in-service trunk whose line carries voltage; -1 when none.
    int PickTrunk() const;
    /// True when now ("hh:mm") lies in the calling window and outside its pause.
    bool InCallingWindow(const std::string &hhmm) const;

    // The polling loop: every channel's line, call, hook, dialling, tone, playing and key status each
    // 100 ms, each change turned into an event, then the channel's timeouts.
    void StatusTimerTimer();
    /// The digits of a dial are all out.
    void HandleDtmfSent(int c, std::int32_t status);
    /// The line or handset of channel c went on-hook (the far end, the line or the server itself).
    void HandleOnHook(int c);
    /// The end of a prompt: 1 at its natural end, 2 stopped or cut short.
    void HandlePlayEnd(int c, std::int32_t status);
    // Answer detection, the notice and the called party's keys.
    /// The call on trunk c is answered: the notice starts (or, in answer mode, the transfer).
    void DeclareAnswered(int c);
    /// Composes the task's name, plays it and the notice file, and marks the task as being played to.
    void StartNotice(int c);
    /// A key on channel c: on a trunk the replay, goodbye and agent keys of the notice.
    void HandleKey(int c, const std::string &key);
    /// The segment names of a text for the board's index prompts, comma-separated ("102": num1,num0,num2).
    static std::string SpellText(const std::string &text);
    /// The segment name of one character; empty for a character without one.
    static std::string SegmentName(char character);
    /// The composed notice text of trunk c: program directory + "/Temp/TxtVoc" + c + ".voc".
    std::string ComposedFile(int c) const;

    // Transfers to agents and the station channels.
    enum class TransferOccasion { OnAnswer, AfterNotice, Timed, OnKey };
    /// Sends the caller on trunk c towards the least busy free agent.
    void StartTransfer(int c, TransferOccasion occasion);
    /// The free in-service station with the fewest answered transfers (the lowest of equals); -1 none.
    int PickStation() const;
    /// The lowest free in-service station whose ID is digits; -1 none.
    int FindStationById(const std::string &digits) const;
    /// The lowest free trunk with line voltage for an agent's own call; -1 none.
    int PickTrunkForStation() const;
    /// The handset of channel c was lifted.
    void HandleOffHook(int c);
    /// Station c flashed its hook (count is the driver's flash count).
    void HandleFlash(int c, std::int32_t count);

    /// A change of the polarity reversals of a trunk's call: 2 means the far end has gone.
    void HandlePolarity(int c, std::int32_t count);
    /// Bookkeeping when a prompt starts: the state and step it belongs to and the timeout flags.
    void BeginPrompt(int c, CallState state, PromptStep step, std::int8_t timerOn,
                     std::int8_t timerRun);
    /// The operator switches channel c in or out of service with its row's check box. False, after a
    /// message, when Setup.ini is missing or cannot be read: nothing changes then.
    bool SetChannelInService(int c, bool inService);
    /// The operator hangs up the trunk of a hang-up menu item ("Channel" + number).
    void HangupMenuClick(const std::string &itemName);

    /// The outcome of the finished call on trunk c: its status and cause by how the call went, and the
    /// SMS when configured.
    void WriteCallOutcome(int c);

    /// The per-status counters of the status bar since the service started; on a database error the
    /// panels keep their values.
    void NoticeStatusTimerTimer();
    /// A fault the operator must know of that stops no call: a line in the memo and in the log, never
    /// a message box, which would hold up the polling of every channel.
    void ReportFault(const std::string &text);

    /// The voice folder of the language setting, ending with a separator.
    std::string VoiceFolder() const;
    /// Channels of the started board (at most the 48 of the tables).
    int channelCount() const { return m_settings.ChannelCount; }

    /// The parts the call machine works through: the task queries, the results written to the tasks,
    /// the run's files and the channels' rows of the display.
    TaskQueries &tasks() { return m_tasks; }
    const Clock &clock() const { return m_clock; }
    ResultWriter &results() { return m_results; }
    DatabaseOutage &outage() { return m_outage; }
    RunFiles &files() { return m_files; }
    ChannelRows &rows() { return m_rows; }

    Settings &settings() { return m_settings; }
    ChannelTables &tables() { return m_tables; }
    ChannelRecord &channel(int c) { return m_channels[static_cast<std::size_t>(c)]; }
    LastSeenTables &lastSeen() { return m_lastSeen; }

private:
    void pollLineVoltage(int c);
    void pollChannelState(int c);
    void pollHookState(int c);
    void pollFlash(int c);
    void pollAutoDial(int c);
    void pollTxDtmf(int c);
    void pollFirstToneAnalyser(int c);
    void pollSecondToneAnalyser(int c);
    void pollPlayEnd(int c);
    void pollPolarity(int c);
    void stationOnHook(int c);
    void stationKey(int c, const std::string &key);
    void searchAgent(int c);
    /// Records the conversation of a trunk into Record/yyyymmdd/<name>-hhnnss.wav; keepPath stores
    /// the path as the call's RecordFile.
    void recordConversation(int trunk, const std::string &name, bool keepPath);
    /// Ends the recording of a trunk that hung up; a recording the board could not write is reported
    /// and no longer named by the task.
    void finishRecording(int trunk);
    void finishFlashTransfer(int c);
    void transferAfterPlayingTime(int c);
    void ruleSilence(int c);
    void ruleToneTiming(int c);
    void answerCue(int c);
    void repeatNotice(int c);
    void pollKeys(int c);
    // Every step of one pass over channel c, in order.
    void pollChannel(int c);
    void runTimeouts(int c);
    void hangUpOnBusyTone(int c, const char *which);
    void recordTalkTimes(int c);
    bool isTrunk(int c) const { return m_tables.Kind[static_cast<std::size_t>(c)] == 1; }
    bool isStation(int c) const { return m_tables.Kind[static_cast<std::size_t>(c)] == 2; }
    std::uint32_t elapsed(const ChannelRecord &ch) const;

    void dispatchOneCall();
    // The next task for trunk c into its record, new before retries before repeats; false when there
    // is none or the new-task query failed. claimed: the task as read, for its claim.
    bool fetchNextTask(int c, ChannelRecord &ch, FetchedTask &claimed);
    // The seizure and the dial of a claimed task.
    void startCall(int c, ChannelRecord &ch);
    void storeTask(ChannelRecord &ch, const FetchedTask &task, bool allFields);
    bool writeChannelKinds();
    std::string nowText() const;

    Board &m_board;
    TDM &m_dm;
    Display &m_display;
    Clock &m_clock;
    Dialogs &m_dialogs;
    Settings m_settings;
    ChannelTables m_tables;
    std::array<ChannelRecord, kMaxChannels> m_channels;
    LastSeenTables m_lastSeen;
    TaskQueries m_tasks;
    DatabaseOutage m_outage;
    ResultWriter m_results;
    RunFiles m_files;
    ChannelRows m_rows;
    // The composed names that cannot be written, reported when it begins and when it ends.
    LastingFault m_nameFault{[this](const std::string &text) { ReportFault(text); }};
    // The recordings that cannot be written, likewise.
    LastingFault m_recordFault{[this](const std::string &text) { ReportFault(text); }};
    // The last fault reported per channel by the polling loop, so that one that persists is shown once.
    std::array<std::string, kMaxChannels> m_pollFaults;
};

} // namespace server
