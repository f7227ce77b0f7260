// The serial port and the AT dialogue against the fake modem: initialisation, submit and its prompt.
#include "lumosms/AtDialogue.h"
#include "FakeModem.h"
#include "lumosms/PduEncoder.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

using namespace std::chrono_literals;
using test::FakeModem;
using test::ModemBehaviour;

constexpr int kPort = 3;
const std::string kReferencePdu = "0891683108000000F011000D91683109000000F0000800024E2D";

std::vector<std::string> commandsSeen(FakeModem &modem)
{
    std::vector<std::string> seen;
    while (auto command = modem.next(50ms))
        seen.push_back(command->text);
    return seen;
}

TEST(SerialPortTest, NamesPortsAndRefusesWhatCannotOpen)
{
    unsetenv("LUMOSMS_COM12");
    EXPECT_EQ(SerialPort::devicePath(1), "/dev/ttyS0");
    EXPECT_EQ(SerialPort::devicePath(12), "/dev/ttyS11");
    EXPECT_EQ(SerialPort::devicePath(0), "");
    setenv("LUMOSMS_COM12", "/nonexistent/tty", 1);
    EXPECT_EQ(SerialPort::devicePath(12), "/nonexistent/tty");
    SerialPort port;
    EXPECT_FALSE(port.open(12, 115200, test::testTiming()));
    EXPECT_FALSE(port.open(0, 115200, test::testTiming()));
    FakeModem modem;
    modem.installAsPort(kPort);
    EXPECT_FALSE(port.open(kPort, 12345, test::testTiming())); // not a standard rate
    ASSERT_TRUE(port.open(kPort, 115200, test::testTiming()));
    SerialPort second;
    EXPECT_FALSE(second.open(kPort, 115200, test::testTiming())); // not shared
    EXPECT_TRUE(port.close());
    EXPECT_FALSE(port.close());
    EXPECT_TRUE(modem.portClosed());
}

TEST(AtDialogueTest, InitialisesInOrder)
{
    FakeModem modem;
    modem.installAsPort(kPort);
    AtDialogue dialogue;
    ASSERT_TRUE(dialogue.initialise(kPort, 115200, "8613800000000", test::testTiming()));
    EXPECT_EQ(commandsSeen(modem),
              (std::vector<std::string>{"ATE0\r", "AT\r", "AT+CIMI\r", "AT+CNMI=2,1\r", "AT+CSCA?\r", "AT+CMGF=0\r"}));
    EXPECT_EQ(dialogue.serviceCentre(), "+8613800100500");
    EXPECT_FALSE(modem.portClosed());
    EXPECT_TRUE(dialogue.close());
    EXPECT_TRUE(modem.portClosed());
}

TEST(AtDialogueTest, EachFailingCommandClosesThePort)
{
    const struct
    {
        std::string command;
        bool silent;
        std::size_t commandsSent;
    } cases[] = {
        {"ATE0", false, 1},      {"AT", false, 2},     {"AT+CIMI", false, 3},  {"AT+CNMI=2,1", false, 4},
        {"AT+CMGF=0", false, 6}, {"AT+CIMI", true, 3}, {"AT+CMGF=0", true, 6},
    };
    for (const auto &c : cases) {
        ModemBehaviour behaviour;
        (c.silent ? behaviour.silent : behaviour.failing).push_back(c.command);
        FakeModem modem(behaviour);
        modem.installAsPort(kPort);
        AtDialogue dialogue;
        EXPECT_FALSE(dialogue.initialise(kPort, 115200, "8613800000000", test::testTiming())) << c.command;
        EXPECT_TRUE(modem.portClosed()) << c.command;
        const auto seen = commandsSeen(modem);
        ASSERT_EQ(seen.size(), c.commandsSent) << c.command;
        EXPECT_EQ(seen.back(), c.command + "\r");
    }
}

TEST(AtDialogueTest, ServiceCentreComesFromTheModemOrTheDefault)
{
    const struct
    {
        std::string reply;
        std::string chosen;
    } cases[] = {
        {"\r\n+CSCA: \"+8613800100500\",145\r\n\r\nOK\r\n", "+8613800100500"},
        {"\r\n+CSCA: \"\",129\r\n\r\nOK\r\n", "8613800000000"},
        {"", "8613800000000"}, // no reply at all; it is not tested for OK
    };
    for (const auto &c : cases) {
        ModemBehaviour behaviour;
        behaviour.serviceCentreReply = c.reply;
        FakeModem modem(behaviour);
        modem.installAsPort(kPort);
        AtDialogue dialogue;
        ASSERT_TRUE(dialogue.initialise(kPort, 115200, "8613800000000", test::testTiming()));
        EXPECT_EQ(dialogue.serviceCentre(), c.chosen);
    }
}

TEST(AtDialogueTest, SubmitWritesThePduOnlyAfterAWholePrompt)
{
    const struct
    {
        ModemBehaviour::Prompt prompt;
        bool sent;
    } cases[] = {
        {ModemBehaviour::Prompt::Whole, true},
        {ModemBehaviour::Prompt::Split, false},
        {ModemBehaviour::Prompt::None, false},
    };
    for (const auto &c : cases) {
        ModemBehaviour behaviour;
        behaviour.prompt = c.prompt;
        FakeModem modem(behaviour);
        modem.installAsPort(kPort);
        AtDialogue dialogue;
        ASSERT_TRUE(dialogue.initialise(kPort, 115200, "", test::testTiming()));
        commandsSeen(modem);
        EXPECT_EQ(dialogue.submit(kReferencePdu), c.sent ? 53u : 0u);
        EXPECT_EQ(modem.next()->text, "AT+CMGS=17\r");
        const auto pdu = modem.next(c.sent ? 2000ms : 300ms);
        ASSERT_EQ(pdu.has_value(), c.sent);
        if (c.sent) {
            EXPECT_EQ(pdu->text, kReferencePdu + "\x1A");
            ResponseBuffer response;
            ResponseState state = ResponseState::Pending;
            for (int i = 0; i < 20 && state == ResponseState::Pending; ++i)
                state = dialogue.poll(response);
            EXPECT_EQ(state, ResponseState::Complete);
        }
    }
}

TEST(AtDialogueTest, ListAndDeleteWriteTheirCommands)
{
    FakeModem modem;
    modem.installAsPort(kPort);
    AtDialogue dialogue;
    ASSERT_TRUE(dialogue.initialise(kPort, 115200, "", test::testTiming()));
    commandsSeen(modem);
    dialogue.list();
    dialogue.remove(42);
    EXPECT_EQ(commandsSeen(modem), (std::vector<std::string>{"AT+CMGL\r", "AT+CMGD=42\r"}));
}

} // namespace
} // namespace lumosms
