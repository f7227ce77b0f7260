// The management window driven as an operator drives it: the query and its counts, the actions on the
// rows found with their questions and messages, the dialogs, the text export, and the import page.
#include "server/audio/EditorToolbar.h"
#include "server/audio/PromptEditor.h"
#include "server/audio/SoundFile.h"
#include "server/audio/tests/WavAudioIo.h"
#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"
#include "server/data/TaskImport.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/Clock.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/AdNoticeDialogs.h"
#include "server/ui/DBGridEhToExcel.h"
#include "server/ui/FrmAdNotice.h"
#include "server/ui/tests/WindowPicture.h"
#include "server/workbook/Workbook.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimer>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class AdNoticeWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.ProgramDir = dir.path();
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        const char *rows[] = {
            "('张三','13800000001',0,'2026-12-10 08:00:00','',NULL,'','')",
            "('李四','13800000002',3,'2026-12-01 10:00:00','2026-12-10 11:00:00',NULL,'','')",
            "('王五','13800000003',3,'2026-12-01 10:00:00','2026-12-10 11:30:00',NULL,'','')",
            "('赵六','13900000004',2,'2026-12-01 10:00:00','2026-12-10 12:00:00',NULL,'','1')",
            "('钱七','13800000005',5,'2026-12-01 10:00:00','2026-12-10 12:30:00',7,'成交',';1;8')",
            "('孙八','13800000006',4,'2026-12-01 10:00:00','2026-12-10 13:00:00',NULL,'','8')",
        };
        for (const char *r : rows)
            exec(dm,
                 QStringLiteral("INSERT INTO AdNotice (Name,Telphone,Status,InsertDate,FactNotice,SlicCh,ClientType,"
                                "PressInfo) VALUES %1")
                     .arg(QString::fromUtf8(r)));
        window = std::make_unique<TFrmAdNotice>(dm, clock, dialogs);
        window->show();
        QApplication::processEvents();
    }

    template <class W> W *child(const char *name) { return window->findChild<W *>(QLatin1String(name)); }
    QString text(const char *label) { return child<QLabel>(label)->text(); }
    int gridRows() { return window->queryGrid().recordCount(); }
    QStringList gridNumbers()
    {
        QStringList numbers;
        for (int r = 0; r < gridRows(); ++r)
            numbers << window->queryGrid().fieldValue(r, QStringLiteral("Telphone")).toString();
        numbers.sort();
        return numbers;
    }
    void query(const char *status = "", const char *number = "")
    {
        child<QComboBox>("cbStatus")->setCurrentText(QString::fromUtf8(status));
        if (!*status)
            child<QComboBox>("cbStatus")->setCurrentIndex(-1);
        child<QLineEdit>("edTelphone")->setText(QString::fromUtf8(number));
        child<QPushButton>("btQuery")->click();
    }
    int tasks(const char *where = "1=1")
    {
        return scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ") + QString::fromUtf8(where)).toInt();
    }
    // Runs a modal dialog's action from inside its event loop.
    template <class D> void inDialog(const std::function<void(D &)> &act)
    {
        QTimer::singleShot(0, [act] {
            if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget()))
                act(*d);
        });
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
    ManualClock clock{common::DateTime{2026, 12, 10, 14, 0, 0, 0}};
    testing::RecordingDialogs dialogs;
    std::unique_ptr<TFrmAdNotice> window;
};

TEST_F(AdNoticeWindowTest, QueryCountsAndTheStartAfterTheEnd)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("语音外呼"));
    EXPECT_EQ(child<QDateEdit>("dtStart")->date(), QDate(2026, 12, 10));
    EXPECT_EQ(gridRows(), 0); // empty until the first query

    query();
    EXPECT_EQ(gridRows(), 6);
    EXPECT_EQ(text("lbRecordCount"), QStringLiteral("6"));
    EXPECT_EQ(text("lbToAgent"), QStringLiteral("转人工：1"));
    EXPECT_EQ(text("lbAgentAnswered"), QStringLiteral("转人工接听：1"));
    EXPECT_EQ(text("lbNotified"), QStringLiteral("通知成功：1"));
    EXPECT_EQ(text("lbFailed"), QStringLiteral("通知失败：2"));
    // The grid shows the status as its text, newest attempt first.
    EXPECT_EQ(window->queryGrid().model()->index(0, 4).data().toString(), QStringLiteral("转人工"));

    query("3-通知失败");
    EXPECT_EQ(gridNumbers(), (QStringList{"13800000002", "13800000003"}));
    EXPECT_TRUE(text("lbFailed").isEmpty()); // a status chosen empties the counts
    query("", "139");
    EXPECT_EQ(gridNumbers(), (QStringList{"13900000004"}));
    EXPECT_EQ(text("lbNotified"), QStringLiteral("通知成功：1"));

    child<QDateEdit>("dtStart")->setDate(QDate(2026, 12, 11));
    dialogs.shown.clear();
    query();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "起始时间不能大于终止时间!");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
}

TEST_F(AdNoticeWindowTest, ActionsApplyToTheQueryShown)
{
    // Nothing happens without rows.
    window->DeleteAllClick();
    EXPECT_TRUE(dialogs.shown.empty());

    query("3-通知失败");
    dialogs.answer = DialogAnswer::No;
    window->DeleteAllClick();
    EXPECT_EQ(tasks(), 6);
    dialogs.answer = DialogAnswer::Yes;
    window->PauseAllClick();
    EXPECT_EQ(tasks("Status=9"), 2);
    EXPECT_EQ(dialogs.shown.back().text, "修改记录成功！");
    // The condition of the query shown: the paused rows no longer match it.
    EXPECT_EQ(gridRows(), 0);

    query("9-暂停通知");
    window->RenotifyAllClick();
    EXPECT_EQ(dialogs.shown[dialogs.shown.size() - 2].text, "你所选择的记录需要重新通知吗？");
    EXPECT_EQ(tasks("Status=0 AND PlanNotice='2026-12-10 14:00:00' AND FactNotice=''"), 2);

    query("4-转人工");
    window->RenotifyCurrentClick();
    EXPECT_EQ(tasks("Status=4"), 0);
    query("5-转人工接听");
    window->DeleteCurrentClick();
    EXPECT_EQ(dialogs.shown.back().text, "确定删除当前记录吗？");
    EXPECT_EQ(tasks(), 5);
    query("2-通知成功");
    window->DeleteAllClick();
    EXPECT_EQ(dialogs.shown.back().text, "确定删除您所查询出来的全部记录吗？");
    EXPECT_EQ(tasks(), 4);
    EXPECT_FALSE(window->queryGrid().isOpen()); // empty until the next query
}

TEST_F(AdNoticeWindowTest, RemarkAndNumberDialogs)
{
    query("", "13900000004");
    inDialog<TFrmAddNotes>([](TFrmAddNotes &d) {
        d.findChild<QLineEdit *>(QStringLiteral("edRemark"))->setText(QStringLiteral("  晚上再打  "));
        d.btOkClick();
    });
    window->AddRemarkClick();
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT Remark FROM AdNotice WHERE Telphone='13900000004'")).toString(),
              QStringLiteral("晚上再打"));

    // An empty number is refused and the dialog stays; digits only are accepted.
    inDialog<TFrmModAdNotice>([this](TFrmModAdNotice &d) {
        auto *number = d.findChild<QLineEdit *>(QStringLiteral("edTelphone"));
        number->clear();
        d.btOkClick();
        EXPECT_EQ(dialogs.shown.back().text, "请输入电话号码！");
        EXPECT_TRUE(d.isVisible());
        number->setText(QStringLiteral("1390000000x"));
        EXPECT_FALSE(number->hasAcceptableInput() && number->text().endsWith(QLatin1Char('x')));
        number->setText(QStringLiteral(" 13911112222 "));
        d.btOkClick();
    });
    window->btModifyClick();
    EXPECT_EQ(tasks("Telphone='13911112222'"), 1);
}

TEST_F(AdNoticeWindowTest, TextExportWritesTheNumbersAlone)
{
    query();
    const QString file = QString::fromStdString(dir.path()) + QStringLiteral("/numbers.txt");
    window->setSaveFileChooser([&](const QString &, QString *chosen) {
        *chosen = QStringLiteral("Text File(*.txt)");
        return file;
    });
    window->btExportClick();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines,
              (QStringList{"13800000001", "13800000002", "13800000003", "13800000005", "13800000006", "13900000004"}));
    testing::saveWindowPicture(*window, "FrmAdNotice-query");
}

TEST_F(AdNoticeWindowTest, PlayRecordingOfATransferredCallInThePromptEditor)
{
    // The board records a call as an A-law WAV file; the row of the transferred call names it.
    const QString record = QString::fromStdString(dir.path()) + QStringLiteral("/Record/7-13800000005-801-123000.wav");
    QDir().mkpath(QFileInfo(record).path());
    QString error;
    ASSERT_TRUE(audio::writeSoundFile(record, audio::testing::testTone(8000, 1, 1.5),
                                      {SF_FORMAT_WAV | SF_FORMAT_ALAW, 0, 0}, error));
    exec(dm, QStringLiteral("UPDATE AdNotice SET RecordFile=' %1 ' WHERE Telphone='13800000005'").arg(record));
    auto *io = new audio::testing::WavAudioIo;
    audio::PromptEditor &editor = window->promptEditor();
    editor.setAudioIo(io);

    window->PlayRecordClick(); // no rows yet: nothing
    EXPECT_FALSE(io->playing);
    query();
    window->queryGrid().setCurrentIndex(window->queryGrid().model()->index(0, 0)); // 孙八: no recording
    window->PlayRecordClick();
    EXPECT_FALSE(io->playing);
    EXPECT_EQ(editor.flags(), audio::EditorFlags{});

    window->queryGrid().setCurrentIndex(window->queryGrid().model()->index(1, 0)); // 钱七
    window->PlayRecordClick();
    EXPECT_TRUE(io->playing);
    EXPECT_EQ(io->played.frames(), 12000u);
    EXPECT_EQ(editor.flags(), (audio::EditorFlags{.fileOpen = true, .playing = true}));
    EXPECT_TRUE(editor.action(audio::EditorButton::Stop)->isEnabled());
    EXPECT_TRUE(dialogs.shown.empty());
    editor.click(audio::EditorButton::Stop);
    EXPECT_FALSE(io->playing);
    EXPECT_EQ(editor.flags(), (audio::EditorFlags{.fileOpen = true}));
}

TEST_F(AdNoticeWindowTest, ImportPageTextFileBlacklistAndAddDialog)
{
    exec(dm, QStringLiteral("INSERT INTO c_blacklist (Telephone) VALUES ('13700000002')"));
    const QString file = QString::fromStdString(dir.path()) + QStringLiteral("/numbers.txt");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("号码\r\n13700000001\r\n13700000002\r\n 13700000003 \r\n");
    f.close();
    window->setOpenFileChooser([&](const QString &, QString *) { return file; });
    child<QTabWidget>("PageControl")->setCurrentIndex(1);
    child<QPushButton>("btImport")->click();
    EXPECT_EQ(tasks("Telphone IN ('13700000001','13700000003') AND Status=0"), 2);
    EXPECT_EQ(tasks("Telphone='13700000002'"), 0);
    EXPECT_EQ(text("ImportPanel0"), QStringLiteral("记录导入成功"));
    EXPECT_EQ(window->importGrid().recordCount(), 3); // every task that waits

    // A .TXT is not read: nothing comes in, and the page still says it is done.
    const QString upper = QString::fromStdString(dir.path()) + QStringLiteral("/more.TXT");
    QFile::copy(file, upper);
    window->setOpenFileChooser([&](const QString &, QString *) { return upper; });
    child<QPushButton>("btImport")->click();
    EXPECT_EQ(tasks(), 8);
    EXPECT_EQ(text("ImportPanel0"), QStringLiteral("记录导入成功"));

    // The add dialog: the number is required; the blacklist is not consulted.
    inDialog<TFrmAddAdNotice>([this](TFrmAddAdNotice &d) {
        d.btOkClick();
        EXPECT_EQ(dialogs.shown.back().text, "电话号码是必须输入的！");
        d.findChild<QLineEdit *>(QStringLiteral("edTelphone"))->setText(QStringLiteral("13700000002"));
        d.findChild<QLineEdit *>(QStringLiteral("edName"))->setText(QStringLiteral("周九"));
        d.btOkClick();
    });
    child<QPushButton>("btAdd")->click();
    EXPECT_EQ(scalar(dm, QStringLiteral("SELECT PlanNotice||'|'||InsertDate||'|'||Name FROM AdNotice WHERE "
                                        "Telphone='13700000002'"))
                  .toString(),
              QStringLiteral("2026-12-10 14:00:00|2026-12-10 14:00:00|周九"));
    EXPECT_EQ(window->importGrid().recordCount(), 4);
    testing::saveWindowPicture(*window, "FrmAdNotice-import");
}

// Workbooks written by LibreOffice, with numbers stored as numbers: the title row is a task, and the
// blank fourth row ends the import.
TEST_F(AdNoticeWindowTest, ImportsWorkbooksThatLibreOfficeWrote)
{
    for (const char *name : {"people.xls", "people.xlsx"}) {
        SCOPED_TRACE(name);
        exec(dm, QStringLiteral("DELETE FROM AdNotice"));
        const QString file = QStringLiteral(VN_SOURCE_DIR_PATH "/server/workbook/tests/data/") + QLatin1String(name);
        window->setOpenFileChooser([&](const QString &, QString *) { return file; });
        child<QTabWidget>("PageControl")->setCurrentIndex(1);
        child<QPushButton>("btImport")->click();
        EXPECT_EQ(text("ImportPanel0"), QStringLiteral("记录导入成功"));
        QStringList tasks;
        QSqlQuery q(dm.DBConnection());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT Telphone||'|'||Name||'|'||CompanyName||'|'||HomeAddr FROM AdNotice "
                                          "ORDER BY id")));
        while (q.next())
            tasks << q.value(0).toString();
        EXPECT_EQ(tasks, (QStringList{"电话|姓名|金额|日期", "13800000000|张三|12.5|2024-03-05",
                                      "8613912345678|李四|-3|1999-12-31"}));
        EXPECT_EQ(window->importGrid().recordCount(), 3);
    }
}

// A workbook longer than an import reads: rows after the 50,000th stay out. All rows but the last two
// that are read hold a blacklisted number, so that the rows are read without 50,000 commits.
TEST_F(AdNoticeWindowTest, AWorkbookImportReadsAtMostFiftyThousandRows)
{
    exec(dm, QStringLiteral("DELETE FROM AdNotice"));
    exec(dm, QStringLiteral("INSERT INTO c_blacklist (Telephone) VALUES ('13700000000')"));
    workbook::Workbook book;
    workbook::Sheet &sheet = book.addSheet();
    for (int row = 1; row <= kMaxWorkbookRows + 10; ++row)
        sheet.setText(row, 1, row < kMaxWorkbookRows - 1 ? std::string("13700000000") : "1380000" + std::to_string(row));
    const QString file = QString::fromStdString(dir.path()) + QStringLiteral("/many.xlsx");
    QString error;
    ASSERT_TRUE(book.save(file, &error)) << error.toStdString();
    window->setOpenFileChooser([&](const QString &, QString *) { return file; });
    child<QTabWidget>("PageControl")->setCurrentIndex(1);
    child<QPushButton>("btImport")->click();
    EXPECT_EQ(text("ImportPanel0"), QStringLiteral("记录导入成功"));
    EXPECT_EQ(tasks(), 2);
    EXPECT_EQ(tasks("Telphone IN ('138000049999','138000050000')"), 2);
}

} // namespace
} // namespace server
