// The grid's exports: blocks of a thousand rows over sheets of 65,536, the progress, Cancel, the empty
// result set, the column widths, the titled file and its messages, and the hand-over to the operator.
#include "server/workbook/GridExport.h"
#include "server/data/SchemaScript.h"
#include "server/data/tests/TestDatabase.h"
#include "server/ui/DBGridEhToExcel.h"
#include "server/workbook/Reader.h"
#include "server/workbook/ShowToOperator.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QSqlQuery>

#include <QThread>

#include <cstdlib>
#include <filesystem>

namespace server {
namespace {

using workbook::GridRows;

// A grid of n records of two text columns: "0<row>" and a name.
class TableRows : public GridRows
{
public:
    explicit TableRows(int records) : m_records(records) {}
    int columnCount() const override { return 2; }
    Column column(int index) const override
    {
        return index == 0 ? Column{QStringLiteral("电话号码"), 120, true} : Column{QStringLiteral("姓名"), 60, true};
    }
    bool first() override { return (m_row = 0) < m_records; }
    bool next() override { return ++m_row < m_records; }
    std::string value(int column) const override
    {
        return column == 0 ? "0" + std::to_string(m_row + 1) : std::string("张三");
    }

private:
    int m_records;
    int m_row = 0;
};

TEST(GridExport, BlocksOfAThousandOnOneSheet)
{
    TableRows rows(2500);
    workbook::Workbook book;
    QStringList progress;
    const int exported = workbook::fillWindowWorkbook(rows, {}, book, [&](const QString &text) { progress << text; });
    EXPECT_EQ(exported, 2500);
    EXPECT_EQ(progress, (QStringList{"(已导出1000条)", "(已导出2000条)", "(已导出2500条)"}));
    ASSERT_EQ(book.sheetCount(), 1);
    const workbook::Sheet &sheet = book.sheet(1);
    EXPECT_EQ(sheet.text(1, 1), "电话号码");
    EXPECT_EQ(sheet.text(2, 1), "01");
    EXPECT_EQ(sheet.text(2501, 1), "02500");
    EXPECT_EQ(sheet.rowCount(), 2501);
}

TEST(GridExport, SeventyThousandRowsGoOnOnASecondSheet)
{
    TableRows rows(70000);
    workbook::Workbook book;
    EXPECT_EQ(workbook::fillWindowWorkbook(rows, {}, book), 70000);
    ASSERT_EQ(book.sheetCount(), 2);
    // The first sheet: the header and 65,535 records; the second: a new header and the rest.
    EXPECT_EQ(book.sheet(1).rowCount(), 65536);
    EXPECT_EQ(book.sheet(1).text(65536, 1), "065535");
    EXPECT_EQ(book.sheet(2).text(1, 1), "电话号码");
    EXPECT_EQ(book.sheet(2).text(2, 1), "065536");
    EXPECT_EQ(book.sheet(2).rowCount(), 1 + 70000 - 65535);
}

TEST(GridExport, EmptyResultSetWritesNoHeaderAndCancelStops)
{
    TableRows none(0);
    workbook::Workbook book;
    EXPECT_EQ(workbook::fillWindowWorkbook(none, {}, book), 0);
    EXPECT_EQ(book.sheetCount(), 0);

    TableRows rows(5000);
    bool terminated = false;
    workbook::GridExportSettings settings;
    settings.terminated = &terminated;
    workbook::Workbook stopped;
    const int exported = workbook::fillWindowWorkbook(rows, settings, stopped, [&](const QString &) {
        terminated = true; // Cancel pressed during the first block
    });
    EXPECT_EQ(exported, 1000);
}

TEST(GridExport, ColumnWidthFromPixels)
{
    EXPECT_EQ(workbook::excelColumnWidth(120, 12), 20);
    EXPECT_EQ(workbook::excelColumnWidth(120, -12), 20); // a font height given as negative
    EXPECT_EQ(workbook::excelColumnWidth(64, 15), 9);
}

class GridExportWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.ProgramDir = dir.path();
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        grid.setColumns({{QStringLiteral("电话号码"), QStringLiteral("Telphone")},
                         {QStringLiteral("姓名"), QStringLiteral("Name")},
                         {QStringLiteral("通知状态"), QStringLiteral("DescStatus")}});
    }

    void addRows(int n)
    {
        QSqlQuery q(dm.DBConnection());
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES (?,?)"));
        for (int i = 1; i <= n; ++i) {
            q.addBindValue(QStringLiteral("0%1").arg(13800000000LL + i));
            q.addBindValue(QStringLiteral("王五"));
            q.exec();
        }
        q.exec(QStringLiteral("COMMIT"));
        ASSERT_TRUE(grid.openQuery(dm, QStringLiteral("AdNotice"), QStringLiteral("1=1"), QStringLiteral("ID")));
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
    TDBGridEhToExcel grid;
};

TEST_F(GridExportWindowTest, FileExportWithItsTitleAndMessages)
{
    addRows(3);
    QStringList messages;
    grid.OnMessage = [&](const QString &m) { messages << m; };
    grid.ExcelTitle = QStringLiteral("黑名单");
    const QString file = QString::fromStdString(dir.path()) + QStringLiteral("/out.xls");
    grid.ExportToExcelFile(file);
    EXPECT_EQ(messages, (QStringList{"导出完成!"}));
    workbook::Reader reader;
    ASSERT_TRUE(reader.open(file)) << reader.error().toStdString();
    EXPECT_EQ(reader.text(1, 1), QStringLiteral("黑名单"));
    EXPECT_EQ(reader.text(3, 2), QStringLiteral("姓名"));
    EXPECT_EQ(reader.text(4, 1), QStringLiteral("013800000001")); // the leading zero stays
    EXPECT_EQ(reader.text(6, 3), QStringLiteral("未通知"));

    TDBGridEhToExcel empty;
    messages.clear();
    empty.OnMessage = [&](const QString &m) { messages << m; };
    empty.ExportToExcelFile(file);
    EXPECT_EQ(messages, (QStringList{"列数不能0"}));
}

TEST_F(GridExportWindowTest, SeventyThousandRowsMoveTheBar)
{
    addRows(70000);
    ::setenv(workbook::kOpenerVariable, "true", 1); // a program that opens nothing
    QProgressBar bar;
    grid.ProgressBar = &bar;
    std::vector<int> values;
    QString error;
    const int exported =
        grid.ExportToExcelWindow([&](void *, const QString &) { values.push_back(bar.value()); }, nullptr, &error);
    ::unsetenv(workbook::kOpenerVariable);
    EXPECT_EQ(exported, 70000) << error.toStdString();
    ASSERT_GE(values.size(), 70u);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_LT(values.front(), values.back());
    EXPECT_EQ(bar.maximum(), 70000);
}

TEST_F(GridExportWindowTest, HandedToTheOperatorCancelAndNoSpreadsheetProgram)
{
    addRows(3000);
    // The opener copies the workbook where the test can read it.
    const std::string shown = dir.path() + "/shown";
    std::filesystem::create_directories(shown);
    ::setenv(workbook::kOpenerVariable, ("cp -f --target-directory=" + shown).c_str(), 1);
    QString error;
    EXPECT_EQ(grid.ExportToExcelWindow({}, nullptr, &error), 3000) << error.toStdString();
    // The copy is made by a program of its own: give it a moment.
    QString copy;
    for (int wait = 0; wait < 100 && copy.isEmpty(); ++wait) {
        for (const auto &entry : std::filesystem::directory_iterator(shown))
            copy = QString::fromStdString(entry.path().string());
        if (copy.isEmpty())
            QThread::msleep(50);
    }
    ASSERT_FALSE(copy.isEmpty());
    workbook::Reader reader;
    for (int wait = 0; wait < 40 && !reader.open(copy); ++wait)
        QThread::msleep(50);
    EXPECT_EQ(reader.text(1, 1), QStringLiteral("电话号码"));
    EXPECT_EQ(reader.text(2, 1), QStringLiteral("013800000001"));
    EXPECT_EQ(reader.text(3001, 3), QStringLiteral("未通知"));

    const int stopped = grid.ExportToExcelWindow([&](void *, const QString &) { grid.Terminated = true; });
    EXPECT_EQ(stopped, 1000);
    ::setenv(workbook::kOpenerVariable, "", 1);
    grid.Terminated = false;
    EXPECT_EQ(grid.ExportToExcelWindow({}, nullptr, &error), -1);
    EXPECT_FALSE(error.isEmpty());
    ::unsetenv(workbook::kOpenerVariable);
}

} // namespace
} // namespace server
