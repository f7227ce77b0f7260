// The sender's test bench.
#include "SenderTestBench.h"

#include "smssender/SenderSchema.h"

#include "lumosms/Timing.h"
#include "server/data/SchemaScript.h"

#include <QSqlQuery>

#include <cstdio>

namespace smssender::testing {

using namespace std::chrono_literals;

void SenderTestBench::SetUp()
{
    lumosms::setTiming(lumosms::test::testTiming());
#ifdef SENDER_ON_POSTGRES
    ASSERT_TRUE(server::testing::connectTestPostgres(dm, settings));
#else
    settings.ProgramDir = dir.path();
    ASSERT_TRUE(server::createEmbeddedDatabase(server::embeddedDatabasePath(settings)));
    ASSERT_TRUE(dm.ConnectDatabase(settings));
#endif
    // The sender makes its own tables in a database made before it.
    server::testing::exec(dm, QStringLiteral("DROP TABLE SmsSendState"));
    server::testing::exec(dm, QStringLiteral("DROP TABLE SmsReceived"));
    QString error;
    ASSERT_TRUE(prepareSenderTables(dm, &error)) << error.toStdString();
}

void SenderTestBench::TearDown()
{
    loop.reset();
    lumo.reset(); // closes the library before its modem goes
    modem.reset();
}

int SenderTestBench::queue(const TaskRow &row)
{
    QSqlQuery q(dm.DBConnection());
    q.prepare(QStringLiteral("INSERT INTO SmsSendTask(Mobile,NoticeMode,Priority,NeedTimes,Content,PlanNotice,"
                             "InsertDate,OperID,VisitID,NoticeTaskID) VALUES(:m,1,:p,:n,:c,:pn,:i,'corvida',1,1)"));
    q.bindValue(QStringLiteral(":m"), QString::fromStdString(row.mobile));
    q.bindValue(QStringLiteral(":p"), row.priority);
    q.bindValue(QStringLiteral(":n"), row.needTimes);
    q.bindValue(QStringLiteral(":c"), QString::fromStdString(row.content));
    q.bindValue(QStringLiteral(":pn"), QString::fromStdString(row.planNotice));
    q.bindValue(QStringLiteral(":i"), QString::fromStdString(row.insertDate));
    EXPECT_TRUE(q.exec());
    return server::testing::scalar(dm, QStringLiteral("SELECT MAX(id) FROM SmsSendTask")).toInt();
}

void SenderTestBench::startModem(lumosms::test::ModemBehaviour behaviour)
{
    modem.reset();
    modem = std::make_unique<lumosms::test::FakeModem>(std::move(behaviour));
    modem->installAsPort(kPort);
}

void SenderTestBench::makeLoop(int attempts, std::chrono::milliseconds answerTimeout)
{
    loop.reset();
    lumo = std::make_unique<LumoModem>(kPort, 115200, "");
    smsQueue = std::make_unique<SmsQueue>(dm, attempts, [this] { return now; });
    options.pollPeriod = 50ms;
    options.answerTimeout = answerTimeout;
    loop = std::make_unique<SendLoop>(
        *smsQueue, *lumo, options, [this](const std::string &text) { reports.push_back(text); }, [] { return false; });
    loop->setReconnect([this] {
        smsQueue->releaseStatements();
        dm.ConnectDatabase(settings);
    });
}

bool SenderTestBench::stepUntil(const std::function<bool()> &condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        loop->step();
    }
    return true;
}

std::vector<std::string> SenderTestBench::sentPdus()
{
    std::vector<std::string> pdus;
    while (const auto command = modem->next(0ms))
        if (command->text.starts_with("0891"))
            pdus.push_back(command->text.substr(0, command->text.size() - 1));
    return pdus;
}

std::string SenderTestBench::stateOf(int id)
{
    QSqlQuery q(dm.DBConnection());
    q.exec(QStringLiteral("SELECT State,Sent,Failures,Answer FROM SmsSendState WHERE TaskID=%1").arg(id));
    if (!q.next())
        return "none";
    return QStringLiteral("%1/%2/%3/%4")
        .arg(q.value(0).toInt())
        .arg(q.value(1).toInt())
        .arg(q.value(2).toInt())
        .arg(q.value(3).toString())
        .toStdString();
}

int SenderTestBench::reportsContaining(const std::string &text) const
{
    int n = 0;
    for (const std::string &r : reports)
        n += r.find(text) != std::string::npos;
    return n;
}

std::string submitTail(const std::string &mobile, const std::string &utf8)
{
    std::string digits = "86" + mobile;
    if (digits.size() % 2)
        digits += 'F';
    std::string semi;
    for (std::size_t i = 0; i < digits.size(); i += 2)
        semi += std::string{digits[i + 1], digits[i]};
    const QString text = QString::fromStdString(utf8);
    std::string ucs2;
    char hex[5];
    for (const QChar c : text) {
        std::snprintf(hex, sizeof hex, "%04X", c.unicode());
        ucs2 += hex;
    }
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(mobile.size() + 2));
    std::string tail = hex;
    std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(ucs2.size() / 2));
    return tail + "91" + semi + "000800" + hex + ucs2;
}

} // namespace smssender::testing
