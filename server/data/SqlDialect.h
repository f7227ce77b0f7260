// Adapting the system's SQL text to the database engine it runs on.
#pragma once

#include <QString>

namespace server {

enum class SqlEngine { SQLite, PostgreSQL, SqlServer };

/// The statement as the engine needs it. "SELECT TOP n …" becomes "SELECT … LIMIT n" where the engine
/// spells it so. On PostgreSQL the last ORDER BY gets NULLS FIRST for ascending and NULLS LAST for
/// descending keys, so that NULLs sort lowest as they do on SQLite and SQL Server (new tasks without a
/// random order key come before the ones imported with one). A SELECT that ends with "FOR UPDATE SKIP
/// LOCKED" (a server about to claim the row it reads) keeps it on PostgreSQL, becomes the table hint
/// WITH (UPDLOCK, READPAST) on SQL Server and loses it on SQLite.
QString adaptSql(const QString &sql, SqlEngine engine);

} // namespace server
