// The notification service without its window: the start-up sequence, the work of the three timers,
// pause and resume, and the shutdown. A window, a headless run, virtual time and the tests all run it.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/Board.h"
#include "server/engine/Clock.h"
#include "server/engine/Display.h"
#include "server/engine/ServerEngine.h"
#include "server/settings/Dialogs.h"
#include "server/settings/ParmSetForm.h"

#include <memory>
#include <optional>
#include <string>

namespace server {

class Service
{
public:
    /// The service of the installation in programDir, on that board, showing on that display.
    Service(const std::string &programDir, Board &board, Display &display, Clock &clock, Dialogs &dialogs);
    ~Service();
    Service(const Service &) = delete;
    Service &operator=(const Service &) = delete;

    /// The start-up sequence: the folders the server writes into, the settings, the database with the
    /// reset of interrupted tasks, the segment library, the board start with the channel table, then
    /// the log and talk-record files. Runs once; true when the board started and the service runs.
    /// A failed step shows its message and leaves the service stopped.
    bool start();
    /// Stops and resumes the dispatch of new calls; calls under way, stations and counters go on.
    void pause();
    void resume();
    /// Closes the board, releases the segment library and closes the run's files. Runs once.
    void shutdown();

    /// The parameter dialog opens: Setup.ini is read again into the running record and the tables, and
    /// the form shows them. Nothing, after the loader's message and "初始化Setup.ini配置文件错误！",
    /// when the file cannot be read; the service goes on with what it had read.
    std::optional<ParmSetForm> parameterForm();
    /// The parameter dialog's OK: saves the form to Setup.ini and applies it to the running service
    /// (with enable, what "启用参数" applies too, opening the log file when logging is switched on and
    /// the log is not open yet), then shows "参数配置成功！". False, after a message, when nothing
    /// could be saved; problem (when given) then names a value that cannot be saved.
    bool saveParameters(const ParmSetForm &form, bool enable, FormProblem *problem = nullptr);

    /// The settings were read: Title and the other settings hold.
    bool settingsLoaded() const { return m_settingsLoaded; }
    /// The polling loop and the counters run (the board started, the service not shut down).
    bool running() const { return m_running; }
    /// The dispatcher runs: after a board start or a resume, until a pause or the shutdown.
    bool dispatching() const { return m_dispatching; }

    /// The periods of the three timers, in ms.
    int statusTimerPeriod() const { return ServerEngine::kStatusTimerPeriod; }
    int systemTimerPeriod() const { return m_engine.SystemTimerPeriod(); }
    int noticeStatusTimerPeriod() const { return ServerEngine::kNoticeStatusTimerPeriod; }

    // The work of the three timers.
    void StatusTimerTimer() { m_engine.StatusTimerTimer(); }
    void SystemTimerTimer() { m_engine.SystemTimerTimer(); }
    void NoticeStatusTimerTimer() { m_engine.NoticeStatusTimerTimer(); }

    ServerEngine &engine() { return m_engine; }
    TDM &dataModule() { return *m_dm; }
    Settings &settings() { return m_engine.settings(); }

private:
    void openTalkAndLogFiles();
    void reportTimesOfDayNotUnderstood();

    Board &m_board;
    Display &m_display;
    Dialogs &m_dialogs;
    std::unique_ptr<TDM> m_dm;
    ServerEngine m_engine;
    bool m_started = false; // the start-up sequence has run
    bool m_settingsLoaded = false;
    bool m_boardStarted = false; // the board driver was started and must be closed
    bool m_shutDown = false;
    bool m_running = false;
    bool m_dispatching = false;
};

} // namespace server
