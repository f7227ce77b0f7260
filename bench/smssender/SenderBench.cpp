// 1,000 queued SMS through the fake modem with the library's waits at their shortest (goal: the
// sender's own time per row, outside the wait for the modem's answer, at most 1 ms).
#include "smssender/LumoModem.h"
#include "smssender/SendLoop.h"
#include "smssender/SenderDatabase.h"
#include "smssender/SmsQueue.h"

#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"

#include "FakeModem.h"
#include "lumosms/Timing.h"

#include <benchmark/benchmark.h>

#include <QSqlQuery>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace smssender;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRows = 1000;
constexpr int kPort = 43;

/// The modem with the time spent waiting for its answers counted: that is the modem's time.
class TimedModem : public Modem
{
public:
    explicit TimedModem(Modem &modem) : m_modem(modem) {}
    bool open() override { return m_modem.open(); }
    QueueResult send(int id, const std::string &number, const std::string &text, std::string *why) override
    {
        return m_modem.send(id, number, text, why);
    }
    std::optional<SendAnswer> waitAnswer(std::chrono::milliseconds wait) override
    {
        const auto start = Clock::now();
        auto answer = m_modem.waitAnswer(wait);
        waited += Clock::now() - start;
        return answer;
    }
    std::optional<ReceivedSms> receive() override { return m_modem.receive(); }
    void close() override { m_modem.close(); }

    Clock::duration waited{};

private:
    Modem &m_modem;
};

// The library's waits at their shortest that still let a read see the modem's whole answer.
lumosms::Timing fastest()
{
    lumosms::Timing t = lumosms::test::testTiming();
    t.idlePause = 1ms;
    t.queueWait = 1ms;
    t.pollPause = 1ms;
    t.stopCheck = 1ms;
    t.readGap = 2ms;
    return t;
}

void queueRows(server::TDM &dm)
{
    QSqlDatabase db = dm.DBConnection();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO SmsSendTask(Mobile,NoticeMode,Priority,NeedTimes,Content,PlanNotice,"
                             "InsertDate,OperID,VisitID,NoticeTaskID) VALUES(:m,1,1,1,:c,:t,:t,'corvida',1,1)"));
    for (int i = 0; i < kRows; ++i) {
        q.bindValue(QStringLiteral(":m"), QStringLiteral("139%1").arg(10000000 + i));
        q.bindValue(QStringLiteral(":c"), QStringLiteral("您的通知已送达，谢谢。"));
        q.bindValue(QStringLiteral(":t"), QStringLiteral("2026-12-01 09:00:%1").arg(i % 60, 2, 10, QLatin1Char('0')));
        q.exec();
    }
    q.finish();
    db.commit();
}

void BM_SendQueuedRows(benchmark::State &state)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vn-bench-smssender-" + std::to_string(::getpid()));
    lumosms::setTiming(fastest());
    lumosms::test::FakeModem fake;
    fake.installAsPort(kPort);
    double own = 0, modem = 0, rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "Setup.ini") << "[SmsSender]\r\nPort=" << kPort << "\r\n";
        server::Settings settings;
        settings.ProgramDir = dir.string();
        SenderDatabase database;
        std::string error;
        if (!server::createEmbeddedDatabase(server::embeddedDatabasePath(settings)) ||
            !database.open(dir.string(), &error)) {
            state.SkipWithError("no database");
            return;
        }
        server::TDM &dm = database.dm();
        queueRows(dm);
        SmsQueue queue(dm, 3);
        LumoModem lumo(kPort, 115200, "");
        TimedModem timed(lumo);
        SendLoop loop(
            queue, timed, {}, [](const std::string &) {}, [] { return false; });
        if (!loop.start()) {
            state.SkipWithError("the fake modem did not answer");
            return;
        }
        state.ResumeTiming();
        const auto start = Clock::now();
        loop.runOnce();
        const auto total = Clock::now() - start;
        state.PauseTiming();
        if (loop.counts().sent != kRows)
            state.SkipWithError("not every row was sent");
        own += std::chrono::duration<double, std::milli>(total - timed.waited).count();
        modem += std::chrono::duration<double, std::milli>(timed.waited).count();
        rows += kRows;
        state.ResumeTiming();
    }
    std::filesystem::remove_all(dir);
    state.counters["own_ms_per_row"] = own / rows;
    state.counters["modem_ms_per_row"] = modem / rows;
}
BENCHMARK(BM_SendQueuedRows)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
