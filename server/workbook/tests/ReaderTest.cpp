// Reading workbooks another program wrote, and the .xlsx constructs the reader has to understand.
#include "server/workbook/Reader.h"
#include "server/workbook/XlsxReader.h"
#include "server/workbook/tests/TestFiles.h"

#include <gtest/gtest.h>

namespace server::workbook {
namespace {

using testing::makeXlsx;
using testing::worksheet;

QString fixture(const char *name)
{
    return QStringLiteral(VN_TEST_DATA_DIR "/") + QString::fromLatin1(name);
}

std::string text(const Reader &reader, int row, int column)
{
    return std::string(reader.utf8(row, column));
}

// people.xls and people.xlsx, written by LibreOffice from people.fods.
class LibreOfficeFixtureTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(LibreOfficeFixtureTest, ReadsNumbersDatesTextsAndEmptyCells)
{
    Reader reader;
    ASSERT_TRUE(reader.open(fixture(GetParam()))) << reader.error().toStdString();
    EXPECT_EQ(reader.rowCount(), 5);
    EXPECT_EQ(reader.columnCount(), 8);
    const testing::Grid expected = {
        {"电话", "姓名", "金额", "日期", "时间", "编号", "备注", "数量"},
        {"13800000000", "张三", "12.5", "2024-03-05", "2024-03-05 14:30:00", "007", "", "123456789012345"},
        {"8613912345678", "李四", "-3", "1999-12-31", "2000-01-01 00:00:01", "00123", "text with, comma", "2.25"},
        {"", "", "", "", "", "", "", ""},
        {"", "", "0.1", "", "08:15:00", "25", "", ""}, // 25: the last value of a formula
    };
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(text(reader, r, c), testing::cellOf(expected, r, c)) << "row " << r << " column " << c;
    // Beyond the sheet, and the reader as QString.
    EXPECT_EQ(text(reader, 6, 1), "");
    EXPECT_EQ(text(reader, 1, 9), "");
    EXPECT_EQ(text(reader, 0, 1), "");
    EXPECT_EQ(reader.text(2, 2), QStringLiteral("张三"));
}

TEST_P(LibreOfficeFixtureTest, OpensTheSameFromBytes)
{
    Reader fromFile;
    Reader fromBytes;
    ASSERT_TRUE(fromFile.open(fixture(GetParam())));
    ASSERT_TRUE(fromBytes.openData(testing::readFile(fixture(GetParam())))) << fromBytes.error().toStdString();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(fromBytes.utf8(r, c), fromFile.utf8(r, c));
}

INSTANTIATE_TEST_SUITE_P(Formats, LibreOfficeFixtureTest, ::testing::Values("people.xls", "people.xlsx"));

const QByteArray kStyles =
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<numFmts count=\"2\"><numFmt numFmtId=\"164\" "
    "formatCode=\"[$-804]yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;\"/>"
    "<numFmt numFmtId=\"165\" formatCode=\"0.00&quot;元&quot;\"/></numFmts>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"14\"/></cellStyleXfs>"
    "<cellXfs count=\"6\"><xf numFmtId=\"0\"/><xf numFmtId=\"14\"><alignment/></xf><xf numFmtId=\"22\"/>"
    "<xf numFmtId=\"164\"/><xf numFmtId=\"165\"/><xf numFmtId=\"20\"/></cellXfs></styleSheet>";

TEST(XlsxReaderTest, CellTypesFormatsAndPlaces)
{
    const QByteArray strings = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                               "<si><t>plain</t></si>"
                               "<si><r><rPr><b/></rPr><t>rich </t></r><r><t xml:space=\"preserve\">text "
                               "</t></r><rPh><t>phonetic</t></rPh></si>"
                               "<si><t>line_x000D_break_x005F_x0041_</t></si>"
                               "</sst>";
    const QByteArray sheet = worksheet(
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"s\"><v>2</v></c>"
        "<c r=\"D1\" t=\"s\"><v>99</v></c></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>inline</t></is></c><c r=\"B2\" t=\"b\"><v>1</v></c>"
        "<c r=\"C2\" t=\"b\"><v>0</v></c><c r=\"D2\" t=\"e\"><v>#DIV/0!</v></c>"
        "<c r=\"E2\" t=\"str\"><f>A1&amp;\"x\"</f><v>plainx</v></c></row>"
        "<row r=\"3\"><c r=\"A3\"><v>13800000000</v></c><c r=\"B3\" s=\"1\"><v>45356</v></c><c r=\"C3\" "
        "s=\"2\"><v>45356.5</v></c>"
        "<c r=\"D3\" s=\"3\"><v>45356</v></c><c r=\"E3\" s=\"4\"><v>12.5</v></c><c r=\"F3\" s=\"5\"><v>0.75</v></c>"
        "<c r=\"G3\" s=\"99\"><v>7</v></c><c r=\"H3\"><v>1.38E+10</v></c><c r=\"I3\"><v>not a number</v></c></row>"
        // Cells without references follow the one before; rows without numbers the row before.
        "<row><c><v>1</v></c><c><v>2</v></c><c r=\"E4\"><v>5</v></c><c><v>6</v></c></row>"
        // Out of order, and the same cell twice: the later one counts.
        "<row r=\"7\"><c r=\"C7\"><v>3</v></c><c r=\"A7\"><v>1</v></c><c r=\"C7\"><v>33</v></c></row>"
        "<row r=\"6\"><c r=\"AB6\" t=\"d\"><v>2024-03-05T14:30:00Z</v></c><c r=\"A6\" s=\"1\"/></row>");
    Reader reader;
    ASSERT_TRUE(reader.openData(makeXlsx(sheet, strings, kStyles))) << reader.error().toStdString();
    const struct
    {
        int row;
        int column;
        const char *text;
    } cells[] = {
        {1, 1, "plain"},
        {1, 2, "rich text "},
        {1, 3, "line\rbreak_x0041_"},
        {1, 4, ""},
        {2, 1, "inline"},
        {2, 2, "TRUE"},
        {2, 3, "FALSE"},
        {2, 4, "#DIV/0!"},
        {2, 5, "plainx"},
        {3, 1, "13800000000"},
        {3, 2, "2024-03-05"},
        {3, 3, "2024-03-05 12:00:00"},
        {3, 4, "2024-03-05"},
        {3, 5, "12.5"},
        {3, 6, "18:00:00"},
        {3, 7, "7"},
        {3, 8, "13800000000"},
        {3, 9, "not a number"},
        {4, 1, "1"},
        {4, 2, "2"},
        {4, 5, "5"},
        {4, 6, "6"},
        {4, 3, ""},
        {7, 1, "1"},
        {7, 3, "33"},
        {6, 28, "2024-03-05 14:30:00"},
        {6, 1, ""},
        {5, 1, ""},
    };
    for (const auto &c : cells)
        EXPECT_EQ(text(reader, c.row, c.column), c.text) << "row " << c.row << " column " << c.column;
    EXPECT_EQ(reader.rowCount(), 7);
    EXPECT_EQ(reader.columnCount(), 28);
}

TEST(XlsxReaderTest, Date1904AndPrefixedElements)
{
    const QByteArray workbook = "<x:workbook xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                                "xmlns:rel=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                                "<x:workbookPr date1904=\"1\"/><x:sheets><x:sheet name=\"A\" sheetId=\"1\" "
                                "rel:id=\"rId1\"/></x:sheets></x:workbook>";
    const QByteArray sheet =
        "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
        "<x:row r=\"1\"><x:c r=\"A1\" s=\"1\"><x:v>43894</x:v></x:c><x:c r=\"b1\"><x:v>2</x:v></x:c></x:row>"
        "</x:sheetData></x:worksheet>";
    Reader reader;
    ASSERT_TRUE(reader.openData(makeXlsx(sheet, {}, kStyles, workbook))) << reader.error().toStdString();
    EXPECT_EQ(text(reader, 1, 1), "2024-03-05");
    EXPECT_EQ(text(reader, 1, 2), "2");
}

TEST(XlsxReaderTest, CellReferences)
{
    const struct
    {
        const char *reference;
        bool ok;
        std::uint32_t row;
        std::uint32_t column;
    } cases[] = {
        {"A1", true, 1, 1},       {"AB12", true, 12, 28}, {"XFD1048576", true, 1048576, 16384},
        {"xfd1", true, 1, 16384}, {"XFE1", false, 0, 0},  {"A1048577", false, 0, 0},
        {"A0", false, 0, 0},      {"1", false, 0, 0},     {"A", false, 0, 0},
        {"A1B", false, 0, 0},     {"", false, 0, 0},      {"AAAAA1", false, 0, 0},
    };
    for (const auto &c : cases) {
        std::uint32_t row = 0;
        std::uint32_t column = 0;
        const bool ok = parseCellReference(QString::fromLatin1(c.reference), &row, &column);
        EXPECT_EQ(ok, c.ok) << c.reference;
        if (ok) {
            EXPECT_EQ(row, c.row) << c.reference;
            EXPECT_EQ(column, c.column) << c.reference;
        }
    }
}

} // namespace
} // namespace server::workbook
