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
    if (m_settings.WriteLogFlag == 1 && m_log.isOpen())
        m_log.writeLine(common::formatDateTime("hh:mm:ss:zzz", m_clock.now()) + std::string(text));
}

void RunFiles::WriteTalkRecord(std::string_view talkLine)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", ++m_settings.TalkRecordLines);
    m_talk.writeLine(std::string(number) + " " + std::string(talkLine));
}

void RunFiles::CloseLogFiles()
{
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
