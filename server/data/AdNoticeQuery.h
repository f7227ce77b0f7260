// The operator's query of notice tasks, by dates, status, number, agent channel, client type and keys,
// and the actions on what it found. The condition is kept as text: the actions on all found rows
// apply to exactly the condition of the query shown.
#pragma once

#include "server/data/TDM.h"

#include <QString>

#include <array>
#include <optional>

namespace server {

/// The conditions as the operator set them; texts as typed.
struct AdNoticeFilter
{
    QString startDay; ///< "yyyy-mm-dd"
    QString endDay;   ///< "yyyy-mm-dd"
    QString status;   ///< the chosen status item ("3-通知失败") or empty
    QString number;   ///< a number prefix
    QString agentChannel;
    QString clientType; ///< "无意向", "有意向", "成交" or empty
    QString keys;       ///< a fragment of the pressed keys
};

/// The condition (the part after WHERE) of the query the filter describes, or nothing when the start
/// day lies after the end day. Untouched tasks (status 0) are found by their insert time, dialled ones
/// by their last attempt; a status-0 filter ignores the dates. Typed texts are matched as literal text.
std::optional<QString> adNoticeCondition(const AdNoticeFilter &filter);

/// The statement of the query grid for a condition.
QString adNoticeQuerySql(const QString &condition);

/// The four counts of the information bar, in screen order: to an agent (4), answered by an agent (5),
/// notified (2), failed (3). Nothing on a database error.
std::optional<std::array<qlonglong, 4>> adNoticeCounts(TDM &dm, const QString &condition);
/// The number of rows the condition finds; -1 on a database error.
qlonglong adNoticeRowCount(TDM &dm, const QString &condition);

// The actions; each throws DatabaseError when the database refuses it.
void deleteAdNotice(TDM &dm, const QVariant &id);
void deleteAdNotices(TDM &dm, const QString &condition);
/// Back to status 0 with no cause, keys, notice time or client type; the counters stay.
void renotifyAdNotice(TDM &dm, const QVariant &id, const QString &now);
void renotifyAdNotices(TDM &dm, const QString &condition, const QString &now);
/// Status 9: never dialled until re-notified.
void pauseAdNotices(TDM &dm, const QString &condition, const QString &now);
void setAdNoticeRemark(TDM &dm, const QVariant &id, const QString &remark);
void setAdNoticeNumber(TDM &dm, const QVariant &id, const QString &number);

} // namespace server
