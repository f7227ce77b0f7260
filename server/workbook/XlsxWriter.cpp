// The .xlsx writer: libxlsxwriter formats for the cell styles, then each sheet's rows in order.
#include "server/workbook/XlsxWriter.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <sys/statvfs.h>

namespace server::workbook {

namespace {

// The libxlsxwriter format of each distinct style, made when a style is first met.
class Formats
{
public:
    explicit Formats(lxw_workbook *workbook) : m_workbook(workbook) {}

    lxw_format *get(const CellStyle &style)
    {
        if (style == CellStyle{})
            return nullptr;
        for (const auto &[s, format] : m_formats)
            if (s == style)
                return format;
        lxw_format *format = workbook_add_format(m_workbook);
        if (style.bold)
            format_set_bold(format);
        if (style.fontSize > 0)
            format_set_font_size(format, std::clamp(style.fontSize, 1.0, 409.0));
        if (style.centred) {
            format_set_align(format, LXW_ALIGN_CENTER);
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        }
        if (style.text)
            format_set_num_format(format, "@");
        m_formats.emplace_back(style, format);
        return format;
    }

private:
    lxw_workbook *m_workbook;
    std::vector<std::pair<CellStyle, lxw_format *>> m_formats;
};

bool isHex(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

QString failure(const Sheet &sheet, int row, lxw_error e)
{
    return QStringLiteral("sheet %1, row %2: %3").arg(sheet.name()).arg(row).arg(QString::fromUtf8(lxw_strerror(e)));
}

bool writeSheet(lxw_workbook *workbook, const Sheet &sheet, Formats &formats, QString *error)
{
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    if (worksheet == nullptr) {
        *error = QStringLiteral("sheet %1 cannot be added").arg(sheet.name());
        return false;
    }
    CellStyle text;
    text.text = true;
    const std::vector<ColumnFormat> &columns = sheet.columns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].width || columns[c].text)
            worksheet_set_column(worksheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 columns[c].width.value_or(LXW_DEF_COL_WIDTH),
                                 columns[c].text ? formats.get(text) : nullptr);

    std::vector<MergedRange> merged = sheet.mergedRanges();
    std::sort(merged.begin(), merged.end(), [](const MergedRange &a, const MergedRange &b) { return a.row < b.row; });
    auto nextMerge = merged.begin();
    // Formats by the sheet's own style numbers, with and without a text-format column.
    std::vector<lxw_format *> formatOf(sheet.styles().size() * 2, nullptr);
    std::vector<bool> known(formatOf.size(), false);
    std::string buffer;
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        const auto row = static_cast<lxw_row_t>(r - 1);
        for (const Sheet::Cell &cell : sheet.cells(r)) {
            const std::size_t k = cell.style * 2u + (cell.column < columns.size() && columns[cell.column].text ? 1 : 0);
            if (!known[k]) {
                formatOf[k] = formats.get(sheet.savedStyle(cell));
                known[k] = true;
            }
            const std::string_view t = sheet.text(cell);
            lxw_error e = LXW_NO_ERROR;
            if (!t.empty())
                e = worksheet_write_string(worksheet, row, cell.column, escapeXlsxText(t, &buffer).data(), formatOf[k]);
            else if (formatOf[k] != nullptr)
                e = worksheet_write_blank(worksheet, row, cell.column, formatOf[k]);
            if (e != LXW_NO_ERROR) {
                *error = failure(sheet, r, e);
                return false;
            }
        }
        // Rows go out in order, so a row's merged ranges are written with the row.
        for (; nextMerge != merged.end() && nextMerge->row == r; ++nextMerge) {
            const std::string_view first = sheet.text(r, nextMerge->firstColumn);
            const auto c = static_cast<std::size_t>(nextMerge->firstColumn - 1);
            CellStyle style;
            for (const Sheet::Cell &cell : sheet.cells(r))
                if (cell.column == c)
                    style = sheet.savedStyle(cell);
            const lxw_error e = worksheet_merge_range(worksheet, row, static_cast<lxw_col_t>(c), row,
                                                      static_cast<lxw_col_t>(nextMerge->lastColumn - 1),
                                                      escapeXlsxText(first, &buffer).data(), formats.get(style));
            if (e != LXW_NO_ERROR) {
                *error = failure(sheet, r, e);
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::string_view escapeXlsxText(std::string_view text, std::string *buffer)
{
    buffer->assign(text);
    std::size_t at = buffer->find("_x");
    while (at != std::string::npos) {
        if (at + 6 < buffer->size() && (*buffer)[at + 6] == '_' && isHex((*buffer)[at + 2]) &&
            isHex((*buffer)[at + 3]) && isHex((*buffer)[at + 4]) && isHex((*buffer)[at + 5])) {
            buffer->replace(at, 1, "_x005F_");
            at += 7;
        }
        at = buffer->find("_x", at + 1);
    }
    return *buffer;
}

std::uint64_t xlsxSheetBytes(const std::deque<Sheet> &sheets)
{
    // About 60 bytes of markup per cell (<c r="AB12345" s="12" t="inlineStr"><is><t>…</t></is></c>),
    // texts that may grow by escapes, and a megabyte for the rest of the package.
    std::uint64_t bytes = 1 << 20;
    for (const Sheet &sheet : sheets)
        for (int r = 1; r <= sheet.rowCount(); ++r) {
            bytes += 40;
            for (const Sheet::Cell &cell : sheet.cells(r))
                bytes += 60 + cell.length + cell.length / 4;
        }
    return bytes;
}

bool checkFreeSpace(const QString &folder, std::uint64_t bytes, QString *error)
{
    struct statvfs fs;
    // A folder that cannot be asked is left for the creation of the file to report.
    if (::statvfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return true;
    const std::uint64_t available = static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
    if (available >= bytes)
        return true;
    *error = QStringLiteral("the folder %1 has %2 MB free; the workbook needs about %3 MB while it is written")
                 .arg(folder)
                 .arg(available >> 20)
                 .arg((bytes + (1 << 20) - 1) >> 20);
    return false;
}

namespace {

// libxlsxwriter writes the package under a name of its own: a new file beside the target, with the
// target's permissions when it exists.
bool createTemporaryBeside(const QString &target, QString *temporary, QString *error)
{
    const QFileInfo info(target);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX.part"));
    file.setAutoRemove(false);
    if (!file.open()) {
        *error = QStringLiteral("cannot create a temporary file for %1: %2").arg(target, file.errorString());
        return false;
    }
    *temporary = file.fileName();
    file.setPermissions(info.exists() ? info.permissions()
                                      : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                            QFileDevice::ReadOther);
    return true;
}

bool writePackage(const std::deque<Sheet> &sheets, const QString &path, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray tmpdir = QFile::encodeName(folder);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new_opt(name.constData(), &options);
    if (workbook == nullptr) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    Formats formats(workbook);
    bool ok = true;
    for (const Sheet &sheet : sheets)
        if (ok)
            ok = writeSheet(workbook, sheet, formats, error);
    // Closing writes the file, and frees the workbook whether or not the sheets went in whole.
    const lxw_error closed = workbook_close(workbook);
    if (ok && closed != LXW_NO_ERROR) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, QString::fromUtf8(lxw_strerror(closed)));
        ok = false;
    }
    return ok;
}

} // namespace

bool writeXlsx(const std::deque<Sheet> &sheets, const QString &path, QString *error)
{
    // Room for the sheets' XML and the package beside it.
    if (!checkFreeSpace(QFileInfo(path).absolutePath(), xlsxSheetBytes(sheets) / 10 * 11, error))
        return false;
    QString temporary;
    if (!createTemporaryBeside(path, &temporary, error))
        return false;
    if (!writePackage(sheets, temporary, error)) {
        QFile::remove(temporary);
        return false;
    }
    std::string why;
    if (!common::replaceFileAtomically(QFile::encodeName(temporary).toStdString(),
                                       QFile::encodeName(path).toStdString(), &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    return true;
}

} // namespace server::workbook
