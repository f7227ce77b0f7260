// The start-up sequence where it stops before the board, pause and resume, the exit confirmation, the
// command line and the second start.
#include "server/app/CommandLine.h"
#include "server/ui/FrmServer.h"
#include "server/data/SchemaScript.h"
#include "server/app/SingleInstance.h"
#include "server/data/TDM.h"
#include "server/engine/Clock.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/tests/UntouchedBoard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace server {
namespace {

class StartUpFailureTest : public ::testing::Test
{
protected:
    QString dirPath() const { return QString::fromStdString(dir.path()); }

    void writeSetup(const QByteArray &text)
    {
        QFile f(dir.file("Setup.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }

    std::unique_ptr<TFrmServer> makeWindow()
    {
        return std::make_unique<TFrmServer>(dirPath(), board, clock, dialogs);
    }

    QString panel(TFrmServer &w, int i)
    {
        return w.findChild<QLabel *>(QStringLiteral("SysStatusPanel%1").arg(i))->text();
    }

    testing::TempProgramDir dir;
    testing::UntouchedBoard board;
    ManualClock clock{common::DateTime{2026, 12, 9, 10, 0, 0, 0}};
    testing::RecordingDialogs dialogs;
};

TEST_F(StartUpFailureTest, MissingSettingsStopsEverything)
{
    auto w = makeWindow();
    EXPECT_FALSE(w->FormShow());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "配置文件Setup.ini不存在！");
    EXPECT_EQ(dialogs.shown[1].caption, "");
    EXPECT_EQ(dialogs.shown[1].text, "读配置文件失败!");
    EXPECT_EQ(board.calls, 0);
    EXPECT_FALSE(w->serviceRunning());
    EXPECT_TRUE(QDir(dir.file("Log")).exists()); // the folders are made first
    EXPECT_TRUE(QDir(dir.file("TalkInfo")).exists());
    EXPECT_TRUE(QDir(dir.file("Temp")).exists());
    EXPECT_TRUE(QDir(dir.file("Record")).exists());
    EXPECT_TRUE(QDir(dir.file("TalkInfo")).isEmpty());
}

TEST_F(StartUpFailureTest, MissingDatabaseStopsBeforeTheBoard)
{
    writeSetup("[Other]\r\nTitle=\xd7\xd4\xb6\xaf\r\n"); // "自动" in GBK
    auto w = makeWindow();
    EXPECT_FALSE(w->FormShow());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("自动"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("BillDB.mdb文件严重损坏，请用Access工具进行修复！"))
        << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[0].text; // the file named beside it
    EXPECT_TRUE(dialogs.shown[1].text.starts_with("连接数据库失败，请与系统管理员联系！")) << dialogs.shown[1].text;
    EXPECT_NE(dialogs.shown[1].text.find("BillDB.db"), std::string::npos)
        << dialogs.shown[1].text; // the file named beside it
    EXPECT_EQ(board.calls, 0);
    EXPECT_FALSE(w->serviceRunning());
    EXPECT_TRUE(QDir(dir.file("TalkInfo")).isEmpty());
}

TEST_F(StartUpFailureTest, DriverFailureLeavesTheWindowWithoutServiceAndTheEmptyTalkFileIsDeleted)
{
    writeSetup("");
    ASSERT_TRUE(createEmbeddedDatabase(dir.file("BillDB.db")));
    auto w = makeWindow();
    EXPECT_FALSE(w->FormShow());
    // No voice database: the message, and the start-up goes on to the board.
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, "提示");
    EXPECT_TRUE(dialogs.shown[0].text.starts_with("语音合成库安装失败！")) << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find("VoiceDB.dat"), std::string::npos)
        << dialogs.shown[0].text; // the file named beside it
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(dialogs.shown[1].caption, "提示");
    EXPECT_EQ(dialogs.shown[1].text, "not a board");
    EXPECT_FALSE(w->serviceRunning());
    // The talk-record file is made whatever the board did, and deleted at exit when it stayed empty.
    const QStringList talk = QDir(dir.file("TalkInfo")).entryList(QDir::Files);
    ASSERT_EQ(talk, QStringList{QStringLiteral("20261209100000.txt")});

    dialogs.answer = DialogAnswer::No;
    EXPECT_FALSE(w->close());
    EXPECT_EQ(dialogs.shown.back().text, "是否真的退出自动语音通知系统？");
    EXPECT_EQ(dialogs.shown.back().caption, "系统提示");
    EXPECT_TRUE(QFile::exists(dir.file("TalkInfo/20261209100000.txt")));
    dialogs.answer = DialogAnswer::Yes;
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(QFile::exists(dir.file("TalkInfo/20261209100000.txt")));
}

TEST_F(StartUpFailureTest, PauseAndResumeWithoutABoardStartOnlyTheDispatcher)
{
    auto w = makeWindow();
    auto *start = w->findChild<QAction *>(QStringLiteral("tbStartServer"));
    auto *stop = w->findChild<QAction *>(QStringLiteral("tbStopServer"));
    auto *statusTimer = w->findChild<QTimer *>(QStringLiteral("StatusTimer"));
    ASSERT_TRUE(start && stop && statusTimer);
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    w->tbStartServerClick();
    EXPECT_TRUE(w->serviceRunning());
    EXPECT_FALSE(statusTimer->isActive());
    EXPECT_EQ(panel(*w, 0), QStringLiteral("语音服务已经启动"));
    EXPECT_FALSE(start->isEnabled());
    EXPECT_TRUE(stop->isEnabled());
    w->tbStopServerClick();
    EXPECT_FALSE(w->serviceRunning());
    EXPECT_EQ(panel(*w, 0), QStringLiteral("语音服务已经暂停"));
    EXPECT_TRUE(start->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
}

TEST_F(StartUpFailureTest, CommandsOpenTheirWindowsInTheirPlaces)
{
    auto w = makeWindow();
    const struct
    {
        const char *control;
        const char *title;
        QPoint place;
    } cases[] = {
        {"Button2", "数据统计", {131, 102}},       {"ToolButton3", "数据统计", {131, 102}},
        {"btDataDelete", "数据删除", {327, 235}},  {"MenuDataDelete", "数据删除", {327, 235}},
        {"tbDataDelete", "数据删除", {327, 235}},  {"Button3", "黑名单设置", {131, 102}},
    };
    for (const auto &c : cases) {
        QString title;
        QPoint place;
        QTimer::singleShot(0, [&] {
            if (QWidget *window = QApplication::activeModalWidget()) {
                title = window->windowTitle();
                place = window->pos();
                window->close();
            }
        });
        if (auto *action = w->findChild<QAction *>(QLatin1String(c.control))) {
            EXPECT_TRUE(action->isEnabled()) << c.control;
            action->trigger();
        } else {
            auto *button = w->findChild<QPushButton *>(QLatin1String(c.control));
            ASSERT_NE(button, nullptr) << c.control;
            EXPECT_TRUE(button->isEnabled()) << c.control;
            button->click();
        }
        EXPECT_EQ(title.toStdString(), c.title) << c.control;
        EXPECT_EQ(place, c.place) << c.control;
    }
}

TEST(CommandLineTest, Arguments)
{
    QString error;
    auto cl = parseCommandLine({QStringLiteral("--dir"), QStringLiteral("/srv/notice"), QStringLiteral("--headless")},
                               &error);
    ASSERT_TRUE(cl);
    EXPECT_EQ(cl->programDir, QStringLiteral("/srv/notice"));
    EXPECT_TRUE(cl->headless);
    EXPECT_TRUE(parseCommandLine({}, &error)->programDir.isEmpty());
    EXPECT_EQ(parseCommandLine({QStringLiteral("--init"), QStringLiteral("d")}, &error)->initDir, QStringLiteral("d"));
    const auto live = parseCommandLine({QStringLiteral("--init"), QStringLiteral("d"), QStringLiteral("--demo"),
                                        QStringLiteral("--live")},
                                       &error);
    ASSERT_TRUE(live);
    EXPECT_TRUE(live->demo && live->live);
    const auto report = parseCommandLine({QStringLiteral("--report"), QStringLiteral("--from"), QStringLiteral("2026-12-01"),
                                          QStringLiteral("--to"), QStringLiteral("2026-12-01")},
                                         &error);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->reportFrom, QStringLiteral("2026-12-01"));
    EXPECT_EQ(report->reportTo, QStringLiteral("2026-12-01"));
    // --run-for closes a headless run after real seconds (SIP lines run in real time).
    const auto timed = parseCommandLine({QStringLiteral("--headless"), QStringLiteral("--run-for"), QStringLiteral("30")},
                                        &error);
    ASSERT_TRUE(timed);
    EXPECT_EQ(timed->runForSeconds, 30u);
    for (const QStringList &bad : {QStringList{QStringLiteral("--dir")}, QStringList{QStringLiteral("--bogus")},
                                   QStringList{QStringLiteral("--init"), QString()},
                                   QStringList{QStringLiteral("--init"), QStringLiteral("d"), QStringLiteral("--live")},
                                   QStringList{QStringLiteral("--run-for"), QStringLiteral("30")},
                                   QStringList{QStringLiteral("--headless"), QStringLiteral("--start-time"),
                                               QStringLiteral("2026-12-01 10:00:00")},
                                   QStringList{QStringLiteral("--from"), QStringLiteral("2026-12-01")},
                                   QStringList{QStringLiteral("--report"), QStringLiteral("--from"), QStringLiteral("2026-12-1")},
                                   QStringList{QStringLiteral("--report"), QStringLiteral("--to"), QStringLiteral("2026-02-30")},
                                   QStringList{QStringLiteral("--report"), QStringLiteral("--to"), QStringLiteral("2026-12-01 10:00")},
                                   QStringList{QStringLiteral("--report"), QStringLiteral("--from"), QStringLiteral("2026-12-02"),
                                               QStringLiteral("--to"), QStringLiteral("2026-12-01")}}) {
        EXPECT_FALSE(parseCommandLine(bad, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SingleInstanceTest, SecondStartActivatesTheFirst)
{
    testing::TempProgramDir dir, other;
    SingleInstance first(QString::fromStdString(dir.path()));
    ASSERT_TRUE(first.claim());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    SingleInstance second(QString::fromStdString(dir.path()));
    EXPECT_FALSE(second.claim());
    QElapsedTimer t;
    t.start();
    while (activations == 0 && t.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(activations, 1);

    // Another installation runs a copy of its own.
    SingleInstance elsewhere(QString::fromStdString(other.path()));
    EXPECT_TRUE(elsewhere.claim());
}

} // namespace
} // namespace server

#include "server/install/DemoInstallation.h"
#include "server/install/InitInstallation.h"
#include "common/Gbk.h"
#include "common/ProfileFile.h"

namespace server {
namespace {

TEST(InitInstallationTest, MakesAReadyDirectoryAndRefusesToOverwriteOne)
{
    testing::TempProgramDir parent;
    const QString dir = parent.file("notice");
    QString error;
    ASSERT_TRUE(initInstallation(dir, &error)) << error.toStdString();
    for (const char *folder : {"Log", "TalkInfo", "Temp", "Record", "Voice/pth"})
        EXPECT_TRUE(QDir(dir + QLatin1Char('/') + QLatin1String(folder)).exists()) << folder;

    // Setup.ini holds every key at its default: a load finds them in the file, not in the defaults.
    const common::ProfileFile setup((dir + QStringLiteral("/Setup.ini")).toStdString());
    EXPECT_EQ(setup.value("Other", "Interval"), "10");
    EXPECT_EQ(setup.value("Other", "TeleAddSpecChar"), "#");
    EXPECT_EQ(setup.value("Other", "Language"), common::utf8ToGbk("普通话"));
    EXPECT_EQ(setup.value("CardParm", "Card1Use"), "11111111" + std::string(40, '0'));
    EXPECT_EQ(setup.value("FaxLocalID", "Ch48ID"), "");

    Settings settings;
    settings.DBType = 0;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings, &error)) << error.toStdString();
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt(), 0);

    const QByteArray before = [&] {
        QFile f(dir + QStringLiteral("/Setup.ini"));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_FALSE(initInstallation(dir, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("refused")));
    QFile f(dir + QStringLiteral("/Setup.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST(InitInstallationTest, LiveDemoCallsAllDayAndLeavesTheSecondAgentToAPerson)
{
    testing::TempProgramDir parent;
    const QString dir = parent.file("live");
    QString error;
    ASSERT_TRUE(initInstallation(dir, &error)) << error.toStdString();
    ASSERT_TRUE(makeDemo(dir, &error, {true})) << error.toStdString();
    const common::ProfileFile sim((dir + QStringLiteral("/KtSim.ini")).toStdString());
    EXPECT_EQ(sim.value("Simulator", "ControlSocket"), (dir + QStringLiteral("/ktsim.sock")).toStdString());
    EXPECT_EQ(sim.value("Simulator", "TimeMode"), "real");
    EXPECT_NE(sim.value("Stations", "6").value_or("").find("answer:"), std::string::npos);
    EXPECT_EQ(sim.value("Stations", "7"), "noanswer");
    const common::ProfileFile setup((dir + QStringLiteral("/Setup.ini")).toStdString());
    EXPECT_EQ(setup.value("Other", "BeginTime"), "00:00");
    EXPECT_EQ(setup.value("Other", "EndTime"), "23:59");
    EXPECT_EQ(setup.value("Other", "Sunday"), "1");
    // The callers who ask for an agent are called first.
    Settings settings;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings, &error));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT Telphone FROM AdNotice ORDER BY RandomValue LIMIT 1"))
                  .toString()
                  .left(4),
              QStringLiteral("1385"));

    // The plain demo keeps both agents automatic and the usual calling hours.
    const QString plain = parent.file("plain");
    ASSERT_TRUE(initInstallation(plain, &error) && makeDemo(plain, &error)) << error.toStdString();
    const common::ProfileFile plainSim((plain + QStringLiteral("/KtSim.ini")).toStdString());
    EXPECT_FALSE(plainSim.value("Simulator", "ControlSocket"));
    EXPECT_NE(plainSim.value("Stations", "7").value_or("").find("answer:"), std::string::npos);
}

} // namespace
} // namespace server

#include <QPlainTextEdit>
#include <QTextBlock>

namespace server {
namespace {

TEST_F(StartUpFailureTest, MemoKeepsTheLastThousandLines)
{
    auto w = makeWindow();
    auto *memo = w->findChild<QPlainTextEdit *>(QStringLiteral("lvSlicInfo"));
    ASSERT_TRUE(memo);
    for (int i = 1; i <= 1000; ++i)
        w->addMemoLine("line " + std::to_string(i));
    EXPECT_EQ(memo->document()->blockCount(), 1000);
    EXPECT_EQ(memo->document()->firstBlock().text(), QStringLiteral("line 1"));
    w->addMemoLine("line 1001");
    EXPECT_EQ(memo->document()->blockCount(), 1000);
    EXPECT_EQ(memo->document()->firstBlock().text(), QStringLiteral("line 2"));
    EXPECT_EQ(memo->document()->lastBlock().text(), QStringLiteral("line 1001"));
}

} // namespace
} // namespace server

namespace server {
namespace {

// A driver that starts but reports no channels: the software board refuses such configurations, so
// this guard of the board start is shown with a board that answers just that.
class NoChannelBoard : public testing::UntouchedBoard
{
public:
    std::int32_t StartCti(const std::string &, const std::string &) override { return 0; }
    std::int32_t GetMaxCfgBoard() override { return 1; }
    std::int32_t GetMaxUsableBoard() override { return 1; }
    std::int32_t GetMaxCh() override { return 0; }
};

TEST_F(StartUpFailureTest, BoardWithoutChannelsGivesNoService)
{
    writeSetup("");
    ASSERT_TRUE(createEmbeddedDatabase(dir.file("BillDB.db")));
    NoChannelBoard empty;
    TFrmServer w(dirPath(), empty, clock, dialogs);
    EXPECT_FALSE(w.FormShow());
    ASSERT_EQ(dialogs.shown.size(), 2u); // the voice database is missing too
    EXPECT_EQ(dialogs.shown[1].caption, "系统提示");
    EXPECT_EQ(dialogs.shown[1].text, "初始化语音卡失败,请检查！");
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Error);
    EXPECT_FALSE(w.serviceRunning());
    dialogs.answer = DialogAnswer::Yes;
    w.close();
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST(InitInstallationTest, TakesTheVoicesOfMakeVoices)
{
    testing::TempProgramDir parent;
    const QString voices = parent.file("voices");
    for (const char *file : {"VoiceDB.dat", "Voice/pth/Notice.voc", "Voice/pth/Bye.voc", "Voice/gdh/Bye.voc",
                             "Voice/Index/music.voc", "Voice/Index/num1.voc", "Voice/chars/1000.voc"}) {
        const QString path = voices + QLatin1Char('/') + QLatin1String(file);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, char(0x55)));
    }
    QString error;
    EXPECT_FALSE(initInstallation(parent.file("bad"), parent.file("nowhere"), &error));
    EXPECT_FALSE(QFileInfo::exists(parent.file("bad")));

    const QString dir = parent.file("notice");
    ASSERT_TRUE(initInstallation(dir, voices, &error)) << error.toStdString();
    for (const char *file : {"VoiceDB.dat", "Voice/pth/Notice.voc", "Voice/gdh/Bye.voc", "Voice/Index/num1.voc"})
        EXPECT_TRUE(QFileInfo::exists(dir + QLatin1Char('/') + QLatin1String(file))) << file;
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/Voice/chars"))); // the recordings stay behind
    const common::ProfileFile index((dir + QStringLiteral("/KtIndex.ini")).toStdString());
    EXPECT_EQ(index.value("Index", "music"), "Voice/Index/music.voc");
    EXPECT_EQ(index.value("Index", "num1"), "Voice/Index/num1.voc");
    const common::ProfileFile setup((dir + QStringLiteral("/Setup.ini")).toStdString());
    EXPECT_EQ(setup.value("Voice", "AdNotice"), (dir + QStringLiteral("/Voice/pth/Notice.voc")).toStdString());
}

} // namespace
} // namespace server
