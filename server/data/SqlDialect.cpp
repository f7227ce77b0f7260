// Rewriting TOP n and NULL ordering for the engines that differ from the system's SQL.
#include "server/data/SqlDialect.h"

#include <QRegularExpression>
#include <QStringList>

namespace server {

namespace {

QString nullsLowest(const QString &sql)
{
    static const QRegularExpression orderBy(QStringLiteral("\\bORDER\\s+BY\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch last;
    for (auto it = orderBy.globalMatch(sql); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return sql;
    const QString head = sql.left(last.capturedEnd());
    QStringList items = sql.mid(last.capturedEnd()).split(QLatin1Char(','));
    static const QRegularExpression hasNulls(QStringLiteral("\\bNULLS\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression desc(QStringLiteral("\\bDESC\\s*$"), QRegularExpression::CaseInsensitiveOption);
    for (QString &item : items) {
        const QString trimmed = item.trimmed();
        if (trimmed.isEmpty() || hasNulls.match(trimmed).hasMatch())
            continue;
        item = QLatin1Char(' ') + trimmed +
               (desc.match(trimmed).hasMatch() ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST"));
    }
    return head + items.join(QLatin1Char(','));
}

QString topToLimit(const QString &sql)
{
    static const QRegularExpression top(QStringLiteral("^(\\s*SELECT\\s+)TOP\\s+(\\d+)\\s+"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = top.match(sql);
    if (!m.hasMatch())
        return sql;
    return m.captured(1) + sql.mid(m.capturedEnd()) + QStringLiteral(" LIMIT ") + m.captured(2);
}

// Takes a trailing "FOR UPDATE SKIP LOCKED" off the statement: true when there was one.
bool takeSkipLocked(QString &sql)
{
    static const QRegularExpression clause(QStringLiteral("\\s+FOR\\s+UPDATE\\s+SKIP\\s+LOCKED\\s*;?\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = clause.match(sql);
    if (!m.hasMatch())
        return false;
    sql.truncate(m.capturedStart());
    return true;
}

// SQL Server locks as a hint on the first table: the row for an update, rows locked by others passed.
QString withReadPast(const QString &sql)
{
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+\\w+"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = from.match(sql);
    if (!m.hasMatch())
        return sql;
    return sql.left(m.capturedEnd()) + QStringLiteral(" WITH (UPDLOCK, READPAST)") + sql.mid(m.capturedEnd());
}

} // namespace

QString adaptSql(const QString &sql, SqlEngine engine)
{
    QString text = sql;
    const bool skipLocked = takeSkipLocked(text);
    if (engine == SqlEngine::SqlServer)
        return skipLocked ? withReadPast(text) : text;
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == QLatin1Char(';')))
        text.chop(1);
    text = topToLimit(engine == SqlEngine::PostgreSQL ? nullsLowest(text) : text);
    // The embedded file has one writer at a time, so SQLite needs no row locks.
    return skipLocked && engine == SqlEngine::PostgreSQL ? text + QStringLiteral(" FOR UPDATE SKIP LOCKED") : text;
}

} // namespace server
