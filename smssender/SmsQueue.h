// The queue SmsSendTask as the sender reads it, and the sender's bookkeeping of every row it sends.
#pragma once

#include "smssender/Modem.h"

#include "server/data/TDM.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace smssender {

/// One row of SmsSendTask due for sending.
struct QueuedSms
{
    int id = 0;
    std::string mobile;
    std::string content; ///< UTF-8
    int needTimes = 1;   ///< how often the row is to be sent: NeedTimes, at least 1
    bool known = false;  ///< the row has a line in SmsSendState already
};

/// The current time as "yyyy-mm-dd hh:mm:ss".
using NowText = std::function<std::string()>;

/// The wall clock as NowText.
std::string wallClockText();

/// Every statement throws server::DatabaseError when the database refuses it.
class SmsQueue
{
public:
    SmsQueue(server::TDM &dm, int attempts, NowText now = wallClockText);

    /// At start: a row left in flight by the last run may or may not have reached the modem. It counts
    /// as one failed try and is sent again, even when that was its last try: a try whose outcome is
    /// unknown never gives a row up, so that every notice is sent at least once.
    /// Returns how many rows were in flight.
    int recoverInFlight();

    /// Rows planned up to this time ("yyyy-mm-dd hh:mm:ss") count as due, instead of up to now.
    void setDueBy(std::string time) { m_dueBy = std::move(time); }

    /// Up to `limit` rows due now (PlanNotice reached or empty), neither sent as often as they need nor
    /// given up nor in flight: by Priority (lowest first), then age (InsertDate, then id).
    std::vector<QueuedSms> due(int limit);

    /// Records that the row is handed to the modem now: one more try, in flight.
    void markInFlight(const QueuedSms &row);
    /// Records the modem's OK: one more send; the row is done when it was sent NeedTimes times.
    void markSent(const QueuedSms &row);
    /// Records a failed try with its reason; the row is given up when it used its last try, or at once
    /// when `final` (a row that cannot be sent as it stands).
    void markFailed(const QueuedSms &row, const std::string &reason, bool final = false);

    /// Stores a message the modem received.
    void storeReceived(const ReceivedSms &message);

    /// Drops the prepared statements, before the connection is made again.
    void releaseStatements() { m_statements = std::make_unique<Statements>(); }

private:
    server::TDM &m_dm;
    int m_attempts;
    NowText m_now;
    std::string m_dueBy;
    // Every row with a key up to here is sent or given up, and keys only grow: the look for due rows
    // starts above it, so that a queue of years does not cost a scan of every row at each poll.
    qlonglong m_floor = 0;
    int m_looks = 0;
    /// Moves the floor up to just below the first row that is neither sent nor given up.
    void raiseFloor();

    struct Statements
    {
        server::Statement select{"QueSmsDue"};
        server::Statement firstOpen{"QueSmsFirstOpen"};
        server::Statement lastKey{"QueSmsLastKey"};
        server::Statement update{"QueSmsState"};
        server::Statement insert{"QueSmsStateInsert"};
        server::Statement received{"QueSmsReceived"};
    };
    std::unique_ptr<Statements> m_statements = std::make_unique<Statements>();
};

} // namespace smssender
