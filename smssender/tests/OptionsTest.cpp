// The sender's settings from Setup.ini and its command line.
#include "smssender/SenderSettings.h"
#include "smssender/app/SenderCommandLine.h"

#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <fstream>

namespace smssender {
namespace {

using namespace std::chrono_literals;

TEST(SenderSettingsTest, DatabaseAndSenderKeysWithDefaultsForWhatIsMissingOrWrong)
{
    server::testing::TempProgramDir dir;
    std::ofstream(dir.path() + "/Setup.ini") << "[Database]\r\nDBType=1\r\nServerName= 127.0.0.1,5432 \r\n"
                                                "OdbcDriver=PostgreSQL Unicode\r\n[smssender]\r\nPort=3\r\n"
                                                "Baud=9600\r\nServiceCentre=+8613800100500\r\nPollSeconds=0\r\n"
                                                "Attempts=x\r\nAnswerSeconds=20\r\n";
    server::Settings database;
    database.ProgramDir = dir.path();
    SenderSettings sender;
    std::string error;
    ASSERT_TRUE(loadSenderSettings(database, sender, &error)) << error;
    EXPECT_EQ(database.DBType, 1);
    EXPECT_EQ(database.ServerName, "127.0.0.1,5432");
    EXPECT_EQ(database.OdbcDriver, "PostgreSQL Unicode");
    EXPECT_EQ(sender.port, 3);
    EXPECT_EQ(sender.baud, 9600);
    EXPECT_EQ(sender.serviceCentre, "+8613800100500");
    EXPECT_EQ(sender.pollPeriod, 5000ms); // 0 is out of range
    EXPECT_EQ(sender.attempts, 3);        // not a number
    EXPECT_EQ(sender.answerTimeout, 20000ms);

    database.ProgramDir = dir.path() + "/missing";
    EXPECT_FALSE(loadSenderSettings(database, sender, &error));
    EXPECT_NE(error.find("no settings file"), std::string::npos);
}

TEST(SenderCommandLineTest, OptionsAndMistakes)
{
    std::string error;
    const auto cl = parseSenderCommandLine(
        {"--dir", "/x", "--port", "4", "--baud", "9600", "--once", "--headless", "--due-by", "2026-12-11 10:00"},
        error);
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->programDir, "/x");
    EXPECT_EQ(cl->port, 4);
    EXPECT_EQ(cl->baud, 9600);
    EXPECT_TRUE(cl->once);
    EXPECT_TRUE(cl->headless);
    EXPECT_EQ(cl->dueBy, "2026-12-11 10:00:00");

    const struct
    {
        std::vector<std::string> args;
        const char *error;
    } mistakes[] = {
        {{"--port", "0"}, "bad value for --port: 0"},
        {{"--baud"}, "option --baud needs a value"},
        {{"--port", "2x"}, "bad value for --port: 2x"},
        {{"send"}, "unknown argument send"},
        {{"--due-by", "2026-02-30 10:00:00"}, "bad value for --due-by (\"yyyy-mm-dd hh:mm:ss\"): 2026-02-30 10:00:00"},
    };
    for (const auto &m : mistakes) {
        EXPECT_FALSE(parseSenderCommandLine(m.args, error));
        EXPECT_EQ(error, m.error);
    }
}

} // namespace
} // namespace smssender
