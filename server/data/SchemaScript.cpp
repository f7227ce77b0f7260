// Schema scripts: splitting into statements, running them in one transaction, creating a database.
#include "server/data/SchemaScript.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace server {

bool runSchemaScript(QSqlDatabase &db, const QString &script, QString *error)
{
    QStringList statements;
    QString current;
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QStringLiteral("--")))
            continue;
        current += line + QLatin1Char('\n');
        // A trigger's body holds statements of its own: it ends with its END.
        const bool inTrigger = current.trimmed().startsWith(QStringLiteral("CREATE TRIGGER"), Qt::CaseInsensitive);
        if (inTrigger ? t.compare(QStringLiteral("END;"), Qt::CaseInsensitive) == 0 : t.endsWith(QLatin1Char(';'))) {
            statements << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current;

    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    for (const QString &statement : statements) {
        if (!q.exec(statement)) {
            if (error)
                *error = q.lastError().text() + QStringLiteral(" in: ") + statement.trimmed();
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

QString embeddedSchemaScript()
{
    QFile f(QStringLiteral(":/db/sqlite.sql"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

bool createEmbeddedDatabase(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("already exists: ") + path;
        return false;
    }
    const QString name = QStringLiteral("create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        if (!ok && error)
            *error = db.lastError().text();
        if (ok) {
            QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            ok = runSchemaScript(db, embeddedSchemaScript(), error);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

} // namespace server
