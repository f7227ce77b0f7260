// The statistics run and its kept result set.
#include "server/data/DataStat.h"

#include "server/data/Transaction.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace server {

namespace {

QVariant int32(qlonglong n)
{
    return static_cast<qint32>(std::min<qlonglong>(n, std::numeric_limits<qint32>::max()));
}

} // namespace

std::optional<StatBounds> statBounds(const QString &startDay, const QString &endDay)
{
    StatBounds b{startDay, endDay + QStringLiteral(" 23:59")};
    if (b.from > b.to)
        return std::nullopt;
    return b;
}

StatCounts countNoticeStatuses(TDM &dm, const StatBounds &bounds)
{
    StatCounts counts{};
    counts[0] =
        dm.countRows(dm.QueMyStat, QStringLiteral("SELECT AreaNum FROM AdNotice WHERE Status=:P1"), {{"P1", 0}});
    for (std::size_t i = 1; i < kStatColumns.size(); ++i)
        counts[i] = dm.countRows(dm.QueMyStat,
                                 QStringLiteral("SELECT id FROM AdNotice WHERE Status=%1 AND FactNotice>=:P1 AND "
                                                "FactNotice<=:P2")
                                     .arg(kStatColumns[i].status),
                                 {{"P1", bounds.from}, {"P2", bounds.to}});
    return counts;
}

DataStatOutcome runDataStat(TDM &dm, const QString &startDay, const QString &endDay, const QString &now, QString *error)
{
    const std::optional<StatBounds> bounds = statBounds(startDay, endDay);
    if (!bounds)
        return DataStatOutcome::StartAfterEnd;
    try {
        // Counted before the old row goes, and the old row goes only with the new one in its place.
        const StatCounts c = countNoticeStatuses(dm, *bounds);
        {
            Transaction transaction(dm);
            dm.execute(dm.QueDeleteStatData, QStringLiteral("DELETE FROM t_statdata"));
            dm.execute(dm.QueInsertStatData,
                       QStringLiteral("INSERT INTO t_statdata(SuccCount,FailCount,Noticing,NoNotice,StatDate,TranSlic,"
                                      "TranSlicSucc) VALUES(:P1,:P2,:P3,:P4,:P5,:P6,:P7)"),
                       {{"P1", int32(c[2])},
                        {"P2", int32(c[3])},
                        {"P3", int32(c[1])},
                        {"P4", int32(c[0])},
                        {"P5", now},
                        {"P6", int32(c[4])},
                        {"P7", int32(c[5])}});
            transaction.commit();
        }
        dm.open(dm.QueDataStat, QStringLiteral("select * from t_statdata"));
        return DataStatOutcome::Done;
    } catch (const DatabaseError &e) {
        if (error)
            *error = QString::fromStdString(e.what());
        return DataStatOutcome::Failed;
    }
}

std::vector<StatRow> dataStatRows(TDM &dm)
{
    std::vector<StatRow> rows;
    try {
        QSqlQuery &q = dm.QueDataStat.rows();
        if (!q.isActive())
            return rows;
        // Read again from its first row by every window that shows it.
        for (bool more = q.first(); more; more = q.next()) {
            StatRow row;
            for (std::size_t i = 0; i < kStatColumns.size(); ++i)
                row.counts[i] = q.value(QLatin1String(kStatColumns[i].field)).toLongLong();
            row.StatDate = q.value(QStringLiteral("StatDate")).toString();
            rows.push_back(row);
        }
    } catch (const DatabaseError &) {
        // never opened in this program run
    }
    return rows;
}

} // namespace server
