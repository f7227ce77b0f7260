// The whole server on the software board, with the demo's kinds of called party:
// 1,000 calls of virtual time (goal: at most 30 s of wall time) and the start-up of the demo
// installation up to "语音服务已经启动", with its few dozen tasks and with a million (goal: at most
// 1 s each). Set VN_VOICES_DIR to a make-voices.sh
// output to compose and play the real voices; without it every name composes to nothing.
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/data/TDM.h"
#include "server/engine/Service.h"
#include "server/install/DemoInstallation.h"
#include "server/install/InitInstallation.h"

#include "common/ProfileFile.h"
#include "ktdrv/KtSim.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace server;

constexpr int kTrunks = 40;
constexpr int kAgents = 8;
constexpr int kCalls = 1000;

// A display that keeps only the service's status text.
class StatusDisplay : public NoDisplay
{
public:
    void setStatusPanel(int panel, std::string_view text) override
    {
        if (panel == 0)
            status = text;
    }
    std::string status;
};

// Dialogs of a run nobody watches: counted, answered with their default.
class CountingDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view, std::string_view, DialogIcon, DialogButtons, DialogAnswer answer) override
    {
        ++shown;
        return answer;
    }
    int shown = 0;
};

std::string ipcSuffix()
{
    return "-bench-demo-" + std::to_string(::getpid());
}

// The program directories of this run, removed with the driver's log block at the end.
struct Scratch
{
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("vn-bench-demo-" + std::to_string(::getpid()));
    Scratch() { ::setenv("KTDRV_IPC_SUFFIX", ipcSuffix().c_str(), 1); }
    ~Scratch()
    {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        ::shm_unlink(("/OrvaneCtiCfg_090622" + ipcSuffix()).c_str());
        ::sem_unlink(("/OrvaneCtiCfgEvent_090622" + ipcSuffix()).c_str());
    }
};

Scratch &scratch()
{
    static Scratch s;
    return s;
}

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

// An --init installation with the voices of VN_VOICES_DIR, or the smallest voice database.
bool initWithVoices(const QString &dir, QString *error)
{
    const char *voices = std::getenv("VN_VOICES_DIR");
    if (voices && *voices)
        return initInstallation(dir, QString::fromLocal8Bit(voices), error);
    return initInstallation(dir, error) && writeFile(dir + QStringLiteral("/VoiceDB.dat"), QByteArray(13794, '\0'));
}

// The demo's called parties on a 48-channel board: 40 trunks and 8 agents, 1,000 tasks, no retries.
bool makeThousandCallInstallation(const QString &dir, QString *error)
{
    if (!initWithVoices(dir, error) || !makeDemo(dir, error))
        return false;
    const QByteArray config = "[SystemConfig]\r\nTotalBoards=1\r\n[BoardId=0]\r\nBoardSerialNumber=1001\r\n"
                              "[AppChToBoardChTable]\r\nTotalAppCh=48\r\nAppCh[0]=0,0..47\r\n";
    if (!writeFile(dir + QStringLiteral("/KtConfig.ini"), config) ||
        !writeFile(dir + QStringLiteral("/KtSim.ini"), demoSimulation(kTrunks, kAgents, {}))) {
        *error = QStringLiteral("cannot write the board files");
        return false;
    }
    common::ProfileFile setup((dir + QStringLiteral("/Setup.ini")).toStdString());
    setup.writeString("CardParm", "Card1Use", std::string(kTrunks + kAgents, '1'));
    setup.writeString("Other", "ReSendTimes", "0");
    setup.writeString("Other", "BeginTime", "00:00");
    setup.writeString("Other", "EndTime", "23:59");
    std::string why;
    if (!setup.loadError().empty() || !setup.save(&why)) {
        *error = QString::fromStdString(setup.loadError().empty() ? why : setup.loadError());
        return false;
    }
    Settings settings;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    if (!dm.ConnectDatabase(settings, error))
        return false;
    QSqlQuery(dm.DBConnection()).exec(QStringLiteral("DELETE FROM AdNotice"));
    return addDemoTasks(dm, kCalls, error);
}

int scalar(TDM &dm, const char *sql)
{
    QSqlQuery q(dm.DBConnection());
    return q.exec(QString::fromUtf8(sql)) && q.next() ? q.value(0).toInt() : -1;
}

void BM_ThousandCallsInVirtualTime(benchmark::State &state)
{
    const QString dir = QString::fromStdString((scratch().root / "thousand").string());
    QString error;
    if (!makeThousandCallInstallation(dir, &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    TlxSimSetVirtualTime(1);
    double virtualSeconds = 0;
    int calls = 0;
    for (auto _ : state) {
        TlxBoard board;
        BoardClock clock(common::DateTime{2026, 12, 9, 9, 0, 0, 0});
        CountingDialogs dialogs;
        NoDisplay display;
        Service service(dir.toStdString(), board, display, clock, dialogs);
        if (!service.start() || dialogs.shown > 0) {
            state.SkipWithError("the service did not start cleanly");
            return;
        }
        // Ten virtual seconds at a time until every task has had its call and none is under way.
        for (int slice = 0; slice < 6 * 360; ++slice) {
            runVirtualTime(service, 10000);
            virtualSeconds += 10;
            if (scalar(service.dataModule(), "SELECT COUNT(*) FROM AdNotice WHERE Status IN (0,1,8)") == 0)
                break;
        }
        calls = scalar(service.dataModule(), "SELECT SUM(NoticeTimes) FROM AdNotice");
        state.counters["notified"] = scalar(service.dataModule(), "SELECT COUNT(*) FROM AdNotice WHERE Status IN (2,4,5)");
        state.counters["by_agent"] = scalar(service.dataModule(), "SELECT COUNT(*) FROM AdNotice WHERE Status=5");
        service.shutdown();
    }
    if (calls < kCalls)
        state.SkipWithError("not every task was called");
    state.counters["calls"] = calls;
    state.counters["virtual_s"] = virtualSeconds;
}
BENCHMARK(BM_ThousandCallsInVirtualTime)->Unit(benchmark::kSecond)->Iterations(1);

// The demo installation, made once; empty with the reason in `error` when it cannot be made.
QString demoInstallation(QString *error)
{
    static QString why;
    static const QString dir = [] {
        const QString d = QString::fromStdString((scratch().root / "demo").string());
        return initWithVoices(d, &why) && makeDemo(d, &why) ? d : QString();
    }();
    *error = why;
    return dir;
}

// The service's start-up sequence on an installation: settings, database (with its compaction),
// segment library, board start and channels, up to the service's first status text.
void measureStartUp(benchmark::State &state, const QString &dir, const QString &error)
{
    if (dir.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    TlxSimSetVirtualTime(1);
    for (auto _ : state) {
        TlxBoard board;
        BoardClock clock(common::DateTime{2026, 12, 9, 9, 0, 0, 0});
        CountingDialogs dialogs;
        StatusDisplay display;
        Service service(dir.toStdString(), board, display, clock, dialogs);
        const bool started = service.start();
        state.PauseTiming();
        if (!started || display.status != "语音服务已经启动" || dialogs.shown > 0) {
            state.SkipWithError("the service did not start cleanly");
            return;
        }
        service.shutdown();
        state.ResumeTiming();
    }
}

void BM_StartUpInProcess(benchmark::State &state)
{
    QString error;
    const QString dir = demoInstallation(&error);
    measureStartUp(state, dir, error);
}
BENCHMARK(BM_StartUpInProcess)->Unit(benchmark::kMillisecond)->Iterations(10);

// The demo installation with a million tasks: a third new, a third notified, a third failed.
QString millionTaskInstallation(QString *error)
{
    static QString why;
    static const QString dir = [] {
        const QString d = QString::fromStdString((scratch().root / "million").string());
        if (!initWithVoices(d, &why) || !makeDemo(d, &why))
            return QString();
        Settings settings;
        settings.ProgramDir = d.toStdString();
        TDM dm;
        if (!dm.ConnectDatabase(settings, &why))
            return QString();
        QSqlQuery q(dm.DBConnection());
        if (!q.exec(QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<1000000) "
                "INSERT INTO AdNotice (Telphone,Name,Status,NoticeTimes,SuccTimes,FactNotice,NextNotice,RandomValue) "
                "SELECT 13900000000+i,'张三',CASE i%3 WHEN 0 THEN 0 WHEN 1 THEN 2 ELSE 3 END,i%3,i%3/2,"
                "'2026-12-08 10:00:00','2026-12-09 11:00:00',abs(random())%50 FROM n"))) {
            why = q.lastError().text();
            return QString();
        }
        return d;
    }();
    *error = why;
    return dir;
}

// The start-up sequence with a million tasks in a file the last run closed cleanly.
void BM_StartUpMillionTasks(benchmark::State &state)
{
    QString error;
    const QString dir = millionTaskInstallation(&error);
    measureStartUp(state, dir, error);
}
BENCHMARK(BM_StartUpMillionTasks)->Unit(benchmark::kMillisecond)->Iterations(5);

// The Server program from exec to its end, for one virtual second of service: an upper bound of the
// process start-up (it includes the shutdown).
void BM_StartUpProcess(benchmark::State &state)
{
    QString error;
    const QString dir = demoInstallation(&error);
    if (dir.isEmpty()) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(VN_SERVER_BINARY),
                {QStringLiteral("--dir"), dir, QStringLiteral("--virtual-time"), QStringLiteral("--run-for"),
                 QStringLiteral("1")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) {
            state.SkipWithError("Server did not run");
            return;
        }
    }
}
BENCHMARK(BM_StartUpProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The server works in its program directory: a relative voice folder is taken from here.
    if (const char *voices = std::getenv("VN_VOICES_DIR"); voices && *voices)
        ::setenv("VN_VOICES_DIR", std::filesystem::absolute(voices).c_str(), 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
