// The sender end to end on a fake modem: what is sent and recorded, answers, time-outs, a vanishing
// modem, restarts and received messages.
#include "SenderTestBench.h"

#include "smssender/SenderSchema.h"

#include <QFile>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdlib>

namespace smssender::testing {
namespace {

using namespace std::chrono_literals;
using lumosms::test::ModemBehaviour;

// The same cases on either database, under names of their own.
#ifdef SENDER_ON_POSTGRES
#define SenderTest PostgresSenderTest
#endif

class SenderTest : public SenderTestBench
{
};

TEST_F(SenderTest, SendsDueRowsByPriorityAndAgeAsOftenAsTheyNeed)
{
    const int later = queue({"13900000002", "second by age", 1, 1, "2026-12-01 09:00:00", "2026-12-02 09:00:00"});
    const int chinese =
        queue({"13900000001", "您的通知已送达，谢谢。", 1, 1, "2026-12-01 09:00:00", "2026-12-01 09:00:00"});
    const int twice = queue({"13900000003", "twice", 2, 5});
    const int future = queue({"13900000004", "not yet", 1, 1, "2026-12-11 10:00:01"});
    const int shortNumber = queue({"12345", "refused"});
    startModem();
    options.progressPeriod = 0ms; // a line after every answer
    makeLoop();
    ASSERT_TRUE(loop->start());
    EXPECT_TRUE(loop->runOnce());
    EXPECT_EQ(reports.back(), "4 SMS sent so far, 1 tries failed");

    const std::vector<std::string> pdus = sentPdus();
    const std::vector<std::string> expected = {submitTail("13900000001", "您的通知已送达，谢谢。"),
                                               submitTail("13900000002", "second by age"),
                                               submitTail("13900000003", "twice"), submitTail("13900000003", "twice")};
    ASSERT_EQ(pdus.size(), expected.size());
    for (std::size_t i = 0; i < pdus.size(); ++i)
        EXPECT_TRUE(pdus[i].ends_with(expected[i])) << pdus[i] << " is not to " << expected[i];
    EXPECT_EQ(stateOf(chinese), "2/1/0/OK");
    EXPECT_EQ(stateOf(later), "2/1/0/OK");
    EXPECT_EQ(stateOf(twice), "2/2/0/OK");
    EXPECT_EQ(stateOf(future), "none");
    EXPECT_EQ(stateOf(shortNumber), "3/0/1/the number is not usable (11 to 15 digits in international form)");
    EXPECT_EQ(loop->counts().sent, 4);

    // A later run finds nothing to send; the row whose time has come goes alone.
    now = "2026-12-11 10:00:01";
    makeLoop();
    ASSERT_TRUE(loop->start());
    EXPECT_TRUE(loop->runOnce());
    const std::vector<std::string> again = sentPdus();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_TRUE(again[0].ends_with(submitTail("13900000004", "not yet")));
}

TEST_F(SenderTest, ModemAnswersAreRecordedAndFailedTriesRepeated)
{
    const struct
    {
        std::vector<std::string> answers;
        int attempts;
        std::size_t pdus;
        std::string state;
    } cases[] = {
        {{"ERROR", "OK"}, 3, 2, "2/1/1/OK"},
        {{"ERROR", "ERROR", "OK"}, 2, 2, "3/0/2/ERROR"},
    };
    for (const auto &c : cases) {
        const int id = queue({"13900000001", "retry"});
        ModemBehaviour behaviour;
        behaviour.submitAnswers = c.answers;
        startModem(behaviour);
        makeLoop(c.attempts);
        ASSERT_TRUE(loop->start());
        EXPECT_TRUE(loop->runOnce());
        EXPECT_EQ(sentPdus().size(), c.pdus);
        EXPECT_EQ(stateOf(id), c.state);
    }
}

TEST_F(SenderTest, ModemThatNeverAnswersTimesOutAndExitsAtOnce)
{
    const int id = queue({"13900000001", "unanswered"});
    ModemBehaviour behaviour;
    behaviour.submitAnswers.assign(100, ""); // silence, however often the library submits again
    startModem(behaviour);
    makeLoop(3, 400ms);
    ASSERT_TRUE(loop->start());
    const auto before = std::chrono::steady_clock::now();
    EXPECT_FALSE(loop->runOnce());
    EXPECT_LT(std::chrono::steady_clock::now() - before, 2s);
    EXPECT_EQ(stateOf(id), "0/0/1/no answer within 0.400 s");
    EXPECT_EQ(reportsContaining("gave no answer to SMS"), 1);
    EXPECT_TRUE(modem->portClosed());
}

TEST_F(SenderTest, ModemThatVanishesIsReportedOnceAndReopenedWhenBack)
{
    const int first = queue({"13900000001", "first"});
    const int second = queue({"13900000002", "second"});
    ModemBehaviour behaviour;
    behaviour.submitAnswers = {"OK", ""}; // the second message is in the air when the modem goes
    startModem(behaviour);
    makeLoop(3, 400ms);
    ASSERT_TRUE(loop->start());
    ASSERT_TRUE(stepUntil([&] { return stateOf(first) == "2/1/0/OK" && loop->state() == SendLoop::State::Awaiting; }));
    modem.reset(); // the port is gone

    ASSERT_TRUE(stepUntil([&] { return loop->state() == SendLoop::State::Closed; }));
    EXPECT_EQ(stateOf(second), "0/0/1/no answer within 0.400 s");
    const auto whileGone = std::chrono::steady_clock::now() + 300ms; // several tries to reopen
    stepUntil([&] { return std::chrono::steady_clock::now() > whileGone; });
    // One report while it is gone, not one per try to reopen it.
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(reportsContaining("gave no answer to SMS " + std::to_string(second)), 1);

    startModem(); // the modem is back, on a port of the same number
    ASSERT_TRUE(stepUntil([&] { return stateOf(second) == "2/1/1/OK"; }));
    EXPECT_EQ(reportsContaining("answers again"), 1);
    EXPECT_EQ(stateOf(first), "2/1/0/OK");
}

TEST_F(SenderTest, AnswerTheDatabaseRefusesIsKeptAndNothingIsSentMeanwhile)
{
    const int first = queue({"13900000001", "first"});
    const int second = queue({"13900000002", "second"});
    startModem();
    makeLoop();
    ASSERT_TRUE(loop->start());
    ASSERT_TRUE(stepUntil([&] { return loop->state() == SendLoop::State::Awaiting; }));
    // The database goes away while the modem holds the first message.
    server::testing::exec(dm, QStringLiteral("ALTER TABLE SmsSendState RENAME TO SmsSendStateAway"));
    ASSERT_TRUE(stepUntil([&] { return reportsContaining("the database refused") == 1; }));
    const auto meanwhile = std::chrono::steady_clock::now() + 300ms;
    stepUntil([&] { return std::chrono::steady_clock::now() > meanwhile; });
    EXPECT_EQ(sentPdus().size(), 1u);

    server::testing::exec(dm, QStringLiteral("ALTER TABLE SmsSendStateAway RENAME TO SmsSendState"));
    ASSERT_TRUE(stepUntil([&] { return stateOf(first) == "2/1/0/OK" && stateOf(second) == "2/1/0/OK"; }));
    EXPECT_EQ(sentPdus().size(), 1u); // the second only: the first went once
    EXPECT_EQ(reportsContaining("the database works again"), 1);
}

#ifdef SENDER_ON_POSTGRES
TEST_F(SenderTest, ConnectionTheServerDropsIsMadeAgain)
{
    const int id = queue({"13900000001", "after the restart"});
    startModem();
    makeLoop();
    ASSERT_TRUE(loop->start());
    {
        // The database server ends every other connection, as a restart does.
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), QStringLiteral("other"));
        other.setDatabaseName(server::odbcConnectionText(settings));
        ASSERT_TRUE(other.open());
        QSqlQuery(other).exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                             "WHERE pid<>pg_backend_pid() AND datname=current_database()"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    ASSERT_TRUE(stepUntil([&] { return loop->counts().sent == 1 && reportsContaining("works again") == 1; }));
    EXPECT_EQ(stateOf(id), "2/1/0/OK");
    EXPECT_EQ(reportsContaining("the database refused"), 1);
}
#endif

TEST_F(SenderTest, RowInFlightWhenKilledIsSentAgainAndSentRowsNever)
{
    const int sent = queue({"13900000001", "sent before"});
    const int interrupted = queue({"13900000002", "interrupted"});
    const int lastTry = queue({"13900000003", "interrupted on its last try"});
    makeLoop(2);
    // What a run leaves that was killed between the modem's answer and its own write.
    const auto row = [](int id) {
        QueuedSms r;
        r.id = id;
        return r;
    };
    smsQueue->markInFlight(row(sent));
    smsQueue->markSent(row(sent));
    smsQueue->markInFlight(row(interrupted));
    smsQueue->markInFlight(row(lastTry));
    smsQueue->markFailed(row(lastTry), "ERROR");
    QSqlQuery(dm.DBConnection())
        .exec(QStringLiteral("UPDATE SmsSendState SET State=1,Attempts=2 WHERE TaskID=%1").arg(lastTry));

    startModem();
    makeLoop(2);
    EXPECT_EQ(smsQueue->recoverInFlight(), 2);
    ASSERT_TRUE(loop->start());
    EXPECT_TRUE(loop->runOnce());
    const std::vector<std::string> pdus = sentPdus();
    ASSERT_EQ(pdus.size(), 2u);
    EXPECT_TRUE(pdus[0].ends_with(submitTail("13900000002", "interrupted")));
    EXPECT_TRUE(pdus[1].ends_with(submitTail("13900000003", "interrupted on its last try")));
    EXPECT_EQ(stateOf(sent), "2/1/0/OK");
    EXPECT_EQ(stateOf(interrupted), "2/1/1/OK");
    // Its outcome was unknown, so it is tried once more, though its tries were used up.
    EXPECT_EQ(stateOf(lastTry), "2/1/2/OK");
}

TEST_F(SenderTest, ReceivedMessagesAreStored)
{
    ModemBehaviour behaviour;
    // "1" from 8613900000000, UCS2; and "你好" from 12345.
    behaviour.inbox = {{2, "0891683108000000F0040D91683109000000F00008702191315482000200"
                           "31"},
                       {5, "0891683108000000F00405812143F500087021913154820004"
                           "4F60597D"}};
    startModem(behaviour);
    makeLoop();
    ASSERT_TRUE(loop->start());
    ASSERT_TRUE(stepUntil([&] { return loop->counts().received == 2; }));
    QSqlQuery q(dm.DBConnection());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Mobile,ReceivedAt,Content,InsertDate FROM SmsReceived ORDER BY id")));
    std::vector<std::string> rows;
    while (q.next())
        rows.push_back(
            QStringLiteral("%1|%2|%3|%4")
                .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString())
                .toStdString());
    EXPECT_EQ(rows, (std::vector<std::string>{"13900000000|2007-12-19 13:45:28|1|2026-12-11 10:00:00",
                                              "12345|2007-12-19 13:45:28|你好|2026-12-11 10:00:00"}));
}

TEST_F(SenderTest, RowCommittedLateBelowTheFinishedOnesIsFoundAtTheNextFullLook)
{
    makeLoop();
    for (int id : {5, 6}) {
        server::testing::exec(dm, QStringLiteral("INSERT INTO SmsSendTask (id,Mobile,NeedTimes,Content) "
                                                 "VALUES (%1,'13900000001',1,'done')")
                                      .arg(id));
        QueuedSms row;
        row.id = id;
        smsQueue->markInFlight(row);
        smsQueue->markSent(row);
    }
    EXPECT_TRUE(smsQueue->due(10).empty()); // the look starts above key 6 from now on
    server::testing::exec(dm, QStringLiteral("INSERT INTO SmsSendTask (id,Mobile,NeedTimes,Content) "
                                             "VALUES (3,'13900000003',1,'late')"));
    int looks = 1;
    std::vector<QueuedSms> due;
    while (due.empty() && looks < 100) {
        due = smsQueue->due(10);
        ++looks;
    }
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].id, 3);
    EXPECT_LE(looks, 64);
}

TEST_F(SenderTest, QueueWithoutKeyColumnGetsOneAndKeepsItsRows)
{
    // SmsSendTask as a database made before the sender has it: no key column.
    server::testing::exec(dm, QStringLiteral("DROP TABLE SmsSendTask"));
    server::testing::exec(
        dm, QStringLiteral("CREATE TABLE SmsSendTask (Mobile VARCHAR(20) NOT NULL, NoticeMode INTEGER DEFAULT 1, "
                           "Priority INTEGER, NeedTimes INTEGER, Content VARCHAR(400), "
                           "PlanNotice VARCHAR(20), InsertDate VARCHAR(20), OperID VARCHAR(20), "
                           "VisitID INTEGER, NoticeTaskID INTEGER)"));
    for (const char *mobile : {"13900000009", "13900000008"})
        server::testing::exec(dm, QStringLiteral("INSERT INTO SmsSendTask (Mobile,NeedTimes,Content,OperID) "
                                                 "VALUES ('%1',1,'kept','corvida')")
                                      .arg(QLatin1String(mobile)));
    QString error;
    ASSERT_TRUE(prepareSenderTables(dm, &error)) << error.toStdString();
    EXPECT_EQ(server::testing::column(dm, QStringLiteral("SELECT Mobile FROM SmsSendTask ORDER BY id")),
              (QStringList{QStringLiteral("13900000009"), QStringLiteral("13900000008")}));
    // The server's insert works as before and gets the next key.
    EXPECT_EQ(queue({"13900000007", "new"}), 3);
    EXPECT_EQ(server::testing::count(dm, "SmsSendTask", "Content='kept' AND OperID='corvida' AND NoticeMode=1"), 2);
}

TEST_F(SenderTest, OwnTablesAreThoseOfTheSchemaScript)
{
    const auto columns = [this](const char *table) {
        QSqlQuery q(dm.DBConnection());
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(QLatin1String(table))));
        QStringList names;
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i).toLower() + QLatin1Char(' ') +
                         QString::number(record.field(i).metaType().id());
        return names;
    };
    const QStringList made = columns("SmsSendState") + columns("SmsReceived");
    server::testing::exec(dm, QStringLiteral("DROP TABLE SmsSendState"));
    server::testing::exec(dm, QStringLiteral("DROP TABLE SmsReceived"));
    const char *source = std::getenv("VN_SOURCE_DIR");
    QFile script(QString::fromLocal8Bit(source ? source : VN_SOURCE_DIR_PATH) +
                 (dm.engine() == server::SqlEngine::SQLite ? QStringLiteral("/db/sqlite.sql")
                                                           : QStringLiteral("/db/postgresql.sql")));
    ASSERT_TRUE(script.open(QIODevice::ReadOnly));
    for (const QString &statement : QString::fromUtf8(script.readAll()).split(QLatin1Char(';')))
        if (statement.contains(QStringLiteral("SmsSendState")) ||
            statement.contains(QStringLiteral("TABLE SmsReceived")))
            server::testing::exec(dm, statement);
    EXPECT_EQ(columns("SmsSendState") + columns("SmsReceived"), made);
}

} // namespace
} // namespace smssender::testing
