// The SQL text as each database engine needs it.
#include "server/data/SqlDialect.h"

#include <gtest/gtest.h>

namespace server {
namespace {

TEST(SqlDialectTest, TopAndNullOrdering)
{
    const QString fetch = QStringLiteral("SELECT TOP 1 ID,Telphone FROM AdNotice WHERE Status=0 ORDER BY RandomValue");
    const QString claim =
        QStringLiteral("SELECT TOP 1 ID FROM AdNotice WHERE Status=0 ORDER BY RandomValue,ID FOR UPDATE SKIP LOCKED");
    const struct
    {
        QString sql;
        SqlEngine engine;
        QString expected;
    } cases[] = {
        {fetch, SqlEngine::SqlServer, fetch},
        {fetch, SqlEngine::SQLite, QStringLiteral("SELECT ID,Telphone FROM AdNotice WHERE Status=0 ORDER BY RandomValue LIMIT 1")},
        {fetch, SqlEngine::PostgreSQL,
         QStringLiteral("SELECT ID,Telphone FROM AdNotice WHERE Status=0 ORDER BY RandomValue NULLS FIRST LIMIT 1")},
        {QStringLiteral("select top 10 * from t order by a desc, b;"), SqlEngine::PostgreSQL,
         QStringLiteral("select * from t order by a desc NULLS LAST, b NULLS FIRST LIMIT 10")},
        {QStringLiteral("SELECT * FROM AdNotice WHERE Status=1 ORDER BY FactNotice DESC"), SqlEngine::SQLite,
         QStringLiteral("SELECT * FROM AdNotice WHERE Status=1 ORDER BY FactNotice DESC")},
        {QStringLiteral("UPDATE AdNotice SET Status=0 WHERE ID=:P1"), SqlEngine::PostgreSQL,
         QStringLiteral("UPDATE AdNotice SET Status=0 WHERE ID=:P1")},
        {QStringLiteral("SELECT TOPS FROM x"), SqlEngine::SQLite, QStringLiteral("SELECT TOPS FROM x")},
        // A row read to be claimed: locked on the way, rows others hold passed over.
        {claim, SqlEngine::PostgreSQL,
         QStringLiteral(
             "SELECT ID FROM AdNotice WHERE Status=0 ORDER BY RandomValue NULLS FIRST, ID NULLS FIRST LIMIT 1 "
             "FOR UPDATE SKIP LOCKED")},
        {claim, SqlEngine::SqlServer,
         QStringLiteral(
             "SELECT TOP 1 ID FROM AdNotice WITH (UPDLOCK, READPAST) WHERE Status=0 ORDER BY RandomValue,ID")},
        {claim, SqlEngine::SQLite,
         QStringLiteral("SELECT ID FROM AdNotice WHERE Status=0 ORDER BY RandomValue,ID LIMIT 1")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(adaptSql(c.sql, c.engine).toStdString(), c.expected.toStdString());
}

} // namespace
} // namespace server
