// The queries that fetch the next task to dial: new tasks by their random order, then due retries of
// failed tasks, then due repeats of notified ones.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/Clock.h"
#include "server/settings/Settings.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace server {

/// A task fetched for dialling; every field empty when no task was due.
struct FetchedTask
{
    std::string ID, Telphone, Name, UserID, Birthday, HomeAddr, CompanyName, CompanyAddr, CompanyTel, CompanyTitle;
    /// The status and attempt count the task had when it was read: its claim holds only if no other
    /// server has claimed it since.
    int Status = -1;
    int NoticeTimes = 0;
};

/// The choice of the queries of the dispatcher, with ties broken by the time due and then by ID: new
/// tasks by RandomValue (NULL first), then ID; due failed tasks by NoticeTimes, NextNotice, ID; due
/// notified tasks by SuccTimes, NextNotice, ID. On a server database the row read is passed over while
/// another server holds it.
class TaskQueries
{
public:
    TaskQueries(TDM &dm, const Clock &clock, const Settings &settings) : m_dm(dm), m_clock(clock), m_settings(settings)
    {
    }

    /// The next new task, by random order. False when the query failed.
    bool FetchNewTask(FetchedTask &task);
    /// The next due retry of a failed task with at most ReSendTimes attempts, fewest attempts first.
    bool FetchRetryTask(FetchedTask &task);
    /// The next due repeat of a notified task with at most RetSucc successes, fewest successes first.
    bool FetchRepeatTask(FetchedTask &task);

private:
    // The queries of due tasks of a status: the lowest count from P1 on, and the task due at count P1.
    struct Due
    {
        int status;
        QString countSql;
        QString taskSql;
    };
    // Runs the query: false, with the task emptied, when the database refused it.
    bool ran(FetchedTask &task, const std::function<void()> &query);
    void fetchTask(const QString &sql, std::initializer_list<SqlParam> params, int status, FetchedTask &task);
    bool nextCount(const QString &sql, int from, int *count);
    void fetchDue(const Due &due, int limit, FetchedTask &task);
    QString nowText() const;

    TDM &m_dm;
    const Clock &m_clock;
    const Settings &m_settings;
};

} // namespace server
