// Four servers, each on a software board of its own in virtual time, sharing one PostgreSQL database:
// every task dialled exactly once, and a server killed in the middle of its calls started again.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/install/InitInstallation.h"
#include "server/tests/DialLog.h"
#include "server/tests/DriverIpc.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QThread>

#include <csignal>
#include <iostream>
#include <memory>
#include <set>
#include <vector>

namespace server {
namespace {

constexpr int kServers = 4;
constexpr int kTrunks = 8;

class SharedDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing::prepareServerProcesses(dir.file("run"));
        ASSERT_TRUE(testing::connectTestPostgres(dm, settings));
        for (int i = 0; i < kServers; ++i)
            makeServer(i);
    }

    void TearDown() override
    {
        for (auto &server : servers)
            if (server && server->state() != QProcess::NotRunning) {
                server->kill();
                server->waitForFinished(5000);
            }
    }

    QString serverDir(int i) const { return dir.file("server") + QString::number(i); }

    // An installation of its own for server i: eight trunks whose called parties all answer and hang up
    // while they hear the one-second notice; the shared database; no retries and no repeats.
    void makeServer(int i)
    {
        const QString d = serverDir(i);
        QString error;
        ASSERT_TRUE(initInstallation(d, &error)) << error.toStdString();
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(bytes);
        };
        write(d + QStringLiteral("/KtConfig.ini"), "[SystemConfig]\r\nTotalBoards=1\r\n[BoardId=0]\r\n"
                                                   "BoardSerialNumber=1001\r\n[AppChToBoardChTable]\r\nTotalAppCh=8\r\n"
                                                   "AppCh[0]=0,0..7\r\n");
        write(d + QStringLiteral("/KtSim.ini"),
              "[Device0]\r\nBus=pci\r\nHardwareId=10\r\nSerialNumber=1001\r\n"
              "ChannelTypes=0,0,0,0,0,0,0,0\r\nLineVoltage=48,48,48,48,48,48,48,48\r\n"
              "[Numbers]\r\n*=ring:1,answer,voice:600,wait:1500,hangup\r\n");
        write(d + QStringLiteral("/Notice.voc"), QByteArray(8000, char(0xD5)));
        // The smallest voice database: names compose to nothing.
        write(d + QStringLiteral("/VoiceDB.dat"), QByteArray(13794, '\0'));
        common::ProfileFile setup((d + QStringLiteral("/Setup.ini")).toStdString());
        for (const auto &[section, key, value] : std::vector<std::tuple<const char *, const char *, std::string>>{
                 {"Database", "DBType", "1"},
                 {"Database", "OdbcDriver", settings.OdbcDriver},
                 {"Database", "ServerName", settings.ServerName},
                 {"Database", "DataBaseName", settings.DataBaseName},
                 {"Database", "UserName", settings.UserName},
                 {"Other", "BeginTime", "00:00"},
                 {"Other", "EndTime", "23:59"},
                 {"Other", "NotNoticeTime1", "24:00"},
                 {"Other", "NotNoticeTime2", "24:00"},
                 {"Other", "ReSendTimes", "0"},
                 {"Other", "RetSucc", "0"},
                 {"Other", "WriteLogFlag", "1"},
                 {"Other", "SysTimerValue", "200"},
                 {"CardParm", "Card1Use", std::string(kTrunks, '1')},
                 {"Voice", "AdNotice", (d + QStringLiteral("/Notice.voc")).toStdString()}})
            setup.writeString(section, key, value);
        std::string why;
        ASSERT_TRUE(setup.loadError().empty() && setup.save(&why)) << setup.loadError() << why;
    }

    // Tasks whose numbers are 1390000000 + their row, in the random order of an import.
    void addTasks(int count)
    {
        testing::exec(dm,
                      QStringLiteral("INSERT INTO AdNotice (Telphone,Name,RandomValue) SELECT "
                                     "CAST(1390000000+i AS VARCHAR(20)),'张三',(i*7)%50 FROM generate_series(1,%1) i")
                          .arg(count));
    }

    int tasks(const QString &where)
    {
        return testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ") + where).toInt();
    }

    // Starts server i on virtual time from that wall time, for longer than any test needs.
    void start(int i, const char *at)
    {
        auto server = std::make_unique<QProcess>();
        server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server->start(QStringLiteral(VN_SERVER_BINARY),
                      {QStringLiteral("--dir"), serverDir(i), QStringLiteral("--virtual-time"),
                       QStringLiteral("--start-time"), QLatin1String(at), QStringLiteral("--run-for"),
                       QStringLiteral("86000")});
        ASSERT_TRUE(server->waitForStarted());
        servers[static_cast<std::size_t>(i)] = std::move(server);
    }

    // Waits until no task is waiting or under way, then stops the servers as a service manager does.
    void finish()
    {
        QElapsedTimer wall;
        wall.start();
        while (tasks(QStringLiteral("Status IN (0,1,8)")) > 0 && wall.elapsed() < 170000)
            QThread::msleep(100);
        EXPECT_EQ(tasks(QStringLiteral("Status IN (0,1,8)")), 0) << "not done after " << wall.elapsed() << " ms";
        for (auto &server : servers) {
            if (!server || server->state() == QProcess::NotRunning)
                continue;
            ::kill(static_cast<pid_t>(server->processId()), SIGTERM);
            ASSERT_TRUE(server->waitForFinished(30000));
            EXPECT_EQ(server->exitStatus(), QProcess::NormalExit);
        }
    }

    // How often each number was dialled by all the servers together.
    std::map<QString, int> allDials() const
    {
        std::map<QString, int> dials;
        for (int i = 0; i < kServers; ++i)
            for (const auto &[number, n] : testing::dialsByNumber(serverDir(i)))
                dials[number] += n;
        return dials;
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
    std::unique_ptr<QProcess> servers[kServers];
};

TEST_F(SharedDatabaseTest, FourServersDialEveryTaskExactlyOnce)
{
    constexpr int kTasks = 10000;
    addTasks(kTasks);
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < kServers; ++i)
        start(i, "2026-12-09 09:00:00");
    finish();
    const qint64 ms = wall.elapsed();

    EXPECT_EQ(tasks(QStringLiteral("Status=2 AND NoticeTimes=1 AND SuccTimes=1")), kTasks);
    const auto dials = allDials();
    EXPECT_EQ(dials.size(), std::size_t(kTasks));
    int twice = 0;
    for (const auto &[number, n] : dials)
        twice += n != 1;
    EXPECT_EQ(twice, 0);
    // Each server did its share of the work.
    for (int i = 0; i < kServers; ++i)
        EXPECT_GT(testing::dialsByNumber(serverDir(i)).size(), std::size_t(kTasks / kServers / 2)) << "server " << i;
    std::cout << kTasks << " tasks on " << kServers << " servers in " << ms << " ms\n";
}

TEST_F(SharedDatabaseTest, ServerKilledInTheMiddleOfItsCallsIsStartedAgain)
{
    constexpr int kTasks = 2000;
    addTasks(kTasks);
    for (int i = 0; i < kServers; ++i)
        start(i, "2026-12-09 09:00:00");
    // Server 0 is killed once it has calls under way.
    Settings victim;
    victim.ProgramDir = serverDir(0).toStdString();
    const QString victimId = serverIdentity(victim);
    const auto underWay = [&] {
        QSqlQuery q(dm.DBConnection());
        q.prepare(QStringLiteral("SELECT Telphone FROM AdNotice WHERE Status IN (1,8) AND ServerID=?"));
        q.addBindValue(victimId);
        std::set<QString> numbers;
        if (q.exec())
            while (q.next())
                numbers.insert(q.value(0).toString());
        return numbers;
    };
    QElapsedTimer wall;
    wall.start();
    while (underWay().size() < 3 && servers[0]->state() == QProcess::Running && wall.elapsed() < 60000)
        QThread::msleep(5);
    ::kill(static_cast<pid_t>(servers[0]->processId()), SIGKILL);
    ASSERT_TRUE(servers[0]->waitForFinished(15000));
    ASSERT_EQ(servers[0]->exitStatus(), QProcess::CrashExit);
    const std::set<QString> interrupted = underWay();
    ASSERT_GE(interrupted.size(), 3u) << "the server was killed before it had calls under way";
    const auto dialsBeforeKill = testing::dialsByNumber(serverDir(0));

    // Started again while the others still call: it takes back its own interrupted tasks only.
    ASSERT_GT(tasks(QStringLiteral("Status IN (1,8) AND ServerID<>'%1'").arg(victimId)), 0);
    start(0, "2026-12-09 09:30:00");
    finish();

    EXPECT_EQ(tasks(QStringLiteral("Status=2")), kTasks);
    const auto dials = allDials();
    EXPECT_EQ(dials.size(), std::size_t(kTasks));
    for (const auto &[number, n] : dials) {
        if (interrupted.count(number)) {
            // Dialled again after the reset; the first dial is in the log unless the kill came between
            // the claim and the dial.
            const auto before = dialsBeforeKill.find(number);
            EXPECT_EQ(n, (before == dialsBeforeKill.end() ? 0 : before->second) + 1) << number.toStdString();
        } else {
            EXPECT_EQ(n, 1) << number.toStdString();
        }
    }
}

} // namespace
} // namespace server
