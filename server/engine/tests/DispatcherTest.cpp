// The dispatcher's calendar, window, trunk choice and task queries, up to the point where it dials.
#include "server/engine/tests/EngineHarness.h"
#include "server/engine/tests/TaskChoiceCases.h"

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class DispatcherTest : public testing::EngineHarness
{
protected:
    DispatcherTest() : EngineHarness(common::DateTime{2026, 12, 9, 10, 0, 0, 0}) {} // a Wednesday

    void SetUp() override
    {
        Settings &s = engine.settings();
        applyDefaultsForTest();
        createDatabase();
        s.ChannelCount = 4;
        for (int c = 0; c < 4; ++c) {
            engine.tables().Kind[c] = c == 3 ? 2 : 1;
            engine.tables().InService[c] = 1;
            engine.tables().Function[c] = 2;
            engine.lastSeen().LineConnected[c] = 1;
        }
        display.addChannelRow(ChannelList::Trunk, "1", true);
    }

    void applyDefaultsForTest()
    {
        Settings &s = engine.settings();
        s.BeginTime = "09:00";
        s.EndTime = "21:00";
        s.NotNoticeTime1 = "12:00";
        s.NotNoticeTime2 = "14:00";
        s.Saturday = s.Sunday = 1;
        s.TeleAddSpecChar = "#";
    }
};

TEST_F(DispatcherTest, CallingWindow)
{
    const std::pair<const char *, bool> cases[] = {
        {"08:59", false}, {"09:00", true}, {"11:59", true}, {"12:00", false}, {"13:30", false},
        {"14:00", false}, {"14:01", true}, {"21:00", true}, {"21:01", false}, {"23:59", false},
    };
    for (const auto &[now, expected] : cases)
        EXPECT_EQ(engine.InCallingWindow(now), expected) << now;
    // A pause whose start lies after its end holds nothing back.
    engine.settings().NotNoticeTime1 = "14:00";
    engine.settings().NotNoticeTime2 = "12:00";
    EXPECT_TRUE(engine.InCallingWindow("13:00"));
}

TEST_F(DispatcherTest, PickTrunkTakesTheLowestUsableTrunk)
{
    EXPECT_EQ(engine.PickTrunk(), 0);
    engine.channel(0).Progress = CallProgress::Seized;
    EXPECT_EQ(engine.PickTrunk(), 1);
    engine.lastSeen().LineConnected[1] = 0; // no line voltage
    EXPECT_EQ(engine.PickTrunk(), 2);
    engine.tables().InService[2] = 0;
    EXPECT_EQ(engine.PickTrunk(), -1); // channel 3 is a station
    engine.tables().InService[2] = 1;
    engine.tables().Function[2] = 1;
    EXPECT_EQ(engine.PickTrunk(), -1);
}

TEST_F(DispatcherTest, TaskQueriesAndTheirOrder)
{
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Name,RandomValue) VALUES (' 139 ','李四',3)"));
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Name,RandomValue) VALUES ('138','张三',NULL)"));
    FetchedTask task;
    ASSERT_TRUE(engine.tasks().FetchNewTask(task));
    EXPECT_EQ(task.Telphone, "138");
    EXPECT_EQ(task.Name, "张三");
    exec(dm, QStringLiteral("UPDATE AdNotice SET Status=9 WHERE Telphone='138'"));
    ASSERT_TRUE(engine.tasks().FetchNewTask(task));
    EXPECT_EQ(task.Telphone, "139"); // trimmed

    // Retries: due, with attempts left, fewest attempts first.
    exec(dm, QStringLiteral("DELETE FROM AdNotice"));
    const char *rows[] = {
        "('r1',3,2,0,'2026-12-09 09:00:00')", "('r2',3,1,0,'2026-12-09 09:59:59')",
        "('r3',3,0,0,'2026-12-09 10:00:01')", "('s1',2,1,1,'2026-12-09 09:00:00')",
        "('s2',2,1,0,'2026-12-09 10:00:00')",
    };
    for (const char *r : rows)
        exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes,SuccTimes,NextNotice) VALUES %1")
                     .arg(QLatin1String(r)));
    engine.settings().ReSendTimes = 2;
    ASSERT_TRUE(engine.tasks().FetchRetryTask(task));
    EXPECT_EQ(task.Telphone, "r2"); // r3 is not due yet
    engine.settings().ReSendTimes = 0;
    ASSERT_TRUE(engine.tasks().FetchRetryTask(task));
    EXPECT_EQ(task.ID, ""); // nothing with at most 0 attempts is due
    engine.settings().RetSucc = 0;
    ASSERT_TRUE(engine.tasks().FetchRepeatTask(task));
    EXPECT_EQ(task.Telphone, "s2");

    exec(dm, QStringLiteral("DROP TABLE AdNotice"));
    EXPECT_FALSE(engine.tasks().FetchNewTask(task));
}

TEST_F(DispatcherTest, ChoiceOfTheDefiningQueriesOnMixesWithTies)
{
    testing::checkTaskChoice(dm, engine);
}

TEST_F(DispatcherTest, TicksThatDialNothing)
{
    // No task: the channel is free again and the board untouched.
    engine.SystemTimerTimer();
    EXPECT_EQ(engine.channel(0).Progress, CallProgress::Free);

    // A task without a number is failed without a dial and without an attempt counted.
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone) VALUES ('  ')"));
    engine.SystemTimerTimer();
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Status FROM AdNotice")).toInt(), 3);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT FailCause FROM AdNotice")).toString(), QStringLiteral("电话号码为空"));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT NoticeTimes FROM AdNotice")).toInt(), 0);
    EXPECT_EQ(engine.channel(0).Progress, CallProgress::Free);
    EXPECT_EQ(board.calls, 0);

    // Outside the calendar and the window nothing is fetched at all.
    exec(dm, QStringLiteral("UPDATE AdNotice SET Status=0,Telphone='138'"));
    engine.settings().Saturday = 0;
    ManualClock saturday{common::DateTime{2026, 12, 12, 10, 0, 0, 0}};
    ServerEngine weekend{board, dm, display, saturday, dialogs};
    weekend.settings() = engine.settings();
    weekend.tables() = engine.tables();
    weekend.lastSeen() = engine.lastSeen();
    weekend.SystemTimerTimer();
    clock.advance(3 * 3600 * 1000); // 13:00, in the pause
    engine.SystemTimerTimer();
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Status FROM AdNotice")).toInt(), 0);
    EXPECT_EQ(board.calls, 0);
}

} // namespace
} // namespace server
