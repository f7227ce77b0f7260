// The query condition of the management window and the actions on the rows it finds.
#include "server/data/AdNoticeQuery.h"

#include "server/data/SqlLiteral.h"

namespace server {

namespace {

bool isStatusCode(const QString &s)
{
    return s.size() == 1 && QStringLiteral("01234589").contains(s);
}

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    return digits;
}

} // namespace

std::optional<QString> adNoticeCondition(const AdNoticeFilter &f)
{
    const QString b = f.startDay;
    const QString e = f.endDay + QStringLiteral(" 23:59");
    if (b > e)
        return std::nullopt;
    // The status is the first character of a fixed item; anything else counts as no status.
    QString s = f.status.left(1);
    if (!isStatusCode(s))
        s.clear();
    const QString t = f.number.trimmed();
    const QString from = sqlText(b);
    const QString to = sqlText(e);
    const QString number = t.isEmpty() ? QString() : QStringLiteral(" and Telphone like ") + sqlLikePrefix(t);

    QString c;
    if (!s.isEmpty() && s != QLatin1String("0")) {
        c = QStringLiteral("FactNotice >= ") + from + QStringLiteral(" and FactNotice <= ") + to +
            QStringLiteral(" and Status = ") + s + number;
    } else if (s == QLatin1String("0")) {
        c = QStringLiteral("Status = 0") + number;
    } else {
        c = QStringLiteral("((InsertDate >= ") + from + QStringLiteral(" and InsertDate <= ") + to +
            QStringLiteral(" and Status = 0") + number + QStringLiteral(") or (FactNotice >= ") + from +
            QStringLiteral(" and FactNotice <= ") + to + QStringLiteral(" and Status <> 0") + number +
            QStringLiteral("))");
    }
    // The agent channel field takes digits only; nothing else reaches the statement.
    if (const QString slic = digitsOf(f.agentChannel.trimmed()); !slic.isEmpty())
        c += QStringLiteral(" and SlicCh = ") + slic;
    if (const QString type = f.clientType.trimmed(); !type.isEmpty())
        c += QStringLiteral(" and ClientType = ") + sqlText(type);
    if (const QString keys = f.keys.trimmed(); !keys.isEmpty())
        c += QStringLiteral(" and PressInfo like ") + sqlLikeContaining(keys);
    return c;
}

QString adNoticeQuerySql(const QString &condition)
{
    return QStringLiteral("SELECT * FROM AdNotice WHERE ") + condition + QStringLiteral(" ORDER BY FactNotice DESC");
}

qlonglong adNoticeRowCount(TDM &dm, const QString &condition)
{
    try {
        dm.open(dm.QueMyStat, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ") + condition);
        QSqlQuery &rows = dm.QueMyStat.rows();
        const qlonglong n = rows.next() ? rows.value(0).toLongLong() : 0;
        rows.finish();
        return n;
    } catch (const DatabaseError &) {
        return -1;
    }
}

std::optional<std::array<qlonglong, 4>> adNoticeCounts(TDM &dm, const QString &condition)
{
    std::array<qlonglong, 4> counts{};
    const int statuses[] = {4, 5, 2, 3};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i] = adNoticeRowCount(dm, condition + QStringLiteral(" AND (Status=%1)").arg(statuses[i]));
        if (counts[i] < 0)
            return std::nullopt;
    }
    return counts;
}

void deleteAdNotice(TDM &dm, const QVariant &id)
{
    dm.execute(dm.QueMyUpdateAdNotice, QStringLiteral("DELETE FROM AdNotice WHERE id=:P1"), {{"P1", id}});
}

void deleteAdNotices(TDM &dm, const QString &condition)
{
    dm.execute(dm.QueMyUpdateAdNotice, QStringLiteral("DELETE FROM AdNotice WHERE ") + condition);
}

void renotifyAdNotice(TDM &dm, const QVariant &id, const QString &now)
{
    const QString empty = QStringLiteral("");
    dm.execute(
        dm.QueAgainNotice,
        QStringLiteral("UPDATE AdNotice SET Status=:P1,PlanNotice=:P2,FailCause=:P3,PressInfo=:P5,FactNotice=:P6,"
                       "ClientType=:P10 WHERE id=:P4"),
        {{"P1", 0}, {"P2", now}, {"P3", empty}, {"P5", empty}, {"P6", empty}, {"P10", empty}, {"P4", id}});
}

void renotifyAdNotices(TDM &dm, const QString &condition, const QString &now)
{
    const QString empty = QStringLiteral("");
    dm.execute(
        dm.QueAgainNotice,
        QStringLiteral("UPDATE AdNotice SET Status=:P1,PlanNotice=:P2,FailCause=:P3,FactNotice=:P4,PressInfo=:P6,"
                       "ClientType=:P9 WHERE ") +
            condition,
        {{"P1", 0}, {"P2", now}, {"P3", empty}, {"P4", empty}, {"P6", empty}, {"P9", empty}});
}

void pauseAdNotices(TDM &dm, const QString &condition, const QString &now)
{
    dm.execute(dm.QueAgainNotice, QStringLiteral("UPDATE AdNotice SET Status=:P1,FactNotice=:P2 WHERE ") + condition,
               {{"P1", 9}, {"P2", now}});
}

void setAdNoticeRemark(TDM &dm, const QVariant &id, const QString &remark)
{
    dm.execute(dm.QueMyUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Remark=:P1 WHERE id=:P2"),
               {{"P1", remark.trimmed()}, {"P2", id}});
}

void setAdNoticeNumber(TDM &dm, const QVariant &id, const QString &number)
{
    dm.execute(dm.QueMyUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Telphone=:P1 WHERE id=:P2"),
               {{"P1", number.trimmed()}, {"P2", id}});
}

} // namespace server
