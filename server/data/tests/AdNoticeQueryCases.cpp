// The cases of the management window's query, shared by the embedded and the server database.
#include "server/data/tests/AdNoticeQueryCases.h"

#include "server/data/AdNoticeQuery.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QStringList>

namespace server::testing {

namespace {

// The tasks: number, status, insert time, last attempt, agent channel, client type, keys.
void addTasks(TDM &dm)
{
    const char *rows[] = {
        "('13800000001',0,'2026-12-09 08:00:00','',NULL,'','')", // untouched, inserted the day before
        "('13800000002',0,'2026-12-10 09:00:00','',NULL,'','')", // untouched, inserted today
        "('13800000003',0,'2026-12-10 23:59:30','',NULL,'','')", // after the bound of the day's 23:59
        "('13900000004',2,'2026-12-01 10:00:00','2026-12-10 10:00:00',NULL,'','9')",
        "('13800000005',3,'2026-12-01 10:00:00','2026-12-10 11:00:00',NULL,'','')",
        "('13800000006',3,'2026-12-01 10:00:00','2026-12-08 11:00:00',NULL,'','')", // failed before the days
        "('13800000007',5,'2026-12-01 10:00:00','2026-12-10 12:00:00',7,'成交',';1;8')",
        "('13800000008',4,'2026-12-01 10:00:00','2026-12-10 12:30:00',NULL,'','8')",
        "('91380000009',2,'2026-12-01 10:00:00','2026-12-10 13:00:00',NULL,'','')", // holds 138 further on
        "('13''8',2,'2026-12-01 10:00:00','2026-12-10 13:10:00',NULL,'','')",       // a quote in the number
        "('%100',2,'2026-12-01 10:00:00','2026-12-10 13:20:00',NULL,'','')",
        "('_200',2,'2026-12-01 10:00:00','2026-12-10 13:30:00',NULL,'','')",
        "('x:P1',2,'2026-12-01 10:00:00','2026-12-10 13:40:00',12,'有意向','%_')",
    };
    for (const char *r : rows)
        exec(dm,
             QStringLiteral("INSERT INTO AdNotice (Telphone,Status,InsertDate,FactNotice,SlicCh,ClientType,PressInfo) "
                            "VALUES %1")
                 .arg(QString::fromUtf8(r)));
}

QStringList numbersFound(TDM &dm, const QString &condition)
{
    QStringList numbers;
    QSqlQuery q(dm.DBConnection());
    EXPECT_TRUE(q.exec(adNoticeQuerySql(condition))) << condition.toStdString();
    while (q.next())
        numbers << q.value(QStringLiteral("Telphone")).toString();
    numbers.sort();
    return numbers;
}

int tasks(TDM &dm)
{
    return scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt();
}

} // namespace

void checkAdNoticeQueries(TDM &dm)
{
    addTasks(dm);
    const int all = tasks(dm);
    const auto filter = [](const char *status, const char *number, const char *slic = "", const char *type = "",
                           const char *keys = "") {
        return AdNoticeFilter{QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10"), QString::fromUtf8(status),
                              QString::fromUtf8(number),    QString::fromUtf8(slic),      QString::fromUtf8(type),
                              QString::fromUtf8(keys)};
    };
    const struct
    {
        const char *name;
        AdNoticeFilter filter;
        QStringList found;
    } cases[] = {
        {"status 0 ignores the dates", filter("0-未通知", ""), {"13800000001", "13800000002", "13800000003"}},
        {"status 0 with a number", filter("0-未通知", "138000000"), {"13800000001", "13800000002", "13800000003"}},
        {"no status: untouched by insert time, the others by their attempt",
         filter("", "138"),
         {"13800000002", "13800000005", "13800000007", "13800000008"}},
        {"no status, no number",
         filter("", ""),
         {"%100", "13'8", "13800000002", "13800000005", "13800000007", "13800000008", "13900000004", "91380000009",
          "_200", "x:P1"}},
        {"a status within the days", filter("3-通知失败", ""), {"13800000005"}},
        {"a status and a number", filter("2-通知成功", "139"), {"13900000004"}},
        {"the agent channel", filter("", "", "7"), {"13800000007"}},
        {"the client type", filter("", "", "", "有意向"), {"x:P1"}},
        {"the keys", filter("", "", "", "", "8"), {"13800000007", "13800000008"}},
        // Typed texts are literal text: nothing breaks out of its literal, and wildcards are themselves.
        {"a quote in the number", filter("", "13'"), {"13'8"}},
        {"or 1=1 in the number", filter("", "' or 1=1 --"), {}},
        {"a statement in the number", filter("", "'; DELETE FROM AdNotice; --"), {}},
        {"percent in the number", filter("", "%"), {"%100"}},
        {"underscore in the number", filter("", "_"), {"_200"}},
        {"a placeholder in the number", filter("", "x:P1"), {"x:P1"}},
        {"or 1=1 in the client type", filter("", "", "", "成交' or '1'='1"), {}},
        {"a statement in the keys", filter("", "", "", "", "'; DELETE FROM AdNotice; --"), {}},
        {"wildcards in the keys", filter("", "", "", "", "%_"), {"x:P1"}},
        {"letters in the agent channel are dropped", filter("", "", "7 or 1=1"), {}},
    };
    for (const auto &c : cases) {
        const auto condition = adNoticeCondition(c.filter);
        ASSERT_TRUE(condition) << c.name;
        EXPECT_EQ(numbersFound(dm, *condition), c.found) << c.name << ": " << condition->toStdString();
        EXPECT_EQ(adNoticeRowCount(dm, *condition), c.found.size()) << c.name;
    }
    EXPECT_EQ(tasks(dm), all);

    // The start day after the end day is refused.
    AdNoticeFilter late = filter("", "");
    late.startDay = QStringLiteral("2026-12-11");
    EXPECT_FALSE(adNoticeCondition(late));

    // The counts of the bar: to an agent, answered by an agent, notified, failed.
    const auto counts = adNoticeCounts(dm, *adNoticeCondition(filter("", "")));
    ASSERT_TRUE(counts);
    EXPECT_EQ(*counts, (std::array<qlonglong, 4>{1, 1, 6, 1}));

    // The actions on all found rows change those rows and no other, payloads included.
    const QString payload = *adNoticeCondition(filter("", "'; DELETE FROM AdNotice; --"));
    deleteAdNotices(dm, payload);
    renotifyAdNotices(dm, payload, QStringLiteral("2026-12-10 15:00:00"));
    pauseAdNotices(dm, payload, QStringLiteral("2026-12-10 15:00:00"));
    EXPECT_EQ(tasks(dm), all);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Status=9")).toInt(), 0);

    pauseAdNotices(dm, *adNoticeCondition(filter("2-通知成功", "139")), QStringLiteral("2026-12-10 15:00:00"));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Telphone FROM AdNotice WHERE Status=9")).toString(),
              QStringLiteral("13900000004"));
    renotifyAdNotices(dm, *adNoticeCondition(filter("", "", "7")), QStringLiteral("2026-12-10 15:00:00"));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Status||'|'||PlanNotice||'|'||FactNotice||'|'||PressInfo||'|'||"
                                        "ClientType||'|'||FailCause FROM AdNotice WHERE Telphone='13800000007'"))
                  .toString(),
              QStringLiteral("0|2026-12-10 15:00:00||||"));
    deleteAdNotices(dm, *adNoticeCondition(filter("3-通知失败", "")));
    EXPECT_EQ(tasks(dm), all - 1);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Telphone='13800000006'")).toInt(), 1);

    // One row by its key.
    const QVariant id = scalar(dm, QStringLiteral("SELECT ID FROM AdNotice WHERE Telphone='13''8'"));
    setAdNoticeRemark(dm, id, QStringLiteral("  回电 '请' "));
    setAdNoticeNumber(dm, id, QStringLiteral(" 13812345678 "));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Telphone||'|'||Remark FROM AdNotice WHERE ID=%1").arg(id.toString()))
                  .toString(),
              QStringLiteral("13812345678|回电 '请'"));
    renotifyAdNotice(dm, id, QStringLiteral("2026-12-10 16:00:00"));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Status FROM AdNotice WHERE ID=%1").arg(id.toString())).toInt(), 0);
    deleteAdNotice(dm, id);
    EXPECT_EQ(tasks(dm), all - 2);
}

} // namespace server::testing
