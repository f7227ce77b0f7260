// The files of a run: the log file of call events (when logging is on) and the talk-record file.
#pragma once

#include "server/engine/Clock.h"
#include "server/engine/TextLogFile.h"
#include "server/settings/Settings.h"

#include <string>
#include <string_view>

namespace server {

class RunFiles
{
public:
    /// The files go under the program directory of the settings; the flag that the log file is open
    /// and the count of talk-record lines are kept in the settings record.
    RunFiles(Settings &settings, const Clock &clock) : m_settings(settings), m_clock(clock) {}

    /// Opens the log file of the current minute when logging is on; false with error set when it
    /// cannot be created.
    bool OpenLogFile(std::string *error);
    /// Opens the talk-record file of the current second; false with error set when it cannot be created.
    bool OpenTalkRecordFile(std::string *error);
    /// One log line: the time "hh:mm:ss:zzz" and the text, when logging is on.
    void WriteLog(std::string_view text);
    /// One talk-record line: the running number (at least four digits), a blank and the line.
    void WriteTalkRecord(std::string_view talkLine);
    /// Closes both files; an empty talk-record file is deleted.
    void CloseLogFiles();

private:
    Settings &m_settings;
    const Clock &m_clock;
    TextLogFile m_log;
    TextLogFile m_talk;
};

} // namespace server
