// A 70,000-record export over two sheets, the way a grid export splits it, read back.
#include "server/workbook/Reader.h"
#include "server/workbook/Workbook.h"
#include "server/workbook/tests/TestFiles.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace server::workbook {
namespace {

constexpr int kRecords = 70000;
constexpr int kColumns = 3;

// A telephone number, a name, and a remark long enough to take the .xls file past 7 MB.
std::string cellText(int record, int column)
{
    switch (column) {
    case 0:
        return std::to_string(13800000000LL + record);
    case 1:
        return "姓名" + std::to_string(record);
    default:
        return "2024-03-05 14:30:" + std::to_string(10 + record % 50) + " 备注 00" + std::to_string(record) + " 已通知";
    }
}

// Sheet 1: the header and records 1 to 65,535; sheet 2: the header and the rest.
Workbook seventyThousandRecords()
{
    Workbook book;
    int record = 1;
    for (const int rows : {kMaxSheetRows, kRecords - (kMaxSheetRows - 1) + 1}) {
        Sheet &sheet = book.addSheet();
        CellStyle bold;
        bold.bold = true;
        for (int c = 0; c < kColumns; ++c) {
            sheet.setCell(1, c + 1, "列" + std::to_string(c + 1), bold);
            sheet.setColumnTextFormat(c + 1);
        }
        for (int first = 2; first <= rows; first += 1000) {
            TextBlock block(kColumns);
            for (int r = first; r < std::min(first + 1000, rows + 1); ++r, ++record)
                for (int c = 0; c < kColumns; ++c)
                    block.add(cellText(record, c));
            sheet.writeBlock(first, block);
        }
    }
    EXPECT_EQ(record, kRecords + 1);
    return book;
}

class LargeExportTest : public ::testing::TestWithParam<const char *>
{
};

TEST_P(LargeExportTest, TheFirstSheetReadsBackWhole)
{
    testing::TempDir dir;
    const QString path = dir.file(QStringLiteral("large") + QString::fromLatin1(GetParam()));
    const Workbook book = seventyThousandRecords();
    EXPECT_EQ(book.sheet(1).rowCount(), 65536);
    EXPECT_EQ(book.sheet(2).rowCount(), 4466);
    QString error;
    ASSERT_TRUE(book.save(path, &error)) << error.toStdString();
    if (QString::fromLatin1(GetParam()) == QLatin1StringView(".xls")) {
        // Beyond 109 sectors of allocation table: the file needs DIFAT sectors, which FreeXL follows too.
        EXPECT_GT(QFileInfo(path).size(), 109 * 128 * 512);
        std::string why;
        const testing::Grid grid = testing::readWithFreeXL(path, &why);
        ASSERT_TRUE(why.empty()) << why;
        ASSERT_EQ(grid.size(), 65536u);
        EXPECT_EQ(testing::cellOf(grid, 65536, 1), cellText(65535, 0));
        EXPECT_EQ(testing::cellOf(grid, 65536, 3), cellText(65535, 2));
    }

    Reader reader;
    ASSERT_TRUE(reader.open(path)) << reader.error().toStdString();
    EXPECT_EQ(reader.rowCount(), 65536);
    EXPECT_EQ(reader.columnCount(), kColumns);
    EXPECT_EQ(reader.utf8(1, 1), "列1");
    for (const int row : {2, 3, 1000, 1001, 1002, 33333, 65535, 65536})
        for (int c = 0; c < kColumns; ++c)
            EXPECT_EQ(reader.utf8(row, c + 1), cellText(row - 1, c)) << "row " << row;
    EXPECT_EQ(reader.utf8(65537, 1), "");
}

INSTANTIATE_TEST_SUITE_P(Formats, LargeExportTest, ::testing::Values(".xls", ".xlsx"),
                         [](const auto &info) { return std::string(info.param + 1); });

} // namespace
} // namespace server::workbook
