// The database busy or gone during calls, end to end on the software board in virtual time: a lock
// waited out, a lock held across the hang-ups, a PostgreSQL server stopped and started again. No result
// is lost or made up, no new task is dialled meanwhile, and the outage and its end are reported once.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/tests/BoardInstallation.h"

#include "common/DateTime.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

namespace server {
namespace {

using testing::scalar;

enum class Outage
{
    ShortLock,     // another program writes for less than the busy wait
    LongLock,      // another program holds the write lock across the hang-ups of three calls
    LockedAtDial,  // another program holds the write lock before the first dial: no task is claimed
    ServerStopped, // the PostgreSQL server stops during the calls and comes back
};

struct OutageCase
{
    const char *name;
    Outage outage;
    bool reported; // the outage and its end each appear once in the memo and the log
};

const OutageCase kCases[] = {
    {"the lock is waited out", Outage::ShortLock, false},
    {"a lock held across the hang-ups", Outage::LongLock, true},
    {"a lock held before the first dial", Outage::LockedAtDial, true},
    {"the database server stops and comes back", Outage::ServerStopped, true},
};

// Another connection to the embedded file, on a thread of its own as another program's would be, that
// holds the write lock from lock() until release() or until `hold` has passed.
class LockHolder
{
public:
    ~LockHolder() { release(); }

    bool lock(const QString &path, std::chrono::milliseconds hold)
    {
        std::promise<bool> locked;
        std::future<bool> taken = locked.get_future();
        m_thread = std::thread([path, hold, &locked, released = m_released.get_future()]() mutable {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
                db.setDatabaseName(path);
                QSqlQuery q(db);
                const bool ok = db.open() && q.exec(QStringLiteral("BEGIN EXCLUSIVE"));
                locked.set_value(ok);
                released.wait_for(hold);
                q.exec(QStringLiteral("COMMIT"));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        });
        return taken.get();
    }

    void release()
    {
        if (!m_thread.joinable())
            return;
        m_released.set_value();
        m_thread.join();
    }

private:
    std::promise<void> m_released;
    std::thread m_thread;
};

class DatabaseOutageTest : public testing::BoardInstallation, public ::testing::WithParamInterface<OutageCase>
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        // Six trunks of which three are in service; every called party listens to the notice and hangs up.
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "LineVoltage=48,48,48,48,48,48,0,0\r\n"
                                 "[Numbers]\r\n*=ring:1,answer,voice:600,wait:1500,hangup\r\n");
        replaceFile("Notice.voc", QByteArray(8000, char(0xD5)));
        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        setup("CardParm", "Card1Use", "11100011");
        setup("Other", "WriteLogFlag", "1");
        setup("Other", "SendSMSFlag", "1");
        setup("Other", "SMSContent", "通知");
        setup("Other", "RetSucc", "0");
        if (GetParam().outage == Outage::LongLock || GetParam().outage == Outage::LockedAtDial)
            setup("Database", "BusyTimeout", "100"); // each statement that meets the lock waits 0.1 s
        if (GetParam().outage == Outage::ServerStopped)
            usePostgres();
    }

    void TearDown() override
    {
        BoardInstallation::TearDown();
        if (!m_pgDir.isEmpty())
            fixture("stop");
    }

    // A PostgreSQL server of this test's own, so that stopping it disturbs no other test.
    void usePostgres()
    {
        m_pgDir = dir.file("pg");
        ASSERT_TRUE(fixture("start"));
        ::setenv("VN_PG_DIR", m_pgDir.toLocal8Bit().constData(), 1);
        TDM schema;
        Settings settings;
        ASSERT_TRUE(testing::connectTestPostgres(schema, settings));
        setup("Database", "DBType", "1");
        setup("Database", "OdbcDriver", settings.OdbcDriver);
        setup("Database", "ServerName", settings.ServerName);
        setup("Database", "DataBaseName", settings.DataBaseName);
        setup("Database", "UserName", settings.UserName);
    }

    bool fixture(const char *action)
    {
        QProcess script;
        script.setWorkingDirectory(QStringLiteral("/")); // the server may have left the current one
        script.setProcessChannelMode(QProcess::ForwardedChannels);
        script.start(QStringLiteral(VN_SOURCE_DIR_PATH "/server/data/tests/postgres-fixture.sh"),
                     {QLatin1String(action), m_pgDir});
        return script.waitForFinished(60000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }

    static QString number(int task) { return QStringLiteral("1390000000%1").arg(task); }

    std::string dialled(int ch)
    {
        char buffer[64] = {};
        TlxSimGetDialled(ch, buffer);
        return buffer;
    }

    int memoLines(const std::string &text)
    {
        int n = 0;
        for (const std::string &line : display->memo)
            n += line.find(text) != std::string::npos;
        return n;
    }

    int tasks(const QString &where)
    {
        return scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ") + where).toInt();
    }

    QString m_pgDir;
};

TEST_P(DatabaseOutageTest, NoResultLostNoTaskTakenAndOneReport)
{
    start();
    // Three tasks for the three trunks in service, and a fourth that waits for a free one.
    for (int task = 1; task <= 4; ++task)
        testing::exec(service().dataModule(),
                      QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('%1','张三')").arg(number(task)));
    const bool callsFirst = GetParam().outage != Outage::LockedAtDial;
    if (callsFirst) {
        runFor(3500);
        ASSERT_EQ(tasks(QStringLiteral("Status IN (1,8)")), 3);
    }

    LockHolder holder;
    switch (GetParam().outage) {
    case Outage::ShortLock:
        ASSERT_TRUE(holder.lock(programDir() + QStringLiteral("/BillDB.db"), std::chrono::milliseconds(300)));
        break;
    case Outage::LongLock:
    case Outage::LockedAtDial:
        ASSERT_TRUE(holder.lock(programDir() + QStringLiteral("/BillDB.db"), std::chrono::hours(1)));
        break;
    case Outage::ServerStopped:
        ASSERT_TRUE(fixture("halt"));
        break;
    }
    // The three calls end; their trunks are free again, but the waiting task is not taken.
    QElapsedTimer wall;
    wall.start();
    runFor(30000);
    // A result met the short lock and waited for it (wall time: the lock is another program's).
    if (GetParam().outage == Outage::ShortLock) {
        EXPECT_GE(wall.elapsed(), 250);
    }
    if (!callsFirst) {
        // The claim met the lock: nothing was dialled and every task is as it was.
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_EQ(dialled(ch), "") << "channel " << ch;
        EXPECT_EQ(tasks(QStringLiteral("Status=0 AND NoticeTimes=0")), 4);
        EXPECT_EQ(service().engine().outage().kept(), 0u);
    } else if (GetParam().reported) {
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_EQ(dialled(ch), number(ch + 1).toStdString() + "#") << "channel " << ch;
        // At least the talk times, the result and the SMS of each call wait.
        EXPECT_GE(service().engine().outage().kept(), 3u * 3u);
        if (GetParam().outage == Outage::LongLock) {
            EXPECT_EQ(tasks(QStringLiteral("Status IN (1,8)")), 3); // a reader gets through the lock
        }
    }
    holder.release();
    if (GetParam().outage == Outage::ServerStopped) {
        ASSERT_TRUE(fixture("resume"));
    }
    runFor(40000);

    // Every task notified once, with the values of its own call, and one SMS each.
    EXPECT_EQ(tasks(QStringLiteral("Status=2 AND NoticeTimes=1 AND SuccTimes=1 AND FailCause=''")), 4);
    QSqlQuery rows(service().dataModule().DBConnection());
    ASSERT_TRUE(rows.exec(QStringLiteral("SELECT FinishBill,NextNotice FROM AdNotice")));
    while (rows.next()) {
        const auto finished = common::parseDateTime(rows.value(0).toString().toStdString());
        ASSERT_TRUE(finished) << rows.value(0).toString().toStdString();
        EXPECT_EQ(rows.value(1).toString().toStdString(),
                  common::formatDateTime("yyyy-mm-dd hh:mm:ss", finished->addMinutes(10)));
    }
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(DISTINCT Mobile) FROM SmsSendTask")).toInt(),
              4);
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM SmsSendTask")).toInt(), 4);
    EXPECT_EQ(service().engine().outage().kept(), 0u);

    const int times = GetParam().reported ? 1 : 0;
    EXPECT_EQ(memoLines("数据库无法访问"), times);
    EXPECT_EQ(memoLines("数据库已恢复"), times);
    EXPECT_TRUE(dialogs.shown.empty());
    const std::string log = logText();
    EXPECT_EQ(log.find("数据库无法访问") != std::string::npos, GetParam().reported) << log;
    EXPECT_EQ(log.find("数据库已恢复") != std::string::npos, GetParam().reported) << log;
}

INSTANTIATE_TEST_SUITE_P(Cases, DatabaseOutageTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<OutageCase> &info) {
                             std::string name;
                             for (const char *p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

} // namespace
} // namespace server
