// The parameter dialog driven as an operator drives it: its pages and their pictures, "启用参数" ticked
// and not, the polarity drop-down, the digits fields, the SMS text, OK twice with logging on, a wrong
// number, unchanged saves, and the main window's commands that open it.
#include "common/Gbk.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/Clock.h"
#include "server/engine/Service.h"
#include "server/engine/tests/RecordingDisplay.h"
#include "server/engine/tests/UntouchedBoard.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/ui/FormParmSet.h"
#include "server/ui/FrmServer.h"
#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace server {
namespace {

constexpr const char *kSetup = "; 自动语音通知系统\r\n"
                               "[CardParm]\r\n"
                               "Card1Use=111111111111\r\n"
                               "ChPolarity=0100\r\n"
                               "[Other]\r\n"
                               "Interval=15\r\n"
                               "VocDBSpeed=60\r\n"
                               "TranSlicFlag=2\r\n"
                               "HangupDelay=1500\r\n"
                               "WriteLogFlag=0\r\n"
                               "Language=普通话\r\n"
                               "SMSContent=您好\r\n"
                               "Unknown=kept\r\n"
                               "[Database]\r\n"
                               "ServerName=db.local\r\n"
                               "Password=secret\r\n"
                               "[FaxLocalID]\r\n"
                               "Ch1ID=8001\r\n"
                               "PrefixNum2=9\r\n";

class ParmSetDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeSetup(kSetup);
        open();
    }

    void writeSetup(const std::string &utf8) const
    {
        std::ofstream(dir.path() + "/Setup.ini", std::ios::binary) << common::utf8ToGbk(utf8);
    }
    std::string setupBytes() const
    {
        std::ifstream in(dir.path() + "/Setup.ini", std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    bool setupHas(const std::string &utf8Line) const
    {
        return common::gbkToUtf8(setupBytes()).find(utf8Line + "\r\n") != std::string::npos;
    }
    /// A new dialog, shown as the main window shows it.
    void open()
    {
        dialog = std::make_unique<TFormParmSet>(service);
        ASSERT_TRUE(dialog->FormShow());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
    }
    template <class W> W *child(const char *name) const { return dialog->findChild<W *>(QLatin1String(name)); }
    QTableWidget *grid() const { return child<QTableWidget>("StringGridPara"); }
    QComboBox *polarity() const { return child<QComboBox>("ComboBoxPolarity"); }
    void ok()
    {
        dialogs.shown.clear();
        child<QPushButton>("btOk")->click();
        QApplication::processEvents();
    }
    std::string messages() const
    {
        std::string all;
        for (const auto &d : dialogs.shown)
            all += d.caption + ": " + d.text + "\n";
        return all;
    }
    void type(QWidget *target, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &down);
            QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &up);
        }
    }
    void focusAway() { child<QCheckBox>("CheckBox1")->setFocus(); QApplication::processEvents(); }

    testing::TempProgramDir dir;
    testing::UntouchedBoard board;
    testing::RecordingDisplay display;
    ManualClock clock{common::DateTime{2026, 12, 10, 14, 0, 0, 0}};
    testing::RecordingDialogs dialogs;
    Service service{dir.path(), board, display, clock, dialogs};
    std::unique_ptr<TFormParmSet> dialog;
};

TEST_F(ParmSetDialogTest, SixReadablePagesShowTheFile)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("参数设置"));
    const QSize screen = dialog->screen()->availableGeometry().size();
    EXPECT_LE(dialog->width(), screen.width());
    EXPECT_LE(dialog->height(), screen.height());
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()); // a fixed size

    auto *pages = child<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 6);
    const char *pictures[] = {"FormParmSet1Lines", "FormParmSet2Database", "FormParmSet3Control",
                              "FormParmSet4Times",  "FormParmSet5Voice",    "FormParmSet6Sms"};
    for (int p = 0; p < pages->count(); ++p) {
        pages->setCurrentIndex(p);
        QApplication::processEvents();
        testing::saveWindowPicture(*dialog, pictures[p]);
        // Every text of the page whole and inside the window.
        for (QWidget *w : pages->widget(p)->findChildren<QWidget *>()) {
            if (!w->isVisible() || qobject_cast<QComboBox *>(w->parentWidget()))
                continue;
            const QRect inDialog(w->mapTo(dialog.get(), QPoint(0, 0)), w->size());
            EXPECT_TRUE(dialog->rect().contains(inDialog)) << w->objectName().toStdString() << " page " << p;
            const bool showsText =
                qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w);
            if (showsText) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString() << " page " << p;
            }
        }
    }

    // The controls show the file.
    EXPECT_EQ(grid()->horizontalHeaderItem(3)->text(), QStringLiteral("极性反转"));
    EXPECT_EQ(grid()->item(0, 0)->text(), QStringLiteral("通道1"));
    EXPECT_EQ(grid()->item(0, 1)->text(), QStringLiteral("8001"));
    EXPECT_EQ(grid()->item(1, 2)->text(), QStringLiteral("9"));
    EXPECT_EQ(grid()->item(0, 3)->text(), QStringLiteral("无"));
    EXPECT_EQ(grid()->item(1, 3)->text(), QStringLiteral("有"));
    EXPECT_FALSE(polarity()->isVisible());
    EXPECT_EQ(child<QSpinBox>("SpinEdit3")->value(), 15);
    EXPECT_EQ(child<QLineEdit>("Edit6")->text(), QStringLiteral("60"));
    EXPECT_EQ(child<QComboBox>("ComboBox7")->currentText(), QStringLiteral("接通转"));
    EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), QStringLiteral("关闭"));
    EXPECT_EQ(child<QComboBox>("cb_language")->currentText(), QStringLiteral("普通话"));
    EXPECT_EQ(child<QComboBox>("ComboBoxDBType")->currentText(), QStringLiteral("Access"));
    EXPECT_EQ(child<QLineEdit>("EditPassword")->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(child<QComboBox>("ComboBox4")->isEnabled());
    EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("您好"));
    EXPECT_TRUE(child<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("cbsaturday")->isChecked());
}

TEST_F(ParmSetDialogTest, EnableDecidesWhetherTheRunningServiceTakesTheValues)
{
    for (const bool enable : {false, true}) {
        writeSetup(kSetup);
        open();
        child<QCheckBox>("CheckBox1")->setChecked(enable);
        child<QSpinBox>("SpinEdit3")->setValue(20);
        child<QLineEdit>("Edit24")->setText(QStringLiteral("900"));
        child<QLineEdit>("EditServerName")->setText(QStringLiteral("other.db"));
        ok();
        EXPECT_EQ(messages(), "提示: 参数配置成功！\n");
        EXPECT_TRUE(setupHas("Interval=20"));
        EXPECT_TRUE(setupHas("HangupDelay=900"));
        EXPECT_TRUE(setupHas("ServerName=other.db"));
        EXPECT_EQ(service.settings().Interval, enable ? 20 : 15) << enable;
        EXPECT_EQ(service.settings().HangupDelay, 900) << enable; // applied at once
        EXPECT_EQ(service.settings().ServerName, "db.local") << enable; // at the next start only
        EXPECT_TRUE(dialog->isVisible()); // OK keeps the dialog open
    }
}

TEST_F(ParmSetDialogTest, PolarityCellsAreChosenFromTheirDropDown)
{
    // Each cell opens the drop-down over itself with its own item chosen.
    grid()->item(2, 3)->setText(QString());
    const struct
    {
        int row;
        int item;
    } cells[] = {{0, 0}, {1, 1}, {2, -1}};
    for (const auto &c : cells) {
        grid()->setCurrentCell(c.row, 3);
        QApplication::processEvents();
        ASSERT_TRUE(polarity()->isVisible()) << c.row;
        const QRect cell = grid()->visualItemRect(grid()->item(c.row, 3));
        EXPECT_EQ(polarity()->geometry().topLeft(), cell.topLeft());
        EXPECT_EQ(polarity()->width(), cell.width());
        EXPECT_EQ(polarity()->currentIndex(), c.item) << c.row;
        polarity()->hidePopup();
    }
    // Leaving it writes the item chosen into its cell.
    polarity()->setCurrentIndex(1);
    focusAway();
    EXPECT_FALSE(polarity()->isVisible());
    EXPECT_EQ(grid()->item(2, 3)->text(), QStringLiteral("有"));
    // Another page hides it, keeping its choice.
    grid()->setCurrentCell(1, 3);
    polarity()->hidePopup();
    polarity()->setCurrentIndex(0);
    child<QTabWidget>("PageControl1")->setCurrentIndex(2);
    EXPECT_FALSE(polarity()->isVisible());
    EXPECT_EQ(grid()->item(1, 3)->text(), QStringLiteral("无"));
    // OK while it is open takes what it shows; any text but "有" is saved as no reversal.
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    grid()->item(4, 3)->setText(QStringLiteral("有 "));
    grid()->setCurrentCell(3, 3);
    polarity()->hidePopup();
    polarity()->setCurrentIndex(1);
    ok();
    EXPECT_TRUE(setupHas("ChPolarity=001100000000000000000000000000000000000000000000")) << messages();
    EXPECT_EQ(service.engine().tables().Polarity[2], 1);
    EXPECT_EQ(service.engine().tables().Polarity[1], 0);
}

TEST_F(ParmSetDialogTest, DigitsFieldsRefuseLettersTypedOrPasted)
{
    auto *speed = child<QLineEdit>("Edit6");
    speed->clear();
    speed->setFocus();
    type(speed, QStringLiteral("1a2-b３"));
    EXPECT_EQ(speed->text(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("3x"));
    speed->paste();
    EXPECT_EQ(speed->text(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("34"));
    speed->paste();
    EXPECT_EQ(speed->text(), QStringLiteral("1234"));
    ok();
    EXPECT_TRUE(setupHas("VocDBSpeed=1234")) << messages();
    EXPECT_EQ(service.settings().VocDBSpeed, 1234);

    // The transfer time is not filtered: what is pasted there is checked when saved.
    auto *transfer = child<QLineEdit>("Edit21");
    transfer->setText(QString());
    QApplication::clipboard()->setText(QStringLiteral("3O0"));
    transfer->paste();
    EXPECT_EQ(transfer->text(), QStringLiteral("3O0"));
}

TEST_F(ParmSetDialogTest, AWrongNumberIsNamedAndFocusedAndNothingIsWritten)
{
    const struct
    {
        const char *control;
        const char *text;
        int page;
        const char *message;
    } cases[] = {
        {"Edit21", "3O0", 2, "错误: “语音播放转人工”不是有效的整数！\n"},
        {"Edit10", "", 2, "错误: “摘机无声开始放音时间”不是有效的整数！\n"},
        {"Edit17", "99999999999", 2, "错误: “座席无人接听时间”必须在-2147483648到2147483647之间！\n"},
    };
    const std::string before = setupBytes();
    for (const auto &c : cases) {
        open();
        child<QSpinBox>("SpinEdit3")->setValue(30);
        grid()->item(5, 1)->setText(QStringLiteral("8006"));
        child<QLineEdit>(c.control)->setText(QString::fromUtf8(c.text));
        child<QTabWidget>("PageControl1")->setCurrentIndex(5);
        ok();
        EXPECT_EQ(messages(), c.message);
        EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), c.page);
        EXPECT_EQ(QApplication::focusWidget(), child<QLineEdit>(c.control)) << c.control;
        EXPECT_EQ(setupBytes(), before) << c.control;
        EXPECT_EQ(service.settings().Interval, 15);
    }
}

TEST_F(ParmSetDialogTest, AThreeLineSmsTextIsStoredAsOneLine)
{
    auto *memo = child<QPlainTextEdit>("Memo1");
    memo->clear();
    memo->setFocus();
    type(memo, QStringLiteral("尊敬的客户"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(memo, &enter);
    type(memo, QStringLiteral("请于本月底前缴费"));
    QApplication::sendEvent(memo, &enter);
    type(memo, QStringLiteral("谢谢 "));
    EXPECT_EQ(memo->document()->blockCount(), 3);
    child<QCheckBox>("CheckBox2")->setChecked(true);
    ok();
    EXPECT_TRUE(setupHas("SMSContent=尊敬的客户请于本月底前缴费谢谢")) << messages();
    EXPECT_TRUE(setupHas("SendSMSFlag=1"));
    open();
    EXPECT_EQ(child<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("尊敬的客户请于本月底前缴费谢谢"));
}

TEST_F(ParmSetDialogTest, OkTwiceWithLoggingOnStartsOneLogFile)
{
    child<QComboBox>("ComboBox3")->setCurrentText(QStringLiteral("开通"));
    ok();
    EXPECT_EQ(messages(), "提示: 参数配置成功！\n");
    clock.advance(90'000); // the next OK falls in another minute
    ok();
    EXPECT_EQ(messages(), "提示: 参数配置成功！\n");
    const QStringList logs = QDir(QString::fromStdString(dir.path() + "/Log")).entryList(QDir::Files);
    EXPECT_EQ(logs, QStringList{QStringLiteral("202612101400Log.txt")});
    EXPECT_EQ(service.settings().WriteLogFlag, 1);
    EXPECT_EQ(service.settings().LogFileOpen, 1);
    service.engine().files().WriteLog(" 通道0 摘机");
    QFile log(QString::fromStdString(dir.path() + "/Log/") + logs.value(0));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(common::gbkToUtf8(log.readAll().toStdString()).ends_with(" 通道0 摘机\r\n"));
}

TEST_F(ParmSetDialogTest, SavedValuesComeBackAndUnchangedOnesLeaveTheFileAsItWas)
{
    const std::string before = setupBytes();
    ok();
    EXPECT_EQ(messages(), "提示: 参数配置成功！\n");
    EXPECT_EQ(setupBytes(), before);

    child<QComboBox>("ComboBox7")->setCurrentText(QStringLiteral("放音转"));
    child<QComboBox>("cb_language")->setCurrentText(QStringLiteral("广东话"));
    child<QLineEdit>("Edit1")->setText(QStringLiteral("08:00"));
    child<QCheckBox>("cbsunday")->setChecked(false);
    // A cell still being edited counts.
    grid()->setCurrentCell(27, 1);
    grid()->editItem(grid()->item(27, 1));
    auto *cellEditor = qobject_cast<QLineEdit *>(grid()->indexWidget(grid()->currentIndex()));
    ASSERT_NE(cellEditor, nullptr);
    cellEditor->setText(QStringLiteral("8028"));
    child<QLineEdit>("Edit13")->setText(QStringLiteral("*"));
    bool asked = false;
    dialog->setOpenFileChooser([&asked](const QString &filters) {
        asked = filters.contains(QStringLiteral("*.voc"));
        return QStringLiteral("/srv/语音/通知.voc");
    });
    child<QToolButton>("SpeedButton1")->click();
    EXPECT_TRUE(asked);
    EXPECT_EQ(child<QLineEdit>("Edit15")->text(), QStringLiteral("/srv/语音/通知.voc"));
    ok();
    const ParmSetForm saved = dialog->form();
    EXPECT_TRUE(setupHas("Ch28ID=8028"));
    EXPECT_TRUE(setupHas("Unknown=kept"));
    open();
    EXPECT_EQ(dialog->form().values, saved.values);
    for (int row = 0; row < kMaxChannels; ++row) {
        EXPECT_EQ(dialog->form().rows[row].stationId, saved.rows[row].stationId);
        EXPECT_EQ(dialog->form().rows[row].polarity, saved.rows[row].polarity);
    }

    // Closing writes nothing.
    const std::string saved2 = setupBytes();
    child<QSpinBox>("SpinEdit3")->setValue(40);
    child<QPushButton>("btClose")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(setupBytes(), saved2);
}

TEST_F(ParmSetDialogTest, AMissingFileKeepsTheDialogClosedAndTheServiceRunning)
{
    std::filesystem::remove(dir.path() + "/Setup.ini");
    dialogs.shown.clear();
    TFormParmSet other(service);
    EXPECT_FALSE(other.FormShow());
    EXPECT_EQ(messages(), "提示: 配置文件Setup.ini不存在！\n错误: 初始化Setup.ini配置文件错误！\n");

    // The file gone while the dialog is open: OK says so and writes nothing.
    ok();
    EXPECT_EQ(messages(), "提示: 配置文件Setup.ini不存在！\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/Setup.ini"));
}

TEST_F(ParmSetDialogTest, TheMainWindowsCommandsOpenItAtItsPlace)
{
    TFrmServer window(QString::fromStdString(dir.path()), board, clock, dialogs);
    const auto openedBy = [&window](const std::function<void()> &command) {
        QString title;
        QPoint place;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                title = modal->windowTitle();
                place = modal->pos();
                modal->close();
            }
        });
        command();
        return std::make_pair(title, place);
    };
    const auto expected = std::make_pair(QStringLiteral("参数设置"), QPoint(200, 200));
    EXPECT_EQ(openedBy([&] { window.findChild<QPushButton *>(QStringLiteral("Button1"))->click(); }), expected);
    for (const char *name : {"menuParaSet", "ToolButton5"}) {
        QAction *action = window.findChild<QAction *>(QLatin1String(name));
        ASSERT_TRUE(action && action->isEnabled()) << name;
        EXPECT_EQ(openedBy([action] { action->trigger(); }), expected) << name;
    }
}

} // namespace
} // namespace server
