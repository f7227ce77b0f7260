// The imports of notice tasks from text files and workbook rows.
#include "server/data/TaskImport.h"

#include "common/Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

namespace server {

namespace {

// An empty cell or line is stored as empty text, never as NULL.
QVariant text(const QString &s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

// A number wider than AdNotice.Telphone is refused as a server database refuses it, on every engine:
// the embedded one would store it whole, and a line of a damaged file could become a task of megabytes.
bool fitsNumberColumn(const QString &number, int row, ImportResult &result)
{
    if (number.size() <= kMaxImportedNumberLength)
        return true;
    result.failures.push_back(
        {row, QStringLiteral("the number is longer than %1 characters").arg(kMaxImportedNumberLength)});
    return false;
}

bool goOn(const ImportOptions &options, int row, ImportResult &result)
{
    if (options.beforeRow && !options.beforeRow(row, result)) {
        result.cancelled = true;
        return false;
    }
    return true;
}

} // namespace

TaskFileKind taskFileKind(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("txt"))
        return TaskFileKind::Text;
    for (const char *workbook : {"xls", "XLS", "xlsx", "XLSX"})
        if (suffix == QLatin1String(workbook))
            return TaskFileKind::Workbook;
    return TaskFileKind::None;
}

std::optional<QStringList> readTaskTextFile(const QString &path, QString *error)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + in.errorString();
        return std::nullopt;
    }
    const std::string text = common::anyToUtf8(in.readAll().toStdString());
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool IsBlacklisted(TDM &dm, const QString &number)
{
    try {
        dm.open(dm.QueCheckForbidTel, QStringLiteral("SELECT id FROM C_BlackList WHERE Telephone=:P1"),
                {{"P1", number}});
        QSqlQuery &rows = dm.QueCheckForbidTel.rows();
        const bool found = rows.next();
        rows.finish();
        return found;
    } catch (const DatabaseError &) {
        return false;
    }
}

ImportResult importTextLines(TDM &dm, const QStringList &lines, const ImportOptions &options)
{
    ImportResult result;
    for (int i = 1; i < lines.size(); ++i) { // line 1 is the header
        const int row = i + 1;
        const QString number = lines[i].trimmed();
        if (!fitsNumberColumn(number, row, result))
            continue;
        if (IsBlacklisted(dm, number)) {
            ++result.blacklisted;
            continue;
        }
        if (!goOn(options, row, result))
            break;
        const QString now = options.now();
        try {
            dm.execute(
                dm.QueAdNotice,
                QStringLiteral("INSERT INTO AdNotice(Telphone,PlanNotice,InsertDate) VALUES(:P1,:P2,:P3)"),
                {{"P1", text(number)}, {"P2", options.planNotice.isEmpty() ? now : options.planNotice}, {"P3", now}});
            ++result.imported;
        } catch (const DatabaseError &e) {
            result.failures.push_back({row, QString::fromStdString(e.what())});
        }
    }
    return result;
}

ImportResult importWorkbookRows(TDM &dm, const std::function<QString(int row, int column)> &cell,
                                const ImportOptions &options)
{
    ImportResult result;
    for (int row = 1; row <= kMaxWorkbookRows; ++row) {
        if (!goOn(options, row, result))
            break;
        const QString number = cell(row, 1), name = cell(row, 2), company = cell(row, 3), address = cell(row, 4);
        if (number.trimmed().isEmpty() && name.trimmed().isEmpty() && company.trimmed().isEmpty())
            break;
        if (!fitsNumberColumn(number, row, result))
            continue;
        if (IsBlacklisted(dm, number)) {
            ++result.blacklisted;
            continue;
        }
        const QString now = options.now();
        try {
            dm.execute(dm.QueAdNotice,
                       QStringLiteral("INSERT INTO AdNotice(Telphone,Name,CompanyName,HomeAddr,PlanNotice,InsertDate,"
                                      "RandomValue) VALUES(:P1,:P2,:P3,:P4,:P5,:P6,:P7)"),
                       {{"P1", text(number)},
                        {"P2", text(name)},
                        {"P3", text(company)},
                        {"P4", text(address)},
                        {"P5", options.planNotice.isEmpty() ? now : options.planNotice},
                        {"P6", now},
                        {"P7", QString::number(QRandomGenerator::global()->bounded(50))}});
            ++result.imported;
        } catch (const DatabaseError &e) {
            result.failures.push_back({row, QString::fromStdString(e.what())});
        }
    }
    return result;
}

void addTask(TDM &dm, const QString &number, const QString &planNotice, const QString &now, const QString &name,
             const QString &userId, const QString &birthday)
{
    dm.execute(
        dm.QueAdNotice,
        QStringLiteral("INSERT INTO AdNotice(Telphone,PlanNotice,InsertDate,Name,UserID,Birthday) "
                       "VALUES(:P1,:P2,:P3,:P4,:P5,:P6)"),
        {{"P1", number.trimmed()}, {"P2", planNotice}, {"P3", now}, {"P4", name}, {"P5", userId}, {"P6", birthday}});
}

} // namespace server
