// The log and talk-record files of a run.
#include "server/engine/RunFiles.h"

#include "common/DateTime.h"

#include <cstdio>
#include <filesystem>

namespace server {

bool RunFiles::OpenLogFile(std::string *error)
{
    m_settings.LogFileOpen = 0;
    if (m_settings.WriteLogFlag != 1)
        return true;
    const std::string name = common::formatDateTime("yyyymmddhhnn", m_clock.now()) + "Log.txt";
    if (!m_log.open(m_settings.ProgramDir + "/Log/" + name, error))
        return false;
    m_settings.LogFileOpen = 1;
    return true;
}

bool RunFiles::OpenTalkRecordFile(std::string *error)
{
    const std::string name = common::formatDateTime("yyyymmddhhmmss", m_clock.now()) + ".txt";
    return m_talk.open(m_settings.ProgramDir + "/TalkInfo/" + name, error);
}

void RunFiles::WriteLog(std::string_view text)
{
    if (m_settings.WriteLogFlag != 1 || !m_log.isOpen())
        return;
    // A log line that cannot be written is given up: the log is a trace of the run, and the failure
    // itself is reported.
    std::string error;
    if (m_log.writeLine(common::formatDateTime("hh:mm:ss:zzz", m_clock.now()) + std::string(text), &error)) {
        if (m_logFault.active()) // the text only when it is reported: this runs for every line
            m_logFault.succeeded("日志文件恢复写入：" + m_log.path());
    } else
        m_logFault.failed("写日志文件失败：" + error);
}

void RunFiles::WriteTalkRecord(std::string_view talkLine)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", ++m_settings.TalkRecordLines);
    m_talkPending.push_back(std::string(number) + " " + std::string(talkLine));
    writePendingTalkRecords();
}

bool RunFiles::writePendingTalkRecords()
{
    if (!m_talk.isOpen())
        return false;
    std::size_t written = 0;
    std::string error;
    while (written < m_talkPending.size() && m_talk.writeLine(m_talkPending[written], &error))
        ++written;
    m_talkPending.erase(m_talkPending.begin(), m_talkPending.begin() + static_cast<std::ptrdiff_t>(written));
    if (m_talkPending.empty()) {
        if (m_talkFault.active())
            m_talkFault.succeeded("通话记录文件恢复写入：" + m_talk.path());
        return true;
    }
    m_talkFault.failed("写通话记录文件失败：" + error + "，未写的记录留待再写");
    return false;
}

void RunFiles::CloseLogFiles()
{
    // Reported while the log is still open, so that the lines go to the log as well as the memo.
    if (!m_talkPending.empty() && !writePendingTalkRecords() && m_report) {
        for (const std::string &line : m_talkPending)
            m_report("通话记录未能写入" + m_talk.path() + "：" + line);
    }
    m_talkPending.clear();
    if (m_settings.WriteLogFlag == 1)
        m_log.close();
    const std::string talkPath = m_talk.path();
    m_talk.close();
    // A talk-record file without lines is removed; one that an earlier run of the same second
    // wrote to stays.
    std::error_code ec;
    if (!talkPath.empty() && std::filesystem::is_regular_file(talkPath, ec) &&
        std::filesystem::file_size(talkPath, ec) == 0)
        std::filesystem::remove(talkPath, ec);
}

} // namespace server
