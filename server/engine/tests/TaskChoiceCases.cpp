// The dispatcher's choice of task against the queries that define it, on mixes of tasks with ties.
#include "server/engine/tests/TaskChoiceCases.h"

#include "server/data/SqlDialect.h"
#include "server/data/tests/TestDatabase.h"

#include "common/DateTime.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QStringList>

#include <random>

namespace server::testing {

namespace {

// The defining queries of new tasks, due retries and due repeats, ties broken by due time and ID.
QString definedChoice(TDM &dm, const Settings &settings, const QString &now)
{
    const QString queries[] = {
        QStringLiteral("SELECT TOP 1 ID FROM AdNotice WHERE Status=0 ORDER BY RandomValue, ID"),
        QStringLiteral("SELECT TOP 1 ID FROM AdNotice WHERE (Status=3 AND NoticeTimes<=%1 AND NextNotice<='%2') "
                       "ORDER BY NoticeTimes, NextNotice, ID")
            .arg(settings.ReSendTimes)
            .arg(now),
        QStringLiteral("SELECT TOP 1 ID FROM AdNotice WHERE (Status=2 AND SuccTimes<=%1 AND NextNotice<='%2') "
                       "ORDER BY SuccTimes, NextNotice, ID")
            .arg(settings.RetSucc)
            .arg(now),
    };
    for (const QString &sql : queries) {
        QSqlQuery q(dm.DBConnection());
        EXPECT_TRUE(q.exec(adaptSql(sql, dm.engine()))) << sql.toStdString();
        if (q.next())
            return q.value(0).toString();
    }
    return {};
}

// The dispatcher's sequence: a new task, else a due retry, else a due repeat.
QString dispatcherChoice(TaskQueries &tasks)
{
    FetchedTask task;
    EXPECT_TRUE(tasks.FetchNewTask(task));
    if (task.ID.empty()) {
        EXPECT_TRUE(tasks.FetchRetryTask(task));
    }
    if (task.ID.empty()) {
        EXPECT_TRUE(tasks.FetchRepeatTask(task));
    }
    return QString::fromStdString(task.ID);
}

template <typename T, std::size_t N> T pick(std::mt19937 &random, const T (&values)[N])
{
    return values[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

} // namespace

void checkTaskChoice(TDM &dm, ServerEngine &engine)
{
    const common::DateTime at = engine.clock().now();
    const QString now = QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", at));
    const auto shifted = [&](int minutes) {
        return QLatin1Char('\'') +
               QString::fromStdString(common::formatDateTime("yyyy-mm-dd hh:mm:ss", at.addMinutes(minutes))) +
               QLatin1Char('\'');
    };
    const struct
    {
        const char *name;
        unsigned seed;
        int rows;
        int reSendTimes, retSucc;
    } mixes[] = {
        {"ties everywhere", 1, 60, 2, 1},
        {"no second attempt", 2, 40, 0, 0},
        {"many counts", 3, 80, 3, 2},
        {"limits above every count", 4, 30, 200, 200},
    };
    const int statuses[] = {0, 0, 2, 2, 2, 3, 3, 3, 1, 4, 8, 9};
    const int counts[] = {-1, 0, 0, 1, 1, 1, 2, 3, 5};
    const QString randomKeys[] = {QStringLiteral("NULL"), QStringLiteral("0"), QStringLiteral("7"),
                                  QStringLiteral("49")};
    const QString dueTimes[] = {QStringLiteral("NULL"),
                                shifted(-24 * 60),
                                shifted(-1),
                                shifted(-1),
                                QLatin1Char('\'') + now + QLatin1Char('\''),
                                shifted(1)};
    for (const auto &mix : mixes) {
        SCOPED_TRACE(mix.name);
        exec(dm, QStringLiteral("DELETE FROM AdNotice"));
        std::mt19937 random(mix.seed);
        QStringList rows;
        for (int i = 0; i < mix.rows; ++i)
            rows << QStringLiteral("('%1',%2,%3,%4,%5,%6)")
                        .arg(i)
                        .arg(pick(random, statuses))
                        .arg(pick(random, counts))
                        .arg(pick(random, counts))
                        .arg(pick(random, dueTimes), pick(random, randomKeys));
        exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,NoticeTimes,SuccTimes,NextNotice,RandomValue) "
                                "VALUES ") +
                     rows.join(QLatin1Char(',')));
        engine.settings().ReSendTimes = static_cast<std::uint8_t>(mix.reSendTimes);
        engine.settings().RetSucc = static_cast<std::uint8_t>(mix.retSucc);
        // Take every task the queries give, one after the other, as the dials would.
        int taken = 0;
        for (; taken <= mix.rows; ++taken) {
            const QString expected = definedChoice(dm, engine.settings(), now);
            ASSERT_EQ(dispatcherChoice(engine.tasks()).toStdString(), expected.toStdString()) << "choice " << taken;
            if (expected.isEmpty())
                break;
            exec(dm, QStringLiteral("UPDATE AdNotice SET Status=1 WHERE ID=%1").arg(expected));
        }
        EXPECT_GT(taken, 5);
        EXPECT_LT(taken, mix.rows);
    }
}

} // namespace server::testing
