// The spreadsheet program of the desktop (or the one the environment names) and the hand-over to it.
#include "server/workbook/ShowToOperator.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace server::workbook {

namespace {

const QString kXlsxMimeType = QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");

// Whether the desktop has an application for .xlsx files: xdg-mime names its desktop entry.
bool desktopHasSpreadsheetApplication()
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kXlsxMimeType});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && !query.readAllStandardOutput().trimmed().isEmpty();
}

void setError(QString *error, const QString &text)
{
    if (error != nullptr)
        *error = text;
}

} // namespace

QStringList spreadsheetOpener()
{
    if (qEnvironmentVariableIsSet(kOpenerVariable))
        return QProcess::splitCommand(qEnvironmentVariable(kOpenerVariable));
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty() || !desktopHasSpreadsheetApplication())
        return {};
    return {xdgOpen};
}

bool showToOperator(const Workbook &workbook, QString *error, QString *path)
{
    QStringList command = spreadsheetOpener();
    if (command.isEmpty()) {
        setError(error, QStringLiteral("no spreadsheet program is installed"));
        return false;
    }
    QString file;
    {
        // A name of its own, kept after this function: the program opens it later.
        QTemporaryFile reserve(QDir::tempPath() + QStringLiteral("/workbook-XXXXXX.xlsx"));
        reserve.setAutoRemove(false);
        if (!reserve.open()) {
            setError(error, QStringLiteral("cannot write in %1: %2").arg(QDir::tempPath(), reserve.errorString()));
            return false;
        }
        file = reserve.fileName();
    }
    QString why;
    // A file of the temporary folder: it need not outlive a crash of the machine.
    SaveOptions options;
    options.durable = false;
    if (!workbook.save(file, FileFormat::Xlsx, &why, options)) {
        QFile::remove(file);
        setError(error, why);
        return false;
    }
    const QString program = command.takeFirst();
    command.append(file);
    if (!QProcess::startDetached(program, command)) {
        QFile::remove(file);
        setError(error, QStringLiteral("cannot start %1").arg(program));
        return false;
    }
    if (path != nullptr)
        *path = file;
    return true;
}

} // namespace server::workbook
