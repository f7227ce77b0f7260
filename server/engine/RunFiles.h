// The files of a run: the log file of call events (when logging is on) and the talk-record file.
#pragma once

#include "server/engine/Clock.h"
#include "server/engine/LastingFault.h"
#include "server/engine/TextLogFile.h"
#include "server/settings/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace server {

class RunFiles
{
public:
    /// The files go under the program directory of the settings; the flag that the log file is open
    /// and the count of talk-record lines are kept in the settings record. A write that fails is
    /// reported through report when the failures begin and when they end.
    RunFiles(Settings &settings, const Clock &clock, LastingFault::Report report = {})
        : m_settings(settings), m_clock(clock), m_logFault(report), m_talkFault(report), m_report(std::move(report))
    {
    }

    /// Opens the log file of the current minute when logging is on; false with error set when it
    /// cannot be created.
    bool OpenLogFile(std::string *error);
    /// Opens the talk-record file of the current second; false with error set when it cannot be created.
    bool OpenTalkRecordFile(std::string *error);
    /// One log line: the time "hh:mm:ss:zzz" and the text, when logging is on.
    void WriteLog(std::string_view text);
    /// One talk-record line: the running number (at least four digits), a blank and the line. Lines
    /// the file cannot take are kept and written, in order, before the next line.
    void WriteTalkRecord(std::string_view talkLine);
    /// Closes both files; an empty talk-record file is deleted. Talk-record lines that could never be
    /// written are reported, each in full, so that none is lost unseen.
    void CloseLogFiles();

private:
    Settings &m_settings;
    const Clock &m_clock;
    TextLogFile m_log;
    TextLogFile m_talk;
    LastingFault m_logFault;
    LastingFault m_talkFault;
    LastingFault::Report m_report;
    std::vector<std::string> m_talkPending;

    bool writePendingTalkRecords();
};

} // namespace server
