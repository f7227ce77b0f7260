// Files that are no workbook, or damaged ones: each a clear error, from a path and from bytes.
#include "server/workbook/CompoundFile.h"
#include "server/workbook/Reader.h"
#include "server/workbook/tests/TestFiles.h"

#include <gtest/gtest.h>

namespace server::workbook {
namespace {

using testing::makeXlsx;
using testing::makeZip;
using testing::worksheet;

QByteArray fixture(const char *name)
{
    return testing::readFile(QStringLiteral(VN_TEST_DATA_DIR "/") + QString::fromLatin1(name));
}

// A compound file whose only stream is not a workbook, as a word-processor document is.
QByteArray compoundFileWithout(const char16_t *streamName)
{
    QByteArray file;
    const auto sink = [&file](std::span<const std::uint8_t> bytes) {
        file.append(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        return true;
    };
    const std::vector<std::uint8_t> bytes(5000, 0x41);
    QString error;
    EXPECT_TRUE(writeCompoundFile(sink, streamName, {std::span<const std::uint8_t>(bytes)}, &error));
    return file;
}

// A valid package whose sheet part has some of its compressed bytes overwritten.
QByteArray damagedSheetPart()
{
    QByteArray rows;
    for (int r = 1; r <= 2000; ++r)
        rows += "<row r=\"" + QByteArray::number(r) + "\"><c r=\"A" + QByteArray::number(r) + "\"><v>" +
                QByteArray::number(r * 7919) + "</v></c></row>";
    QByteArray zip = makeXlsx(worksheet(rows));
    const qsizetype sheet = zip.indexOf("xl/worksheets/sheet1.xml");
    for (qsizetype i = sheet + 200; i < sheet + 260 && i < zip.size(); ++i)
        zip[i] = static_cast<char>(zip[i] ^ 0x5A);
    return zip;
}

struct Case
{
    const char *name;
    QByteArray bytes;
    const char *error;
};

std::vector<Case> cases()
{
    const QByteArray xlsx = fixture("people.xlsx");
    const QByteArray xls = fixture("people.xls");
    return {
        {"text file", "Telphone\n13800000000\n", "is not an Excel workbook"},
        {"empty file", "", "is not an Excel workbook"},
        {"truncated zip", xlsx.left(xlsx.size() / 2), "cannot read the .xlsx workbook"},
        {"zip of something else", makeZip({{QStringLiteral("hello.txt"), "hello"}}), "no workbook part"},
        {"sheet is bad XML", makeXlsx("<worksheet><sheetData><row><c><v>1</c></row>"), "not well-formed XML"},
        {"shared strings are bad XML",
         makeXlsx(worksheet("<row><c t=\"s\"><v>0</v></c></row>"), "<sst><si><t>a</si></sst>"),
         "sharedStrings.xml is not well-formed"},
        {"styles are bad XML", makeXlsx(worksheet(""), {}, "<styleSheet><cellXfs>"), "styles.xml is not well-formed"},
        {"workbook is bad XML", makeXlsx(worksheet(""), {}, {}, "<workbook><sheets>"),
         "workbook.xml is not well-formed"},
        {"workbook without sheets", makeXlsx(worksheet(""), {}, {}, "<workbook><sheets/></workbook>"),
         "lists no sheet"},
        {"sheet part missing",
         makeZip({{QStringLiteral("xl/workbook.xml"),
                   "<workbook xmlns:r=\"urn:r\"><sheets><sheet r:id=\"rId1\"/></sheets></workbook>"}}),
         "first sheet (rId1) is missing"},
        {"damaged sheet part", damagedSheetPart(), "cannot read the .xlsx workbook"},
        {"truncated .xls", xls.left(1000), "cannot read the .xls workbook"},
        {"compound-file header only", xls.left(512), "cannot read the .xls workbook"},
        {"compound file without workbook", compoundFileWithout(u"WordDocument"), "no Excel workbook stream"},
        {"garbage after the signature", xls.left(8) + QByteArray(3000, '\xFF'), "cannot read the .xls workbook"},
    };
}

TEST(MalformedInputTest, EachIsAClearError)
{
    testing::TempDir dir;
    for (const Case &c : cases()) {
        const QString path = dir.file(QStringLiteral("input.xls"));
        ASSERT_TRUE(testing::writeFile(path, c.bytes));
        for (const bool fromBytes : {false, true}) {
            Reader reader;
            const bool opened = fromBytes ? reader.openData(c.bytes) : reader.open(path);
            EXPECT_FALSE(opened) << c.name;
            EXPECT_NE(reader.error().toStdString().find(c.error), std::string::npos)
                << c.name << ": " << reader.error().toStdString();
            EXPECT_EQ(reader.rowCount(), 0) << c.name;
            EXPECT_EQ(reader.utf8(1, 1), "") << c.name;
        }
    }
}

TEST(MalformedInputTest, MissingFileAndFolder)
{
    testing::TempDir dir;
    Reader reader;
    EXPECT_FALSE(reader.open(dir.file(QStringLiteral("none.xls"))));
    EXPECT_NE(reader.error().indexOf(QStringLiteral("cannot open")), -1) << reader.error().toStdString();
    EXPECT_FALSE(reader.open(dir.path()));
    EXPECT_FALSE(reader.error().isEmpty());
    // A failed open forgets the workbook read before it.
    ASSERT_TRUE(reader.openData(fixture("people.xlsx")));
    EXPECT_FALSE(reader.open(dir.file(QStringLiteral("none.xlsx"))));
    EXPECT_EQ(reader.rowCount(), 0);
}

} // namespace
} // namespace server::workbook
