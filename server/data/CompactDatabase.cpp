// Compaction of the embedded database: integrity check, VACUUM INTO a temporary file, atomic replace.
#include "server/data/CompactDatabase.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>
#include <QVariant>

namespace server {

namespace {

QString firstValue(QSqlDatabase &db, const QString &sql, bool *ok)
{
    QSqlQuery q(db);
    *ok = q.exec(sql) && q.next();
    return *ok ? q.value(0).toString() : QString();
}

// Writes the compacted copy; runs with its own connection, which is closed before the file is replaced.
bool writeCompactCopy(const QString &path, const QString &copy)
{
    const QString name = QStringLiteral("compact-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=0"));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw"));
        if (db.open()) {
            // Leaving WAL mode needs every other connection gone: a file in use is not replaced, and
            // the write-ahead log is folded into the file first so the copy holds everything.
            const QString mode = firstValue(db, QStringLiteral("PRAGMA journal_mode=DELETE"), &ok);
            ok = ok && mode.compare(QStringLiteral("delete"), Qt::CaseInsensitive) == 0;
            ok = ok && firstValue(db, QStringLiteral("PRAGMA integrity_check"), &ok) == QStringLiteral("ok");
            if (ok) {
                QString quoted = copy;
                quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
                QSqlQuery vacuum(db);
                ok = vacuum.exec(QStringLiteral("VACUUM INTO '") + quoted + QLatin1Char('\''));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

bool CompactAccessDatabase(const QString &path, const QString &password)
{
    Q_UNUSED(password);
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    // The copy lies beside the database so that the rename stays on one file system.
    QString copy;
    {
        QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/~CPXXXXXX.tmp"));
        if (!reserve.open())
            return false;
        copy = reserve.fileName();
    } // the reserved name is removed again: VACUUM INTO writes only a new file
    // The copy is flushed to disk before it takes the database's place.
    const bool ok = writeCompactCopy(info.absoluteFilePath(), copy) &&
                    common::replaceFileAtomically(QFile::encodeName(copy).toStdString(),
                                                  QFile::encodeName(info.absoluteFilePath()).toStdString());
    if (!ok)
        QFile::remove(copy);
    return ok;
}

} // namespace server
