// Transfers to agents end to end on the software board: the agent answers (bridge, recording, memo,
// talk record, client type, status 2 then 5), nobody answers (status 4), the least busy agent rung.
#include "server/data/TDM.h"
#include "server/engine/ServerEngine.h"
#include "server/tests/BoardInstallation.h"

#include "common/Gbk.h"
#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class TransferFlowTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        replaceFile("VoiceDB.dat", QByteArray(13794, '\0'));
        replaceFile("Notice.voc", QByteArray(16000, char(0xD5)));
        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        setup("Other", "TranSlic", "8");
        setup("Other", "RecordFlag", "1");
        setup("FaxLocalID", "Ch7ID", "801");
        setup("FaxLocalID", "Ch8ID", "802");
        setup("Other", "WriteLogFlag", "1");
    }

    void board(const QByteArray &stations)
    {
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "[Numbers]\r\n*=ring:1,answer,voice:500,wait:1000,key:8,silence:60000\r\n[Stations]\r\n" +
                                     stations);
    }

    QVariant task(const char *column)
    {
        return scalar(service().dataModule(), QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=1").arg(QLatin1String(column)));
    }

    void addTask()
    {
        exec(service().dataModule(), QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('13800000000','张三')"));
    }


    QString memo() { return QString::fromStdString(memoText()); }

};

TEST_F(TransferFlowTest, AgentAnswersTalksClassifiesAndHangsUp)
{
    board("6=answer:2000,wait:1000,key:1#,wait:3000,hangup:500\r\n7=noanswer\r\n");
    start();
    addTask();
    runFor(30000);
    EXPECT_EQ(task("Status").toInt(), 5);
    EXPECT_EQ(task("SlicCh").toInt(), 7);
    EXPECT_EQ(task("SuccTimes").toInt(), 2); // status 2, then 5
    EXPECT_EQ(task("TranSlic").toInt(), 1);
    EXPECT_EQ(task("ClientType").toString(), QStringLiteral("有意向"));
    EXPECT_EQ(task("PressInfo").toString(), QStringLiteral(";8"));
    const QString record = task("RecordFile").toString();
    EXPECT_TRUE(record.startsWith(programDir() + QStringLiteral("/Record/20261209/7-13800000000-801-"))) << record.toStdString();
    QFile wav(record);
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    EXPECT_EQ(wav.read(4), QByteArray("RIFF"));
    EXPECT_TRUE(memo().startsWith(QStringLiteral("外线01-座席07 时间:12/09 10:00 电话:13800000000"))) << memo().toStdString();
    const std::string talk = talkRecordText();
    EXPECT_EQ(talk.rfind("0001 外线:01 回拨时间:12/09 10:00 呼出号码:13800000000 已接通 座席:07,801", 0), 0u) << talk;
    EXPECT_EQ(service().engine().channel(6).Progress, CallProgress::Free);
    EXPECT_EQ(service().engine().channel(6).AnsweredCount, 1);
}

TEST_F(TransferFlowTest, NobodyAnswersWithinWaitMusic)
{
    board("6=noanswer\r\n7=noanswer\r\n");
    start();
    addTask();
    runFor(40000);
    EXPECT_EQ(task("Status").toInt(), 4);
    EXPECT_TRUE(memo().startsWith(QStringLiteral("外线01-座席00 "))) << memo().toStdString();
    // The rung agent is free again and heard the disconnect tone.
    EXPECT_EQ(service().engine().channel(6).Progress, CallProgress::Free);
    char cid[32] = {};
    EXPECT_EQ(TlxSimIsRinging(6, cid), 0);
    EXPECT_EQ(TlxSimGetSentTone(6), 3);
}

TEST_F(TransferFlowTest, LeastBusyAgentIsRung)
{
    board("6=noanswer\r\n7=noanswer\r\n");
    start();
    service().engine().channel(6).AnsweredCount = 3;
    service().engine().channel(7).AnsweredCount = 1;
    EXPECT_EQ(service().engine().PickStation(), 7);
    service().engine().channel(7).AnsweredCount = 3;
    EXPECT_EQ(service().engine().PickStation(), 6); // equal counts: the lower channel
    service().engine().channel(6).Progress = CallProgress::Seized;
    EXPECT_EQ(service().engine().PickStation(), 7);
    EXPECT_EQ(service().engine().FindStationById("802"), 7);
    EXPECT_EQ(service().engine().FindStationById("80"), -1);
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(TransferFlowTest, CallerWaitsWhileAllAgentsAreBusy)
{
    board("6=answer:1000\r\n7=answer:1000\r\n");
    setup("CardParm", "Card1Use", "11111100"); // both agents closed
    start();
    addTask();
    runFor(12000); // answered at about 8.4 s, the agent key 1.5 s later
    EXPECT_EQ(service().engine().channel(0).State, CallState::DoSlicBusy);
    EXPECT_NE(logText().find("人工座席全忙，继续放等待音乐..."), std::string::npos);
    ASSERT_TRUE(service().engine().SetChannelInService(6, true)); // an agent comes back
    runFor(200);
    EXPECT_EQ(service().engine().channel(0).State, CallState::DoMusic);
    EXPECT_EQ(service().engine().channel(6).PeerTrunk, 0);
    runFor(3000);
    EXPECT_EQ(TlxSimGetTalkPeer(0), 6);
}

TEST_F(TransferFlowTest, LastClientTypeKeyWins)
{
    for (const char *keys : {"key:1#,wait:500,key:2#", "key:2#,wait:500,key:0#"}) {
        SetUp();
        board(QByteArray("6=answer:1000,wait:500,") + keys + ",wait:1000,hangup:200\r\n");
        start();
        addTask();
        runFor(25000);
        EXPECT_EQ(task("ClientType").toString(), QStringLiteral("成交")) << keys;
        stop();
    }
}

TEST_F(TransferFlowTest, EveryOccasionWithAndWithoutAFreeAgent)
{
    const struct
    {
        const char *name, *mode, *playTime;
        bool agentFree;
        int status;
    } cases[] = {
        {"on answer", "2", "300", true, 5},          {"on answer, no agent", "2", "300", false, 4},
        {"after the notice", "0", "300", true, 5},   {"after the notice, no agent", "0", "300", false, 4},
        {"after playing time", "0", "1", true, 5},   {"after playing time, no agent", "0", "1", false, 4},
        {"on the key", "1", "300", true, 5},
    };
    for (const auto &c : cases) {
        SetUp();
        board("6=answer:1000,wait:3000,hangup:200\r\n");
        replaceFile("Notice.voc", QByteArray(40000, char(0xD5))); // 5 s: the playing time ends first
        setup("Other", "TranSlicFlag", c.mode);
        setup("Other", "VocPlayTranSlicTime", c.playTime);
        if (!c.agentFree)
            setup("CardParm", "Card1Use", "11111100");
        start();
        addTask();
        runFor(40000);
        EXPECT_EQ(task("Status").toInt(), c.status) << c.name;
        EXPECT_EQ(task("SuccTimes").toInt(), 2) << c.name; // status 2, then 4 or 5
        stop();
    }
}

TEST_F(TransferFlowTest, HoldAndResumeKeys)
{
    setup("Other", "TalkFlag", "1");
    board("6=answer:1000,wait:500,key:*,wait:1500,key:#,wait:1000,hangup:200\r\n");
    start();
    addTask();
    runFor(25000);
    const std::string lines = logText();
    EXPECT_NE(lines.find(" 内线通道：6按*退出交换 对应的外线为：0"), std::string::npos) << lines;
    EXPECT_NE(lines.find(" 内线通道：6按#交换回来 对应的外线为：0"), std::string::npos) << lines;
}

TEST_F(TransferFlowTest, TalkRecordsAreNumbered)
{
    board("6=answer:1000,wait:1000,hangup:200\r\n7=answer:1000,wait:1000,hangup:200\r\n");
    start();
    addTask();
    addTask();
    runFor(40000);
    const std::string talk = talkRecordText();
    EXPECT_EQ(talk.rfind("0001 外线:01", 0), 0u) << talk;
    EXPECT_NE(talk.find("\r\n0002 外线:02"), std::string::npos) << talk;
}

TEST_F(TransferFlowTest, FlashPassesTheCallerToAnotherAgent)
{
    setup("FaxLocalID", "Ch8ID", "102");
    board("6=answer:1000,wait:1000,flash,wait:1500,key:102,wait:10000,hangup:200\r\n7=noanswer\r\n");
    start();
    addTask();
    runFor(16000);
    EXPECT_EQ(service().engine().channel(6).State, CallState::DoFlashRing);
    char cid[32] = {};
    EXPECT_EQ(TlxSimIsRinging(7, cid), 1);
    EXPECT_EQ(TlxSimGetSentTone(6), 2);
}

TEST_F(TransferFlowTest, AgentsOwnCallShowsTheDigits)
{
    board("Call6=at:3000,key:1*234567890123456789012,wait:30000,hangup:200\r\n");
    start();
    runFor(12000);
    const ChannelRecord &agent = service().engine().channel(6);
    EXPECT_EQ(agent.State, CallState::SlicPickCallOut);
    EXPECT_EQ(agent.StationDigits, "12345678901234567890"); // "*" and the 21st digit are not shown
    ASSERT_GE(agent.PeerTrunk, 0);
    EXPECT_EQ(service().engine().channel(agent.PeerTrunk).State, CallState::SlicPickCallOut);
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(TransferFlowTest, CallerHangsUpWhileTheAgentRings)
{
    replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                             "[Numbers]\r\n*=ring:1,answer,voice:500,wait:1000,key:8,wait:2000,hangup\r\n"
                             "[Stations]\r\n6=noanswer\r\n");
    start();
    addTask();
    char cid[32] = {};
    runFor(12500); // eleven digits dialled, a ring, the answer, the agent key; the hang-up 2 s later
    ASSERT_EQ(TlxSimIsRinging(6, cid), 1);
    EXPECT_STREQ(cid, "13800000000"); // the caller's number as caller ID
    EXPECT_EQ(service().engine().channel(6).Progress, CallProgress::Reserved);
    runFor(3000);
    EXPECT_EQ(TlxSimIsRinging(6, cid), 0);
    EXPECT_EQ(TlxSimGetSentTone(6), 3);
    EXPECT_EQ(service().engine().channel(6).Progress, CallProgress::Free);
    EXPECT_EQ(task("Status").toInt(), 4);
}

} // namespace
} // namespace server

#include <QLocalSocket>

namespace server {
namespace {

// One line to the software board's control socket, as a person at an agent telephone would send it.
std::string control(const QString &socket, const QByteArray &line)
{
    QLocalSocket s;
    s.connectToServer(socket);
    if (!s.waitForConnected(2000))
        return "not connected";
    s.write(line + "\n");
    s.waitForBytesWritten(2000);
    QByteArray reply;
    while (!reply.contains('\n') && s.waitForReadyRead(2000))
        reply += s.readAll();
    return reply.trimmed().toStdString();
}

TEST_F(TransferFlowTest, AgentTelephoneDrivenByHand)
{
    const QString socket = programDir() + QStringLiteral("/kt.sock");
    replaceFile("KtSim.ini", "[Simulator]\r\nControlSocket=" + socket.toUtf8() +
                                 "\r\n[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "[Numbers]\r\n*=ring:1,answer,voice:500,wait:1000,key:8,silence:60000\r\n"
                                 "[Stations]\r\n6=noanswer\r\n7=noanswer\r\n");
    start();
    addTask();
    runFor(12500);
    char cid[32] = {};
    ASSERT_EQ(TlxSimIsRinging(6, cid), 1);
    EXPECT_EQ(control(socket, "offhook 6"), "ok"); // the agent lifts the handset
    runFor(500);
    EXPECT_EQ(TlxSimGetTalkPeer(0), 6);
    EXPECT_EQ(control(socket, "keys 6 2#"), "ok");
    runFor(2000);
    EXPECT_EQ(control(socket, "onhook 6"), "ok");
    runFor(3000);
    EXPECT_EQ(task("Status").toInt(), 5);
    EXPECT_EQ(task("ClientType").toString(), QStringLiteral("成交"));
}

} // namespace
} // namespace server
