// The data module: connection, compaction at start-up, the statement pattern and the start-up reset.
#include "server/data/TDM.h"

#include "server/data/CompactDatabase.h"
#include "server/data/SchemaUpgrade.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSysInfo>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <iterator>

namespace server {

namespace {

QString odbcValue(const std::string &utf8)
{
    QString v = QString::fromStdString(utf8);
    if (!v.contains(QLatin1Char(';')) && !v.contains(QLatin1Char('{')) && !v.contains(QLatin1Char('}')))
        return v;
    v.replace(QStringLiteral("}"), QStringLiteral("}}"));
    return QLatin1Char('{') + v + QLatin1Char('}');
}

SqlEngine engineOfDriver(const std::string &driver)
{
    return QString::fromStdString(driver).contains(QStringLiteral("PostgreSQL"), Qt::CaseInsensitive)
               ? SqlEngine::PostgreSQL
               : SqlEngine::SqlServer;
}

} // namespace

QSqlQuery &Statement::rows()
{
    if (!m_query)
        throw DatabaseError(std::string("statement ") + m_name + " has no result set");
    return *m_query;
}

QString odbcConnectionText(const Settings &s)
{
    QString host = QString::fromStdString(s.ServerName);
    QString port;
    const qsizetype sep = host.lastIndexOf(QRegularExpression(QStringLiteral("[,:]")));
    if (sep > 0) {
        port = host.mid(sep + 1);
        host = host.left(sep);
    }
    QString text = QStringLiteral("DRIVER={") + QString::fromStdString(s.OdbcDriver) + QStringLiteral("};SERVER=") +
                   odbcValue(host.toStdString()) + QLatin1Char(';');
    if (!port.isEmpty())
        text += QStringLiteral("PORT=") + odbcValue(port.toStdString()) + QLatin1Char(';');
    text += QStringLiteral("DATABASE=") + odbcValue(s.DataBaseName) + QStringLiteral(";UID=") + odbcValue(s.UserName) +
            QStringLiteral(";PWD=") + odbcValue(s.Password) + QLatin1Char(';');
    // Debian registers psqlODBC with its communication log on, which writes a file per connection.
    if (engineOfDriver(s.OdbcDriver) == SqlEngine::PostgreSQL)
        text += QStringLiteral("CommLog=0;Debug=0;");
    return text;
}

QString serverIdentity(const Settings &settings)
{
    const QString dir = QDir(QString::fromStdString(settings.ProgramDir)).absolutePath();
    const QByteArray hash = QCryptographicHash::hash(dir.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QSysInfo::machineHostName().left(66) + QLatin1Char(':') + QString::fromLatin1(hash);
}

QString embeddedDatabasePath(const Settings &settings)
{
    return QString::fromStdString(settings.ProgramDir) + QStringLiteral("/BillDB.db");
}

TDM::TDM(QObject *parent) : QObject(parent)
{
    static std::atomic<int> counter{0};
    m_connectionName = QStringLiteral("DBConnection");
    if (const int n = counter++; n > 0)
        m_connectionName += QString::number(n);
}

TDM::~TDM()
{
    close();
}

void TDM::close()
{
    for (Statement *s : {&QueUpdateCalling, &QueADNoticeForTimer, &QueUpdateAdNotice, &QueUpdateClientType,
                         &QueMyPublic, &QueBillData, &QueInsertSmsSendTask, &QueTimerQuery, &QueMyStat,
                         &QueMyUpdateAdNotice, &QueAgainNotice, &QueAdNotice, &QueCheckForbidTel, &QueForbidTel,
                         &QueForbidImport, &QueDeleteStatData, &QueInsertStatData, &QueDataDelete, &QueDataStat}) {
        s->m_query.reset();
        s->m_earlier.clear();
    }
    ++m_connection;
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool TDM::ConnectDatabase(const Settings &settings, QString *error)
{
    close();
    m_statusCounts = false;
    m_engine = settings.DBType == 0 ? SqlEngine::SQLite : engineOfDriver(settings.OdbcDriver);
    m_serverId = serverIdentity(settings);
    QString why = settings.DBType == 0 ? openEmbedded(settings) : openOdbc(settings);
    if (why.isEmpty()) {
        QSqlDatabase db = DBConnection();
        // A schema that cannot be brought up to date still serves: claims then name no server, and
        // the start-up reset takes every interrupted task as a single server does.
        upgradeSchema(db, m_engine);
        m_serverColumn = hasColumn(db, QStringLiteral("AdNotice"), QStringLiteral("ServerID"));
        return true;
    }
    if (error)
        *error = why;
    close();
    return false;
}

QString TDM::openEmbedded(const Settings &settings)
{
    const QString path = embeddedDatabasePath(settings);
    if (!QFileInfo(path).isFile())
        return QStringLiteral("database file missing: ") + path;
    // SQLite would take an empty file for a new database and write one into it.
    if (QFileInfo(path).size() == 0)
        return path + QStringLiteral(": 文件为空，不是数据库");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    // mode=rw opens an existing file only; the busy timeout lets other programs finish a write.
    m_busyTimeout = std::max(settings.BusyTimeout, 0);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=") + QString::number(m_busyTimeout));
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
    if (!db.open())
        return path + QStringLiteral(": ") + db.lastError().text();
    QSqlQuery q(db);
    // A file that is not a database opens; the first read tells.
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return path + QStringLiteral(": ") + q.lastError().text();
    // A database without any table (an empty file made one) is not one of this system: every statement
    // would fail.
    if (!q.next() || q.value(0).toLongLong() == 0)
        return path + QStringLiteral(": 不是本系统的数据库（没有任何表）");
    m_statusCounts = q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name='AdNoticeCounts'")) &&
                     q.next();
    m_synchronous = q.exec(QStringLiteral("PRAGMA synchronous")) && q.next() ? q.value(0).toString() : QString();
    return {};
}

QString TDM::openOdbc(const Settings &settings)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
    db.setDatabaseName(odbcConnectionText(settings));
    return db.open() ? QString() : db.lastError().text();
}

bool TDM::StartDatabase(const Settings &settings, Dialogs &dialogs, const common::DateTime &now)
{
    close(); // the compaction needs the file to itself
    const QString path = embeddedDatabasePath(settings);
    bool writeFailure = false;
    if (settings.DBType == 0 && !CompactAccessDatabase(path, QString(), &writeFailure)) {
        // A compaction cut short by a full disk or a file size limit leaves a sound file: not damage.
        if (writeFailure)
            dialogs.show("系统提示",
                         "压缩数据库文件时写入失败（磁盘已满或文件大小受限），数据库文件未损坏：" + path.toStdString(),
                         DialogIcon::Warning);
        else
            dialogs.show("系统提示", "BillDB.mdb文件严重损坏，请用Access工具进行修复！ " + path.toStdString(),
                         DialogIcon::Warning);
    }
    QString why;
    if (!ConnectDatabase(settings, &why)) {
        dialogs.show("系统提示！", "连接数据库失败，请与系统管理员联系！ " + why.toStdString(),
                     DialogIcon::Information);
        return false;
    }
    try {
        // A task that was being dialled (1) or played to (8) when the server stopped comes back as a
        // new task: its notice may not have been heard, and a notice is delivered at least once.
        // The embedded file has one server; on a shared database the tasks of the other servers that
        // are still running stay theirs.
        if (m_engine == SqlEngine::SQLite || !m_serverColumn)
            execute(
                QueUpdateCalling,
                QStringLiteral("UPDATE AdNotice SET Status=0,NoticeTimes=0,FactNotice=:P1 WHERE Status=1 or Status=8"),
                {{"P1", QStringLiteral("")}}); // an empty text, not NULL
        else
            execute(QueUpdateCalling,
                    QStringLiteral("UPDATE AdNotice SET Status=0,NoticeTimes=0,FactNotice=:P1 WHERE (Status=1 or "
                                   "Status=8) AND (ServerID=:P2 OR ServerID IS NULL OR FactNotice<:P3)"),
                    {{"P1", QStringLiteral("")},
                     {"P2", m_serverId},
                     {"P3", QString::fromStdString(
                                common::formatDateTime("yyyy-mm-dd hh:mm:ss", now.addMinutes(-24 * 60)))}});
    } catch (const DatabaseError &e) {
        const std::string where = settings.DBType == 0 ? " " + path.toStdString() + "：" : " ";
        dialogs.show("系统提示！", "操作数据库失败！" + where + e.what(), DialogIcon::Error);
    }
    return true;
}

bool TDM::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase TDM::DBConnection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void TDM::run(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params, bool forwardOnly)
{
    std::unique_ptr<QSqlQuery> query = std::move(statement.m_query);
    if (!isOpen()) {
        const DatabaseError error(std::string(statement.name()) + ": the database is not connected", true);
        if (m_unreachableHandler)
            m_unreachableHandler(error);
        throw error;
    }
    // Preparing costs about as much as a short statement itself, and an import or a dispatcher tick
    // runs the same few statements over and over.
    std::vector<Statement::Prepared> &earlier = statement.m_earlier;
    if (statement.m_connection != m_connection)
        earlier.clear();
    if (query && statement.m_connection == m_connection && statement.m_preparedSql != sql) {
        query->finish();
        earlier.push_back({statement.m_preparedSql, std::move(query)});
        constexpr std::size_t kKept = 8;
        if (earlier.size() > kKept)
            earlier.erase(earlier.begin());
        for (auto it = earlier.begin(); it != earlier.end(); ++it) {
            if (it->sql == sql) {
                query = std::move(it->query);
                statement.m_preparedSql = sql;
                earlier.erase(it);
                break;
            }
        }
    }
    if (query && statement.m_connection == m_connection && statement.m_preparedSql == sql &&
        query->isForwardOnly() == forwardOnly) {
        query->finish();
    } else {
        query = std::make_unique<QSqlQuery>(DBConnection());
        query->setForwardOnly(forwardOnly);
        if (!query->prepare(adaptSql(sql, m_engine)))
            throw failure(statement, query->lastError());
        statement.m_preparedSql = sql;
        statement.m_connection = m_connection;
    }
    for (const SqlParam &p : params)
        query->bindValue(QLatin1Char(':') + QLatin1String(p.name), p.value);
    if (!query->exec())
        throw failure(statement, query->lastError());
    statement.m_query = std::move(query);
}

DatabaseError TDM::failure(const Statement &statement, const QSqlError &error)
{
    bool unreachable = false;
    if (m_engine == SqlEngine::SQLite) {
        // The primary result code: busy, locked, I/O error, read-only file, disk full, cannot open,
        // lock protocol. The others (a constraint, a missing table, a damaged file) refuse the
        // statement itself.
        static constexpr int kUnreachable[] = {5, 6, 8, 10, 13, 14, 15};
        const int code = error.nativeErrorCode().toInt() & 0xff;
        unreachable = std::find(std::begin(kUnreachable), std::end(kUnreachable), code) != std::end(kUnreachable);
    } else {
        // The codes of a lost connection differ between drivers; a connection that still answers
        // refused the statement itself.
        unreachable = !QSqlQuery(DBConnection()).exec(QStringLiteral("SELECT 1"));
    }
    DatabaseError result(std::string(statement.name()) + ": " + error.text().toStdString(), unreachable);
    if (unreachable && m_unreachableHandler)
        m_unreachableHandler(result);
    return result;
}

bool TDM::reachable()
{
    if (!isOpen())
        return false;
    QSqlQuery probe(DBConnection());
    if (m_engine != SqlEngine::SQLite)
        return probe.exec(QStringLiteral("SELECT 1"));
    // A reader gets through another program's write lock; a result to be written does not.
    if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    probe.exec(QStringLiteral("ROLLBACK"));
    return true;
}

void TDM::waitForLocks(bool wait)
{
    if (m_engine == SqlEngine::SQLite && isOpen())
        QSqlQuery(DBConnection())
            .exec(QStringLiteral("PRAGMA busy_timeout=") + QString::number(wait ? m_busyTimeout : 0));
}

qlonglong TDM::execute(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params)
{
    run(statement, sql, params);
    const qlonglong changed = statement.m_query->numRowsAffected();
    statement.m_query->finish();
    return changed;
}

qlonglong TDM::executeUnflushed(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params)
{
    if (m_engine != SqlEngine::SQLite || m_synchronous.isEmpty())
        return execute(statement, sql, params);
    QSqlQuery pragma(DBConnection());
    // In WAL mode, NORMAL writes the commit to the log without a flush; the next flushed commit or
    // checkpoint flushes it too, in order.
    pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    struct Restore
    {
        QSqlQuery &pragma;
        const QString &setting;
        ~Restore() { pragma.exec(QStringLiteral("PRAGMA synchronous=") + setting); }
    } restore{pragma, m_synchronous};
    return execute(statement, sql, params);
}

void TDM::open(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params)
{
    run(statement, sql, params);
}

qlonglong TDM::countRows(Statement &statement, const QString &sql, std::initializer_list<SqlParam> params)
{
    // Forward only: the rows are counted, not kept.
    run(statement, sql, params, true);
    qlonglong rows = 0;
    while (statement.m_query->next())
        ++rows;
    const QSqlError error = statement.m_query->lastError();
    statement.m_query.reset();
    if (error.isValid())
        throw failure(statement, error);
    return rows;
}

} // namespace server
