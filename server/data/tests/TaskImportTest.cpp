// The imports of notice tasks: text lines and workbook rows, the blacklist, failed rows, the end of
// the rows and cancelling.
#include "server/data/TaskImport.h"
#include "server/data/SchemaScript.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QSqlQuery>

#include <map>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class TaskImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.ProgramDir = dir.path();
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        exec(dm, QStringLiteral("INSERT INTO c_blacklist (Telephone) VALUES ('13900000000')"));
        options.now = [] { return QStringLiteral("2026-12-10 10:00:00"); };
    }

    // Number|name|company|address|plan|random of every task, in the order stored.
    QStringList rows()
    {
        QStringList out;
        QSqlQuery q(dm.DBConnection());
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT Telphone,COALESCE(Name,''),COALESCE(CompanyName,''),"
                                          "COALESCE(HomeAddr,''),PlanNotice,RandomValue FROM AdNotice ORDER BY ID")));
        while (q.next())
            out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                            q.value(4).toString(), q.value(5).isNull() ? QStringLiteral("-") : QStringLiteral("r"));
        return out;
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
    ImportOptions options;
};

TEST_F(TaskImportTest, TextLines)
{
    const ImportResult r =
        importTextLines(dm, {"13700000000", " 13800000001 ", "13900000000", "13800000001", "", "13800000002"}, options);
    EXPECT_EQ(r.imported, 4); // the header is never imported; a duplicate is a task of its own
    EXPECT_EQ(r.blacklisted, 1);
    EXPECT_TRUE(r.failures.empty());
    EXPECT_EQ(rows(), (QStringList{"13800000001||||2026-12-10 10:00:00|-", "13800000001||||2026-12-10 10:00:00|-",
                                   "||||2026-12-10 10:00:00|-", "13800000002||||2026-12-10 10:00:00|-"}));
    EXPECT_EQ(importTextLines(dm, {"13800000003"}, options).imported, 0); // a header alone
}

TEST_F(TaskImportTest, WorkbookRows)
{
    const std::map<int, QStringList> sheet = {
        {1, {"电话", "姓名", "公司", "地址"}}, // a title row is a task like any other
        {2, {"13800000001", "张三", "某公司", "某地"}},
        {3, {"13900000000", "黑名单", "", ""}},
        {4, {"", "李四", "", ""}},    // only a name: a task without a number
        {5, {"  ", " ", "", "某地"}}, // columns 1 to 3 blank: the end, whatever follows
        {6, {"13800000006", "王五", "", ""}},
    };
    const auto cell = [&](int row, int column) {
        const auto it = sheet.find(row);
        return it == sheet.end() || column > it->second.size() ? QString() : it->second[column - 1];
    };
    options.planNotice = QStringLiteral("2026-12-11 09:00:00");
    const ImportResult r = importWorkbookRows(dm, cell, options);
    EXPECT_EQ(r.imported, 3);
    EXPECT_EQ(r.blacklisted, 1);
    EXPECT_EQ(rows(),
              (QStringList{"电话|姓名|公司|地址|2026-12-11 09:00:00|r",
                           "13800000001|张三|某公司|某地|2026-12-11 09:00:00|r", "|李四|||2026-12-11 09:00:00|r"}));
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE RandomValue BETWEEN 0 AND 49")).toInt(),
              3);
}

TEST_F(TaskImportTest, AtMostFiftyThousandRowsAreRead)
{
    // Every row holds the blacklisted number, so that the rows are read and none is stored.
    int highest = 0;
    const auto cell = [&](int row, int column) {
        highest = std::max(highest, row);
        return column == 1 ? QStringLiteral("13900000000") : QString();
    };
    const ImportResult r = importWorkbookRows(dm, cell, options);
    EXPECT_EQ(r.blacklisted, kMaxWorkbookRows);
    EXPECT_EQ(highest, kMaxWorkbookRows);
}

TEST_F(TaskImportTest, FailedRowsAreReportedAndTheImportGoesOn)
{
    exec(dm, QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON AdNotice WHEN NEW.Telphone='bad' "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    const ImportResult r = importTextLines(dm, {"header", "13800000001", "bad", "13800000002"}, options);
    EXPECT_EQ(r.imported, 2);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].row, 3);
    EXPECT_TRUE(r.failures[0].reason.contains(QStringLiteral("refused"))) << r.failures[0].reason.toStdString();
}

TEST_F(TaskImportTest, NumbersWiderThanTheColumnAreFailedRowsOfBothImports)
{
    const QString wide = QString(kMaxImportedNumberLength + 1, QLatin1Char('1'));
    const QString widest = QStringLiteral("13800000009") + QString(1 << 20, QChar(0)); // a damaged file's last line
    const QString fits = QString(kMaxImportedNumberLength, QLatin1Char('2'));
    const ImportResult text = importTextLines(dm, {"header", wide, fits, widest}, options);
    EXPECT_EQ(text.imported, 1);
    ASSERT_EQ(text.failures.size(), 2u);
    EXPECT_EQ(text.failures[0].row, 2);
    EXPECT_EQ(text.failures[1].row, 4);
    const QStringList cells = {wide, fits, widest};
    const ImportResult workbook = importWorkbookRows(
        dm, [&](int row, int column) { return column == 1 && row <= cells.size() ? cells[row - 1] : QString(); },
        options);
    EXPECT_EQ(workbook.imported, 1);
    ASSERT_EQ(workbook.failures.size(), 2u);
    EXPECT_EQ(workbook.failures[1].row, 3);
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT MAX(LENGTH(Telphone)) FROM AdNotice")).toInt(),
              kMaxImportedNumberLength);
}

TEST_F(TaskImportTest, CancelStopsBeforeTheNextRow)
{
    options.beforeRow = [](int row, const ImportResult &) { return row < 3; };
    const ImportResult r = importWorkbookRows(
        dm, [](int row, int column) { return column == 1 ? QString::number(13800000000 + row) : QString(); }, options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.imported, 2);
}

} // namespace
} // namespace server
