// Writing workbooks: what our reader reads back, the errors a save reports, and saves that fail.
#include "server/workbook/Reader.h"
#include "server/workbook/Workbook.h"
#include "server/workbook/XlsWriter.h"
#include "server/workbook/XlsxSheetXml.h"
#include "server/workbook/tests/TestFiles.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>

namespace server::workbook {
namespace {

using testing::Grid;

class WriterTest : public ::testing::TestWithParam<const char *>
{
protected:
    QString target(const char *base = "export") const
    {
        return m_dir.file(QString::fromLatin1(base) + QString::fromLatin1(GetParam()));
    }
    FileFormat format() const { return *formatOfPath(QString::fromLatin1(GetParam())); }

    testing::TempDir m_dir;
};

void expectGrid(const Reader &reader, const Grid &expected)
{
    int rows = 0;
    int columns = 0;
    for (std::size_t r = 0; r < expected.size(); ++r)
        for (std::size_t c = 0; c < expected[r].size(); ++c) {
            EXPECT_EQ(reader.utf8(static_cast<int>(r + 1), static_cast<int>(c + 1)), expected[r][c])
                << "row " << r + 1 << " column " << c + 1;
            if (!expected[r][c].empty()) {
                rows = std::max(rows, static_cast<int>(r + 1));
                columns = std::max(columns, static_cast<int>(c + 1));
            }
        }
    EXPECT_EQ(reader.rowCount(), rows);
    EXPECT_EQ(reader.columnCount(), columns);
}

TEST_P(WriterTest, OurReaderReadsBackWhatWasWritten)
{
    QString error;
    ASSERT_TRUE(testing::sampleWorkbook().save(target(), &error)) << error.toStdString();
    EXPECT_EQ(m_dir.files(), QStringList{QFileInfo(target()).fileName()}); // no temporary file left
    Reader reader;
    ASSERT_TRUE(reader.open(target())) << reader.error().toStdString();
    expectGrid(reader, testing::sampleTexts());
}

TEST_P(WriterTest, SecondSheetDoesNotHideTheFirstAndAnEmptyWorkbookHasOneEmptySheet)
{
    Workbook book;
    book.addSheet().setText(2, 3, "first");
    book.addSheet().setText(1, 1, "second");
    EXPECT_EQ(book.sheet(2).name(), QStringLiteral("Sheet2"));
    QString error;
    ASSERT_TRUE(book.save(target(), &error)) << error.toStdString();
    Reader reader;
    ASSERT_TRUE(reader.open(target())) << reader.error().toStdString();
    expectGrid(reader, {{}, {"", "", "first"}});

    ASSERT_TRUE(Workbook().save(target("empty"), &error)) << error.toStdString();
    ASSERT_TRUE(reader.open(target("empty"))) << reader.error().toStdString();
    EXPECT_EQ(reader.rowCount(), 0);
}

TEST_P(WriterTest, LaterTextsReplaceEarlierOnes)
{
    Workbook book;
    Sheet &sheet = book.addSheet();
    TextBlock block(3);
    block.addRow({"a", "b", "c"});
    block.addRow({"d"});
    sheet.writeBlock(2, block, 2);
    sheet.setText(2, 3, "B");
    TextBlock again(2);
    again.addRow({"", "C"});
    sheet.writeBlock(2, again, 3);
    CellStyle bold;
    bold.bold = true;
    sheet.setStyle(3, 2, bold);
    QString error;
    ASSERT_TRUE(book.save(target(), &error)) << error.toStdString();
    Reader reader;
    ASSERT_TRUE(reader.open(target())) << reader.error().toStdString();
    expectGrid(reader, {{}, {"", "a", "", "C"}, {"", "d", "", ""}});
}

TEST_P(WriterTest, SaveErrors)
{
    const std::string longText(kMaxCellCharacters + 1, 'x');
    const struct
    {
        const char *name;
        std::function<void(Workbook &)> build;
        const char *error;
    } cases[] = {
        {"bad sheet name", [](Workbook &b) { b.addSheet(QStringLiteral("a/b")); }, "not a sheet name"},
        {"long sheet name", [](Workbook &b) { b.addSheet(QString(32, QLatin1Char('n'))); }, "not a sheet name"},
        {"same sheet name twice",
         [](Workbook &b) {
             b.addSheet(QStringLiteral("Data"));
             b.addSheet(QStringLiteral("data"));
         },
         "two sheets are named"},
        {"cell outside the sheet", [](Workbook &b) { b.addSheet().setText(kMaxXlsxRows + 1, 1, "x"); },
         "outside a sheet"},
        {"column outside the sheet", [](Workbook &b) { b.addSheet().setColumnWidth(0, 3); }, "outside a sheet"},
        {"text too long", [&](Workbook &b) { b.addSheet().setText(1, 1, longText); }, "more than 32767 characters"},
        {"merged ranges overlap",
         [](Workbook &b) {
             Sheet &s = b.addSheet();
             s.mergeCells(1, 1, 3);
             s.mergeCells(1, 3, 4);
         },
         "merged ranges overlap"},
    };
    for (const auto &c : cases) {
        Workbook book;
        c.build(book);
        QString error;
        EXPECT_FALSE(book.save(target(), &error)) << c.name;
        EXPECT_NE(error.toStdString().find(c.error), std::string::npos) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(m_dir.files().isEmpty()) << c.name;
    }
}

TEST_P(WriterTest, AnXlsSheetHoldsAtMost65536Rows)
{
    Workbook book;
    Sheet &sheet = book.addSheet();
    sheet.setText(kMaxSheetRows, 1, "last row of an .xls sheet");
    QString error;
    ASSERT_TRUE(book.save(target(), &error)) << error.toStdString();
    sheet.setText(kMaxSheetRows + 1, 1, "one row too many");
    const bool saved = book.save(target("more"), &error);
    EXPECT_EQ(saved, format() == FileFormat::Xlsx) << error.toStdString();
    if (!saved) {
        EXPECT_NE(error.indexOf(QStringLiteral("at most 65536")), -1) << error.toStdString();
    }
}

TEST_P(WriterTest, AFolderThatCannotBeWritten)
{
    QString error;
    EXPECT_FALSE(testing::sampleWorkbook().save(
        m_dir.file(QStringLiteral("missing/folder/export")) + QString::fromLatin1(GetParam()), &error));
    EXPECT_NE(error.indexOf(QStringLiteral("cannot create a temporary file for")), -1) << error.toStdString();
}

// Writing that fails half-way, here stopped by a file size limit, leaves the earlier file as it
// was and no temporary file beside it.
TEST_P(WriterTest, AFailedSaveLeavesTheEarlierFileAndNoPartOfTheNewOne)
{
    const QString path = target();
    QString error;
    ASSERT_TRUE(testing::sampleWorkbook().save(path, &error)) << error.toStdString();
    const QByteArray before = testing::readFile(path);

    Workbook big;
    Sheet &sheet = big.addSheet();
    TextBlock block(8);
    for (int r = 0; r < 20000; ++r)
        for (int c = 0; c < 8; ++c)
            block.add(std::to_string(13800000000LL + r * 8 + c));
    sheet.writeBlock(1, block);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = big.save(path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_NE(error.indexOf(QStringLiteral("cannot write")), -1) << error.toStdString();
    EXPECT_EQ(testing::readFile(path), before);
    EXPECT_EQ(m_dir.files(), QStringList{QFileInfo(path).fileName()});
}

INSTANTIATE_TEST_SUITE_P(Formats, WriterTest, ::testing::Values(".xls", ".xlsx"),
                         [](const auto &info) { return std::string(info.param + 1); });

// FreeXL, the reader of .xls files many programs use, sees the same texts as ours.
TEST(XlsWriterTest, FreeXLReadsWhatWasWritten)
{
    testing::TempDir dir;
    const QString path = dir.file(QStringLiteral("export.xls"));
    QString error;
    ASSERT_TRUE(testing::sampleWorkbook().save(path, &error)) << error.toStdString();
    std::string why;
    const Grid grid = testing::readWithFreeXL(path, &why);
    ASSERT_TRUE(why.empty()) << why;
    const Grid expected = testing::sampleTexts();
    ASSERT_EQ(grid.size(), expected.size());
    for (int r = 1; r <= static_cast<int>(expected.size()); ++r)
        for (int c = 1; c <= 4; ++c)
            EXPECT_EQ(testing::cellOf(grid, r, c), testing::cellOf(expected, r, c)) << "row " << r << " column " << c;
}

TEST(WorkbookTest, TheExtensionChoosesTheFormat)
{
    EXPECT_EQ(formatOfPath(QStringLiteral("/tmp/a.xls")), FileFormat::Xls);
    EXPECT_EQ(formatOfPath(QStringLiteral("a.XLS")), FileFormat::Xls);
    EXPECT_EQ(formatOfPath(QStringLiteral("a.Xlsx")), FileFormat::Xlsx);
    EXPECT_EQ(formatOfPath(QStringLiteral("a.csv")), std::nullopt);
    EXPECT_EQ(formatOfPath(QStringLiteral("xls")), std::nullopt);
    testing::TempDir dir;
    QString error;
    EXPECT_FALSE(testing::sampleWorkbook().save(dir.file(QStringLiteral("export.csv")), &error));
    EXPECT_NE(error.indexOf(QStringLiteral(".xls or .xlsx")), -1) << error.toStdString();
    EXPECT_TRUE(dir.files().isEmpty());
}

TEST(WorkbookTest, ColumnWidthsInExcelUnitsAndEscapedTexts)
{
    // Excel's width 20 (of a 120-pixel grid column in a 12-pixel font) is 20.71 characters with padding.
    EXPECT_EQ(biffColumnWidth(20), 5303);
    EXPECT_EQ(biffColumnWidth(8.43), 2341);
    EXPECT_EQ(biffColumnWidth(0), 0);
}

TEST(XlsxWriterTest, TextsAsTheSheetXmlHoldsThem)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"_x0041_", "_x005F_x0041_"},
        {"a_x0041_b_x00", "a_x005F_x0041_b_x00"},
        {"_xyz_ _x12345", "_xyz_ _x12345"},
        {"a<b & c>d \"q\"", "a&lt;b &amp; c&gt;d \"q\""},
        {"tab\tline\ncr\r", "tab\tline\ncr_x000D_"},
        {std::string_view("nul\0bell\a", 9), "nul_x0000_bell_x0007_"},
        {"\xEF\xBF\xBE\xEF\xBF\xBF\xEF\xBC\x81", "_xFFFE__xFFFF_\xEF\xBC\x81"},
        {"", ""},
    };
    for (const auto &[text, xml] : cases) {
        std::string out;
        appendXlsxText(&out, text);
        EXPECT_EQ(out, xml) << text;
    }
    EXPECT_EQ(columnLetters(1), "A");
    EXPECT_EQ(columnLetters(26), "Z");
    EXPECT_EQ(columnLetters(27), "AA");
    EXPECT_EQ(columnLetters(16384), "XFD");
}

} // namespace
} // namespace server::workbook
