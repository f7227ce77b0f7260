// The statistics of the notice tasks by status over a range of days, kept as the one row of
// t_statdata and in the data module's result set QueDataStat.
#pragma once

#include "server/data/TDM.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace server {

/// A counted column of t_statdata: its title, its field and the status it counts.
struct StatColumn
{
    const char *title;
    const char *field;
    int status;
};

/// The counted columns in the order the grid shows them; StatDate follows them.
inline constexpr std::array<StatColumn, 6> kStatColumns = {{
    {"未通知数量", "NoNotice", 0},
    {"正在通知数量", "Noticing", 1},
    {"通知成功数量", "SuccCount", 2},
    {"通知失败数量", "FailCount", 3},
    {"转人工数量", "TranSlic", 4},
    {"转人工接听数量", "TranSlicSucc", 5},
}};
inline constexpr const char *kStatDateTitle = "统计日期";

/// The counts in the order of kStatColumns.
using StatCounts = std::array<qlonglong, kStatColumns.size()>;

/// One row of t_statdata.
struct StatRow
{
    StatCounts counts{};
    QString StatDate;
};

/// The attempt times a run counts: from the start day "yyyy-mm-dd" up to the end day followed by
/// " 23:59", compared as text. Nothing when the start lies after that end.
struct StatBounds
{
    QString from;
    QString to;
};
std::optional<StatBounds> statBounds(const QString &startDay, const QString &endDay);

/// The counts of a run: every untouched task (status 0), whatever its dates, and the tasks of
/// statuses 1 to 5 whose last attempt lies within the bounds. Throws DatabaseError.
StatCounts countNoticeStatuses(TDM &dm, const StatBounds &bounds);

enum class DataStatOutcome
{
    Done,
    StartAfterEnd, ///< nothing was counted
    Failed,        ///< the database refused a statement; t_statdata and QueDataStat are as they were
};

/// The statistics run: counts, replaces the row of t_statdata with the counts and the time now
/// ("yyyy-mm-dd hh:mm") in one transaction, so that a failure keeps the last row, and opens
/// QueDataStat again on it. error, when given, says why a run failed.
DataStatOutcome runDataStat(TDM &dm, const QString &startDay, const QString &endDay, const QString &now,
                            QString *error = nullptr);

/// The rows of QueDataStat as the last run of this program run opened it; none before the first.
std::vector<StatRow> dataStatRows(TDM &dm);

} // namespace server
