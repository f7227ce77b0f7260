// A workbook's sheets, the checks before saving, and the save through a file renamed into place.
#include "server/workbook/Workbook.h"

#include "common/AtomicFile.h"
#include "server/workbook/XlsWriter.h"
#include "server/workbook/XlsxWriter.h"

#include <QFileInfo>

namespace server::workbook {

namespace {

// Excel's rules for sheet names: 1 to 31 characters, none of []:*?/\, no apostrophe at either end.
bool checkSheetName(const QString &name, QString *error)
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    bool ok = !name.isEmpty() && name.size() <= 31 && !name.startsWith(QLatin1Char('\'')) &&
              !name.endsWith(QLatin1Char('\''));
    for (const QChar c : name)
        ok = ok && !forbidden.contains(c);
    if (!ok)
        *error =
            QStringLiteral("\"%1\" is not a sheet name Excel accepts (1 to 31 characters, none of []:*?/\\)").arg(name);
    return ok;
}

} // namespace

std::optional<FileFormat> formatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1StringView("xls"))
        return FileFormat::Xls;
    if (suffix == QLatin1StringView("xlsx"))
        return FileFormat::Xlsx;
    return std::nullopt;
}

Sheet &Workbook::addSheet(const QString &name)
{
    return m_sheets.emplace_back(name.isEmpty() ? QStringLiteral("Sheet%1").arg(m_sheets.size() + 1) : name);
}

bool Workbook::check(FileFormat format, QString *error) const
{
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        const Sheet &sheet = m_sheets[i];
        if (!checkSheetName(sheet.name(), error))
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (m_sheets[j].name().compare(sheet.name(), Qt::CaseInsensitive) == 0) {
                *error = QStringLiteral("two sheets are named \"%1\"").arg(sheet.name());
                return false;
            }
        if (!sheet.error().isEmpty()) {
            *error = sheet.error();
            return false;
        }
        if (format == FileFormat::Xls && sheet.rowCount() > kMaxSheetRows) {
            *error = QStringLiteral("sheet %1 has %2 rows; an .xls sheet holds at most %3")
                         .arg(sheet.name())
                         .arg(sheet.rowCount())
                         .arg(kMaxSheetRows);
            return false;
        }
        if (format == FileFormat::Xls && (sheet.columnCount() > kMaxXlsColumns ||
                                          sheet.columns().size() > static_cast<std::size_t>(kMaxXlsColumns))) {
            *error = QStringLiteral("sheet %1 has more than the %2 columns of an .xls sheet")
                         .arg(sheet.name())
                         .arg(kMaxXlsColumns);
            return false;
        }
    }
    return true;
}

bool Workbook::save(const QString &path, QString *error, const SaveOptions &options) const
{
    const std::optional<FileFormat> format = formatOfPath(path);
    if (!format) {
        *error = QStringLiteral("cannot save %1: a workbook's name ends in .xls or .xlsx").arg(path);
        return false;
    }
    return save(path, *format, error, options);
}

bool Workbook::save(const QString &path, FileFormat format, QString *error, const SaveOptions &options) const
{
    if (!check(format, error))
        return false;
    std::deque<Sheet> empty;
    if (m_sheets.empty())
        empty.emplace_back(QStringLiteral("Sheet1"));
    const std::deque<Sheet> &sheets = m_sheets.empty() ? empty : m_sheets;
    common::AtomicWriteOptions write;
    write.durable = options.durable;
    return format == FileFormat::Xls ? writeXls(sheets, path, write, error) : writeXlsx(sheets, path, write, error);
}

} // namespace server::workbook
