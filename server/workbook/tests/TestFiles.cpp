// Test helpers: temporary folders, hand-made zip packages and the sample export.
#include "server/workbook/tests/TestFiles.h"

#include <QDir>
#include <QFile>

#include <freexl.h>
#include <gtest/gtest.h>
#include <zip.h>

#include <algorithm>
#include <cmath>

namespace server::workbook::testing {

std::string cellOf(const Grid &grid, int row, int column)
{
    if (row < 1 || static_cast<std::size_t>(row) > grid.size())
        return {};
    const auto &cells = grid[static_cast<std::size_t>(row - 1)];
    return column >= 1 && static_cast<std::size_t>(column) <= cells.size() ? cells[static_cast<std::size_t>(column - 1)]
                                                                           : std::string();
}

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/vn-workbook-XXXXXX"))
{
    EXPECT_TRUE(m_dir.isValid());
}

QStringList TempDir::files() const
{
    return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

Grid readWithFreeXL(const QString &path, std::string *error)
{
    const void *handle = nullptr;
    Grid grid;
    unsigned int rows = 0;
    unsigned short columns = 0;
    int status = freexl_open(QFile::encodeName(path).constData(), &handle);
    if (status == FREEXL_OK)
        status = freexl_select_active_worksheet(handle, 0);
    if (status == FREEXL_OK)
        status = freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; status == FREEXL_OK && r < rows; ++r) {
        grid.emplace_back();
        for (unsigned short c = 0; status == FREEXL_OK && c < columns; ++c) {
            FreeXL_CellValue value;
            status = freexl_get_cell_value(handle, r, c, &value);
            std::string text;
            char number[64];
            if (value.type == FREEXL_CELL_TEXT || value.type == FREEXL_CELL_SST_TEXT)
                text = value.value.text_value;
            else if (value.type == FREEXL_CELL_INT)
                text = std::to_string(value.value.int_value);
            else if (value.type == FREEXL_CELL_DOUBLE)
                text = (std::snprintf(number, sizeof number,
                                      std::floor(value.value.double_value) == value.value.double_value ? "%.0f" : "%g",
                                      value.value.double_value),
                        number);
            grid.back().push_back(text);
        }
    }
    freexl_close(handle);
    if (status != FREEXL_OK) {
        *error = "FreeXL error " + std::to_string(status);
        return {};
    }
    // FreeXL's dimensions can take in empty rows at the end.
    while (!grid.empty() &&
           std::all_of(grid.back().begin(), grid.back().end(), [](const std::string &t) { return t.empty(); }))
        grid.pop_back();
    return grid;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray makeZip(const std::vector<std::pair<QString, QByteArray>> &members)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("package.zip"));
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    EXPECT_NE(archive, nullptr);
    if (archive == nullptr)
        return {};
    for (const auto &[name, bytes] : members) {
        zip_source_t *source =
            zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        EXPECT_GE(zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8), 0);
    }
    // The buffers are read when the archive is closed, while members is still alive.
    EXPECT_EQ(zip_close(archive), 0);
    return readFile(path);
}

QByteArray worksheet(const QByteArray &sheetData)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>" +
           sheetData + "</sheetData></worksheet>";
}

QByteArray makeXlsx(const QByteArray &sheetXml, const QByteArray &sharedStringsXml, const QByteArray &stylesXml,
                    const QByteArray &workbookXml)
{
    const QByteArray workbook =
        !workbookXml.isEmpty()
            ? workbookXml
            : QByteArray("<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                         "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>");
    QByteArray rels = "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"rId1\" "
                      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                      "Target=\"worksheets/sheet1.xml\"/>";
    if (!sharedStringsXml.isEmpty())
        rels += "<Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
                "Target=\"sharedStrings.xml\"/>";
    if (!stylesXml.isEmpty())
        rels += "<Relationship Id=\"rId3\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
                "Target=\"/xl/styles.xml\"/>";
    rels += "</Relationships>";
    std::vector<std::pair<QString, QByteArray>> members{
        {QStringLiteral("_rels/.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"xl/workbook.xml\"/></Relationships>"},
        {QStringLiteral("xl/workbook.xml"), workbook},
        {QStringLiteral("xl/_rels/workbook.xml.rels"), rels},
        {QStringLiteral("xl/worksheets/sheet1.xml"), sheetXml}};
    if (!sharedStringsXml.isEmpty())
        members.emplace_back(QStringLiteral("xl/sharedStrings.xml"), sharedStringsXml);
    if (!stylesXml.isEmpty())
        members.emplace_back(QStringLiteral("xl/styles.xml"), stylesXml);
    return makeZip(members);
}

Grid sampleTexts()
{
    const std::string longText = std::string(300, 'L') + "尾";
    return {
        {"黑名单导出", "", "", ""},
        {},
        {"电话号码", "编号", "姓名", "备注"},
        {"13800000000", "007", "张三", ""},
        {"8613912345678", "00123", "李四", "a,\"b\"\nc"},
        {"02012345678", "0", "Zoë", "café"},
        {"13900000001", "000000", "王五", longText},
        {"13900000002", "1", "😀 emoji", "_x0041_"},
        {"13900000003", "", "", "last"},
    };
}

Workbook sampleWorkbook()
{
    const Grid texts = sampleTexts();
    Workbook book;
    Sheet &sheet = book.addSheet(QStringLiteral("导出"));
    sheet.setTitle(1, 1, 4, texts[0][0], 16);
    CellStyle bold;
    bold.bold = true;
    for (int c = 1; c <= 4; ++c) {
        sheet.setCell(3, c, texts[2][static_cast<std::size_t>(c - 1)], bold);
        sheet.setColumnWidth(c, 10 + 5 * c);
    }
    sheet.setColumnTextFormat(2);
    // Three blocks: rows 4-5, row 6, rows 7-9, the way a grid export writes its blocks.
    const std::pair<int, int> blocks[] = {{4, 2}, {6, 1}, {7, 3}};
    for (const auto &[first, count] : blocks) {
        TextBlock block(4);
        for (int r = first; r < first + count; ++r)
            for (const std::string &t : texts[static_cast<std::size_t>(r - 1)])
                block.add(t);
        sheet.writeBlock(first, block);
    }
    return book;
}

} // namespace server::workbook::testing
