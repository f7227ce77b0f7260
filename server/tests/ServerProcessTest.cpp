// The Server program as a process: --init, a headless start, the second start, the exit on a signal,
// a run on virtual time, and a run killed in the middle of its calls.
#include "server/data/TDM.h"
#include "server/tests/DialLog.h"
#include "server/tests/DriverIpc.h"
#include "server/data/tests/TestDatabase.h"

#include "server/workbook/Workbook.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <QSqlQuery>

#include <csignal>
#include <map>
#include <vector>
#include <unistd.h>

namespace server {
namespace {

class ServerProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing::prepareServerProcesses(dir.file("run")); // the tests read standard error
    }

    QString installation() const { return dir.file("notice"); }

    // Runs Server to its end (at most 60 s) and returns its exit code.
    int run(const QStringList &arguments, QString *out = nullptr, QString *err = nullptr)
    {
        QProcess p;
        p.start(QStringLiteral(VN_SERVER_BINARY), arguments);
        EXPECT_TRUE(p.waitForFinished(60000)) << arguments.join(' ').toStdString();
        if (out)
            *out = QString::fromUtf8(p.readAllStandardOutput());
        if (err)
            *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QStringList talkFiles() const { return QDir(installation() + QStringLiteral("/TalkInfo")).entryList(QDir::Files); }

    testing::TempProgramDir dir;
};

TEST_F(ServerProcessTest, InitHeadlessStartSecondStartAndExit)
{
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}, &out), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("ready")));
    EXPECT_EQ(run({QStringLiteral("--init"), installation()}, nullptr, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("refused"))) << err.toStdString();

    QProcess first;
    first.start(QStringLiteral(VN_SERVER_BINARY), {QStringLiteral("--headless"), QStringLiteral("--dir"), installation()});
    ASSERT_TRUE(first.waitForStarted());
    // The talk-record file is the last thing the start-up makes.
    QElapsedTimer t;
    t.start();
    while (talkFiles().isEmpty() && t.elapsed() < 15000)
        QThread::msleep(20);
    ASSERT_EQ(talkFiles().size(), 1);

    // A second start hands over to the running copy and ends without a start-up of its own.
    QThread::msleep(1100); // a start-up in a later second would make a second talk-record file
    EXPECT_EQ(run({QStringLiteral("--headless"), QStringLiteral("--dir"), installation()}, nullptr, &err), 0);
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    EXPECT_EQ(talkFiles().size(), 1);

    // A service manager stops it with a signal: it closes as the exit command does, without asking.
    ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(15000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    const QString firstErr = QString::fromUtf8(first.readAllStandardError());
    EXPECT_FALSE(firstErr.contains(QStringLiteral("是否真的退出"))) << firstErr.toStdString();
    EXPECT_TRUE(talkFiles().isEmpty()); // no call went to an agent: the empty file is deleted
}

TEST_F(ServerProcessTest, HeadlessStartWithoutServiceExitsWithFailure)
{
    const struct
    {
        const char *name;
        const char *removed; // a file of the installation
        const char *message;
    } cases[] = {
        {"settings", "Setup.ini", "读配置文件失败!"},
        {"database", "BillDB.db", "连接数据库失败，请与系统管理员联系！"},
        {"board", "KtConfig.ini", "提示: "},
    };
    for (const auto &c : cases) {
        QDir(installation()).removeRecursively();
        ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
        ASSERT_TRUE(QFile::remove(installation() + QLatin1Char('/') + QLatin1String(c.removed))) << c.name;
        QString err;
        QElapsedTimer wall;
        wall.start();
        EXPECT_EQ(run({QStringLiteral("--headless"), QStringLiteral("--dir"), installation()}, nullptr, &err), 1) << c.name;
        EXPECT_LT(wall.elapsed(), 10000) << c.name; // it ends by itself, sanitizers and all
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << c.name << ": " << err.toStdString();
    }
}

TEST_F(ServerProcessTest, HeadlessServiceEndsOnSigint)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
    QProcess server;
    server.start(QStringLiteral(VN_SERVER_BINARY), {QStringLiteral("--headless"), QStringLiteral("--dir"), installation()});
    ASSERT_TRUE(server.waitForStarted());
    QElapsedTimer t;
    t.start();
    while (talkFiles().isEmpty() && t.elapsed() < 15000)
        QThread::msleep(20);
    ASSERT_EQ(talkFiles().size(), 1);
    ::kill(static_cast<pid_t>(server.processId()), SIGINT);
    ASSERT_TRUE(server.waitForFinished(15000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
    EXPECT_TRUE(talkFiles().isEmpty()); // closed as the exit command closes: the empty file is gone
}

TEST_F(ServerProcessTest, VirtualTimeRunDialsAndCloses)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
    Settings settings;
    settings.ProgramDir = installation().toStdString();
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('13800000000','张三')"));
    }
    QString err;
    QElapsedTimer wall;
    wall.start();
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--virtual-time"), QStringLiteral("--start-time"),
                   QStringLiteral("2026-12-09 10:00:00"), QStringLiteral("--run-for"), QStringLiteral("120")},
                  nullptr, &err),
              0)
        << err.toStdString();
    EXPECT_LT(wall.elapsed(), 30000); // two virtual minutes in a few seconds, sanitizers and all

    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT NoticeTimes FROM AdNotice")).toInt(), 1);
    // Dialled at the first tick, one virtual second in; the outcome's time comes later.
    const QString fact = testing::scalar(dm, QStringLiteral("SELECT FactNotice FROM AdNotice")).toString();
    EXPECT_TRUE(fact.startsWith(QStringLiteral("2026-12-09 10:0"))) << fact.toStdString();
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT TrunkCh FROM AdNotice")).toInt(), 1);
}

TEST_F(ServerProcessTest, DemoRunAndItsReport)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation(), QStringLiteral("--demo")}), 0);
    // Made without voices, the demo has no notice; the called parties hear 8 s of one.
    QFile notice(installation() + QStringLiteral("/Notice.voc"));
    ASSERT_TRUE(notice.open(QIODevice::WriteOnly));
    notice.write(QByteArray(64000, char(0xD5)));
    notice.close();
    ASSERT_TRUE(common::writeProfileString((installation() + QStringLiteral("/Setup.ini")).toStdString(), "Voice",
                                           "AdNotice", notice.fileName().toStdString()));
    ASSERT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--virtual-time"), QStringLiteral("--start-time"),
                   QStringLiteral("2026-12-09 09:00:00"), QStringLiteral("--run-for"), QStringLiteral("3600")}),
              0);
    QString out;
    ASSERT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--report")}, &out), 0);
    // Every kind of outcome of the demo's called parties within the hour.
    for (const char *line : {"2-通知成功", "对方占线", "线路没接好或对方无人应答", "5-转人工接听", "SmsSendTask"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(line))) << line << "\n" << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("0-未通知"))) << out.toStdString(); // all 36 were called
    EXPECT_FALSE(QDir(installation() + QStringLiteral("/Heard")).isEmpty());
}

using testing::dialsByNumber;

TEST_F(ServerProcessTest, KilledInTheMiddleOfItsCallsAndStartedAgain)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation(), QStringLiteral("--demo")}), 0);
    Settings settings;
    settings.ProgramDir = installation().toStdString();
    const auto count = [&](const char *where) {
        TDM dm;
        EXPECT_TRUE(dm.ConnectDatabase(settings));
        return testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ") + QString::fromUtf8(where)).toInt();
    };
    const int tasks = count("1=1");

    QProcess first;
    first.start(QStringLiteral(VN_SERVER_BINARY),
                {QStringLiteral("--dir"), installation(), QStringLiteral("--virtual-time"), QStringLiteral("--start-time"),
                 QStringLiteral("2026-12-09 09:00:00"), QStringLiteral("--run-for"), QStringLiteral("3600")});
    ASSERT_TRUE(first.waitForStarted());
    // Once the service runs (it writes its log), wait for a few calls to be under way, then kill it.
    QElapsedTimer wall;
    wall.start();
    while (QDir(installation() + QStringLiteral("/Log")).isEmpty() && wall.elapsed() < 20000)
        QThread::msleep(2);
    while (first.state() == QProcess::Running && count("Status=1 OR Status=8") < 3 && wall.elapsed() < 30000)
        QThread::msleep(2);
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(15000));
    ASSERT_EQ(first.exitStatus(), QProcess::CrashExit);
    // The tasks cut short, and what the first run dialled.
    std::vector<QString> interrupted;
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        QSqlQuery q(dm.DBConnection());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT Telphone FROM AdNotice WHERE Status=1 OR Status=8")));
        while (q.next())
            interrupted.push_back(q.value(0).toString());
    }
    ASSERT_GE(interrupted.size(), 3u) << "the run ended before it had calls under way";
    const auto firstDials = dialsByNumber(installation());

    // The second run starts later the same morning and has all the time it needs.
    QString err;
    ASSERT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--virtual-time"), QStringLiteral("--start-time"),
                   QStringLiteral("2026-12-09 10:30:00"), QStringLiteral("--run-for"), QStringLiteral("3600")},
                  nullptr, &err),
              0)
        << err.toStdString();

    EXPECT_EQ(count("1=1"), tasks);
    EXPECT_EQ(count("Status IN (0,1,8)"), 0);
    // Every interrupted task is dialled again: its notice may not have been heard. The second run
    // counts its attempts from zero, within the demo's one retry.
    const auto allDials = dialsByNumber(installation());
    const auto dialsOf = [](const std::map<QString, int> &dials, const QString &number) {
        const auto it = dials.find(number);
        return it == dials.end() ? 0 : it->second;
    };
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    for (const QString &number : interrupted) {
        const int again = dialsOf(allDials, number) - dialsOf(firstDials, number);
        EXPECT_GE(again, 1) << number.toStdString();
        EXPECT_EQ(again, testing::scalar(dm, QStringLiteral("SELECT NoticeTimes FROM AdNotice WHERE Telphone='%1'")
                                                 .arg(number))
                             .toInt())
            << number.toStdString();
    }
    // No task is dialled beyond its retry in either run, and a failure stops only when its retry is used.
    QSqlQuery q(dm.DBConnection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Telphone, NoticeTimes, Status FROM AdNotice")));
    while (q.next()) {
        const QString number = q.value(0).toString();
        EXPECT_LE(q.value(1).toInt(), 2) << number.toStdString();
        EXPECT_LE(dialsOf(allDials, number) - dialsOf(firstDials, number), 2) << number.toStdString();
        if (q.value(2).toInt() == 3) {
            EXPECT_EQ(q.value(1).toInt(), 2) << number.toStdString();
        }
    }
}

TEST_F(ServerProcessTest, StatisticsWithoutAWindow)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
    Settings settings;
    settings.ProgramDir = installation().toStdString();
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        for (const char *t : {"('1',0,'')", "('2',0,'')", "('3',2,'2026-12-09 10:00:00')", "('4',2,'2026-12-10 23:58:00')",
                              "('5',2,'2026-12-10 23:59:30')", "('6',3,'2026-12-10 10:00:00')", "('7',5,'2026-12-11 10:00:00')"})
            testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,FactNotice) VALUES %1").arg(QLatin1String(t)));
    }
    QString out, err;
    ASSERT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--report"), QStringLiteral("--from"),
                   QStringLiteral("2026-12-09"), QStringLiteral("--to"), QStringLiteral("2026-12-10")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("统计范围 2026-12-09 .. 2026-12-10 23:59\n未通知数量\t2\n正在通知数量\t0\n通知成功数量\t2\n"
                                  "通知失败数量\t1\n转人工数量\t0\n转人工接听数量\t0\n"));
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM t_statdata")).toInt(), 0); // only read

    // A day that is no day, and a start after the end (the end not given is today).
    for (const QStringList &bad : {QStringList{QStringLiteral("--from"), QStringLiteral("2026-13-01")},
                                   QStringList{QStringLiteral("--to"), QStringLiteral("10.12.2026")},
                                   QStringList{QStringLiteral("--from"), QStringLiteral("2999-01-01")}}) {
        EXPECT_EQ(run(QStringList{QStringLiteral("--dir"), installation(), QStringLiteral("--report")} + bad, nullptr, &err), 2)
            << bad.join(' ').toStdString();
        EXPECT_TRUE(err.contains(bad[0]) || err.contains(QStringLiteral("after"))) << err.toStdString();
    }
}

TEST_F(ServerProcessTest, ImportWithoutAWindow)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
    Settings settings;
    settings.ProgramDir = installation().toStdString();
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm, QStringLiteral("INSERT INTO c_blacklist (Telephone) VALUES ('13900000000')"));
    }
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const QString text = dir.file("numbers.txt");
    write(text, "号码\r\n13800000001\r\n13900000000\r\n13800000002\r\n");
    // A workbook: numbers stored as numbers and as text, a Chinese name, a row with only a name, and
    // a blank row that ends the rows.
    workbook::Workbook book;
    workbook::Sheet &sheet = book.addSheet();
    sheet.setText(1, 1, "13800000011");
    sheet.setText(1, 2, "张三");
    sheet.setText(2, 1, "13900000000");
    sheet.setText(3, 2, "李四");
    sheet.setText(5, 1, "13800000015");
    QString error;
    const QString xlsx = dir.file("people.xlsx");
    ASSERT_TRUE(book.save(xlsx, &error)) << error.toStdString();

    QString out, err;
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), text}, &out, &err), 0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("imported 2, skipped by blacklist 1, failed 0"))) << out.toStdString();
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), xlsx, QStringLiteral("--plan"),
                   QStringLiteral("2026-12-11 09:00:00")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("imported 2, skipped by blacklist 1, failed 0"))) << out.toStdString();
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt(), 4);
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT Name||'|'||PlanNotice FROM AdNotice WHERE Telphone='13800000011'"))
                  .toString(),
              QStringLiteral("张三|2026-12-11 09:00:00"));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Telphone='' AND Name='李四'")).toInt(), 1);

    // A workbook that LibreOffice wrote, its numbers stored as numbers and its title row a task.
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"),
                   QStringLiteral(VN_SOURCE_DIR_PATH "/server/workbook/tests/data/people.xls")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("imported 3, skipped by blacklist 0, failed 0"))) << out.toStdString();
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Telphone='8613912345678' AND "
                                                 "Name='李四'"))
                  .toInt(),
              1);

    // Rows after the 50,000th are not read. The rows before the last two read are blacklisted, so
    // that they are read without 50,000 commits.
    workbook::Workbook many;
    workbook::Sheet &rows = many.addSheet();
    for (int row = 1; row <= 50010; ++row)
        rows.setText(row, 1, row < 49999 ? std::string("13900000000") : "1380000" + std::to_string(row));
    const QString manyXlsx = dir.file("many.xlsx");
    ASSERT_TRUE(many.save(manyXlsx, &error)) << error.toStdString();
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), manyXlsx}, &out, &err), 0)
        << err.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("imported 2, skipped by blacklist 49998, failed 0"))) << out.toStdString();

    // Bad arguments, a file that is not there, a kind the import does not read.
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), text, QStringLiteral("--plan"),
                   QStringLiteral("tomorrow")}),
              2);
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), dir.file("none.txt")}), 1);
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--import"), dir.file("numbers.Xls")}), 2);
}

TEST_F(ServerProcessTest, ImportKilledHalfWayLeavesTheDatabaseWhole)
{
    ASSERT_EQ(run({QStringLiteral("--init"), installation()}), 0);
    workbook::Workbook book;
    workbook::Sheet &sheet = book.addSheet();
    for (int row = 1; row <= 50000; ++row) {
        sheet.setText(row, 1, QStringLiteral("138%1").arg(row, 8, 10, QLatin1Char('0')).toStdString());
        sheet.setText(row, 2, "王五");
    }
    QString error;
    const QString xlsx = dir.file("many.xlsx");
    ASSERT_TRUE(book.save(xlsx, &error)) << error.toStdString();
    Settings settings;
    settings.ProgramDir = installation().toStdString();
    const auto count = [&] {
        TDM dm;
        EXPECT_TRUE(dm.ConnectDatabase(settings));
        return testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt();
    };

    QProcess import;
    import.start(QStringLiteral(VN_SERVER_BINARY),
                 {QStringLiteral("--dir"), installation(), QStringLiteral("--import"), xlsx});
    ASSERT_TRUE(import.waitForStarted());
    QElapsedTimer wall;
    wall.start();
    while (import.state() == QProcess::Running && count() < 200 && wall.elapsed() < 60000)
        QThread::msleep(20);
    ::kill(static_cast<pid_t>(import.processId()), SIGKILL);
    ASSERT_TRUE(import.waitForFinished(15000));
    ASSERT_EQ(import.exitStatus(), QProcess::CrashExit) << "the import ended before it was killed";

    // The rows committed are there, whole; the file passes the integrity check and the service starts.
    const int stored = count();
    EXPECT_GE(stored, 200);
    EXPECT_LT(stored, 50000);
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        EXPECT_EQ(testing::scalar(dm, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Name<>'王五' OR "
                                                     "length(Telphone)<>11 OR InsertDate IS NULL"))
                      .toInt(),
                  0);
    }
    QString out, err;
    EXPECT_EQ(run({QStringLiteral("--dir"), installation(), QStringLiteral("--virtual-time"), QStringLiteral("--run-for"),
                   QStringLiteral("5")},
                  &out, &err),
              0)
        << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("严重损坏"))) << err.toStdString();
}

} // namespace
} // namespace server
