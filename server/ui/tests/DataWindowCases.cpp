// The cases of the blacklist, statistics and deletion windows, shared by both databases.
#include "server/ui/tests/DataWindowCases.h"

#include "server/data/NoticeStatus.h"
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/Clock.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/DBGridEhToExcel.h"
#include "server/ui/FrmDataDelete.h"
#include "server/ui/FrmDataStat.h"
#include "server/ui/FrmForbidTel.h"
#include "server/ui/PendingRowModel.h"
#include "server/ui/StatChart.h"
#include "server/ui/tests/WindowPicture.h"
#include "server/workbook/Reader.h"
#include "server/workbook/Workbook.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>

#include <cstdlib>

namespace server::testing {

namespace {

QStringList blacklist(TDM &dm)
{
    return column(dm, QStringLiteral("SELECT Telephone FROM c_blacklist ORDER BY id"));
}

// A workbook of one column, row 1 first; an empty text leaves its cell empty.
QString writeWorkbook(const QString &path, const QStringList &column)
{
    workbook::Workbook book;
    workbook::Sheet &sheet = book.addSheet();
    for (int r = 0; r < column.size(); ++r)
        if (!column[r].isEmpty())
            sheet.setText(r + 1, 1, column[r].toStdString());
    QString error;
    EXPECT_TRUE(book.save(path, workbook::FileFormat::Xls, &error)) << error.toStdString();
    return path;
}

// Types into the cell editor the grid has open.
void typeIntoGrid(TDBGridEhToExcel &grid, const QString &text)
{
    QLineEdit *editor = nullptr;
    for (QLineEdit *e : grid.viewport()->findChildren<QLineEdit *>())
        if (e->isVisible())
            editor = e;
    ASSERT_NE(editor, nullptr) << "no cell is being edited";
    editor->setText(text);
}

const ManualClock kClock{common::DateTime{2026, 12, 10, 14, 0, 0, 0}};

} // namespace

void checkForbidTelWindow(TDM &dm, const QString &folder, const char *picture)
{
    exec(dm,
         QStringLiteral("INSERT INTO c_blacklist (Telephone,InsertDate) VALUES ('13800000001','2026-12-01 09:00:00')"));
    exec(dm,
         QStringLiteral("INSERT INTO c_blacklist (Telephone,InsertDate) VALUES ('13800000002','2026-12-01 09:00:00')"));
    RecordingDialogs dialogs;
    TFrmForbidTel window(dm, kClock, dialogs);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("黑名单设置"));
    EXPECT_EQ(window.statusText(), QStringLiteral("2"));
    TDBGridEhToExcel &grid = window.grid();
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("禁拨号码"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("新建日期"));

    // New: a row stamped with the time now, its number typed into the grid, stored by Save.
    window.tbNewClick();
    EXPECT_EQ(window.rows().state(), PendingRowModel::State::Insert);
    EXPECT_EQ(grid.model()->index(2, 1).data().toString(), QStringLiteral("2026-12-10 14:00:00"));
    typeIntoGrid(grid, QStringLiteral("13900000003"));
    window.tbSaveClick();
    EXPECT_EQ(count(dm, "c_blacklist", "Telephone='13900000003' AND InsertDate='2026-12-10 14:00:00'"), 1);
    EXPECT_EQ(grid.recordCount(), 3);
    EXPECT_EQ(window.statusText(), QStringLiteral("2")); // the count is the opening's

    // Edit, then Cancel: nothing changes; Edit and Save: stored.
    grid.setCurrentIndex(grid.model()->index(0, 0));
    window.tbEditClick();
    typeIntoGrid(grid, QStringLiteral("13800000009"));
    window.tbCancelClick();
    EXPECT_EQ(window.rows().state(), PendingRowModel::State::Browse);
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), QStringLiteral("13800000001"));
    window.tbEditClick();
    typeIntoGrid(grid, QStringLiteral("13800000009"));
    window.tbSaveClick();
    EXPECT_EQ(count(dm, "c_blacklist", "Telephone='13800000009'"), 1);
    EXPECT_EQ(count(dm, "c_blacklist", "Telephone='13800000001'"), 0);

    // Leaving a pending row for another stores it.
    window.tbNewClick();
    typeIntoGrid(grid, QStringLiteral("13900000004"));
    grid.endCellEdit(true);
    grid.setCurrentIndex(grid.model()->index(0, 0));
    EXPECT_EQ(window.rows().state(), PendingRowModel::State::Browse);
    EXPECT_EQ(count(dm, "c_blacklist", "Telephone='13900000004'"), 1);
    exec(dm, QStringLiteral("DELETE FROM c_blacklist WHERE Telephone='13900000004'"));
    window.tbCancelClick();
    grid.requery();

    // A row the database refuses is said and stays, so that nothing typed is lost; Cancel drops it.
    refuseRows(dm, QStringLiteral("c_blacklist"), QStringLiteral("INSERT"), QStringLiteral("NEW.Telephone='bad'"));
    window.tbNewClick();
    typeIntoGrid(grid, QStringLiteral("bad"));
    dialogs.shown.clear();
    window.tbSaveClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.rfind("保存数据失败！", 0), 0u) << dialogs.shown[0].text;
    EXPECT_EQ(window.rows().state(), PendingRowModel::State::Insert);
    EXPECT_EQ(window.rows().pendingValue(0).toString(), QStringLiteral("bad"));
    window.tbCancelClick();
    EXPECT_EQ(grid.recordCount(), 3);

    // Delete asks first; Cancel keeps the row. The rows come in the database's order.
    for (int r = 0; r < grid.recordCount(); ++r)
        if (grid.fieldValue(r, QStringLiteral("Telephone")).toString() == QStringLiteral("13800000002"))
            grid.setCurrentIndex(grid.model()->index(r, 0));
    dialogs.shown.clear();
    dialogs.answers = {DialogAnswer::Cancel};
    window.tbDeleteClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "提示");
    EXPECT_EQ(dialogs.shown[0].text, "是否确定删除？");
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::OkCancel);
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Information);
    EXPECT_EQ(count(dm, "c_blacklist"), 3);
    window.tbDeleteClick();
    EXPECT_EQ(blacklist(dm), (QStringList{"13800000009", "13900000003"}));
    EXPECT_EQ(grid.recordCount(), 2);

    // The import: the extension as written; a title is a number; a duplicate is a row; the rows end at
    // the first empty first cell.
    const QString mixedCase = writeWorkbook(folder + QStringLiteral("/numbers.Xls"), {QStringLiteral("1")});
    const struct
    {
        QString file;
        const char *message; // or nullptr
        QStringList added;
    } imports[] = {
        {mixedCase, "提供的文件必须是Excel格式的！", {}},
        {writeWorkbook(folder + QStringLiteral("/empty-first.xls"), {QString(), QStringLiteral("13700000000")}),
         nullptr,
         {}},
        {writeWorkbook(folder + QStringLiteral("/numbers.XLS"),
                       {QStringLiteral("禁拨号码"), QStringLiteral("13700000001"), QStringLiteral("13700000001"),
                        QString(), QStringLiteral("13700000009")}),
         nullptr,
         {"禁拨号码", "13700000001", "13700000001"}},
        // Written by a spreadsheet program: numbers as number cells.
        {QString::fromLocal8Bit(std::getenv("VN_SOURCE_DIR")) +
             QStringLiteral("/server/workbook/tests/data/people.xlsx"),
         nullptr,
         {"电话", "13800000000", "8613912345678"}},
    };
    for (const auto &c : imports) {
        const QStringList before = blacklist(dm);
        dialogs.shown.clear();
        window.setOpenFileChooser([&c](const QString &) { return c.file; });
        window.tbImportClick();
        if (c.message) {
            ASSERT_EQ(dialogs.shown.size(), 1u) << c.file.toStdString();
            EXPECT_EQ(dialogs.shown[0].text, c.message);
            EXPECT_EQ(dialogs.shown[0].caption, "提示");
            EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Information);
        } else {
            EXPECT_TRUE(dialogs.shown.empty()) << c.file.toStdString() << ": " << dialogs.shown[0].text;
            EXPECT_EQ(window.statusText(), QStringLiteral("记录导入成功"));
        }
        EXPECT_EQ(blacklist(dm), before + c.added) << c.file.toStdString();
        EXPECT_EQ(grid.recordCount(), before.size() + c.added.size());
    }
    // A file that is no workbook.
    QFile broken(folder + QStringLiteral("/broken.xls"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a workbook");
    broken.close();
    window.setOpenFileChooser([&](const QString &) { return broken.fileName(); });
    dialogs.shown.clear();
    window.tbImportClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "不能正确操作Excel文件,可能是该文件已被其他程序打开,或系统错误!");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);

    // The export: the grid's columns under a title row and an empty row.
    const QString exported = folder + QStringLiteral("/blacklist.xls");
    window.setSaveFileChooser([&](const QString &) { return exported; });
    dialogs.shown.clear();
    window.tbExportClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "导出完成!");
    workbook::Reader reader;
    ASSERT_TRUE(reader.open(exported)) << reader.error().toStdString();
    EXPECT_EQ(reader.text(3, 1), QStringLiteral("禁拨号码"));
    EXPECT_EQ(reader.text(3, 2), QStringLiteral("新建日期"));
    EXPECT_EQ(reader.text(4, 1), grid.fieldValue(0, QStringLiteral("Telephone")).toString());
    EXPECT_EQ(reader.rowCount(), 3 + grid.recordCount());
    if (picture)
        saveWindowPicture(window, picture);
}

void checkDataStatWindow(TDM &dm, const char *picture)
{
    RecordingDialogs dialogs;
    const char *tasks[] = {
        "('1',0,'2026-01-01 08:00:00','')",
        "('2',0,'2026-12-10 08:00:00','')",
        "('3',1,'2026-12-10 08:00:00','2026-12-10 09:00:00')",
        "('4',2,'2026-12-01 08:00:00','2026-12-10 10:00:00')",
        "('5',2,'2026-12-01 08:00:00','2026-12-10 11:00:00')",
        "('6',2,'2026-12-01 08:00:00','2026-12-10 23:59:30')", // after the day's 23:59
        "('7',3,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
        "('8',3,'2026-12-01 08:00:00','2026-12-10 12:30:00')",
        "('9',3,'2026-12-01 08:00:00','2026-12-10 13:00:00')",
        "('10',4,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
        "('11',5,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
        "('12',9,'2026-12-01 08:00:00','2026-12-10 12:00:00')",
    };
    for (const char *t : tasks)
        exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status,InsertDate,FactNotice) VALUES %1")
                     .arg(QLatin1String(t)));
    const auto gridRow = [](TFrmDataStat &w, int row) {
        QStringList texts;
        for (int c = 0; c < w.grid().model()->columnCount(); ++c)
            texts << w.grid().model()->index(row, c).data().toString();
        return texts;
    };
    const QStringList counted = {"2", "1", "2", "3", "1", "1", "2026-12-10 14:00"};
    {
        TFrmDataStat window(dm, kClock, dialogs);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("数据统计"));
        EXPECT_EQ(window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->date(), QDate(2026, 12, 10));
        EXPECT_EQ(window.findChild<QDateEdit *>(QStringLiteral("dtEnd"))->date(), QDate(2026, 12, 10));
        EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("btStat"))->text(), QStringLiteral("统计&S)"));
        EXPECT_EQ(window.grid().model()->rowCount(), 0); // before the first run of the program run
        EXPECT_TRUE(window.chart().values().isEmpty());
        QStringList titles;
        for (int c = 0; c < window.grid().model()->columnCount(); ++c)
            titles << window.grid().model()->headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(titles, (QStringList{"未通知数量", "正在通知数量", "通知成功数量", "通知失败数量", "转人工数量",
                                       "转人工接听数量", "统计日期"}));

        window.findChild<QPushButton *>(QStringLiteral("btStat"))->click();
        ASSERT_EQ(window.grid().model()->rowCount(), 1);
        EXPECT_EQ(gridRow(window, 0), counted);
        EXPECT_EQ(window.chart().values(), (QList<qreal>{2, 1, 2, 3, 1, 1}));
        QStringList statuses;
        for (int s : {0, 1, 2, 3, 4, 5})
            statuses << QString::fromUtf8(std::string(StatusDescription(s)).c_str());
        EXPECT_EQ(window.chart().categories(), statuses);
        if (picture) {
            QApplication::processEvents();
            saveWindowPicture(window, picture);
        }
    }
    // A later window shows the last run's row without counting again.
    exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Status) VALUES ('13',0)"));
    TFrmDataStat window(dm, kClock, dialogs);
    ASSERT_EQ(window.grid().model()->rowCount(), 1);
    EXPECT_EQ(gridRow(window, 0), counted);
    EXPECT_EQ(window.chart().values(), (QList<qreal>{2, 1, 2, 3, 1, 1}));

    // The start after the end.
    window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->setDate(QDate(2026, 12, 11));
    window.btStatClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "提示");
    EXPECT_EQ(dialogs.shown[0].text, "起始时间不能大于终止时间!");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);

    // A run that cannot store its row says so; the last row stays.
    refuseRows(dm, QStringLiteral("t_statdata"), QStringLiteral("INSERT"), QStringLiteral("1=1"));
    window.findChild<QDateEdit *>(QStringLiteral("dtStart"))->setDate(QDate(2026, 12, 10));
    window.btStatClick();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Error);
    EXPECT_EQ(gridRow(window, 0), counted);
    EXPECT_EQ(count(dm, "t_statdata", "NoNotice=2"), 1);
}

void checkDataDeleteWindow(TDM &dm, const char *picture)
{
    for (const char *t : {"('1','2025-12-09 23:59:59')", "('2','2025-12-10 00:00:00')", "('3','2026-12-10 08:00:00')",
                          "('4','2026-12-10 23:59:59')", "('5','2026-12-11 00:00:00')"})
        exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,InsertDate) VALUES %1").arg(QLatin1String(t)));
    RecordingDialogs dialogs;
    TFrmDataDelete window(dm, kClock, dialogs);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("数据删除"));
    auto *start = window.findChild<QDateEdit *>(QStringLiteral("dtStart"));
    auto *end = window.findChild<QDateEdit *>(QStringLiteral("dtEnd"));
    EXPECT_EQ(start->date(), QDate(2025, 12, 10)); // twelve months back
    EXPECT_EQ(end->date(), QDate(2026, 12, 10));
    if (picture)
        saveWindowPicture(window, picture);

    // Nothing on the days: the message after the first question, without the second; the window stays.
    start->setDate(QDate(2026, 12, 12));
    end->setDate(QDate(2026, 12, 12));
    dialogs.answers = {DialogAnswer::Yes};
    window.findChild<QPushButton *>(QStringLiteral("btDelete"))->click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "数据一旦删除将无法恢复，确实要删除2026-12-12至2026-12-12之间的数据吗？");
    EXPECT_EQ(dialogs.shown[1].text, "没有可被删除的记录！");
    EXPECT_TRUE(window.isVisible());

    // The days shown, up to and including the end day's 23:59:59; then the window closes.
    start->setDate(QDate(2025, 12, 10));
    end->setDate(QDate(2026, 12, 10));
    dialogs.shown.clear();
    dialogs.answers = {DialogAnswer::Yes, DialogAnswer::Yes};
    window.findChild<QPushButton *>(QStringLiteral("btDelete"))->click();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].text, "共有:3条记录需要删除，确认？");
    EXPECT_EQ(dialogs.shown[2].text, "删除数据成功！");
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(count(dm, "AdNotice"), 2);
    EXPECT_EQ(count(dm, "AdNotice", "Telphone IN ('1','5')"), 2);
}

} // namespace server::testing
