// The queries that fetch the next task to dial: new tasks by their random order, then due retries of
// failed tasks, then due repeats of notified ones.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/Clock.h"
#include "server/settings/Settings.h"

#include <initializer_list>
#include <string>

namespace server {

/// A task fetched for dialling; every field empty when no task was due.
struct FetchedTask
{
    std::string ID, Telphone, Name, UserID, Birthday, HomeAddr, CompanyName, CompanyAddr, CompanyTel, CompanyTitle;
};

class TaskQueries
{
public:
    TaskQueries(TDM &dm, const Clock &clock, const Settings &settings) : m_dm(dm), m_clock(clock), m_settings(settings)
    {
    }

    /// The next new task, by random order. False when the query failed.
    bool FetchNewTask(FetchedTask &task);
    /// The next due retry of a failed task, fewest attempts first.
    bool FetchRetryTask(FetchedTask &task);
    /// The next due repeat of a notified task, fewest successes first.
    bool FetchRepeatTask(FetchedTask &task);

private:
    bool fetchTask(const QString &sql, std::initializer_list<SqlParam> params, FetchedTask &task);
    QString nowText() const;

    TDM &m_dm;
    const Clock &m_clock;
    const Settings &m_settings;
};

} // namespace server
