// Compaction of the embedded database: a check that fits how the file was closed, and a compacted copy
// put in its place only when deleted rows left enough space to reclaim.
#include "server/data/CompactDatabase.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>
#include <QVariant>

namespace server {

namespace {

// The file is copied when at least this share of its pages is free: SQLite reuses free pages for new
// rows, so a little free space costs nothing, while a copy of a million tasks costs seconds.
constexpr qlonglong kReclaimShare = 10;

// SQLite's codes of a write the disk refused: an input/output error, a full disk.
bool writeRefused(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF; // the primary code of an extended one
    return code == 10 || code == 13;
}

QString firstValue(QSqlDatabase &db, const QString &sql, bool *ok, bool *refused = nullptr)
{
    QSqlQuery q(db);
    *ok = q.exec(sql) && q.next();
    if (!*ok && refused)
        *refused = writeRefused(q.lastError());
    return *ok ? q.value(0).toString() : QString();
}

qlonglong number(QSqlDatabase &db, const char *sql, bool *ok)
{
    const QString value = firstValue(db, QLatin1String(sql), ok);
    return *ok ? value.toLongLong(ok) : 0;
}

// A file was closed cleanly when no write-ahead log or rollback journal is left beside it: SQLite
// removes them when the last connection closes, and a crash leaves them behind.
bool closedCleanly(const QString &path)
{
    return !QFileInfo::exists(path + QStringLiteral("-wal")) && !QFileInfo::exists(path + QStringLiteral("-journal"));
}

enum class Outcome
{
    Damaged,
    Sound,
    Copied,
    Unwritten, ///< found sound, but a write of the compaction failed
};

// Checks the file and writes the compacted copy when it is worth it; runs with its own connection,
// which is closed before the file is replaced.
Outcome checkAndCopy(const QString &path, const QString &copy)
{
    const QString name = QStringLiteral("compact-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    Outcome outcome = Outcome::Damaged;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=0"));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        if (db.open()) {
            bool ok = false;
            const bool clean = closedCleanly(path);
            // The schema is read from the first page: a file that is no database fails here.
            number(db, "SELECT COUNT(*) FROM sqlite_master", &ok);
            const qlonglong pages = ok ? number(db, "PRAGMA page_count", &ok) : 0;
            const qlonglong free = ok ? number(db, "PRAGMA freelist_count", &ok) : 0;
            const bool reclaim = free > 0 && free * kReclaimShare >= pages;
            if (ok && clean && !reclaim) {
                outcome = Outcome::Sound;
            } else if (ok) {
                // After a crash, or before a copy, the whole file is checked, through its log. Leaving WAL
                // mode then needs every other connection gone: a file in use is not touched, and the log
                // is folded into the file, so that the copy holds everything.
                ok = firstValue(db, QStringLiteral("PRAGMA integrity_check"), &ok) == QStringLiteral("ok");
                // From here on the file is sound: a failure of the disk is a write cut short.
                bool refused = false;
                const QString mode =
                    ok ? firstValue(db, QStringLiteral("PRAGMA journal_mode=DELETE"), &ok, &refused) : QString();
                ok = ok && mode.compare(QStringLiteral("delete"), Qt::CaseInsensitive) == 0;
                if (ok && !reclaim) {
                    outcome = Outcome::Sound;
                } else if (ok) {
                    QString quoted = copy;
                    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
                    QSqlQuery vacuum(db);
                    if (vacuum.exec(QStringLiteral("VACUUM INTO '") + quoted + QLatin1Char('\'')))
                        outcome = Outcome::Copied;
                    else if (writeRefused(vacuum.lastError()))
                        outcome = Outcome::Unwritten;
                } else if (refused) {
                    outcome = Outcome::Unwritten; // the log could not be folded into the file
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return outcome;
}

} // namespace

bool CompactAccessDatabase(const QString &path, const QString &password, bool *writeFailure)
{
    Q_UNUSED(password);
    if (writeFailure)
        *writeFailure = false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0) // an empty file is no database, and is left as it is
        return false;
    // The copy lies beside the database so that the rename stays on one file system.
    QString copy;
    {
        QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/~CPXXXXXX.tmp"));
        if (!reserve.open())
            return false;
        copy = reserve.fileName();
    } // the reserved name is removed again: VACUUM INTO writes only a new file
    const Outcome outcome = checkAndCopy(info.absoluteFilePath(), copy);
    if (outcome == Outcome::Sound)
        return true;
    if (writeFailure)
        *writeFailure = outcome != Outcome::Damaged;
    // The copy is flushed to disk before it takes the database's place.
    const bool ok = outcome == Outcome::Copied &&
                    common::replaceFileAtomically(QFile::encodeName(copy).toStdString(),
                                                  QFile::encodeName(info.absoluteFilePath()).toStdString());
    if (!ok)
        QFile::remove(copy);
    return ok;
}

} // namespace server
