// The modem worker on its own queues: a full receive queue holds the deletes back, and a stop ends that wait.
#include "lumosms/ModemWorker.h"
#include "FakeModem.h"

#include <gtest/gtest.h>

namespace lumosms {
namespace {

using namespace std::chrono_literals;

constexpr int kPort = 10;
const std::string kPdu = "0891683108000000F00405812143F500007021913154820005C8329BFD06";

TEST(ModemWorkerTest, FullReceiveQueueHoldsTheDeletesBack)
{
    test::ModemBehaviour behaviour;
    behaviour.inbox = {{1, kPdu}, {2, kPdu}};
    test::FakeModem modem(behaviour);
    modem.installAsPort(kPort);
    AtDialogue dialogue;
    ASSERT_TRUE(dialogue.initialise(kPort, 115200, "", test::testTiming()));
    MessageQueue sendQueue(4);
    MessageQueue receiveQueue(1);
    ModemWorker worker(dialogue, sendQueue, receiveQueue, test::testTiming(), nullptr);
    std::jthread thread([&](std::stop_token stop) { worker.run(stop); });

    ASSERT_TRUE(modem.nextStartingWith("AT+CMGL", 1000ms).has_value());
    EXPECT_FALSE(modem.nextStartingWith("AT+CMGD", 200ms).has_value()); // the second record finds no room
    EXPECT_EQ(receiveQueue.size(), 1u);
    ASSERT_TRUE(receiveQueue.get(0ms).has_value());
    EXPECT_EQ(modem.nextStartingWith("AT+CMGD", 1000ms)->text, "AT+CMGD=1\r");
    EXPECT_EQ(modem.next()->text, "AT+CMGD=2\r");
    EXPECT_EQ(receiveQueue.size(), 1u);
}

TEST(ModemWorkerTest, StopEndsTheWaitForRoom)
{
    test::ModemBehaviour behaviour;
    behaviour.inbox = {{1, kPdu}, {2, kPdu}};
    test::FakeModem modem(behaviour);
    modem.installAsPort(kPort);
    AtDialogue dialogue;
    ASSERT_TRUE(dialogue.initialise(kPort, 115200, "", test::testTiming()));
    MessageQueue sendQueue(4);
    MessageQueue receiveQueue(1);
    ModemWorker worker(dialogue, sendQueue, receiveQueue, test::testTiming(), nullptr);
    std::jthread thread([&](std::stop_token stop) { worker.run(stop); });

    ASSERT_TRUE(modem.nextStartingWith("AT+CMGL", 1000ms).has_value());
    while (receiveQueue.size() == 0)
        std::this_thread::sleep_for(1ms);
    std::this_thread::sleep_for(20ms);
    const auto begin = std::chrono::steady_clock::now();
    thread.request_stop();
    thread.join();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, 100ms);
    EXPECT_FALSE(modem.nextStartingWith("AT+CMGD", 50ms).has_value()); // nothing deleted: both stay stored
}

TEST(ModemWorkerTest, StepsFollowTheirAnswers)
{
    test::ModemBehaviour behaviour;
    behaviour.submitAnswers = {"ERROR"};
    test::FakeModem modem(behaviour);
    modem.installAsPort(kPort);
    AtDialogue dialogue;
    ASSERT_TRUE(dialogue.initialise(kPort, 115200, "", test::testTiming()));
    MessageQueue sendQueue(4);
    MessageQueue receiveQueue(4);
    ModemWorker worker(dialogue, sendQueue, receiveQueue, test::testTiming(), nullptr);
    const std::stop_token running;

    EXPECT_EQ(worker.step(WorkerStep::IdleStart, running), WorkerStep::Idle);
    EXPECT_EQ(worker.step(WorkerStep::Idle, running), WorkerStep::Idle); // nothing queued, not idle long
    MessageRecord record;
    storeField(record.peer, "8613900000000");
    storeField(record.userData, "A");
    record.codingScheme = kCodingUcs2;
    ASSERT_TRUE(sendQueue.put(record));
    EXPECT_EQ(worker.step(WorkerStep::Idle, running), WorkerStep::Send);
    EXPECT_EQ(worker.step(WorkerStep::Send, running), WorkerStep::AwaitAnswer);
    WorkerStep next = WorkerStep::AwaitAnswer;
    while (next == WorkerStep::AwaitAnswer)
        next = worker.step(next, running);
    EXPECT_EQ(next, WorkerStep::IdleStart);                                         // refused: reported and dropped
    EXPECT_EQ(worker.step(WorkerStep::DeleteNext, running), WorkerStep::IdleStart); // nothing listed
    EXPECT_EQ(worker.step(WorkerStep::RetryPause, running), WorkerStep::Send);

    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_EQ(worker.step(WorkerStep::Idle, stopped.get_token()), WorkerStep::Stopped);
    EXPECT_EQ(worker.step(WorkerStep::Stopped, running), WorkerStep::Stopped);
}

} // namespace
} // namespace lumosms
