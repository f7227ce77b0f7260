// Bringing the schema of a database made by an earlier version up to date when it is opened.
#pragma once

#include "server/data/SqlDialect.h"

#include <QSqlDatabase>
#include <QString>

namespace server {

/// Adds what this version needs and the database lacks: the column AdNotice.ServerID and, on
/// PostgreSQL and SQL Server, the indexes through which the dispatcher seeks its next task (creating
/// one reads the table once). Nothing when AdNotice does not exist. False with error set when a
/// change is refused; what was added stays.
bool upgradeSchema(QSqlDatabase &db, SqlEngine engine, QString *error = nullptr);

/// True when the database's AdNotice has the column (matched without regard to case).
bool hasColumn(QSqlDatabase &db, const QString &table, const QString &column);

} // namespace server
