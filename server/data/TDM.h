// The data module: the one database connection of the server and its named statement objects.
#pragma once

#include "server/data/SqlDialect.h"
#include "server/settings/Dialogs.h"
#include "server/settings/Settings.h"

#include "common/DateTime.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

namespace server {

/// A statement that failed; what() holds the database's message.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const std::string &what, bool unreachable = false)
        : std::runtime_error(what), m_unreachable(unreachable)
    {
    }
    /// True when the database could not be reached (another program's lock, the connection lost, the
    /// disk full): the same statement may go through later. False when it refused the statement.
    bool unreachable() const { return m_unreachable; }

private:
    bool m_unreachable;
};

/// One named parameter of a statement: "P1" … "P10".
struct SqlParam
{
    const char *name;
    QVariant value;
};

/// A reusable statement object; its SQL text is replaced before every use. A use with the SQL text of
/// one of its last few uses, on the same connection, runs the statement already prepared.
class Statement
{
public:
    explicit Statement(const char *name) : m_name(name) {}
    const char *name() const { return m_name; }
    /// The result set of the last open(), positioned before its first row.
    QSqlQuery &rows();

private:
    friend class TDM;
    struct Prepared
    {
        QString sql;
        std::unique_ptr<QSqlQuery> query;
    };
    const char *m_name;
    std::unique_ptr<QSqlQuery> m_query;
    QString m_preparedSql;
    unsigned m_connection = 0;
    // Statements prepared for earlier uses on connection m_connection, the latest last.
    std::vector<Prepared> m_earlier;
};

class TDM : public QObject
{
    Q_OBJECT

public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    /// Opens the database the settings choose: DBType 0 the embedded file BillDB.db of the program
    /// directory (never created here: a missing file fails), otherwise an ODBC connection built from
    /// [Database]. Closes an open connection first, and adds what this version needs to a schema of an
    /// earlier one. False with error set on failure.
    bool ConnectDatabase(const Settings &settings, QString *error = nullptr);
    /// The database steps of the server's start-up at the time now: compaction of the embedded file (a
    /// warning when it fails), the connection (a message and false when it fails: start-up stops), the
    /// reset of tasks interrupted by the last run (a message when it fails; start-up goes on). On a
    /// server database that several servers may share, the reset takes only this server's tasks, those
    /// of no known server, and those whose dial began more than a day before now: no call lasts that
    /// long, so their server is gone.
    bool StartDatabase(const Settings &settings, Dialogs &dialogs,
                       const common::DateTime &now = common::DateTime::now());

    bool isOpen() const;
    /// True when the database keeps the tasks per status and notice time (table AdNoticeCounts), so
    /// that the counters need not read AdNotice.
    bool hasStatusCounts() const { return m_statusCounts; }
    SqlEngine engine() const { return m_engine; }
    /// The name under which this server claims the tasks it dials: its host and program directory.
    const QString &serverId() const { return m_serverId; }
    /// True when AdNotice records the server of each claim (column ServerID).
    bool hasServerColumn() const { return m_serverColumn; }
    QSqlDatabase DBConnection() const;

    /// True when the database takes statements now: a server database answers, the embedded file
    /// lets a write begin.
    bool reachable();
    /// Whether statements on the embedded file wait for another program's lock (BusyTimeout) or fail
    /// at once; while the database is known to be out of reach, a wait would only stall the caller.
    void waitForLocks(bool wait);
    /// Called with every statement that fails because the database is out of reach, before it throws.
    void setUnreachableHandler(std::function<void(const DatabaseError &)> handler)
    {
        m_unreachableHandler = std::move(handler);
    }

    /// The statement pattern: close the statement, replace its SQL text, set the named parameters,
    /// execute it. The number of rows it changed (-1 when the database does not tell). Throws
    /// DatabaseError when the database refuses it.
    qlonglong execute(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params = {});
    /// As execute, for a write that marks a task as being called, which the start-up reset undoes
    /// anyway: on the embedded file its commit goes to disk with the next commit that is flushed,
    /// sparing the dispatcher's tick and the polling loop a flush of their own. A power failure may
    /// take it back; the task is then new again, as the start-up reset would make it.
    qlonglong executeUnflushed(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params = {});
    /// As execute, leaving the result set open in statement.rows().
    void open(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params = {});
    /// As open, reading the result set once from the first row to the last and closing it: its row
    /// count. Throws DatabaseError when the database refuses it.
    qlonglong countRows(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params = {});

    // The statement objects, named by their role.
    Statement QueUpdateCalling{"QueUpdateCalling"};
    Statement QueADNoticeForTimer{"QueADNoticeForTimer"};
    Statement QueUpdateAdNotice{"QueUpdateAdNotice"};
    Statement QueUpdateClientType{"QueUpdateClientType"};
    Statement QueMyPublic{"QueMyPublic"};
    Statement QueBillData{"QueBillData"};
    Statement QueInsertSmsSendTask{"QueInsertSmsSendTask"};
    Statement QueTimerQuery{"QueTimerQuery"};
    Statement QueMyStat{"QueMyStat"};
    Statement QueMyUpdateAdNotice{"QueMyUpdateAdNotice"};
    Statement QueAgainNotice{"QueAgainNotice"};
    Statement QueAdNotice{"QueAdNotice"};
    Statement QueCheckForbidTel{"QueCheckForbidTel"};
    Statement QueForbidTel{"QueForbidTel"};
    Statement QueForbidImport{"QueForbidImport"};
    Statement QueDeleteStatData{"QueDeleteStatData"};
    Statement QueInsertStatData{"QueInsertStatData"};
    Statement QueDataDelete{"QueDataDelete"};
    /// The result set of the last statistics run: it stays open for every later statistics window.
    Statement QueDataStat{"QueDataStat"};

private:
    // Open the connection; the database's message on failure, else empty.
    QString openEmbedded(const Settings &settings);
    QString openOdbc(const Settings &settings);
    void run(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params,
             bool forwardOnly = false);
    void close();
    // The error of a failed statement, telling an unreachable database from a refused statement.
    DatabaseError failure(const Statement &statement, const QSqlError &error);

    QString m_connectionName;
    std::function<void(const DatabaseError &)> m_unreachableHandler;
    int m_busyTimeout = 0;
    // Counts the connections made, so that a statement prepared on an earlier one is prepared anew.
    unsigned m_connection = 1;
    SqlEngine m_engine = SqlEngine::SQLite;
    bool m_statusCounts = false;
    bool m_serverColumn = false;
    QString m_serverId;
    // The embedded file's synchronous setting, restored after an unflushed write.
    QString m_synchronous;
};

/// The ODBC connection text of a server database: DSN-less, from [Database]. ServerName may carry a
/// port as "host,port" or "host:port"; values with ';', '{' or '}' are enclosed in braces.
QString odbcConnectionText(const Settings &settings);

/// The name of the server of that program directory on this host, at most 80 characters.
QString serverIdentity(const Settings &settings);

/// Path of the embedded database file in the program directory.
QString embeddedDatabasePath(const Settings &settings);

} // namespace server
