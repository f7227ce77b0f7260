// The dispatcher's queries and claims on PostgreSQL: the same choice as the defining queries, and two
// servers on one database that never take the same task.
#include "server/engine/tests/EngineHarness.h"
#include "server/engine/tests/TaskChoiceCases.h"

#include <QSqlQuery>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class DispatcherPostgresTest : public testing::EngineHarness
{
protected:
    DispatcherPostgresTest() : EngineHarness(common::DateTime{2026, 12, 9, 10, 0, 0, 0}) {}

    void SetUp() override { ASSERT_TRUE(testing::connectTestPostgres(dm, engine.settings())); }
};

TEST_F(DispatcherPostgresTest, ChoiceOfTheDefiningQueriesOnMixesWithTies)
{
    testing::checkTaskChoice(dm, engine);
}

TEST_F(DispatcherPostgresTest, TwoServersNeverClaimTheSameTask)
{
    // A second server: its own program directory, its own connection.
    testing::TempProgramDir otherDir;
    TDM otherDm;
    ServerEngine other{board, otherDm, display, clock, dialogs};
    other.settings() = engine.settings();
    other.settings().ProgramDir = otherDir.path();
    ASSERT_TRUE(otherDm.ConnectDatabase(other.settings()));
    ASSERT_NE(dm.serverId(), otherDm.serverId());
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,RandomValue) VALUES ('first',1),('second',2),('third',3)"));

    // Both read the same task; the first claim wins, the second finds it taken and takes the next.
    FetchedTask mine, theirs;
    ASSERT_TRUE(engine.tasks().FetchNewTask(mine));
    ASSERT_TRUE(other.tasks().FetchNewTask(theirs));
    ASSERT_EQ(mine.ID, theirs.ID);
    engine.channel(0).TaskId = mine.ID;
    other.channel(0).TaskId = theirs.ID;
    EXPECT_EQ(engine.results().ClaimTask(0, engine.channel(0), mine.Status, mine.NoticeTimes),
              ResultWriter::Claim::Won);
    EXPECT_EQ(other.results().ClaimTask(0, other.channel(0), theirs.Status, theirs.NoticeTimes),
              ResultWriter::Claim::Lost);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT NoticeTimes FROM AdNotice WHERE Telphone='first'")).toInt(), 1);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT ServerID FROM AdNotice WHERE Telphone='first'")).toString(),
              dm.serverId());
    ASSERT_TRUE(other.tasks().FetchNewTask(theirs));
    EXPECT_EQ(theirs.Telphone, "second");

    // A task that failed and came back since it was read is not claimed on the old reading.
    exec(dm, QStringLiteral("UPDATE AdNotice SET Status=0 WHERE Telphone='first'"));
    engine.channel(0).TaskId = mine.ID;
    EXPECT_EQ(engine.results().ClaimTask(0, engine.channel(0), mine.Status, mine.NoticeTimes),
              ResultWriter::Claim::Lost);

    // A row another server holds locked while it claims is passed over, without waiting for it.
    QSqlDatabase held = otherDm.DBConnection();
    ASSERT_TRUE(held.transaction());
    QSqlQuery lock(held);
    ASSERT_TRUE(lock.exec(QStringLiteral("SELECT ID FROM AdNotice WHERE Telphone='second' FOR UPDATE")));
    exec(dm, QStringLiteral("UPDATE AdNotice SET Status=9 WHERE Telphone='first'"));
    ASSERT_TRUE(engine.tasks().FetchNewTask(mine));
    EXPECT_EQ(mine.Telphone, "third");
    held.rollback();
    ASSERT_TRUE(engine.tasks().FetchNewTask(mine));
    EXPECT_EQ(mine.Telphone, "second");
}

} // namespace
} // namespace server
