// The data module: connecting, the statement pattern, the start-up reset and its failures.
#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"
#include "server/data/NoticeStatus.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class DataModuleTest : public ::testing::Test
{
protected:
    void SetUp() override { settings.ProgramDir = dir.path(); }

    void createDatabase()
    {
        QString error;
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings), &error)) << error.toStdString();
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
    testing::RecordingDialogs dialogs;
};

TEST_F(DataModuleTest, StatusDescriptions)
{
    const std::pair<int, const char *> cases[] = {{0, "未通知"}, {1, "正在通知"}, {2, "通知成功"}, {3, "通知失败"},
                                                  {4, "转人工"}, {5, "转人工接听"}, {8, "正在放音"}, {9, "暂停通知"},
                                                  {6, ""},       {7, ""},          {-1, ""},        {10, ""}};
    for (const auto &[code, text] : cases)
        EXPECT_EQ(StatusDescription(code), text) << code;
}

TEST_F(DataModuleTest, OdbcConnectionText)
{
    settings.OdbcDriver = "FreeTDS";
    settings.ServerName = "db.example";
    settings.DataBaseName = "notice";
    settings.UserName = "sa";
    EXPECT_EQ(odbcConnectionText(settings).toStdString(),
              "DRIVER={FreeTDS};SERVER=db.example;DATABASE=notice;UID=sa;PWD=;"); // an empty password stays
    settings.OdbcDriver = "PostgreSQL Unicode";
    settings.ServerName = "127.0.0.1,54329";
    settings.Password = "a;b}c";
    EXPECT_EQ(odbcConnectionText(settings).toStdString(),
              "DRIVER={PostgreSQL Unicode};SERVER=127.0.0.1;PORT=54329;DATABASE=notice;UID=sa;PWD={a;b}}c};"
              "CommLog=0;Debug=0;");
}

TEST_F(DataModuleTest, MissingDatabaseFileIsNotCreated)
{
    QString error;
    EXPECT_FALSE(dm.ConnectDatabase(settings, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(embeddedDatabasePath(settings)));

    // At start-up: the compaction fails with its warning, then the connection with its message.
    EXPECT_FALSE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, "系统提示");
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("BillDB.mdb文件严重损坏，请用Access工具进行修复！"))
        << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[0].text; // the file named beside it
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
    EXPECT_EQ(dialogs.shown[1].caption, "系统提示！");
    EXPECT_TRUE(dialogs.shown[1].text.starts_with("连接数据库失败，请与系统管理员联系！")) << dialogs.shown[1].text;
    EXPECT_NE(dialogs.shown[1].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[1].text; // the file named beside it
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Information);
    EXPECT_FALSE(QFile::exists(embeddedDatabasePath(settings)));
}

TEST_F(DataModuleTest, FileThatIsNoDatabaseFailsToConnect)
{
    QFile f(embeddedDatabasePath(settings));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    EXPECT_FALSE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.starts_with("连接数据库失败，请与系统管理员联系！")) << dialogs.shown[1].text;
    EXPECT_NE(dialogs.shown[1].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[1].text; // the file named beside it
}

TEST_F(DataModuleTest, EmptyFileIsNoDatabaseAndIsLeftEmpty)
{
    QFile f(embeddedDatabasePath(settings));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.starts_with("连接数据库失败，请与系统管理员联系！")) << dialogs.shown[1].text;
    EXPECT_NE(dialogs.shown[1].text.find("BillDB.db"), std::string::npos) << dialogs.shown[1].text;
    EXPECT_EQ(QFileInfo(f.fileName()).size(), 0); // not made a database without tables
}

TEST_F(DataModuleTest, StartUpResetsInterruptedTasks)
{
    createDatabase();
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    // Telphone is status + successes; every task has had two attempts, the last one at 10:00.
    for (int status : {0, 1, 2, 3, 4, 5, 8, 9})
        for (int succ : {0, 1})
            exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes,SuccTimes,FactNotice,FailCause) "
                                    "VALUES ('%1%2',%1,2,%2,'2026-01-01 10:00:00','old')")
                         .arg(status)
                         .arg(succ));
    ASSERT_TRUE(dm.StartDatabase(settings, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    const auto row = [&](int status, int succ) {
        return scalar(dm, QStringLiteral("SELECT Status||'|'||NoticeTimes||'|'||FactNotice||'|'||COALESCE(NextNotice,'')||"
                                         "'|'||FailCause FROM AdNotice WHERE Telphone='%1%2'")
                              .arg(status)
                              .arg(succ))
            .toString()
            .toStdString();
    };
    // Interrupted tasks are new tasks again, notified before or not: attempts cleared, no notice time.
    for (int status : {1, 8})
        for (int succ : {0, 1})
            EXPECT_EQ(row(status, succ), "0|0|||old") << status << succ;
    for (int status : {0, 2, 3, 4, 5, 9})
        for (int succ : {0, 1})
            EXPECT_EQ(row(status, succ), std::to_string(status) + "|2|2026-01-01 10:00:00||old");
}

TEST_F(DataModuleTest, SchemaOfAnEarlierVersionIsBroughtUpToDate)
{
    createDatabase();
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_TRUE(dm.hasServerColumn());
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status) VALUES ('kept',1)"));
    exec(dm, QStringLiteral("ALTER TABLE AdNotice DROP COLUMN ServerID"));
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_FALSE(dm.serverId().isEmpty());
    EXPECT_TRUE(dm.hasServerColumn());
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ServerID IS NULL")).toInt(), 1);
    // The embedded file has one server: every interrupted task is its own, whoever claimed it.
    exec(dm, QStringLiteral("UPDATE AdNotice SET ServerID='elsewhere:1'"));
    dm.ConnectDatabase(settings); // let go of the connection so that the compaction may run
    ASSERT_TRUE(dm.StartDatabase(settings, dialogs));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Status FROM AdNotice")).toInt(), 0);
}

TEST_F(DataModuleTest, ResetFailureIsReportedAndStartUpGoesOn)
{
    createDatabase();
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    exec(dm, QStringLiteral("DROP TABLE AdNotice"));
    dm.ConnectDatabase(settings); // let go of the connection so that the compaction may run
    EXPECT_TRUE(dm.StartDatabase(settings, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "系统提示！");
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("操作数据库失败！")) << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[0].text; // the file named beside it
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
}

TEST_F(DataModuleTest, StatementPattern)
{
    createDatabase();
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,RandomValue) VALUES ('a',5)"));
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,RandomValue) VALUES ('b',NULL)"));
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,RandomValue) VALUES ('c',1)"));

    // Parameters by name, out of order and one of them twice.
    dm.execute(dm.QueUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Remark=:P2,Name=:P2 WHERE Telphone=:P1"),
               {{"P1", QStringLiteral("a")}, {"P2", QStringLiteral("张三")}});
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Name FROM AdNotice WHERE Telphone='a'")).toString(), QStringLiteral("张三"));

    // TOP is rewritten; a task without a random order key comes first.
    dm.open(dm.QueADNoticeForTimer,
            QStringLiteral("SELECT TOP 1 ID,Telphone FROM AdNotice WHERE Status=0 ORDER BY RandomValue"));
    QSqlQuery &rows = dm.QueADNoticeForTimer.rows();
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.value(QStringLiteral("Telphone")).toString(), QStringLiteral("b"));
    EXPECT_FALSE(rows.next());

    EXPECT_THROW(dm.execute(dm.QueMyPublic, QStringLiteral("UPDATE NoSuchTable SET x=1")), DatabaseError);
    EXPECT_THROW(dm.QueMyPublic.rows(), DatabaseError);

    // The rows a statement changed; an unflushed write changes them alike and leaves the file's
    // flushing as it was, also when it fails.
    const QString synchronous = scalar(dm, QStringLiteral("PRAGMA synchronous")).toString();
    EXPECT_EQ(dm.execute(dm.QueUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Status=9 WHERE Telphone<>'c'")), 2);
    EXPECT_EQ(dm.executeUnflushed(dm.QueUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Status=1 WHERE Status=:P1"),
                                  {{"P1", 9}}),
              2);
    EXPECT_EQ(scalar(dm, QStringLiteral("PRAGMA synchronous")).toString(), synchronous);
    EXPECT_THROW(dm.executeUnflushed(dm.QueMyPublic, QStringLiteral("UPDATE NoSuchTable SET x=1")), DatabaseError);
    EXPECT_EQ(scalar(dm, QStringLiteral("PRAGMA synchronous")).toString(), synchronous);
}

TEST_F(DataModuleTest, PerStatusCountsFollowEveryChange)
{
    createDatabase();
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    ASSERT_TRUE(dm.hasStatusCounts());
    // Inserts, single and bulk updates of status and notice time, NULL times and deletes.
    const char *changes[] = {
        "INSERT INTO AdNotice (Telphone) VALUES ('a')",
        "INSERT INTO AdNotice (Telphone,Status,FactNotice) VALUES ('b',2,'2026-01-01 10:00:00')",
        "INSERT INTO AdNotice (Telphone,Status,FactNotice) VALUES ('c',2,'2026-01-01 10:00:00')",
        "INSERT INTO AdNotice (Telphone,Status,FactNotice) VALUES ('d',3,NULL)",
        "UPDATE AdNotice SET Status=1,FactNotice='2026-01-01 11:00:00' WHERE Telphone='a'",
        "UPDATE AdNotice SET Remark='no count changes'",
        "UPDATE AdNotice SET FactNotice='' WHERE Telphone='d'",
        "UPDATE AdNotice SET Status=0,NoticeTimes=0,FactNotice='' WHERE Status=1 or Status=2",
        "DELETE FROM AdNotice WHERE Telphone='c'",
        "INSERT INTO AdNotice (Telphone,Status,FactNotice) VALUES ('e',8,'2026-01-01 12:00:00')",
    };
    for (const char *change : changes) {
        testing::exec(dm, QString::fromLatin1(change));
        const QString mismatches = testing::scalar(dm, QStringLiteral(
            "SELECT COUNT(*) FROM (SELECT Status, COALESCE(FactNotice,'') AS f, COUNT(*) AS n FROM AdNotice GROUP BY 1,2) a "
            "FULL OUTER JOIN AdNoticeCounts c ON a.Status=c.Status AND a.f=c.FactNotice "
            "WHERE a.n IS NOT c.n")).toString();
        EXPECT_EQ(mismatches, QStringLiteral("0")) << change;
    }
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNoticeCounts WHERE n=0")).toInt(), 0);
}

} // namespace
} // namespace server
