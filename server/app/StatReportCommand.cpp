// Server --report --from --to: the statistics window's counts on standard output.
#include "server/app/StatReportCommand.h"

#include "server/app/CommandDatabase.h"
#include "server/data/DataStat.h"
#include "server/data/TDM.h"

#include <cstdio>

namespace server {

namespace {

void fail(const QString &text)
{
    std::fprintf(stderr, "Server --report: %s\n", text.toUtf8().constData());
}

} // namespace

int runStatReport(const QString &programDir, const QString &from, const QString &to, const QString &today)
{
    const QString start = from.isEmpty() ? today : from;
    const QString end = to.isEmpty() ? today : to;
    const std::optional<StatBounds> bounds = statBounds(start, end);
    if (!bounds) {
        fail(QStringLiteral("the start day %1 lies after the end day %2").arg(start, end));
        return 2;
    }
    Settings settings;
    TDM dm;
    QString error;
    if (!openCommandDatabase(programDir, settings, dm, &error)) {
        fail(error);
        return 1;
    }
    StatCounts counts{};
    try {
        counts = countNoticeStatuses(dm, *bounds);
    } catch (const DatabaseError &e) {
        fail(QString::fromStdString(e.what()));
        return 1;
    }
    QString text = QStringLiteral("%1 %2 .. %3\n").arg(QStringLiteral("统计范围"), bounds->from, bounds->to);
    for (std::size_t i = 0; i < counts.size(); ++i)
        text += QString::fromUtf8(kStatColumns[i].title) + QLatin1Char('\t') + QString::number(counts[i]) +
                QLatin1Char('\n');
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

} // namespace server
