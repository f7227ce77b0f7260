// A bench for the sender's tests: a database with the sender's tables (the embedded one, or PostgreSQL
// when SENDER_ON_POSTGRES), a fake modem on a pseudo-terminal, and the loop with short waits.
#pragma once

#include "smssender/LumoModem.h"
#include "smssender/SendLoop.h"
#include "smssender/SmsQueue.h"

#include "server/data/tests/TestDatabase.h"

#include "FakeModem.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace smssender::testing {

inline constexpr int kPort = 41;

/// One row of SmsSendTask as a test queues it.
struct TaskRow
{
    std::string mobile;
    std::string content;
    int needTimes = 1;
    int priority = 1;
    std::string planNotice = "2026-12-01 09:00:00";
    std::string insertDate = "2026-12-01 09:00:00";
};

class SenderTestBench : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// Queues a row as the server does; its id.
    int queue(const TaskRow &row);
    /// Starts a fake modem with that behaviour as the sender's port (a modem started before is gone).
    void startModem(lumosms::test::ModemBehaviour behaviour = {});
    /// A loop on the modem port, with the given tries per row and answer time-out.
    void makeLoop(int attempts = 3, std::chrono::milliseconds answerTimeout = std::chrono::milliseconds(2000));
    /// Steps the loop until the condition holds; false when it did not within `limit`.
    bool stepUntil(const std::function<bool()> &condition, std::chrono::milliseconds limit = std::chrono::seconds(5));
    /// The PDUs the modem received so far (without their Ctrl-Z), in order.
    std::vector<std::string> sentPdus();
    /// SmsSendState of a row: "State/Sent/Failures/Answer".
    std::string stateOf(int id);
    int reportsContaining(const std::string &text) const;

    server::testing::TempProgramDir dir;
    server::Settings settings;
    server::TDM dm;
    std::unique_ptr<lumosms::test::FakeModem> modem;
    std::unique_ptr<LumoModem> lumo;
    std::unique_ptr<SmsQueue> smsQueue;
    std::unique_ptr<SendLoop> loop;
    LoopOptions options; ///< what makeLoop gives the loop besides the tries and the time-out
    std::vector<std::string> reports;
    std::string now = "2026-12-11 10:00:00";
};

/// The PDU text a submit of that number and UTF-8 text carries after its service-centre part: the
/// destination in international form and the text as UCS2.
std::string submitTail(const std::string &mobile, const std::string &utf8);

} // namespace smssender::testing
