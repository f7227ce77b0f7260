// Answered calls end to end on the software board: the answer rules, the notice with the composed
// name, its repetitions and the called party's keys.
#include "server/data/TDM.h"
#include "server/engine/ServerEngine.h"
#include "server/tests/BoardInstallation.h"

#include "common/Gbk.h"
#include "ktdrv/KtSim.h"
#include "voxstore/VoxStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTreeWidget>

#include <algorithm>
#include <array>

namespace server {
namespace {

using testing::exec;
using testing::scalar;

class NoticeFlowTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        replaceFile("VoiceDB.dat", testing::oneSegmentDatabase());
        QDir(programDir()).mkpath(QStringLiteral("Voice/pth"));
        replaceFile("Voice/pth/Bye.voc", QByteArray(4000, char(0xD5)));  // 0.5 s
        replaceFile("Notice.voc", QByteArray(16000, char(0xD5)));        // 2 s
        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        setup("Other", "WriteLogFlag", "1");
        replaceFile("KtSim.ini", "[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\nChannelTypes=0,0,0,0,0,0,2,2\r\n"
                                 "[Numbers]\r\n"
                                 "100=ring:2,answer,voice:1500,silence:60000\r\n"
                                 "200=ring:0,answer,silence:60000\r\n"
                                 "109=ring:1,answer,voice:500,wait:1000,key:9,silence:60000\r\n"
                                 "111=ring:1,answer,voice:500,wait:1000,key:1,wait:700,key:1,wait:700,key:1,wait:700,"
                                 "key:1,wait:700,key:1,silence:60000\r\n"
                                 "150=ring:1,key:5,answer,voice:500,silence:60000\r\n");
    }

    void addTask(const char *phone, const char *name = "张三")
    {
        exec(service().dataModule(), QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('%1','%2')")
                                       .arg(QLatin1String(phone), QString::fromUtf8(name)));
    }

    QVariant task(const char *column, int id = 1)
    {
        return scalar(service().dataModule(),
                      QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=%2").arg(QLatin1String(column)).arg(id));
    }

};

TEST_F(NoticeFlowTest, AnswerCueThenNoticeThenSuccess)
{
    setup("Other", "SendSMSFlag", "1");
    setup("Other", "SMSContent", "您好");
    start();
    addTask("100");
    // Dialling ends about 3.4 s in; two rings of 5 s, then the answer cue answers at once with the
    // default ring counts.
    runFor(15000);
    EXPECT_EQ(task("Status").toInt(), 8);
    const ChannelRecord &ch = service().engine().channel(0);
    EXPECT_EQ(ch.State, CallState::DoPlayNotice);
    EXPECT_EQ(ch.RingBacks, 2);
    // The composed name (two characters of 100 ms and their pauses) exists for channel 0.
    EXPECT_GT(QFileInfo(QString::fromStdString(service().engine().ComposedFile(0))).size(), 1600);
    // One playing (PlayTimes 1), the 3 s wait, then the hang-up: notified.
    runFor(10000);
    EXPECT_EQ(task("Status").toInt(), 2);
    EXPECT_EQ(task("SuccTimes").toInt(), 1);
    EXPECT_FALSE(task("NextNotice").toString().isEmpty());
    EXPECT_FALSE(task("ResultTotalTime").toString().isEmpty());
    EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM SmsSendTask WHERE Content='您好'")).toInt(), 1);
    EXPECT_NE(logText().find(" 通道0:放提示语音超时挂机"), std::string::npos);
}

TEST_F(NoticeFlowTest, SilenceAfterTheCueAnswers)
{
    start();
    addTask("200");
    runFor(4500); // the cue armed the silence test; 2 s of silence are not yet over
    EXPECT_EQ(task("Status").toInt(), 1);
    EXPECT_EQ(service().engine().channel(0).SilenceArmed, 1);
    runFor(3000);
    EXPECT_EQ(task("Status").toInt(), 8);
}

TEST_F(NoticeFlowTest, GoodbyeKeyEndsTheCall)
{
    start();
    addTask("109");
    runFor(20000);
    EXPECT_EQ(task("Status").toInt(), 2);
    EXPECT_EQ(task("PressInfo").toString(), QStringLiteral("9"));
    const std::string lines = logText();
    EXPECT_NE(lines.find(" 通道：0已放音按键：9"), std::string::npos) << lines;
}

TEST_F(NoticeFlowTest, ReplayKeyAndTheFifthOneHangsUp)
{
    start();
    addTask("111");
    runFor(30000);
    EXPECT_EQ(task("Status").toInt(), 2);
    EXPECT_EQ(task("PressInfo").toString(), QStringLiteral(";1;1;1;1;1"));
    EXPECT_EQ(service().engine().channel(0).Progress, CallProgress::Free);
}

TEST_F(NoticeFlowTest, NoticePlayedPlayTimesTimesInKeyMode)
{
    setup("Other", "PlayTimes", "2");
    setup("Other", "VocRepeat", "3");
    start();
    addTask("100");
    runFor(15000);
    ASSERT_EQ(service().engine().channel(0).PlayCount, 1);
    runFor(5000); // the first playing (2.3 s with the name) and its 3 s wait
    EXPECT_EQ(service().engine().channel(0).PlayCount, 2);
    runFor(10000);
    EXPECT_EQ(task("Status").toInt(), 2);
    EXPECT_NE(logText().find("放提示语音超时挂机"), std::string::npos);
}

TEST_F(NoticeFlowTest, KeyBeforeTheAnswerIsLoggedNotRecorded)
{
    start();
    addTask("150");
    runFor(30000);
    const std::string lines = logText();
    EXPECT_NE(lines.find(" 通道：0未放音按键：5"), std::string::npos) << lines;
    EXPECT_EQ(task("PressInfo").toString(), QString());
}

TEST_F(NoticeFlowTest, SpellingOfStationNumbers)
{
    EXPECT_EQ(ServerEngine::SpellText("102"), "num1,num0,num2");
    EXPECT_EQ(ServerEngine::SpellText(""), "");
    EXPECT_EQ(ServerEngine::SpellText("3.5Y"), "num3,dian,num5,yi");
    EXPECT_EQ(ServerEngine::SpellText("a1"), ",num1"); // no segment for a lower-case letter
}

} // namespace
} // namespace server

namespace server {
namespace {

class HeardNoticeTest : public NoticeFlowTest
{
protected:
    void SetUp() override
    {
        NoticeFlowTest::SetUp();
        // Recognisable sounds: every character 0x21 bytes, the notice 0x37 bytes.
        replaceFile("VoiceDB.dat", testing::oneSegmentDatabase(char(0x21)));
        replaceFile("Notice.voc", QByteArray(8000, char(0x37)));
        // All eight channels trunks; only channels 3 and 7 in service.
        simulateHeardTrunks("ring:1,answer,voice:500,silence:4000,hangup");
        setup("CardParm", "Card1Use", "00010001");
    }

    QByteArray composed(int characters) { return testing::composedName(characters, char(0x21)); }
};

TEST_F(HeardNoticeTest, TwoCallsHearTheirOwnNamesThenTheNotice)
{
    start();
    addTask("13800000001", "张三丰"); // three characters, on channel 3
    addTask("13800000002", "李四");   // two characters, on channel 7
    addTask("13800000003", "");       // no name: the notice alone, on channel 3 later
    runFor(15000);
    EXPECT_EQ(task("TrunkCh", 1).toInt(), 4);
    EXPECT_EQ(task("TrunkCh", 2).toInt(), 8);
    const QByteArray notice(8000, char(0x37));
    const QByteArray three = heard(3);
    const QByteArray two = heard(7);
    ASSERT_FALSE(three.isEmpty());
    ASSERT_FALSE(two.isEmpty());
    EXPECT_TRUE(three.contains(composed(3) + notice));
    EXPECT_FALSE(three.contains(composed(4)));
    EXPECT_TRUE(two.contains(composed(2) + notice));
    EXPECT_FALSE(two.contains(composed(3)));

    runFor(20000);
    const QByteArray alone = heard(3);
    ASSERT_FALSE(alone.isEmpty());
    EXPECT_NE(alone, three);
    EXPECT_TRUE(alone.contains(notice));
    EXPECT_FALSE(alone.contains(char(0x21)));
}

TEST_F(HeardNoticeTest, NameThatCannotBeComposedLeavesNoEarlierName)
{
    start();
    addTask("13800000001", "张三丰");
    runFor(30000); // heard with its name, and over
    ASSERT_TRUE(heard(3).contains(composed(3)));
    UnInstallVoxStore(); // from now on no name composes
    addTask("13800000002", "李四");
    runFor(30000);
    EXPECT_EQ(task("TrunkCh", 2).toInt(), 4);
    const QByteArray second = heard(3);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(second.contains(QByteArray(8000, char(0x37))));
    EXPECT_FALSE(second.contains(char(0x21)));
}

} // namespace
} // namespace server

namespace server {
namespace {

TEST_F(NoticeFlowTest, AnswerRules)
{
    const struct
    {
        const char *name;
        const char *script;
        int ringBackCnt1, ringBackCnt2, needCpTone;
        std::uint32_t notYet, answeredBy; // ms of virtual time
        bool answered;
    } cases[] = {
        {"answer cue after the rings", "ring:2,answer,voice:1500,silence:60000", 0, 0, 0, 13000, 14500, true},
        {"silence after the cue", "ring:0,answer,silence:60000", 0, 0, 0, 4500, 6500, true},
        {"tone timing: a ring, then silence", "ring:1,silence:60000", 0, 0, 0, 8000, 9500, true},
        {"too few rings for either rule", "ring:2,answer,voice:1500,silence:60000", 5, 3, 0, 20000, 25000, false},
        {"start tone: no tone heard arms the silence test", "ring:0,answer,silence:60000", 0, 0, 1, 4500, 6500, true},
        {"start tone: a ring heard lets the cue answer", "ring:1,answer,silence:60000", 0, 0, 1, 8000, 9000, true},
    };
    for (const auto &c : cases) {
        SetUp();
        replaceFile("KtSim.ini", QByteArray("[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\n"
                                            "ChannelTypes=0,0,0,0,0,0,2,2\r\n[Numbers]\r\n*=") +
                                     c.script + "\r\n");
        setup("Other", "RingBackCnt1", std::to_string(c.ringBackCnt1));
        setup("Other", "RingBackCnt2", std::to_string(c.ringBackCnt2));
        setup("Other", "NeedCPTone", std::to_string(c.needCpTone));
        start();
        addTask("100");
        runFor(c.notYet);
        EXPECT_EQ(task("Status").toInt(), 1) << c.name << ": answered too early";
        runFor(c.answeredBy - c.notYet);
        EXPECT_EQ(task("Status").toInt(), c.answered ? 8 : 1) << c.name;
        stop();
    }
}

} // namespace
} // namespace server

namespace server {
namespace {

// An installation made without voices: no voice database and no notice file, so that every playing
// of the notice ends as soon as it starts.
class NoVoicesTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        QFile::remove(programDir() + QStringLiteral("/VoiceDB.dat"));
        setup("Other", "PlayTimes", "2");
        setup("Other", "WriteLogFlag", "1");
    }
};

TEST_F(NoVoicesTest, EveryPlayingEndsAndTheNoticeTimeoutHangsUp)
{
    const char *const notices[] = {"", "/no/such/Notice.voc"};
    for (const char *notice : notices) {
        SetUp();
        setup("Voice", "AdNotice", notice);
        start();
        for (const char *phone : {"13800000001", "13800000002", "13800000003"})
            exec(service().dataModule(),
                 QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('%1','张三')").arg(QLatin1String(phone)));
        // The called parties listen for 20 s after they answer; the notice's two playings and their
        // waits of 3 s end sooner. Each playing is counted while it lasts.
        std::array<std::int16_t, 3> playings{};
        for (int second = 0; second < 60; ++second) {
            runFor(1000);
            for (int c = 0; c < 3; ++c)
                playings[static_cast<std::size_t>(c)] =
                    std::max(playings[static_cast<std::size_t>(c)], service().engine().channel(c).PlayCount);
        }
        EXPECT_EQ(playings, (std::array<std::int16_t, 3>{2, 2, 2})) << notice;
        EXPECT_EQ(scalar(service().dataModule(), QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Status=2")).toInt(), 3)
            << notice;
        const std::string lines = logText();
        for (int c = 0; c < 3; ++c)
            EXPECT_NE(lines.find(" 通道" + std::to_string(c) + ":放提示语音超时挂机"), std::string::npos) << notice;
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(service().engine().channel(c).Progress, CallProgress::Free) << notice << " channel " << c;
            EXPECT_EQ(trunkText(c), "空闲") << notice << " channel " << c;
        }
        stop();
    }
}

} // namespace
} // namespace server
