// Creating the sender's tables and the key column of SmsSendTask on first start.
#include "smssender/SenderSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace smssender {

namespace {

using server::SqlEngine;

bool tableAnswers(QSqlDatabase db, const QString &sql)
{
    QSqlQuery q(db);
    const bool ok = q.exec(sql);
    q.finish();
    return ok;
}

QString autoKey(SqlEngine engine)
{
    switch (engine) {
    case SqlEngine::SQLite:
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case SqlEngine::PostgreSQL:
        return QStringLiteral("SERIAL PRIMARY KEY");
    case SqlEngine::SqlServer:
        break;
    }
    return QStringLiteral("INT IDENTITY(1,1) PRIMARY KEY");
}

QString text(SqlEngine engine, int width)
{
    return (engine == SqlEngine::SqlServer ? QStringLiteral("NVARCHAR(%1)") : QStringLiteral("VARCHAR(%1)")).arg(width);
}

bool runAll(QSqlDatabase db, const QStringList &statements, QString *error)
{
    if (!db.transaction()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    for (const QString &sql : statements) {
        if (!q.exec(sql)) {
            *error = q.lastError().text() + QStringLiteral(" in ") + sql;
            q.finish();
            db.rollback();
            return false;
        }
    }
    q.finish();
    if (!db.commit()) {
        *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

// SQLite adds no key column to a table that has rows: the table is copied into one that has it.
QStringList sqliteKeyedCopy(QSqlDatabase db)
{
    QStringList columns;
    QStringList definitions;
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA table_info(SmsSendTask)"));
    while (q.next()) {
        const QString name = q.value(QStringLiteral("name")).toString();
        columns << name;
        QString definition = name + QLatin1Char(' ') + q.value(QStringLiteral("type")).toString();
        if (q.value(QStringLiteral("notnull")).toInt())
            definition += QStringLiteral(" NOT NULL");
        if (const QVariant def = q.value(QStringLiteral("dflt_value")); !def.isNull())
            definition += QStringLiteral(" DEFAULT ") + def.toString();
        definitions << definition;
    }
    const QString list = columns.join(QLatin1Char(','));
    return {QStringLiteral("CREATE TABLE SmsSendTask_keyed (id INTEGER PRIMARY KEY AUTOINCREMENT, %1)")
                .arg(definitions.join(QStringLiteral(", "))),
            QStringLiteral("INSERT INTO SmsSendTask_keyed (%1) SELECT %1 FROM SmsSendTask ORDER BY rowid").arg(list),
            QStringLiteral("DROP TABLE SmsSendTask"),
            QStringLiteral("ALTER TABLE SmsSendTask_keyed RENAME TO SmsSendTask")};
}

QStringList keyColumnStatements(QSqlDatabase db, SqlEngine engine)
{
    switch (engine) {
    case SqlEngine::SQLite:
        return sqliteKeyedCopy(db);
    case SqlEngine::PostgreSQL:
        return {QStringLiteral("ALTER TABLE SmsSendTask ADD COLUMN id SERIAL PRIMARY KEY")};
    case SqlEngine::SqlServer:
        break;
    }
    return {QStringLiteral("ALTER TABLE SmsSendTask ADD id INT IDENTITY(1,1) PRIMARY KEY")};
}

} // namespace

QStringList senderTableStatements(SqlEngine engine)
{
    // The same tables as db/make-schemas.py writes into the schema scripts.
    const QString integer = engine == SqlEngine::SqlServer ? QStringLiteral("INT") : QStringLiteral("INTEGER");
    const QString count = integer + QStringLiteral(" NOT NULL DEFAULT 0");
    const QString t20 = text(engine, 20);
    return {
        // State: 0 waits for its next try, 1 in flight, 2 sent, 3 given up.
        QStringLiteral("CREATE TABLE SmsSendState (TaskID %1 PRIMARY KEY, State SMALLINT NOT NULL DEFAULT 0, "
                       "Attempts %2, Sent %2, Failures %2, LastTry %3, SentAt %3, Answer %4)")
            .arg(integer, count, t20, text(engine, 200)),
        QStringLiteral("CREATE INDEX IX_SmsSendState_State ON SmsSendState (State)"),
        QStringLiteral("CREATE TABLE SmsReceived (id %1, Mobile %2, ReceivedAt %2, Content %3, InsertDate %2)")
            .arg(autoKey(engine), t20, text(engine, 400)),
    };
}

bool prepareSenderTables(server::TDM &dm, QString *error)
{
    QSqlDatabase db = dm.DBConnection();
    if (!tableAnswers(db, QStringLiteral("SELECT COUNT(*) FROM SmsSendTask WHERE 1=0"))) {
        *error = QStringLiteral("the database has no table SmsSendTask");
        return false;
    }
    if (!tableAnswers(db, QStringLiteral("SELECT id FROM SmsSendTask WHERE 1=0")) &&
        !runAll(db, keyColumnStatements(db, dm.engine()), error))
        return false;
    const QStringList tables = senderTableStatements(dm.engine());
    if (!tableAnswers(db, QStringLiteral("SELECT TaskID FROM SmsSendState WHERE 1=0")) &&
        !runAll(db, tables.mid(0, 2), error))
        return false;
    if (!tableAnswers(db, QStringLiteral("SELECT id FROM SmsReceived WHERE 1=0")) && !runAll(db, tables.mid(2), error))
        return false;
    return true;
}

} // namespace smssender
