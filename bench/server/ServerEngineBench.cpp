// The engine's costs with 1,000,000 tasks in BillDB.db and a 48-channel software board: one dispatcher
// tick that takes a new task and one in the worst mix where nothing is due (goal: at most 1 ms each),
// one counter refresh (at most 20 ms) and one polling pass (at most 50 µs).
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/settings/LoadSettings.h"
#include "server/engine/ServerEngine.h"

#include "ktdrv/KtSim.h"

#include <benchmark/benchmark.h>

#include <QSqlQuery>

#include <filesystem>
#include <fstream>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace server;

constexpr int kChannels = 48;
constexpr int kTrunks = 40;

class NullDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view, std::string_view, DialogIcon, DialogButtons, DialogAnswer) override
    {
        return DialogAnswer::Ok;
    }
};

// Calls at any hour of the day.
void callAllDay(Settings &s)
{
    s.BeginTime = "00:00";
    s.EndTime = "23:59";
    s.NotNoticeTime1 = s.NotNoticeTime2 = "24:00";
}

// Fills AdNotice with a million tasks, row i of them taking the values of the SELECT list after its
// telephone number and name.
bool addMillionTasks(TDM &dm, const char *values)
{
    QSqlQuery q(dm.DBConnection());
    return q.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1000000) "
                                 "INSERT INTO AdNotice (Telphone,Name,Status,NoticeTimes,SuccTimes,FactNotice,NextNotice,"
                                 "RandomValue) SELECT 13800000000+i,'张三',") +
                  QLatin1String(values) + QStringLiteral(" FROM n"));
}

// One program directory for all benchmarks: a million tasks, a 48-channel board, every trunk ringing.
struct Installation
{
    std::filesystem::path dir;
    TDM dm;
    TlxBoard board;
    NoDisplay display;
    NullDialogs dialogs;
    std::unique_ptr<BoardClock> clock;
    std::unique_ptr<ServerEngine> engine;
    bool ready = false;

    Installation()
    {
        dir = std::filesystem::temp_directory_path() / ("vn-bench-server-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        ::setenv("KTDRV_IPC_SUFFIX", ("-bench-server-" + std::to_string(::getpid())).c_str(), 1);
        std::string types;
        for (int ch = 0; ch < kChannels; ++ch)
            types += std::string(ch ? "," : "") + (ch < kTrunks ? "0" : "2");
        std::ofstream(dir / "Setup.ini") << "[Other]\r\nBeginTime=00:00\r\nEndTime=23:59\r\nNotNoticeTime1=24:00\r\n";
        std::ofstream(dir / "KtConfig.ini") << "[SystemConfig]\nTotalBoards=1\n[BoardId=0]\nBoardSerialNumber=1\n"
                                               "[AppChToBoardChTable]\nTotalAppCh=48\nAppCh[0]=0,0..47\n";
        std::ofstream(dir / "KtIndex.ini") << "[Index]\n";
        std::ofstream(dir / "KtSim.ini") << "[Device0]\nHardwareId=46\nSerialNumber=1\nChannelTypes=" << types
                                         << "\n[Numbers]\n*=ring:forever\n";
        const QString db = QString::fromStdString((dir / "BillDB.db").string());
        if (!createEmbeddedDatabase(db))
            return;
        TlxSimSetVirtualTime(1);
        clock = std::make_unique<BoardClock>(common::DateTime{2026, 12, 9, 10, 0, 0, 0});
        engine = std::make_unique<ServerEngine>(board, dm, display, *clock, dialogs);
        Settings &s = engine->settings();
        s.ProgramDir = dir.string();
        applyDefaults(s, engine->tables());
        callAllDay(s);
        s.CallOutTimeOut = 1000000; // the rings go on for the whole benchmark
        engine->tables().InService.fill(1);
        // A million tasks: most new, the rest spread over the other statuses since the service start.
        if (!dm.ConnectDatabase(s) ||
            !addMillionTasks(dm, "CASE WHEN i%10<6 THEN 0 ELSE (i%10)-5 END,i%3,i%2,'2026-12-09 10:0'||(i%10)||':00',"
                                 "'2026-12-09 11:00:00',abs(random())%50"))
            return;
        if (!engine->StartBoard())
            return;
        // Every trunk seized and ringing, as on a busy afternoon.
        for (int ch = 0; ch < kTrunks; ++ch)
            engine->lastSeen().LineConnected[ch] = 1;
        engine->settings().ServiceStartTime = "2026-12-09 10:00:00";
        ready = true;
    }

    ~Installation()
    {
        board.CloseCti();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        // The driver's log block of this run goes with it.
        const std::string suffix = "-bench-server-" + std::to_string(::getpid());
        ::shm_unlink(("/OrvaneCtiCfg_090622" + suffix).c_str());
        ::sem_unlink(("/OrvaneCtiCfgEvent_090622" + suffix).c_str());
    }
};

Installation &installation()
{
    static Installation i;
    return i;
}

void BM_DispatcherTick(benchmark::State &state)
{
    Installation &in = installation();
    if (!in.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    for (auto _ : state) {
        in.engine->SystemTimerTimer(); // fetches a task, writes status 1, seizes and dials trunk 0
        state.PauseTiming();
        in.board.Hangup(0);
        in.engine->ResetChannel(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DispatcherTick)->Unit(benchmark::kMicrosecond)->Iterations(200);

// A million tasks of which none is due: a third failed with attempts left and their retry later, a
// third notified with a repeat left and later, a third done (attempts or repeats used up, their times
// long past). The tick reads the queries and frees its trunk again.
struct NothingDue
{
    std::filesystem::path dir;
    TDM dm;
    ManualClock clock{common::DateTime{2026, 12, 9, 10, 0, 0, 0}};
    NoDisplay display;
    NullDialogs dialogs;
    std::unique_ptr<ServerEngine> engine;
    bool ready = false;

    explicit NothingDue(Board &board)
    {
        dir = std::filesystem::temp_directory_path() / ("vn-bench-nothing-due-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        if (!createEmbeddedDatabase(QString::fromStdString((dir / "BillDB.db").string())))
            return;
        engine = std::make_unique<ServerEngine>(board, dm, display, clock, dialogs);
        Settings &s = engine->settings();
        s.ProgramDir = dir.string();
        applyDefaults(s, engine->tables());
        s.ReSendTimes = 2;
        s.RetSucc = 1;
        callAllDay(s);
        if (!dm.ConnectDatabase(s) ||
            !addMillionTasks(dm, "CASE i%3 WHEN 0 THEN 3 WHEN 1 THEN 2 ELSE 2+(i/3)%2 END,"
                                 "CASE i%3 WHEN 0 THEN 1+(i/3)%2 WHEN 1 THEN 1 ELSE 3 END,"
                                 "CASE i%3 WHEN 0 THEN 0 ELSE 1+(i%3)/2 END,'2026-12-09 09:00:00',"
                                 "CASE i%3 WHEN 2 THEN '2026-12-08 09:00:00' ELSE '2026-12-09 11:00:00' END,"
                                 "abs(random())%50"))
            return;
        // One trunk, free and on a live line: the tick gets as far as the queries.
        s.ChannelCount = 1;
        engine->tables().Kind[0] = 1;
        engine->tables().InService[0] = 1;
        engine->tables().Function[0] = 2;
        engine->lastSeen().LineConnected[0] = 1;
        QSqlQuery q(dm.DBConnection());
        ready = q.exec(QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Status IN (0,1,8)")) && q.next() &&
                q.value(0).toInt() == 0;
    }

    ~NothingDue()
    {
        engine.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

void BM_DispatcherTickNothingDue(benchmark::State &state)
{
    Installation &in = installation();
    static NothingDue mix(in.board);
    if (!mix.ready) {
        state.SkipWithError("worst mix not ready");
        return;
    }
    for (auto _ : state)
        mix.engine->SystemTimerTimer();
    if (mix.engine->channel(0).Progress != CallProgress::Free)
        state.SkipWithError("the tick took a task");
}
BENCHMARK(BM_DispatcherTickNothingDue)->Unit(benchmark::kMicrosecond);

void BM_CounterRefresh(benchmark::State &state)
{
    Installation &in = installation();
    if (!in.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    for (auto _ : state)
        in.engine->NoticeStatusTimerTimer();
}
BENCHMARK(BM_CounterRefresh)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PollingPass(benchmark::State &state)
{
    Installation &in = installation();
    if (!in.ready) {
        state.SkipWithError("installation not ready");
        return;
    }
    // Every trunk in a call: dial them all and let the rings start.
    for (int ch = 0; ch < kTrunks; ++ch) {
        in.board.AutoDial(ch, "8001");
        in.engine->channel(ch).State = CallState::DoCalling;
        in.engine->channel(ch).Progress = CallProgress::Seized;
    }
    TlxSimAdvance(5000);
    for (auto _ : state)
        in.engine->StatusTimerTimer();
}
BENCHMARK(BM_PollingPass)->Unit(benchmark::kMicrosecond);

} // namespace
