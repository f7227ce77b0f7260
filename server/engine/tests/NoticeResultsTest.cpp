// Results of calls written to their tasks: statuses, causes, counters, next attempt times, SMS rows.
#include "server/engine/tests/EngineHarness.h"

namespace server {
namespace {

using testing::scalar;

class NoticeResultsTest : public testing::EngineHarness
{
protected:
    NoticeResultsTest() : EngineHarness(common::DateTime{2024, 5, 1, 23, 55, 0, 0}) {}

    void SetUp() override
    {
        engine.settings().Interval = 10;
        createDatabase();
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,NoticeTimes,SuccTimes) VALUES ('13800000000',0,0)"));
        ChannelRecord &ch = engine.channel(2);
        ch.TaskId = "1";
        ch.Phone = "13800000000";
        ch.PressInfo = "19";
    }

    QString column(const char *name) { return scalar(dm, QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=1").arg(QLatin1String(name))).toString(); }
    int smsRows() { return scalar(dm, QStringLiteral("SELECT COUNT(*) FROM SmsSendTask")).toInt(); }
    void writeResult(NoticeStatus status, std::string_view cause = {})
    {
        engine.results().WriteNoticeResult(2, engine.channel(2), status, cause);
    }
};

TEST_F(NoticeResultsTest, AttemptThenBusyOutcome)
{
    EXPECT_EQ(engine.results().ClaimTask(2, engine.channel(2), 0, 0), ResultWriter::Claim::Won);
    EXPECT_EQ(column("Status"), QStringLiteral("1"));
    EXPECT_EQ(column("NoticeTimes"), QStringLiteral("1"));
    EXPECT_EQ(column("FactNotice"), QStringLiteral("2024-05-01 23:55:00"));
    EXPECT_EQ(column("TrunkCh"), QStringLiteral("3"));

    ChannelRecord &ch = engine.channel(2);
    ch.Progress = CallProgress::Seized;
    ch.BusySeen = 1;
    engine.WriteCallOutcome(2);
    EXPECT_EQ(column("Status"), QStringLiteral("3"));
    EXPECT_EQ(column("FailCause"), QStringLiteral("对方占线"));
    EXPECT_EQ(column("NextNotice"), QStringLiteral("2024-05-02 00:05:00")); // across midnight
    EXPECT_EQ(column("NoticeTimes"), QStringLiteral("1"));
    EXPECT_EQ(smsRows(), 0);
}

TEST_F(NoticeResultsTest, OutcomesByProgress)
{
    const struct
    {
        const char *name;
        CallProgress progress;
        std::int8_t busy, noAnswer, transfer;
        std::int16_t agentMark;
        const char *status, *cause, *succ;
        int sms;
    } cases[] = {
        {"busy", CallProgress::Seized, 1, 0, 0, 0, "3", "对方占线", "0", 0},
        {"no answer", CallProgress::Seized, 0, 1, 0, 0, "3", "线路没接好或对方无人应答", "0", 0},
        {"dropped before any answer: a failed attempt", CallProgress::Seized, 0, 0, 0, 0, "3", "线路没接好或对方无人应答",
         "0", 0},
        {"answered and notified", CallProgress::Answered, 0, 0, 0, 0, "2", "", "1", 1},
        {"cancelled by the operator", CallProgress::Cancelled, 0, 0, 0, 0, "3", "用户取消通知", "0", 0},
        // Two result writes (both count as successes), one SMS to the person.
        {"answered, sent to an agent nobody took", CallProgress::Answered, 0, 0, 1, 0, "4", "", "2", 1},
        {"answered, sent to an agent who took it", CallProgress::Answered, 0, 0, 1, 1, "5", "", "2", 1},
    };
    engine.settings().SendSMSFlag = 1;
    engine.settings().SMSContent = "您的通知已送达";
    for (const auto &c : cases) {
        testing::exec(dm, QStringLiteral("UPDATE AdNotice SET Status=1,FailCause='',SuccTimes=0"));
        testing::exec(dm, QStringLiteral("DELETE FROM SmsSendTask"));
        ChannelRecord &ch = engine.channel(2);
        ch.Progress = c.progress;
        ch.BusySeen = c.busy;
        ch.NoAnswer = c.noAnswer;
        ch.TransferStarted = c.transfer;
        ch.AgentAnswerMark = c.agentMark;
        ch.AnsweringStation = 6;
        ch.RecordFile = "/rec/a.wav";
        engine.WriteCallOutcome(2);
        EXPECT_EQ(column("Status").toStdString(), c.status) << c.name;
        EXPECT_EQ(column("FailCause").toStdString(), c.cause) << c.name;
        EXPECT_EQ(column("SuccTimes").toStdString(), c.succ) << c.name;
        EXPECT_EQ(smsRows(), c.sms) << c.name;
        if (std::string(c.status) == "5") {
            EXPECT_EQ(column("SlicCh"), QStringLiteral("7")) << c.name;
            EXPECT_EQ(column("RecordFile"), QStringLiteral("/rec/a.wav")) << c.name;
            EXPECT_EQ(column("PressInfo"), QStringLiteral("19")) << c.name;
        }
    }
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM SmsSendTask WHERE Mobile='13800000000' AND OperID='corvida' "
                                        "AND NoticeMode=1 AND Priority=1 AND NeedTimes=1 AND VisitID=1 AND "
                                        "NoticeTaskID=1 AND Content='您的通知已送达' AND "
                                        "PlanNotice='2024-05-01 23:55:00'")).toInt(),
              1); // the last case's
}

TEST_F(NoticeResultsTest, IntervalOfAnHourOrMoreStillSchedulesTheNextAttempt)
{
    for (int interval : {0, 59, 60, 90, 255}) {
        engine.settings().Interval = static_cast<std::uint8_t>(interval);
        writeResult(NoticeStatus::Failed, "对方占线");
        EXPECT_EQ(column("NextNotice").toStdString(),
                  common::formatDateTime("yyyy-mm-dd hh:mm:ss", clock.now().addMinutes(interval)))
            << interval;
        EXPECT_EQ(column("Status"), QStringLiteral("3"));
    }
}

TEST_F(NoticeResultsTest, TalkTimesOfAnsweredCalls)
{
    // The trunk hangs up that long after the answer: whole seconds with halves to the even neighbour,
    // and seconds to two decimals without trailing zeros.
    const struct
    {
        std::uint32_t ms;
        const char *result, *fact;
    } cases[] = {{12500, "12", "12.5"}, {13500, "14", "13.5"}, {12000, "12", "12"},
                 {65204, "65", "65.2"}, {999, "1", "1"},     {1005, "1", "1"},
                 {1015, "1", "1.02"}, {61234, "61", "61.23"}};
    engine.tables().Kind[2] = 1;
    engine.channel(2).TrunkRow = static_cast<std::int16_t>(display.addChannelRow(ChannelList::Trunk, "3", true));
    clock.advance(100000); // an answer tick of 0 would mean "not answered"
    for (const auto &c : cases) {
        ChannelRecord &ch = engine.channel(2);
        ch.TaskId = "1";
        ch.AnswerTick = clock.tick();
        ch.StartBill = "2024-05-01 23:55:00";
        clock.advance(c.ms);
        engine.HandleOnHook(2);
        EXPECT_EQ(column("ResultTotalTime").toStdString(), c.result) << c.ms;
        EXPECT_EQ(column("FactTotalTime").toStdString(), c.fact) << c.ms;
        EXPECT_EQ(column("StartBill"), QStringLiteral("2024-05-01 23:55:00"));
        EXPECT_EQ(column("FinishBill").toStdString(), common::formatDateTime("yyyy-mm-dd hh:mm:ss", clock.now()));
    }
}

TEST_F(NoticeResultsTest, NoticeClientTypeAndSwallowedErrors)
{
    writeResult(NoticeStatus::Playing);
    EXPECT_EQ(column("Status"), QStringLiteral("8"));

    engine.channel(5).ClientType = "成交";
    engine.results().WriteClientType(engine.channel(5), "1");
    EXPECT_EQ(column("ClientType"), QStringLiteral("成交"));

    testing::exec(dm, QStringLiteral("DROP TABLE SmsSendTask"));
    EXPECT_NO_THROW(engine.results().QueueSms("1", "x", "corvida"));
    dm.DBConnection().close();
    EXPECT_NO_THROW(writeResult(NoticeStatus::Notified));
}

} // namespace
} // namespace server
