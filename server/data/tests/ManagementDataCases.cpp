// The cases of the blacklist, statistics and deletion statements, shared by both databases.
#include "server/data/tests/ManagementDataCases.h"

#include "server/data/Blacklist.h"
#include "server/data/DataDelete.h"
#include "server/data/DataStat.h"
#include "server/data/tests/TestDatabase.h"
#include "server/settings/tests/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QStringList>

namespace server::testing {

namespace {

QStringList blacklist(TDM &dm)
{
    return column(dm, QStringLiteral("SELECT Telephone FROM c_blacklist ORDER BY id"));
}

// Tasks: number, status, insert time, last attempt.
void addTasks(TDM &dm, std::initializer_list<const char *> rows)
{
    for (const char *r : rows)
        exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,InsertDate,FactNotice) VALUES %1")
                     .arg(QString::fromUtf8(r)));
}

} // namespace

void checkBlacklistStatements(TDM &dm)
{
    ImportOptions options;
    options.now = [] { return QStringLiteral("2026-12-10 14:00:00"); };
    const auto import = [&](const QStringList &cells) {
        return importForbidTels(
            dm, [&cells](int row) { return row <= cells.size() ? cells[row - 1] : QString(); }, options);
    };
    // An empty first cell: nothing.
    EXPECT_EQ(import({QStringLiteral("  "), QStringLiteral("13800000001")}).imported, 0);
    EXPECT_EQ(count(dm, "c_blacklist"), 0);
    // A title is a number like any other; numbers are kept as read; a duplicate is a row of its own;
    // a row the database refuses is reported and the rest go on.
    refuseRows(dm, QStringLiteral("c_blacklist"), QStringLiteral("INSERT"), QStringLiteral("NEW.Telephone='bad'"));
    const ImportResult r = import({QStringLiteral("禁拨号码"), QStringLiteral(" 13800000001"), QStringLiteral("bad"),
                                   QStringLiteral("13800000001"), QString(), QStringLiteral("13900000009")});
    EXPECT_EQ(r.imported, 3);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].row, 3);
    EXPECT_EQ(blacklist(dm), (QStringList{"禁拨号码", " 13800000001", "13800000001"}));
    EXPECT_EQ(count(dm, "c_blacklist", "InsertDate='2026-12-10 14:00:00'"), 3);

    // The rows of the window: insert, update, delete, and a refused one.
    insertForbidTel(dm, QStringLiteral("13700000000"), QStringLiteral("2026-12-10 15:00:00"));
    const QVariant id = scalar(dm, QStringLiteral("SELECT id FROM c_blacklist WHERE Telephone='13700000000'"));
    updateForbidTel(dm, id, QStringLiteral("13700000001"), QStringLiteral("2026-12-10 15:00:00"));
    EXPECT_EQ(count(dm, "c_blacklist", "Telephone='13700000001'"), 1);
    EXPECT_THROW(insertForbidTel(dm, QStringLiteral("bad"), QStringLiteral("2026-12-10 15:00:00")), DatabaseError);
    deleteForbidTel(dm, id);
    EXPECT_EQ(count(dm, "c_blacklist"), 3);
}

void checkDataStat(TDM &dm)
{
    EXPECT_TRUE(dataStatRows(dm).empty()); // before the first run of the program run
    addTasks(dm, {
                     "('1',0,'2026-01-01 08:00:00','')", // untouched: counted whatever its days
                     "('2',0,'2026-12-10 08:00:00','')", "('3',1,'2026-12-10 08:00:00','2026-12-10 09:00:00')",
                     "('4',2,'2026-12-01 08:00:00','2026-12-10 00:00:00')",
                     "('5',2,'2026-12-01 08:00:00','2026-12-10 23:58:59')",
                     "('6',2,'2026-12-01 08:00:00','2026-12-10 23:59:30')", // after the day's 23:59
                     "('7',3,'2026-12-01 08:00:00','2026-12-09 23:59:59')", // the day before
                     "('8',3,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
                     "('9',4,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
                     "('10',5,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
                     "('11',8,'2026-12-01 08:00:00','2026-12-10 12:00:00')", // playing: not counted
                     "('12',9,'2026-12-01 08:00:00','2026-12-10 12:00:00')", // paused: not counted
                 });
    const struct
    {
        const char *start;
        const char *end;
        StatCounts counts;
    } cases[] = {
        {"2026-12-10", "2026-12-10", {2, 1, 2, 1, 1, 1}},
        {"2026-12-09", "2026-12-10", {2, 1, 2, 2, 1, 1}},
        {"2026-12-11", "2026-12-11", {2, 0, 0, 0, 0, 0}}, // untouched tasks are counted on any day
    };
    for (const auto &c : cases) {
        const auto bounds = statBounds(QString::fromUtf8(c.start), QString::fromUtf8(c.end));
        ASSERT_TRUE(bounds);
        EXPECT_EQ(countNoticeStatuses(dm, *bounds), c.counts) << c.start << " " << c.end;
    }
    EXPECT_EQ(statBounds(QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10"))->to,
              QStringLiteral("2026-12-10 23:59"));
    EXPECT_FALSE(statBounds(QStringLiteral("2026-12-11"), QStringLiteral("2026-12-10")));
    EXPECT_EQ(
        runDataStat(dm, QStringLiteral("2026-12-11"), QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10 14:00")),
        DataStatOutcome::StartAfterEnd);

    // A run replaces the one row of t_statdata and keeps it in the data module.
    exec(dm, QStringLiteral("INSERT INTO t_statdata (NoNotice,StatDate) VALUES (99,'2026-12-01 10:00')"));
    ASSERT_EQ(
        runDataStat(dm, QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10 14:00")),
        DataStatOutcome::Done);
    EXPECT_EQ(count(dm, "t_statdata"), 1);
    EXPECT_EQ(count(dm, "t_statdata",
                    "NoNotice=2 AND Noticing=1 AND SuccCount=2 AND FailCount=1 AND TranSlic=1 AND TranSlicSucc=1 AND "
                    "StatDate='2026-12-10 14:00'"),
              1);
    for (int read = 0; read < 2; ++read) { // every window reads it again from its first row
        const std::vector<StatRow> rows = dataStatRows(dm);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].counts, (StatCounts{2, 1, 2, 1, 1, 1}));
        EXPECT_EQ(rows[0].StatDate, QStringLiteral("2026-12-10 14:00"));
    }

    // A run whose row cannot be stored keeps the last row, in the table and in the data module.
    refuseRows(dm, QStringLiteral("t_statdata"), QStringLiteral("INSERT"), QStringLiteral("1=1"));
    QString error;
    EXPECT_EQ(runDataStat(dm, QStringLiteral("2026-12-09"), QStringLiteral("2026-12-10"),
                          QStringLiteral("2026-12-10 15:00"), &error),
              DataStatOutcome::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(count(dm, "t_statdata", "StatDate='2026-12-10 14:00'"), 1);
    EXPECT_EQ(count(dm, "t_statdata"), 1);
    ASSERT_EQ(dataStatRows(dm).size(), 1u);
    EXPECT_EQ(dataStatRows(dm)[0].StatDate, QStringLiteral("2026-12-10 14:00"));
}

void checkDataDelete(TDM &dm)
{
    addTasks(dm, {
                     "('1',0,'2026-12-09 23:59:59','')",
                     "('2',0,'2026-12-10 00:00:00','')",
                     "('3',2,'2026-12-10 12:00:00','2026-12-10 12:05:00')",
                     "('4',1,'2026-12-10 23:59:59','2026-12-10 23:59:59')", // being dialled: taken too
                     "('5',0,'2026-12-11 00:00:00','')",
                 });
    EXPECT_EQ(countDeletable(dm, deleteBounds(QStringLiteral("2026-12-10"), QStringLiteral("2026-12-10"))), 3);
    EXPECT_EQ(countDeletable(dm, deleteBounds(QStringLiteral("2026-12-11"), QStringLiteral("2026-12-10"))), 0);

    RecordingDialogs dialogs;
    const auto run = [&](std::initializer_list<DialogAnswer> answers, const char *start, const char *end) {
        dialogs.shown.clear();
        dialogs.answers = answers;
        return runDataDelete(dm, dialogs, QString::fromUtf8(start), QString::fromUtf8(end));
    };
    const std::string question = "数据一旦删除将无法恢复，确实要删除2026-12-10至2026-12-10之间的数据吗？";
    // No to the first question: nothing counted, nothing deleted.
    EXPECT_FALSE(run({DialogAnswer::No}, "2026-12-10", "2026-12-10"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, question);
    EXPECT_EQ(dialogs.shown[0].caption, "");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Warning);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(dialogs.shown[0].defaultAnswer, DialogAnswer::No);
    // Nothing in the days: the message, without the second question.
    EXPECT_FALSE(run({DialogAnswer::Yes}, "2026-12-12", "2026-12-13"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "没有可被删除的记录！");
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Information);
    // No to the second question.
    EXPECT_FALSE(run({DialogAnswer::Yes, DialogAnswer::No}, "2026-12-10", "2026-12-10"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "共有:3条记录需要删除，确认？");
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Question);
    EXPECT_EQ(dialogs.shown[1].defaultAnswer, DialogAnswer::No);
    EXPECT_EQ(count(dm, "AdNotice"), 5);

    // A failure on the way deletes nothing.
    refuseRows(dm, QStringLiteral("AdNotice"), QStringLiteral("DELETE"), QStringLiteral("OLD.Telphone='4'"));
    EXPECT_FALSE(run({DialogAnswer::Yes, DialogAnswer::Yes}, "2026-12-10", "2026-12-10"));
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text, "删除数据出错！");
    EXPECT_EQ(dialogs.shown[2].icon, DialogIcon::Error);
    EXPECT_EQ(count(dm, "AdNotice"), 5);

    // The day's tasks up to and including 23:59:59 go, of every status.
    EXPECT_TRUE(run({DialogAnswer::Yes, DialogAnswer::Yes}, "2026-12-09", "2026-12-09"));
    EXPECT_EQ(dialogs.shown.back().text, "删除数据成功！");
    EXPECT_EQ(dialogs.shown.back().icon, DialogIcon::Information);
    EXPECT_EQ(count(dm, "AdNotice", "Telphone='1'"), 0);
    EXPECT_EQ(count(dm, "AdNotice"), 4);
}

} // namespace server::testing
