// The lumosms tool: its command line, and a send and a listing through the fake modem.
#include "FakeModem.h"
#include "lumosms/cli/CliOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace lumosms {
namespace {

constexpr int kPort = 9;

struct RunResult
{
    int status;
    std::string output;
};

RunResult runTool(const std::string &arguments)
{
    const std::string command = std::string(LUMOSMS_TOOL_PATH) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    std::string output;
    char chunk[256];
    while (pipe && fgets(chunk, sizeof chunk, pipe))
        output += chunk;
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(CliOptionsTest, ParsesCommandsAndRefusesMistakes)
{
    std::string error;
    const auto send = parseCliOptions({"send", "--port", "4", "--sca", "+8613800100500", "13900000000", "hi"}, error);
    ASSERT_TRUE(send.has_value()) << error;
    EXPECT_EQ(send->command, CliOptions::Command::Send);
    EXPECT_EQ(send->port, 4);
    EXPECT_EQ(send->baud, 115200);
    EXPECT_EQ(send->serviceCentre, "+8613800100500");
    EXPECT_EQ(send->number, "13900000000");
    EXPECT_EQ(send->text, "hi");
    EXPECT_EQ(send->seconds, 60);
    const auto list = parseCliOptions({"list", "--baud", "9600", "--seconds", "2.5"}, error);
    ASSERT_TRUE(list.has_value()) << error;
    EXPECT_EQ(list->command, CliOptions::Command::List);
    EXPECT_EQ(list->seconds, 2.5);
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"send", "13900000000"},
        {"list", "extra"},
        {"fetch"},
        {"list", "--port"},
        {"list", "--port", "0"},
        {"list", "--port", "x"},
        {"list", "--colour", "red"},
        {"list", "--time-scale", "-1"},
    };
    for (const auto &args : bad)
        EXPECT_FALSE(parseCliOptions(args, error).has_value()) << (args.empty() ? "" : args[0]);
}

TEST(CliTest, SendsAndListsThroughTheModem)
{
    test::ModemBehaviour behaviour;
    behaviour.submitAnswers = {"OK", "ERROR"};
    behaviour.inbox = {{3, "0891683108000000F0040D91683109000000F000087021913154820004"
                           "4F60597D"}};
    test::FakeModem modem(behaviour);
    modem.installAsPort(kPort);
    const std::string options = "--port " + std::to_string(kPort) + " --time-scale 0.1 ";
    const RunResult sent = runTool("send " + options + "13900000000 \xE4\xB8\xAD"); // 中 in UTF-8
    EXPECT_EQ(sent.status, 0) << sent.output;
    EXPECT_EQ(sent.output, "result 1\n");
    ASSERT_TRUE(modem.nextStartingWith("0891").has_value());
    const RunResult refused = runTool("send " + options + "13900000000 x");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.output, "result -1\n");
    const RunResult listed = runTool("list " + options + "--seconds 1");
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.output, "2007-12-19 13:45:28\t13900000000\t\xE4\xBD\xA0\xE5\xA5\xBD\n"); // 你好
    const RunResult tooShort = runTool("send " + options + "1390000 x");
    EXPECT_EQ(tooShort.status, 3);
    EXPECT_NE(tooShort.output.find("result 3"), std::string::npos);
    const RunResult noModem = runTool("list --port 99 --seconds 1");
    EXPECT_EQ(noModem.status, 2);
}

TEST(CliTest, ListNamesTheMessagesItCannotDecode)
{
    test::ModemBehaviour behaviour;
    behaviour.inbox = {{7, "0891683108000000F006"}};
    test::FakeModem modem(behaviour);
    modem.installAsPort(kPort);
    const RunResult listed = runTool("list --port " + std::to_string(kPort) + " --time-scale 0.1 --seconds 1");
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.output, "lumosms: message 7 could not be decoded and was deleted; its PDU: 0891683108000000F006\n");
    EXPECT_TRUE(modem.nextStartingWith("AT+CMGD=7").has_value());
}

} // namespace
} // namespace lumosms
