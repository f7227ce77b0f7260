// The service start on the software board: an --init installation, the channel lists and the kinds
// written back, and every way the board start can fail.
#include "server/ui/FrmServer.h"
#include "server/install/InitInstallation.h"
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/engine/ServerEngine.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/tests/BoardInstallation.h"
#include "server/data/tests/TestDatabase.h"
#include "server/ui/tests/WindowPicture.h"

#include "common/ProfileFile.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
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
    TFrmServer &w = startWindow();
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
    startWindow();
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
        TFrmServer &w = startWindow();
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.shown[0].caption, c.caption) << c.name;
        EXPECT_NE(dialogs.shown[0].text.find(c.textPart), std::string::npos) << c.name << ": " << dialogs.shown[0].text;
        EXPECT_EQ(dialogs.shown[0].icon, c.icon) << c.name;
        EXPECT_FALSE(w.statusTimer()->isActive()) << c.name;
        EXPECT_NE(panel(0), QStringLiteral("语音服务已经启动")) << c.name;
        // 启动服务 without a board starts the dispatcher alone, at its period: it must not spin.
        w.tbStartServerClick();
        EXPECT_TRUE(w.systemTimer()->isActive()) << c.name;
        EXPECT_EQ(w.systemTimer()->interval(), 1000) << c.name;
        EXPECT_EQ(w.statusTimer()->interval(), 100) << c.name;
        EXPECT_EQ(w.noticeStatusTimer()->interval(), 5000) << c.name;
        stop();
    }
}

TEST_F(BoardStartTest, SetupMissingOrUnreadableWhenTheKindsAreWritten)
{
    ASSERT_TRUE(startWindow().serviceRunning()); // started once: now take Setup.ini away and start the board again
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

// What the operator must be able to read at once: every visible column of both lists with its
// widest usual text, the transfer line of the memo, and every status panel.
void expectReadable(TFrmServer &w)
{
    for (const char *name : {"LVTrunkChannel", "LVSlicChannel"}) {
        auto *list = w.findChild<QTreeWidget *>(QLatin1String(name));
        ASSERT_TRUE(list);
        const QHeaderView *header = list->header();
        // A text needs its own width and the margins on both sides; the first column also its check
        // box and image.
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const int boxAndImage = list->style()->pixelMetric(QStyle::PM_IndicatorWidth) + list->iconSize().width() + 2 * margins;
        for (int c = 0; c < 5; ++c) {
            int needed = header->fontMetrics().horizontalAdvance(list->headerItem()->text(c)) + 2 * margins;
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                needed = std::max(needed, list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(c)) +
                                              margins + (c == 0 ? boxAndImage : 0));
            EXPECT_GE(header->sectionSize(c), needed) << name << " column " << c;
        }
        EXPECT_LE(header->sectionViewportPosition(4) + header->sectionSize(4), list->viewport()->width()) << name;
    }
    auto *memo = w.findChild<QPlainTextEdit *>(QStringLiteral("lvSlicInfo"));
    EXPECT_GE(memo->viewport()->width(),
              memo->fontMetrics().horizontalAdvance(QStringLiteral("外线01-座席10 时间:03/07 09:05 电话:13800000000")));
    EXPECT_EQ(w.findChild<QLabel *>(QStringLiteral("SysStatusPanel3"))->text(), QStringLiteral("通知失败："));
    for (int i = 0; i < 16; ++i) {
        auto *label = w.findChild<QLabel *>(QStringLiteral("SysStatusPanel%1").arg(i));
        EXPECT_GE(label->width(), label->sizeHint().width()) << "panel " << i << " " << label->text().toStdString();
        EXPECT_TRUE(label->isVisible()) << "panel " << i;
    }
}

TEST_F(BoardStartTest, MainWindowOpensReadableAndKeepsItsPlace)
{
    TFrmServer &w = startWindow();
    // The widest texts the rows, the memo and the panels usually show.
    w.setChannelRow(ChannelList::Trunk, 5, RowImage::InUse,
                    {"正在放音", "013800000000000", "2026-12-10 23:59:59", ";1;1;1;1", "欧阳娜娜"});
    w.setChannelRow(ChannelList::Station, 1, RowImage::InUse, {"座席接听", "013800000000000", "2026-12-10 23:59:59", "1#"});
    w.addMemoLine("外线01-座席10 时间:03/07 09:05 电话:13800000000");
    w.setStatusPanel(0, "语音服务已经暂停");
    for (int i = 2; i <= 14; i += 2)
        w.setStatusPanel(i, "99999");
    w.setStatusPanel(15, "2026-12-10 23:59:59");

    // The first start: maximised on a screen of 1280 x 800.
    w.showAtStart();
    QApplication::processEvents();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_LE(w.width(), 1280);
    EXPECT_LE(w.height(), 800);
    expectReadable(w);
    testing::saveWindowPicture(w, "FrmServer");
    // Not maximised (a desktop that does not maximise), it opens at its own size, readable still.
    w.showNormal();
    QApplication::processEvents();
    EXPECT_GE(w.width(), 1100);
    EXPECT_GE(w.height(), 650);
    expectReadable(w);

    // The operator moves and sizes it; the next start opens it there.
    w.setGeometry(60, 40, 1180, 720);
    QApplication::processEvents();
    const QRect kept = w.geometry();
    stop();
    TFrmServer &again = startWindow();
    again.showAtStart();
    QApplication::processEvents();
    EXPECT_FALSE(again.isMaximized());
    EXPECT_EQ(again.geometry(), kept);
}

} // namespace
} // namespace server
