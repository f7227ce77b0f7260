// The data module's statements against PostgreSQL through ODBC: the reset, TOP, NULL order, parameters.
#include "server/data/TDM.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/data/tests/AdNoticeQueryCases.h"
#include "server/data/tests/ManagementDataCases.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

namespace server {
namespace {

class PostgresTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(testing::connectTestPostgres(dm, settings)); }

    Settings settings;
    TDM dm;
    testing::RecordingDialogs dialogs;
};

TEST_F(PostgresTest, StartUpResetAndStatements)
{
    for (int status : {1, 3, 8})
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes,FactNotice,RandomValue) "
                                         "VALUES ('%1',%1,2,'2026-01-01 10:00:00',%1)")
                              .arg(status));
    testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone) VALUES ('no key')"));
    ASSERT_TRUE(dm.StartDatabase(settings, dialogs));
    EXPECT_TRUE(dialogs.shown.empty()); // no compaction for a server database
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Status=0 AND NoticeTimes=0 "
                                                 "AND FactNotice='' AND Telphone IN ('1','8')")).toInt(),
              2);
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT Status FROM AdNotice WHERE Telphone='3'")).toInt(), 3);

    dm.open(dm.QueADNoticeForTimer,
            QStringLiteral("SELECT TOP 1 ID,Telphone FROM AdNotice WHERE Status=0 ORDER BY RandomValue"));
    ASSERT_TRUE(dm.QueADNoticeForTimer.rows().next());
    EXPECT_EQ(dm.QueADNoticeForTimer.rows().value(QStringLiteral("Telphone")).toString().toStdString(), "no key");

    dm.execute(dm.QueUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Remark=:P2,Name=:P2 WHERE Telphone=:P1"),
               {{"P1", QStringLiteral("3")}, {"P2", QStringLiteral("李四")}});
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT Name FROM AdNotice WHERE Telphone='3'")).toString().toStdString(),
              "李四");
    EXPECT_THROW(dm.execute(dm.QueMyPublic, QStringLiteral("UPDATE NoSuchTable SET x=1")), DatabaseError);
}

TEST_F(PostgresTest, StartUpResetTakesOnlyThisServersTasks)
{
    const QString me = dm.serverId();
    const struct
    {
        const char *number;
        int status;
        QString server;
        const char *dialled;
        int after;
    } rows[] = {
        {"mine dialling", 1, me, "2026-12-09 09:59:00", 0},
        {"mine playing", 8, me, "2026-12-09 09:59:00", 0},
        {"of no server", 1, QString(), "2026-12-09 09:59:00", 0},
        {"other dialling", 1, QStringLiteral("other:1"), "2026-12-09 09:59:00", 1},
        {"other playing", 8, QStringLiteral("other:1"), "2026-12-08 10:00:01", 8},
        {"other gone a day", 1, QStringLiteral("other:2"), "2026-12-08 09:59:59", 0},
        {"other failed", 3, QStringLiteral("other:1"), "2026-12-08 09:00:00", 3},
    };
    for (const auto &r : rows)
        testing::exec(
            dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes,ServerID,FactNotice) "
                               "VALUES ('%1',%2,1,%3,'%4')")
                    .arg(QLatin1String(r.number))
                    .arg(r.status)
                    .arg(r.server.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + r.server + QLatin1Char('\''),
                         QLatin1String(r.dialled)));
    ASSERT_TRUE(dm.StartDatabase(settings, dialogs, common::DateTime{2026, 12, 9, 10, 0, 0, 0}));
    EXPECT_TRUE(dialogs.shown.empty());
    for (const auto &r : rows) {
        EXPECT_EQ(
            testing::scalar(
                dm, QStringLiteral("SELECT Status FROM AdNotice WHERE Telphone='%1'").arg(QLatin1String(r.number)))
                .toInt(),
            r.after)
            << r.number;
        EXPECT_EQ(
            testing::scalar(
                dm, QStringLiteral("SELECT NoticeTimes FROM AdNotice WHERE Telphone='%1'").arg(QLatin1String(r.number)))
                .toInt(),
            r.after == 0 ? 0 : 1)
            << r.number;
    }
}

TEST_F(PostgresTest, SchemaOfAnEarlierVersionIsBroughtUpToDate)
{
    testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone) VALUES ('kept')"));
    testing::exec(dm, QStringLiteral("ALTER TABLE AdNotice DROP COLUMN ServerID"));
    testing::exec(dm, QStringLiteral("DROP INDEX IX_AdNotice_NewTask, IX_AdNotice_RetryDue, IX_AdNotice_RepeatDue"));
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_TRUE(dm.hasServerColumn());
    EXPECT_EQ(
        testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM pg_indexes WHERE indexname IN "
                                           "('ix_adnotice_newtask','ix_adnotice_retrydue','ix_adnotice_repeatdue')"))
            .toInt(),
        3);
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ServerID IS NULL")).toInt(), 1);
    // Opened again, nothing more is added.
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_TRUE(dm.hasServerColumn());
}

TEST_F(PostgresTest, WrongCredentialsFailToConnect)
{
    settings.DataBaseName = "no_such_database";
    EXPECT_FALSE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("连接数据库失败，请与系统管理员联系！")) << dialogs.shown[0].text;
}

TEST_F(PostgresTest, ManagementQueryAndActions)
{
    testing::checkAdNoticeQueries(dm);
}

TEST_F(PostgresTest, Blacklist)
{
    testing::checkBlacklistStatements(dm);
}

TEST_F(PostgresTest, DataStat)
{
    testing::checkDataStat(dm);
}

TEST_F(PostgresTest, DataDelete)
{
    testing::checkDataDelete(dm);
}

} // namespace
} // namespace server
