// Calls end to end on the software board in virtual time: busy, no answer, cancelled, no number,
// retries, the dial by the server itself, and two trunks one tick apart.
#include "server/ui/FrmServer.h"
#include "server/install/InitInstallation.h"
#include "server/data/TDM.h"
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/engine/ServerEngine.h"
#include "server/settings/tests/RecordingDialogs.h"
#include "server/tests/BoardInstallation.h"
#include "server/data/tests/TestDatabase.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <unistd.h>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class CallFlowTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        // The board of --init; far ends by number: busy, ringing for ever.
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "LineVoltage=48,48,48,48,48,48,0,0\r\n[Numbers]\r\n300=busy\r\n400=ring:forever\r\n");
        setup("Other", "WriteLogFlag", "1");
    }

    void addTask(const char *phone)
    {
        exec(service().dataModule(), QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('%1','张三')")
                                       .arg(QLatin1String(phone)));
    }

    QVariant task(const char *column, int id = 1)
    {
        return scalar(service().dataModule(),
                      QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=%2").arg(QLatin1String(column)).arg(id));
    }

    std::string dialled(int ch)
    {
        char buffer[64] = {};
        TlxSimGetDialled(ch, buffer);
        return buffer;
    }


};

TEST_F(CallFlowTest, BusyNumber)
{
    start();
    addTask("300");
    runFor(20000);
    EXPECT_EQ(dialled(0), "300#");
    EXPECT_EQ(task("Status").toInt(), 3);
    EXPECT_EQ(task("FailCause").toString(), QStringLiteral("对方占线"));
    EXPECT_EQ(task("NoticeTimes").toInt(), 1);
    EXPECT_EQ(task("TrunkCh").toInt(), 1);
    const common::DateTime fact = *common::parseDateTime(task("FactNotice").toString().toStdString());
    EXPECT_EQ(task("NextNotice").toString().toStdString(),
              common::formatDateTime("yyyy-mm-dd hh:mm:ss", fact.addMinutes(10)));
    EXPECT_EQ(task("StartBill").toString().left(10), QStringLiteral("2026-12-09"));
    const std::string lines = logText();
    EXPECT_NE(lines.find(" 通道：0 摘机呼叫: 300"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" 通道：0:检测到忙音1挂机"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" 通道：0:触发挂机事件"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" 通道：0:延迟设置为空闲"), std::string::npos) << lines;
    // After the hang-up delay the trunk is free and shown idle.
    EXPECT_EQ(service().engine().channel(0).Progress, CallProgress::Free);
    EXPECT_EQ(trunkText(0), "空闲");
}

TEST_F(CallFlowTest, NoAnswerWithinTheCallOutTimeout)
{
    start();
    addTask("400");
    runFor(29000);
    EXPECT_EQ(task("Status").toInt(), 1); // still ringing
    runFor(5000);
    EXPECT_EQ(task("Status").toInt(), 3);
    EXPECT_EQ(task("FailCause").toString(), QStringLiteral("线路没接好或对方无人应答"));
    EXPECT_NE(logText().find(" 通道：0:呼出超时挂机"), std::string::npos);
}

TEST_F(CallFlowTest, LineReleasedBeforeAnyAnswerIsAFailedAttempt)
{
    // Neither busy tone nor the call-out time-out: the far end rejects the call or the line drops.
    for (const char *script : {"ring:1,drop", "ring:2,hangup", "drop"}) {
        SetUp();
        replaceFile("KtSim.ini", QByteArray("[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\n"
                                            "ChannelTypes=0,0,0,0,0,0,2,2\r\n[Numbers]\r\n*=") +
                                     script + "\r\n");
        setup("Other", "Interval", "1");
        setup("Other", "ReSendTimes", "1");
        start();
        addTask("500");
        runFor(20000);
        EXPECT_EQ(task("Status").toInt(), 3) << script;
        EXPECT_EQ(task("FailCause").toString(), QStringLiteral("线路没接好或对方无人应答")) << script;
        EXPECT_EQ(task("NoticeTimes").toInt(), 1) << script;
        // Retried as a failed attempt once its interval is over, without a restart.
        runFor(60000);
        EXPECT_EQ(task("NoticeTimes").toInt(), 2) << script;
        stop();
    }
}

TEST_F(CallFlowTest, OperatorHangsUp)
{
    start();
    addTask("400");
    runFor(5000);
    service().engine().HangupMenuClick("Channel1");
    runFor(3000);
    EXPECT_EQ(task("Status").toInt(), 3);
    EXPECT_EQ(task("FailCause").toString(), QStringLiteral("用户取消通知"));
    // Hanging up an idle trunk does nothing.
    service().engine().HangupMenuClick("Channel2");
    EXPECT_EQ(service().engine().channel(1).Progress, CallProgress::Free);
}

TEST_F(CallFlowTest, EmptyNumberIsNeverDialled)
{
    start();
    addTask("");
    runFor(3000);
    EXPECT_EQ(task("Status").toInt(), 3);
    EXPECT_EQ(task("FailCause").toString(), QStringLiteral("电话号码为空"));
    EXPECT_EQ(task("NoticeTimes").toInt(), 0);
    EXPECT_EQ(dialled(0), "");
}

TEST_F(CallFlowTest, RetriesFollowReSendTimesAndInterval)
{
    for (const auto &[resend, attempts] : {std::pair{0, 1}, std::pair{2, 3}}) {
        setup("Other", "ReSendTimes", std::to_string(resend));
        setup("Other", "Interval", "1");
        start();
        exec(service().dataModule(), QStringLiteral("DELETE FROM AdNotice"));
        addTask("300");
        runFor(6 * 60 * 1000);
        EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT NoticeTimes FROM AdNotice")).toInt(), attempts)
            << "ReSendTimes " << resend;
        stop();
    }
}

TEST_F(CallFlowTest, ServerDialsTheDigitsItselfAfterThePickDelay)
{
    setup("Other", "CallMode", "0");
    setup("Other", "PickDelay", "1500");
    start();
    addTask("300");
    runFor(1000 + 1400); // the tick at 1 s seized the line; 1.4 s later nothing is dialled yet
    EXPECT_EQ(dialled(0), "");
    runFor(10000);
    EXPECT_EQ(dialled(0), "300#");
    EXPECT_EQ(task("FailCause").toString(), QStringLiteral("对方占线"));
}

TEST_F(CallFlowTest, TwoFreeTrunksOneTickApart)
{
    start();
    addTask("400");
    addTask("400");
    runFor(2500);
    EXPECT_EQ(task("TrunkCh", 1).toInt(), 1);
    EXPECT_EQ(task("TrunkCh", 2).toInt(), 2);
    EXPECT_EQ(task("FactNotice", 1).toString(), QStringLiteral("2026-12-09 10:00:01"));
    EXPECT_EQ(task("FactNotice", 2).toString(), QStringLiteral("2026-12-09 10:00:02"));
}

TEST_F(CallFlowTest, PauseDuringACallLetsItFinish)
{
    start();
    addTask("300");
    addTask("300");
    runFor(1500);
    service().pause();
    runFor(20000);
    EXPECT_EQ(task("Status", 1).toInt(), 3); // the call in progress ended and was recorded
    EXPECT_EQ(task("Status", 2).toInt(), 0); // no new call while paused
    service().resume();
    runFor(20000);
    EXPECT_EQ(task("Status", 2).toInt(), 3);
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(CallFlowTest, CheckBoxesSwitchChannelsInAndOutOfService)
{
    startWindow();
    addTask("400");
    runFor(3000);
    auto *trunks = window->findChild<QTreeWidget *>(QStringLiteral("LVTrunkChannel"));
    // The operator clears channel 1 during its call: the line is released and the channel closed.
    trunks->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(trunks->topLevelItem(0)->text(1), QStringLiteral("关闭"));
    const auto card1Use = [this] {
        return common::ProfileFile((programDir() + QStringLiteral("/Setup.ini")).toStdString())
            .value("CardParm", "Card1Use")
            .value_or("");
    };
    EXPECT_EQ(card1Use(), "01111111" + std::string(40, '0'));
    runFor(3000);
    EXPECT_EQ(service().engine().channel(0).Progress, CallProgress::Free);
    EXPECT_EQ(trunks->topLevelItem(0)->text(1), QStringLiteral("关闭"));
    addTask("400");
    runFor(2000);
    EXPECT_EQ(task("TrunkCh", 2).toInt(), 2); // the closed trunk is passed over

    // Agents: ticking one resets every agent's count of answered transfers.
    service().engine().channel(7).AnsweredCount = 3;
    auto *stations = window->findChild<QTreeWidget *>(QStringLiteral("LVSlicChannel"));
    stations->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(stations->topLevelItem(0)->text(1), QStringLiteral("关闭"));
    stations->topLevelItem(0)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(stations->topLevelItem(0)->text(1), QStringLiteral("空闲"));
    EXPECT_EQ(service().engine().channel(7).AnsweredCount, 0);

    // Without Setup.ini nothing changes and the box goes back.
    QFile::remove(programDir() + QStringLiteral("/Setup.ini"));
    dialogs.shown.clear();
    trunks->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "配置文件Setup.ini不存在！");
    EXPECT_EQ(trunks->topLevelItem(1)->checkState(0), Qt::Checked);
    EXPECT_EQ(service().engine().tables().InService[1], 1);
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(CallFlowTest, CallingWindowEdgesAndTheCalendar)
{
    // Ticks at 21:00:58 and 21:00:59 still dial ("21:00" is the end); from 21:01:00 none does.
    start({2026, 12, 9, 21, 0, 57, 0});
    for (int i = 0; i < 4; ++i)
        addTask("400");
    runFor(6000);
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE NoticeTimes=1")).toInt(), 2);
    stop();

    // Saturdays off: nothing is dialled, and the dispatcher keeps ticking.
    setup("Other", "Saturday", "0");
    start({2026, 12, 12, 10, 0, 0, 0});
    runFor(5000);
    // The two calls of Wednesday evening, cut short by the stop, are new tasks again; none is dialled.
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Status=0")).toInt(), 4);
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT SUM(NoticeTimes) FROM AdNotice")).toInt(), 0);
    EXPECT_TRUE(service().dispatching());
    stop();

    // A hand-edited time that is not "hh:mm" is named at the start: "9:00" sorts after "10:00".
    setup("Other", "BeginTime", "9:00");
    start({2026, 12, 9, 10, 0, 0, 0});
    EXPECT_NE(memoText().find("Setup.ini的BeginTime“9:00”不是“时:分”形式的时间"), std::string::npos) << memoText();
    EXPECT_EQ(memoText().find("EndTime"), std::string::npos) << memoText();
}

TEST_F(CallFlowTest, HangupDelayAndTheCounters)
{
    start();
    addTask("300");
    runFor(5000); // the busy tone is recognised and the line hung up within these seconds
    ASSERT_EQ(task("Status").toInt(), 3);
    const ChannelRecord &ch = service().engine().channel(0);
    EXPECT_EQ(ch.State, CallState::DoOnhook);
    EXPECT_EQ(ch.Progress, CallProgress::Seized); // the outcome stays on the channel for the hang-up delay
    runFor(1600);
    EXPECT_EQ(ch.State, CallState::None);
    EXPECT_EQ(ch.Progress, CallProgress::Free);
    // The counters of the status bar refresh every 5 s: one failure since the service started.
    runFor(5000);
    auto panel = [this](int i) { return QString::fromStdString(panelText(i)); };
    EXPECT_EQ(panel(4), QStringLiteral("1"));
    EXPECT_EQ(panel(2), QStringLiteral("0"));
    EXPECT_EQ(panel(6), QStringLiteral("0"));
    EXPECT_TRUE(panel(15).startsWith(QStringLiteral("2026-12-09 10:00:")));
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(CallFlowTest, PolarityReversalsOfALineThatReportsThem)
{
    replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                             "PolarityReversal=1,0,0,0,0,0,0,0\r\n[Numbers]\r\n500=ring:1,answer,voice:2000,hangup\r\n");
    setup("CardParm", "ChPolarity", "1");
    start();
    addTask("500");
    runFor(20000);
    const std::string lines = logText();
    EXPECT_NE(lines.find(" 通道：0 反极值：1"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" 通道：0 反极值：2"), std::string::npos) << lines;
    EXPECT_EQ(service().engine().channel(0).Progress, CallProgress::Free); // hung up and free again
    // The first reversal answered the call, the second ended it: notified.
    EXPECT_EQ(task("Status").toInt(), 2);
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(CallFlowTest, PauseOfTheWindowAndADisconnectedLine)
{
    // In the default pause (12:00 to 14:00) nothing is dialled.
    start({2026, 12, 9, 12, 30, 0, 0});
    addTask("400");
    runFor(5000);
    EXPECT_EQ(task("NoticeTimes").toInt(), 0);
    stop();

    // A trunk without line voltage is shown disconnected and passed over.
    start({2026, 12, 9, 14, 1, 0, 0}); // 14:00 still belongs to the pause
    TlxSimSetLineVoltage(0, 0);
    runFor(3000);
    EXPECT_EQ(task("TrunkCh").toInt(), 2);
    EXPECT_EQ(trunkText(0), "断线");
}

} // namespace
} // namespace server
