// The service start on the software board: an --init installation, the channel lists and the kinds
// written back, and every way the board start can fail.
#include "server/FrmServer.h"
#include "server/InitInstallation.h"
#include "server/TlxBoard.h"
#include "server/VirtualTime.h"
#include "server/engine/ServerEngine.h"
#include "server/engine/tests/RecordingDialogs.h"
#include "server/tests/BoardInstallation.h"
#include "server/tests/TestDatabase.h"

#include "common/ProfileFile.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <unistd.h>

namespace server {
namespace {

class BoardStartTest : public testing::BoardInstallation
{
protected:
    QStringList captions(const char *list)
    {
        QStringList out;
        auto *view = window->findChild<QTreeWidget *>(QLatin1String(list));
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            out << view->topLevelItem(i)->text(0);
        return out;
    }

    QString panel(int i) { return window->findChild<QLabel *>(QStringLiteral("SysStatusPanel%1").arg(i))->text(); }

    std::string card1()
    {
        return common::ProfileFile((programDir() + QStringLiteral("/Setup.ini")).toStdString())
            .value("CardParm", "Card1")
            .value_or("");
    }

};

TEST_F(BoardStartTest, InitialisedInstallationStartsTheService)
{
    TFrmServer &w = start();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
    EXPECT_EQ(panel(0), QStringLiteral("语音服务已经启动"));
    EXPECT_EQ(captions("LVTrunkChannel"), (QStringList{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(captions("LVSlicChannel"), (QStringList{"7", "8"}));
    EXPECT_TRUE(w.statusTimer()->isActive());
    EXPECT_TRUE(w.systemTimer()->isActive());
    EXPECT_TRUE(w.noticeStatusTimer()->isActive());
    EXPECT_EQ(w.systemTimer()->interval(), 1000);
    EXPECT_FALSE(w.findChild<QAction *>(QStringLiteral("tbStartServer"))->isEnabled());
    EXPECT_TRUE(w.findChild<QAction *>(QStringLiteral("tbStopServer"))->isEnabled());
    EXPECT_EQ(card1(), "11111122" + std::string(40, '0'));
    EXPECT_EQ(w.engine().settings().ServiceStartTime, "2026-12-09 10:00:00");
    EXPECT_EQ(w.engine().settings().TrunkChannelCount, 6);
    EXPECT_EQ(w.engine().settings().SlicChannelCount, 2);

    // Pausing stops only the dispatcher; resuming starts it again.
    w.tbStopServerClick();
    EXPECT_FALSE(w.systemTimer()->isActive());
    EXPECT_TRUE(w.statusTimer()->isActive());
    EXPECT_TRUE(w.noticeStatusTimer()->isActive());
    w.tbStartServerClick();
    EXPECT_TRUE(w.systemTimer()->isActive());
}

TEST_F(BoardStartTest, SixChannelsOfMixedKinds)
{
    replaceFile("KtConfig.ini", "[SystemConfig]\r\nTotalBoards=1\r\n[BoardId=0]\r\nBoardSerialNumber=1001\r\n"
                                "[AppChToBoardChTable]\r\nTotalAppCh=6\r\nAppCh[0]=0,0..5\r\n");
    replaceFile("KtSim.ini", "[Device0]\r\nSerialNumber=1001\r\nHardwareId=10\r\nChannelTypes=0,0,2,2,1,0\r\n");
    start();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text;
    EXPECT_EQ(captions("LVTrunkChannel"), (QStringList{"1", "2", "6"}));
    EXPECT_EQ(captions("LVSlicChannel"), (QStringList{"3", "4"}));
    EXPECT_EQ(card1(), "112201" + std::string(42, '0'));
    QStringList items;
    for (QAction *a : window->findChild<QMenu *>(QStringLiteral("PopMenuChannel"))->actions())
        items << a->objectName() + QLatin1Char('=') + a->text();
    EXPECT_EQ(items, (QStringList{"Channel1=挂断 通道:1", "Channel2=挂断 通道:2", "Channel6=挂断 通道:6"}));
    // Channels 1 to 8 are in service from --init: the rows are ticked and idle.
    auto *trunks = window->findChild<QTreeWidget *>(QStringLiteral("LVTrunkChannel"));
    EXPECT_EQ(trunks->topLevelItem(2)->checkState(0), Qt::Checked);
    EXPECT_EQ(trunks->topLevelItem(2)->text(1), QStringLiteral("空闲"));
}

TEST_F(BoardStartTest, BoardStartFailures)
{
    const struct
    {
        const char *name;
        const char *file;
        QByteArray text;
        const char *caption;
        std::string textPart;
        DialogIcon icon;
    } cases[] = {
        {"malformed simulation", "KtSim.ini", "[Numbers]\r\n100=ring:2,anser\r\n", "提示", "KtSim.ini:2",
         DialogIcon::Error},
        {"a configured board without its device", "KtConfig.ini",
         "[SystemConfig]\r\nTotalBoards=2\r\n[BoardId=0]\r\nBoardSerialNumber=1001\r\n[BoardId=1]\r\n"
         "BoardSerialNumber=2002\r\n[AppChToBoardChTable]\r\nTotalAppCh=8\r\nAppCh[0]=0,0..7\r\n",
         "提示", "您安装的语音卡未能全部初始化成功，请检查是否正确安装！", DialogIcon::Warning},
    };
    for (const auto &c : cases) {
        SetUp(); // a fresh installation each time
        replaceFile(c.file, c.text);
        dialogs.shown.clear();
        TFrmServer &w = start();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown[0].caption, c.caption) << c.name;
        EXPECT_NE(dialogs.shown[0].text.find(c.textPart), std::string::npos) << c.name << ": " << dialogs.shown[0].text;
        EXPECT_EQ(dialogs.shown[0].icon, c.icon) << c.name;
        EXPECT_FALSE(w.statusTimer()->isActive()) << c.name;
        EXPECT_NE(panel(0), QStringLiteral("语音服务已经启动")) << c.name;
        stop();
    }
}

TEST_F(BoardStartTest, SetupMissingOrUnreadableWhenTheKindsAreWritten)
{
    start();
    window->engine().settings(); // started once: now take Setup.ini away and start the board again
    board.CloseCti();
    QFile::remove(programDir() + QStringLiteral("/Setup.ini"));
    dialogs.shown.clear();
    EXPECT_FALSE(window->engine().StartBoard());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "提示");
    EXPECT_EQ(dialogs.shown[0].text, "配置文件Setup.ini不存在！");

    board.CloseCti();
    QDir(programDir()).mkdir(QStringLiteral("Setup.ini"));
    dialogs.shown.clear();
    EXPECT_FALSE(window->engine().StartBoard());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "错误");
    EXPECT_EQ(dialogs.shown[0].text, "打开配置文件Setup.ini文件出错！");
}

} // namespace
} // namespace server
