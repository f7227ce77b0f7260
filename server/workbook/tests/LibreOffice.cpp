// Running LibreOffice headless on our files, and reading the CSV it writes.
#include "server/workbook/tests/LibreOffice.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace server::workbook::testing {

LibreOffice::LibreOffice() : m_profile(QDir::tempPath() + QStringLiteral("/vn-lo-profile-XXXXXX")) {}

QString LibreOffice::program()
{
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool LibreOffice::convert(const QStringList &files, const QString &target, const QString &outDir, QString *error)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_profile.path()).toString(),
                          QStringLiteral("--headless"),
                          QStringLiteral("--norestore"),
                          QStringLiteral("--convert-to"),
                          target,
                          QStringLiteral("--outdir"),
                          outDir};
    arguments += files;
    process.start(program(), arguments);
    // The first run with a fresh profile takes its time.
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("LibreOffice did not finish: ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("LibreOffice failed: ") + QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool LibreOffice::convertToCsv(const QStringList &files, const QString &outDir, QString *error, int sheet)
{
    // Comma, double quote, UTF-8, from line 1, cells as shown, and the sheet to write.
    const QString filter =
        QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,%1").arg(sheet);
    return convert(files, filter, outDir, error);
}

Grid parseCsv(const QByteArray &csv)
{
    Grid grid;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool any = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            any = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n')
                ++i;
            row.push_back(field);
            grid.push_back(row);
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
            any = true;
        }
    }
    if (any || !field.empty()) {
        row.push_back(field);
        grid.push_back(row);
    }
    return grid;
}

} // namespace server::workbook::testing
