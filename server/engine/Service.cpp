// The service's start-up sequence, pause, resume and shutdown.
#include "server/engine/Service.h"

#include "server/settings/LoadSettings.h"

#include "common/DateTime.h"

#include "voxstore/VoxStore.h"

#include <filesystem>

namespace server {

namespace {

// Why the voice database could not be loaded, by the loader's result.
std::string voiceDatabaseFault(std::int32_t result)
{
    switch (result) {
    case VOXSTORE_ERR_OPEN:
        return "无法打开或读取（或不是普通文件）";
    case VOXSTORE_ERR_MEMORY:
        return "内存不足";
    case VOXSTORE_ERR_SHORT:
        return "文件不完整，比其表格所需的短";
    default:
        return "错误码" + std::to_string(result);
    }
}

} // namespace

Service::Service(const std::string &programDir, Board &board, Display &display, Clock &clock, Dialogs &dialogs)
    : m_board(board), m_display(display), m_dialogs(dialogs), m_dm(std::make_unique<TDM>()),
      m_engine(board, *m_dm, display, clock, dialogs)
{
    m_engine.settings().ProgramDir = std::filesystem::path(programDir).lexically_normal().string();
    if (m_engine.settings().ProgramDir.size() > 1 && m_engine.settings().ProgramDir.back() == '/')
        m_engine.settings().ProgramDir.pop_back();
}

Service::~Service() = default;

bool Service::start()
{
    if (m_started)
        return m_running;
    m_started = true;
    Settings &s = m_engine.settings();
    // The server writes into these folders; a fresh installation may not have them yet.
    for (const char *folder : {"Log", "TalkInfo", "Temp", "Record"}) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(s.ProgramDir) / folder, ec);
    }
    if (!LoadSettings(s, m_engine.tables(), m_dialogs)) {
        m_dialogs.show("", "读配置文件失败!", DialogIcon::Error);
        return false;
    }
    m_settingsLoaded = true;
    if (!m_dm->StartDatabase(s, m_dialogs, m_engine.clock().now()))
        return false;
    // Without the voice segments the service still runs; only the names cannot be spoken.
    const std::string voices = s.ProgramDir + "/VoiceDB.dat";
    if (const std::int32_t r = InstallVoxStore(voices.c_str()); r != 0)
        m_dialogs.show("提示", "语音合成库安装失败！ " + voices + "：" + voiceDatabaseFault(r), DialogIcon::Error);
    m_boardStarted = true;
    if (m_engine.StartBoard()) {
        m_running = true;
        m_dispatching = true;
        m_display.setStatusPanel(0, "语音服务已经启动");
    }
    openTalkAndLogFiles();
    reportTimesOfDayNotUnderstood();
    return m_running;
}

void Service::reportTimesOfDayNotUnderstood()
{
    // The calling window compares "hh:mm" texts: a time written otherwise in a hand-edited Setup.ini
    // ("9:00" sorts after "10:00") would quietly hold back calls. The operator is told at the start.
    const Settings &s = m_engine.settings();
    const std::pair<const char *, const std::string *> times[] = {{"BeginTime", &s.BeginTime},
                                                                  {"EndTime", &s.EndTime},
                                                                  {"NotNoticeTime1", &s.NotNoticeTime1},
                                                                  {"NotNoticeTime2", &s.NotNoticeTime2}};
    for (const auto &[key, value] : times)
        if (!common::isTimeOfDay(*value))
            m_engine.ReportFault("Setup.ini的" + std::string(key) + "“" + *value +
                                 "”不是“时:分”形式的时间（00:00到24:00），通知时间段可能不按所想的起作用");
}

void Service::openTalkAndLogFiles()
{
    std::string error;
    if (!m_engine.files().OpenLogFile(&error))
        m_dialogs.show("错误", error, DialogIcon::Error);
    if (!m_engine.files().OpenTalkRecordFile(&error))
        m_dialogs.show("错误", error, DialogIcon::Error);
}

void Service::pause()
{
    m_dispatching = false;
    m_display.setStatusPanel(0, "语音服务已经暂停");
}

void Service::resume()
{
    m_dispatching = true;
    m_display.setStatusPanel(0, "语音服务已经启动");
}

void Service::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_running = false;
    m_dispatching = false;
    if (m_boardStarted)
        m_board.CloseCti();
    // A last try for the results that wait for the database; those still waiting are named in the log.
    // Their tasks stay in status 1 or 8, which the next start-up makes new again.
    DatabaseOutage &outage = m_engine.outage();
    if (!outage.retry())
        m_engine.ReportFault("数据库仍无法访问，" + std::to_string(outage.kept()) + "条通知结果未能写入");
    UnInstallVoxStore();
    m_engine.files().CloseLogFiles();
}

} // namespace server
