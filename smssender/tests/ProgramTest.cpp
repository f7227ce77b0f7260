// SmsSender as a process: the exit status when it cannot start, --once, and a clean stop on SIGTERM.
#include "FakeModem.h"

#include "server/data/SchemaScript.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSqlQuery>

#include <fstream>

namespace smssender {
namespace {

constexpr int kPort = 42;

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::ofstream(dir.path() + "/Setup.ini") << "[SmsSender]\r\nPort=" << kPort << "\r\nPollSeconds=1\r\n";
        settings.ProgramDir = dir.path();
    }

    void makeDatabase(int rows)
    {
        ASSERT_TRUE(server::createEmbeddedDatabase(server::embeddedDatabasePath(settings)));
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        for (int i = 0; i < rows; ++i)
            server::testing::exec(dm, QStringLiteral("INSERT INTO SmsSendTask(Mobile,NeedTimes,Content,PlanNotice) "
                                                     "VALUES('1390000000%1',1,'您好','2026-01-01 00:00:00')")
                                          .arg(i));
    }

    /// Starts the sender on the program directory with extra arguments.
    void start(const QStringList &args)
    {
        sender.start(
            QStringLiteral(SMSSENDER_PATH),
            QStringList{QStringLiteral("--dir"), QString::fromStdString(dir.path()), QStringLiteral("--headless")} +
                args);
        ASSERT_TRUE(sender.waitForStarted());
    }

    /// Waits for the end; the exit status, standard output and standard error.
    std::tuple<int, std::string, std::string> finish()
    {
        EXPECT_TRUE(sender.waitForFinished(10000));
        return {sender.exitStatus() == QProcess::NormalExit ? sender.exitCode() : -1,
                sender.readAllStandardOutput().toStdString(), sender.readAllStandardError().toStdString()};
    }

    server::testing::TempProgramDir dir;
    server::Settings settings;
    server::TDM dm;
    QProcess sender;
};

TEST_F(ProgramTest, CannotStartWithoutDatabaseOrPort)
{
    start({QStringLiteral("--once")});
    auto [status, out, err] = finish();
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("cannot open the database"), std::string::npos) << err;

    makeDatabase(0);
    qputenv("LUMOSMS_COM42", QByteArray::fromStdString(dir.path() + "/no-such-port"));
    start({QStringLiteral("--once")});
    std::tie(status, out, err) = finish();
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("the modem on port 42 (115200 baud) cannot be opened or does not answer"), std::string::npos)
        << err;
}

TEST_F(ProgramTest, OnceSendsWhatIsDueAndSaysHowMany)
{
    makeDatabase(2);
    lumosms::test::FakeModem modem;
    modem.installAsPort(kPort);
    start({QStringLiteral("--once")});
    const auto [status, out, err] = finish();
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(out, "SmsSender: 2 SMS sent, 0 tries failed, 0 received\n");
    EXPECT_EQ(server::testing::count(dm, "SmsSendState", "State=2"), 2);

    // A row planned on a virtual clock ahead of the wall clock goes when the run is told its time.
    server::testing::exec(dm, QStringLiteral("INSERT INTO SmsSendTask(Mobile,NeedTimes,Content,PlanNotice) "
                                             "VALUES('13900000009',1,'later','2099-01-01 09:30:00')"));
    start({QStringLiteral("--once"), QStringLiteral("--due-by"), QStringLiteral("2099-01-01 10:00:00")});
    const auto [laterStatus, laterOut, laterErr] = finish();
    EXPECT_EQ(laterStatus, 0) << laterErr;
    EXPECT_EQ(laterOut, "SmsSender: 1 SMS sent, 0 tries failed, 0 received\n");
}

TEST_F(ProgramTest, RunsAloneAndStopsCleanlyOnSigterm)
{
    makeDatabase(0);
    lumosms::test::FakeModem modem;
    modem.installAsPort(kPort);
    start({});
    ASSERT_TRUE(modem.nextStartingWith("AT+CMGF=0", std::chrono::milliseconds(5000)));
    {
        QProcess second;
        second.start(QStringLiteral(SMSSENDER_PATH),
                     {QStringLiteral("--dir"), QString::fromStdString(dir.path()), QStringLiteral("--once")});
        ASSERT_TRUE(second.waitForFinished(10000));
        EXPECT_EQ(second.exitCode(), 1);
        EXPECT_NE(second.readAllStandardError().toStdString().find("another SmsSender runs on"), std::string::npos);
    }
    sender.terminate();
    const auto [status, out, err] = finish();
    EXPECT_EQ(status, 0) << err;
    EXPECT_NE(err.find("stopped: 0 SMS sent"), std::string::npos) << err;
    EXPECT_TRUE(modem.portClosed());
}

} // namespace
} // namespace smssender
