// Running a schema script of db/ on a connection.
#pragma once

#include <QSqlDatabase>
#include <QString>

namespace server {

/// Runs every statement of a script (statements end with ';' at the end of a line, a CREATE TRIGGER
/// with its "END;" line; "--" comment lines are skipped) in one transaction. False with error set, and nothing created, when one fails.
bool runSchemaScript(QSqlDatabase &db, const QString &script, QString *error = nullptr);

/// The schema script of the embedded database, built into the program.
QString embeddedSchemaScript();

/// Creates a new embedded database file with the schema. Refuses (false) when the file exists.
bool createEmbeddedDatabase(const QString &path, QString *error = nullptr);

} // namespace server
