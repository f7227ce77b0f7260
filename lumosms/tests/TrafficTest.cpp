// The exported interface and the modem worker against the fake modem: sending, results, retries, inbox.
#include "FakeModem.h"
#include "lumosms/LumoSms.h"
#include "lumosms/Timing.h"

#include <gtest/gtest.h>

#include <thread>

namespace lumosms {
namespace {

using namespace std::chrono_literals;
using test::FakeModem;
using test::ModemBehaviour;

constexpr int kPort = 5;
const char kDefaultCentre[] = "8613800000000";
const std::string kReferencePdu = "0891683108000000F011000D91683109000000F0000800024E2D";
const char kZhong[] = "\xD6\xD0";         // 中
const char kNiHao[] = "\xC4\xE3\xBA\xC3"; // 你好

struct SendResult
{
    int result;
    int messageId;
};

// Callbacks run on the worker thread and hand what they saw to the test through queues.
BoundedQueue<SendResult> sendResults(64);
BoundedQueue<int> closeResults(4);

struct Undecodable
{
    int storageIndex;
    std::string pdu;
};
BoundedQueue<Undecodable> undecodables(16);

void recordUndecodable(int storageIndex, const char *pdu)
{
    undecodables.tryPut({storageIndex, pdu});
}

void recordResult(int result, int messageId)
{
    sendResults.tryPut({result, messageId});
}

void closeFromCallback(int, int)
{
    closeResults.tryPut(Lumo_gsmClose());
}

std::string deliverPdu(const std::string &originator, const std::string &dcs, const std::string &userData)
{
    return "0891683108000000F004" + originator + "00" + dcs + "70219131548200" + userData;
}

class TrafficTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setTiming(test::testTiming());
        while (sendResults.get(0ms)) {
        }
    }

    void TearDown() override
    {
        Lumo_gsmClose();
        Lumo_gsmSetUndecodableCallback(nullptr);
        setTiming(Timing{});
    }

    void start(ModemBehaviour behaviour, Lumo_gsmSentCallback callback = recordResult)
    {
        m_modem = std::make_unique<FakeModem>(std::move(behaviour));
        m_modem->installAsPort(kPort);
        ASSERT_EQ(Lumo_gsmInit(kDefaultCentre, kPort, 115200, callback), 1);
        ASSERT_TRUE(m_modem->nextStartingWith("AT+CMGF=0").has_value());
    }

    std::unique_ptr<FakeModem> m_modem;
};

TEST_F(TrafficTest, SendResultsForEveryKindOfInput)
{
    EXPECT_EQ(Lumo_gsmSendMessage(1, "13900000000", "A"), 4); // not initialised
    ModemBehaviour behaviour;
    behaviour.prompt = ModemBehaviour::Prompt::None; // nothing queued may leave the worker in these checks
    start(behaviour);
    std::string seventyChinese;
    for (int i = 0; i < 70; ++i)
        seventyChinese += kZhong;
    const struct
    {
        const char *number;
        std::string text;
        int result;
    } cases[] = {
        {"1390000000", "A", 3}, // 10 characters
        {nullptr, "A", 3},
        {"13900000000000", "A", 3}, // 16 digits with "86"
        {"139000a0000", "A", 3},
        {"+86 13900000000", "A", 3},
        {"13900000000", "", 1},
        {"13900000000", std::string(71, 'A'), 2},
        {"13900000000", seventyChinese + "A", 2},
        {"13900000000", std::string(70, 'A'), 0},
        {"+8613900000000", seventyChinese, 0},
        {"1390000000000", "A", 0}, // 13 digits: 15 with "86"
    };
    for (const auto &c : cases)
        EXPECT_EQ(Lumo_gsmSendMessage(7, c.number, c.text.c_str()), c.result) << (c.number ? c.number : "null");
    EXPECT_EQ(Lumo_gsmSendMessage(7, "13900000000", nullptr), 1);
}

TEST_F(TrafficTest, ModemReceivesTheReferencePduAndResultsComeBack)
{
    ModemBehaviour behaviour;
    behaviour.serviceCentreReply = "\r\n+CSCA: \"\",129\r\n\r\nOK\r\n"; // the default centre applies
    behaviour.submitAnswers = {"OK", "ERROR"};
    start(behaviour);
    ASSERT_EQ(Lumo_gsmSendMessage(11, "13900000000", kZhong), 0);
    ASSERT_EQ(Lumo_gsmSendMessage(12, "+8613900000000", kZhong), 0);
    for (int id : {11, 12}) {
        EXPECT_EQ(m_modem->nextStartingWith("AT+CMGS")->text, "AT+CMGS=17\r");
        const auto pdu = m_modem->next();
        ASSERT_TRUE(pdu.has_value());
        EXPECT_EQ(pdu->text, kReferencePdu + "\x1A") << id;
    }
    const auto first = sendResults.get(2000ms);
    const auto second = sendResults.get(2000ms);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->result, 1);
    EXPECT_EQ(first->messageId, 11);
    EXPECT_EQ(second->result, -1);
    EXPECT_EQ(second->messageId, 12);
}

TEST_F(TrafficTest, UnansweredSubmitIsSentAgain)
{
    ModemBehaviour behaviour;
    behaviour.submitAnswers = {"", "OK"};
    start(behaviour);
    ASSERT_EQ(Lumo_gsmSendMessage(21, "13900000000", kZhong), 0);
    const auto firstPdu = m_modem->nextStartingWith("0891");
    const auto again = m_modem->nextStartingWith("AT+CMGS");
    const auto secondPdu = m_modem->nextStartingWith("0891");
    ASSERT_TRUE(firstPdu && again && secondPdu);
    const Timing timing = test::testTiming();
    EXPECT_GE(again->at - firstPdu->at, timing.submitTimeout + timing.retryPause);
    EXPECT_EQ(firstPdu->text, secondPdu->text);
    const auto result = sendResults.get(2000ms);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->result, 1);
    EXPECT_EQ(result->messageId, 21);
    EXPECT_FALSE(sendResults.get(50ms).has_value()); // one callback per message
}

TEST_F(TrafficTest, IdleWorkerListsTheInboxRegularly)
{
    const Timing timing = test::testTiming();
    const struct
    {
        std::optional<std::string> reply;
        std::chrono::milliseconds spacing;
    } cases[] = {
        {std::nullopt, timing.idleBeforeListing},            // an empty inbox
        {"\r\nERROR\r\n", timing.idleBeforeListing},         // abandoned until the next idle period
        {"", timing.listTimeout + timing.idleBeforeListing}, // unanswered: abandoned after its time-out
    };
    for (const auto &c : cases) {
        ModemBehaviour behaviour;
        behaviour.listingReply = c.reply;
        start(behaviour);
        std::vector<std::chrono::steady_clock::time_point> listings;
        while (listings.size() < 3) {
            const auto listing = m_modem->nextStartingWith("AT+CMGL", 1000ms);
            ASSERT_TRUE(listing.has_value());
            EXPECT_EQ(listing->text, "AT+CMGL\r");
            listings.push_back(listing->at);
        }
        for (std::size_t i = 1; i < listings.size(); ++i)
            EXPECT_GE(listings[i] - listings[i - 1], c.spacing);
        EXPECT_EQ(Lumo_gsmClose(), 1);
    }
}

TEST_F(TrafficTest, ReceivedMessagesAreDeliveredAndDeleted)
{
    ModemBehaviour behaviour;
    behaviour.inbox = {
        {4, deliverPdu("0D91683109000000F0", "08", "044F60597D")},
        {7, deliverPdu("0581"
                       "2143F5",
                       "00", "05C8329BFD06")},
        {9, deliverPdu("0B91"
                       "3109000000F0",
                       "04", "03414243")},
    };
    behaviour.deleteErrorsOnce = {7};
    start(behaviour);
    EXPECT_EQ(m_modem->nextStartingWith("AT+CMGD")->text, "AT+CMGD=4\r");
    const auto refused = m_modem->next();
    const auto retried = m_modem->next();
    ASSERT_TRUE(refused && retried);
    EXPECT_EQ(refused->text, "AT+CMGD=7\r");
    EXPECT_EQ(retried->text, "AT+CMGD=7\r");
    EXPECT_GE(retried->at - refused->at, test::testTiming().retryPause);
    EXPECT_EQ(m_modem->next()->text, "AT+CMGD=9\r");

    const struct
    {
        const char *number, *text;
    } expected[] = {{"13900000000", kNiHao}, {"12345", "Hello"}, {"13900000000", "ABC"}};
    for (const auto &e : expected) {
        char time[32] = "x", number[32] = "x", text[200] = "x";
        ASSERT_EQ(Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text), 1);
        EXPECT_STREQ(time, "2007-12-19 13:45:28");
        EXPECT_STREQ(number, e.number);
        EXPECT_STREQ(text, e.text);
    }
    // The inbox is empty now: later listings bring nothing more.
    ASSERT_TRUE(m_modem->nextStartingWith("AT+CMGL", 1000ms).has_value());
    char none[8];
    EXPECT_EQ(Lumo_gsmRecvMessage(none, sizeof none, none, sizeof none, none, sizeof none), 0);
}

// A listed message that cannot be decoded is never delivered, but it is deleted like the others (listing
// has marked it read: left there it would fill the modem's storage) and reported with its PDU first.
TEST_F(TrafficTest, UndecodableMessagesAreReportedAndDeleted)
{
    const std::string hello = deliverPdu("0581"
                                         "2143F5",
                                         "00", "05C8329BFD06");
    const std::string garbled = hello.substr(0, 30);
    const std::string statusReport = "0891683108000000F006" + hello.substr(20);
    for (const bool reported : {true, false}) {
        Lumo_gsmSetUndecodableCallback(reported ? recordUndecodable : nullptr);
        ModemBehaviour behaviour;
        behaviour.inbox = {{3, garbled}, {4, hello}, {6, statusReport}};
        start(behaviour);
        for (const char *command : {"AT+CMGD=3\r", "AT+CMGD=4\r", "AT+CMGD=6\r"}) {
            const auto deleted = m_modem->nextStartingWith("AT+CMGD", 1000ms);
            ASSERT_TRUE(deleted.has_value()) << command;
            EXPECT_EQ(deleted->text, command);
        }
        char time[32], number[32], text[200];
        ASSERT_EQ(Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text), 1);
        EXPECT_STREQ(text, "Hello");
        EXPECT_EQ(Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text), 0);
        if (reported) {
            for (const Undecodable &expected : {Undecodable{3, garbled}, Undecodable{6, statusReport}}) {
                const auto got = undecodables.get(1000ms);
                ASSERT_TRUE(got.has_value());
                EXPECT_EQ(got->storageIndex, expected.storageIndex);
                EXPECT_EQ(got->pdu, expected.pdu);
            }
        }
        // The inbox is empty now: the next listing brings nothing more to report.
        ASSERT_TRUE(m_modem->nextStartingWith("AT+CMGL", 1000ms).has_value());
        ASSERT_TRUE(m_modem->nextStartingWith("AT+CMGL", 1000ms).has_value());
        EXPECT_FALSE(undecodables.get(0ms).has_value());
        EXPECT_EQ(Lumo_gsmClose(), 1);
    }
}

TEST_F(TrafficTest, DeletesThatNeverSucceedEndAfterTheirTimeOut)
{
    const std::string pdu = deliverPdu("0581"
                                       "2143F5",
                                       "00", "05C8329BFD06");
    for (const bool silent : {true, false}) {
        ModemBehaviour behaviour;
        behaviour.inbox = {{1, pdu}, {2, pdu}};
        behaviour.deletesSilent = silent;
        behaviour.deleteRefused = {1};
        start(behaviour);
        const auto first = m_modem->nextStartingWith("AT+CMGD", 1000ms);
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(first->text, "AT+CMGD=1\r");
        // Refused or unanswered, the worker gives up on the listing and goes back to idle: the next command
        // that is not a repeat of the same delete is the next listing, and a message still goes out.
        std::optional<test::ReceivedCommand> next;
        while ((next = m_modem->next(1000ms)) && next->text == "AT+CMGD=1\r") {
        }
        ASSERT_TRUE(next.has_value());
        EXPECT_EQ(next->text, "AT+CMGL\r") << silent;
        EXPECT_GE(next->at - first->at, test::testTiming().deleteTimeout);
        ASSERT_EQ(Lumo_gsmSendMessage(41, "13900000000", "A"), 0);
        const auto result = sendResults.get(2000ms);
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(result->messageId, 41);
        EXPECT_EQ(Lumo_gsmClose(), 1);
    }
}

TEST_F(TrafficTest, ReceiveBuffersAreCutTerminatedAndMayBeMissing)
{
    ModemBehaviour behaviour;
    behaviour.inbox = {
        {1, deliverPdu("0D91683109000000F0", "08", "044F60597D")},
        {2, deliverPdu("0D91683109000000F0", "08", "044F60597D")},
    };
    start(behaviour);
    char time[6], number[6], text[3];
    int got = 0;
    for (int i = 0; i < 100 && got == 0; ++i)
        got = Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text);
    ASSERT_EQ(got, 1);
    EXPECT_STREQ(time, "2007-");
    EXPECT_STREQ(number, "13900");
    EXPECT_STREQ(text, "\xC4\xE3"); // 你 whole; half of 好 would not be a character
    EXPECT_EQ(Lumo_gsmRecvMessage(nullptr, 20, number, 0, text, -1), 1);
    EXPECT_STREQ(number, "13900"); // size 0: untouched
}

TEST_F(TrafficTest, ReceiveWithoutMessagesReturnsZeroAfterItsWait)
{
    char buffer[32];
    EXPECT_EQ(Lumo_gsmRecvMessage(buffer, 32, buffer, 32, buffer, 32), 0); // not initialised
    start({});
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_EQ(Lumo_gsmRecvMessage(buffer, 32, buffer, 32, buffer, 32), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - begin, test::testTiming().queueWait);
}

TEST_F(TrafficTest, InitAndCloseLifecycle)
{
    EXPECT_EQ(Lumo_gsmClose(), 0);
    ModemBehaviour failing;
    failing.failing = {"AT+CIMI"};
    m_modem = std::make_unique<FakeModem>(failing);
    m_modem->installAsPort(kPort);
    EXPECT_EQ(Lumo_gsmInit(kDefaultCentre, kPort, 115200, recordResult), 0);
    EXPECT_EQ(Lumo_gsmSendMessage(1, "13900000000", "A"), 4);
    EXPECT_EQ(Lumo_gsmInit(kDefaultCentre, 0, 115200, recordResult), 0);

    start({});
    EXPECT_EQ(Lumo_gsmInit(kDefaultCentre, kPort, 115200, recordResult), 1); // already running
    EXPECT_FALSE(m_modem->nextStartingWith("ATE0", 100ms).has_value());      // and no second dialogue
    EXPECT_EQ(Lumo_gsmClose(), 1);
    EXPECT_TRUE(m_modem->portClosed());
    EXPECT_EQ(Lumo_gsmClose(), 0);
    EXPECT_EQ(Lumo_gsmSendMessage(1, "13900000000", "A"), 4);
    start({}); // reopening runs the whole dialogue again
    EXPECT_EQ(Lumo_gsmClose(), 1);
}

TEST_F(TrafficTest, CloseReleasesASenderWaitingForRoom)
{
    ModemBehaviour behaviour;
    behaviour.prompt = ModemBehaviour::Prompt::None; // the worker keeps retrying its first message
    start(behaviour);
    int queued = 0;
    for (int id = 0; id < 1281; ++id)
        queued += Lumo_gsmSendMessage(id, "13900000000", "A") == 0;
    EXPECT_EQ(queued, 1281); // 1,280 waiting and the one in flight
    int blocked = -1;
    std::thread sender([&] { blocked = Lumo_gsmSendMessage(9999, "13900000000", "A"); });
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(Lumo_gsmClose(), 1);
    sender.join();
    EXPECT_EQ(blocked, 5);
}

TEST_F(TrafficTest, NullCallbackAndCloseFromTheCallback)
{
    start({}, nullptr);
    ASSERT_EQ(Lumo_gsmSendMessage(31, "13900000000", kZhong), 0);
    ASSERT_TRUE(m_modem->nextStartingWith("0891").has_value());
    std::this_thread::sleep_for(50ms); // the answer arrives and nothing is called
    EXPECT_EQ(Lumo_gsmClose(), 1);

    start({}, closeFromCallback);
    ASSERT_EQ(Lumo_gsmSendMessage(32, "13900000000", kZhong), 0);
    const auto fromCallback = closeResults.get(2000ms);
    ASSERT_TRUE(fromCallback.has_value());
    EXPECT_EQ(*fromCallback, 0); // refused: it would wait for its own thread
    EXPECT_EQ(Lumo_gsmClose(), 1);
}

} // namespace
} // namespace lumosms
