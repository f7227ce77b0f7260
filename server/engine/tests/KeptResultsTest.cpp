// Results kept while another program holds the database's write lock: written in order when it is
// released, a kept write the database then refuses dropped without holding up the others, the outage
// and its end reported once each.
#include "server/engine/tests/EngineHarness.h"

#include <QSqlQuery>

namespace server {
namespace {

using testing::scalar;

class KeptResultsTest : public testing::EngineHarness
{
protected:
    KeptResultsTest() : EngineHarness(common::DateTime{2024, 5, 1, 10, 0, 0, 0}) {}

    void SetUp() override
    {
        engine.settings().Interval = 10;
        engine.settings().BusyTimeout = 50;
        createDatabase();
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes) VALUES ('138',1,1)"));
        ChannelRecord &ch = engine.channel(0);
        ch.TaskId = "1";
        ch.Phone = "138";
    }

    void TearDown() override
    {
        QSqlDatabase::database(QStringLiteral("holder"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }

    // Another connection to the file that takes the write lock; its statements run in that lock.
    QSqlQuery holdLock()
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(embeddedDatabasePath(engine.settings()));
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        return q;
    }

    QString column(const char *name)
    {
        return scalar(dm, QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=1").arg(QLatin1String(name))).toString();
    }
};

TEST_F(KeptResultsTest, WrittenInOrderWhenTheLockIsReleased)
{
    QSqlQuery holder = holdLock();
    const ChannelRecord &ch = engine.channel(0);
    engine.results().WriteNoticeResult(0, ch, NoticeStatus::Playing);
    engine.results().WriteNoticeResult(0, ch, NoticeStatus::Notified);
    clock.advance(60000); // the SMS is queued a minute later: the kept write keeps its time
    engine.results().QueueSms("138", "通知", "corvida");
    engine.results().WriteNoticeResult(0, ch, NoticeStatus::AgentAnswered);
    EXPECT_TRUE(engine.outage().active());
    EXPECT_EQ(engine.outage().kept(), 4u);
    EXPECT_EQ(column("Status"), QStringLiteral("1")); // a reader gets through the lock
    EXPECT_FALSE(engine.outage().retry());
    EXPECT_EQ(engine.outage().kept(), 4u);

    // The other program drops the SMS table before it lets go: that write is refused and dropped.
    EXPECT_TRUE(holder.exec(QStringLiteral("DROP TABLE SmsSendTask")));
    EXPECT_TRUE(holder.exec(QStringLiteral("COMMIT")));
    clock.advance(60000);
    EXPECT_TRUE(engine.outage().retry());
    EXPECT_FALSE(engine.outage().active());
    EXPECT_EQ(engine.outage().kept(), 0u);
    EXPECT_EQ(column("Status"), QStringLiteral("5")); // 8, then 2, then 5
    EXPECT_EQ(column("SuccTimes"), QStringLiteral("2"));
    EXPECT_EQ(column("NextNotice"), QStringLiteral("2024-05-01 10:11:00")); // the time of the call, not of the write
    ASSERT_EQ(display.memo.size(), 2u);
    EXPECT_EQ(display.memo[0].rfind("数据库无法访问", 0), 0u) << display.memo[0];
    EXPECT_EQ(display.memo[1], "数据库已恢复，暂存的3条通知结果已写入 时间:05/01 10:02");
    EXPECT_TRUE(dialogs.shown.empty());
}

// A database that answers reads but refuses every claim (a full disk, a file size limit) ends each
// outage at the next read and begins it again at the next claim: reported once, and its end only once
// it has lasted.
TEST_F(KeptResultsTest, AnOutageThatComesBackAtEveryClaimIsReportedOnce)
{
    testing::exec(dm, QStringLiteral("UPDATE AdNotice SET Status=0,NoticeTimes=0"));
    const ChannelRecord &ch = engine.channel(0);
    for (int tick = 0; tick < 5; ++tick) {
        {
            QSqlQuery holder = holdLock();
            EXPECT_NE(engine.results().ClaimTask(0, ch, 0, 0), ResultWriter::Claim::Won) << tick;
            EXPECT_TRUE(engine.outage().active()) << tick;
            holder.exec(QStringLiteral("COMMIT"));
        }
        clock.advance(1000);
        EXPECT_TRUE(engine.outage().retry()) << tick;
    }
    EXPECT_EQ(display.memo.size(), 1u);
    clock.advance(DatabaseOutage::kQuietMs);
    EXPECT_TRUE(engine.outage().retry());
    ASSERT_EQ(display.memo.size(), 2u);
    EXPECT_EQ(display.memo[1].rfind("数据库已恢复", 0), 0u) << display.memo[1];
    EXPECT_TRUE(engine.outage().retry());
    EXPECT_EQ(display.memo.size(), 2u);
    EXPECT_EQ(column("Status"), QStringLiteral("0")); // never claimed
}

} // namespace
} // namespace server
