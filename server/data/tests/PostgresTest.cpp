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

TEST_F(PostgresTest, WrongCredentialsFailToConnect)
{
    settings.DataBaseName = "no_such_database";
    EXPECT_FALSE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "连接数据库失败，请与系统管理员联系！");
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
