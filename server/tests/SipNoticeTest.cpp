// Notices over SIP lines, end to end: the Server program, headless and in real time, calls SIPp's
// far ends on loopback; the test plays the far end's RTP and reads the tasks' results.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/install/InitInstallation.h"
#include "server/tests/DriverIpc.h"

#include "SipPeer.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <spandsp.h>

#include <algorithm>
#include <csignal>
#include <functional>

namespace server {
namespace {

using ktdrv::test::FarEndMedia;
using ktdrv::test::freeUdpPort;
using ktdrv::test::Sipp;

class SipNoticeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing::useOwnDriverIpc();
        ::unsetenv("KTSIM_CONFIG");
        QDir().mkpath(dir.file("run"));
        QFile::setPermissions(dir.file("run"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ::setenv("XDG_RUNTIME_DIR", dir.file("run").toLocal8Bit().constData(), 1);
        QString error;
        ASSERT_TRUE(initInstallation(programDir(), &error)) << error.toStdString();
        replaceFile("VoiceDB.dat", QByteArray(13794, '\0'));
        QDir(programDir()).mkpath(QStringLiteral("Voice/pth"));
        replaceFile("Voice/pth/Bye.voc", QByteArray(4000, char(0xD5))); // 0.5 s
        replaceFile("Notice.voc", QByteArray(16000, char(0x55)));       // 2 s
        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        // Calls at any hour, quickly after the start; the SIP trunks are polarity lines.
        for (const auto &[key, value] : {std::pair{"BeginTime", "00:00"},
                                         {"EndTime", "23:59"},
                                         {"NotNoticeTime1", "24:00"},
                                         {"NotNoticeTime2", "24:00"},
                                         {"Saturday", "1"},
                                         {"Sunday", "1"},
                                         {"CallOutTimeOut", "3"},
                                         {"HangupDelay", "500"},
                                         {"WriteLogFlag", "1"}})
            setup("Other", key, value);
        setup("CardParm", "ChPolarity", "11");
    }

    QString programDir() const { return dir.file("notice"); }

    void replaceFile(const char *name, const QByteArray &text)
    {
        QFile f(programDir() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    void setup(const char *section, const char *key, const std::string &value)
    {
        ASSERT_TRUE(common::writeProfileString((programDir() + QStringLiteral("/Setup.ini")).toStdString(), section,
                                               key, common::utf8ToGbk(value)));
    }

    void sipLines(const Sipp &peer, const QByteArray &more = {})
    {
        replaceFile("KtSip.ini", "[Sip]\r\nProxy=127.0.0.1:" + QByteArray::number(peer.port()) +
                                     "\r\nLocalAddress=127.0.0.1\r\nLocalPort=0\r\nDomain=notice.test\r\nTrunks=2\r\n"
                                     "RtpTimeout=2\r\n" +
                                     more);
    }

    void addTask(const char *phone)
    {
        Settings settings;
        settings.ProgramDir = programDir().toStdString();
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(
            dm, QStringLiteral("INSERT INTO AdNotice (Telphone,Name) VALUES ('%1','张三')").arg(QLatin1String(phone)));
    }

    QString task(const char *column)
    {
        Settings settings;
        settings.ProgramDir = programDir().toStdString();
        TDM dm;
        EXPECT_TRUE(dm.ConnectDatabase(settings));
        return testing::scalar(dm, QStringLiteral("SELECT %1 FROM AdNotice WHERE ID=1").arg(QLatin1String(column)))
            .toString();
    }

    /// Runs the headless server for at most `seconds` of real time (its --run-for); `during` runs every
    /// 20 ms meanwhile, and once it returns true the server is stopped as a service manager stops it.
    int runServer(int seconds, const std::function<bool()> &during = {})
    {
        QProcess p;
        p.start(QStringLiteral(VN_SERVER_BINARY), {QStringLiteral("--headless"), QStringLiteral("--dir"), programDir(),
                                                   QStringLiteral("--run-for"), QString::number(seconds)});
        EXPECT_TRUE(p.waitForStarted());
        QElapsedTimer wall;
        wall.start();
        bool stopped = false;
        while (!p.waitForFinished(20) && wall.elapsed() < (seconds + 20) * 1000)
            if (during && !stopped && during()) {
                QThread::msleep(300); // the result is written as the hang-up is handled
                ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
                stopped = true;
            }
        m_err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    testing::TempProgramDir dir;
    // The server's log lines of the run.
    std::string logText() const
    {
        std::string text;
        const QDir logs(programDir() + QStringLiteral("/Log"));
        for (const QString &name : logs.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            QFile file(logs.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                text += common::gbkToUtf8(file.readAll().toStdString());
        }
        return text;
    }

    QString m_err;
};

TEST_F(SipNoticeTest, AnsweredNoticeEndsWithTheGoodbyeKey)
{
    FarEndMedia media;
    Sipp peer("answer", freeUdpPort(), media.port());
    sipLines(peer);
    addTask("109");
    bool keySent = false;
    EXPECT_EQ(runServer(7,
                        [&] {
                            // A second into the notice the called party presses 9.
                            if (!keySent && media.packets() > 50) {
                                media.sendKey('9');
                                keySent = true;
                            }
                            return false; // the run ends by its --run-for
                        }),
              0)
        << m_err.toStdString();
    EXPECT_TRUE(keySent);
    EXPECT_EQ(task("Status"), QStringLiteral("2"));
    EXPECT_EQ(task("PressInfo"), QStringLiteral("9"));
    EXPECT_EQ(peer.wait(2000), 0) << "the far end got the BYE";
}

TEST_F(SipNoticeTest, FailedCallsAreRecordedWithTheirCause)
{
    const struct
    {
        const char *scenario;
        const char *cause;
        bool timedOut; // ended by the server's call-out time-out (3 s here)
    } cases[] = {
        {"busy", "对方占线", false},
        {"noanswer", "线路没接好或对方无人应答", true},
        {"reject", "线路没接好或对方无人应答", false}, // 404: the line is released at once
    };
    for (const auto &c : cases) {
        QDir(programDir()).removeRecursively();
        SetUp();
        Sipp peer(c.scenario, freeUdpPort(), freeUdpPort());
        sipLines(peer);
        addTask("300");
        // Busy tone takes the server a second or two to recognise after SIPp is done: wait for the result.
        QElapsedTimer poll;
        poll.start();
        EXPECT_EQ(runServer(10,
                            [&] {
                                if (poll.elapsed() < 250)
                                    return false;
                                poll.restart();
                                return peer.wait(0) >= 0 && task("Status") == QStringLiteral("3");
                            }),
                  0)
            << m_err.toStdString();
        EXPECT_EQ(task("Status"), QStringLiteral("3")) << c.scenario;
        EXPECT_EQ(task("FailCause"), QString::fromUtf8(c.cause)) << c.scenario;
        EXPECT_EQ(logText().find("呼出超时挂机") != std::string::npos, c.timedOut) << c.scenario << "\n" << logText();
        EXPECT_EQ(peer.wait(2000), 0) << c.scenario;
    }
}

TEST_F(SipNoticeTest, FarEndThatHangsUpOrFallsSilentEndsTheNotice)
{
    for (const char *scenario : {"hangup", "answer"}) {
        QDir(programDir()).removeRecursively();
        SetUp();
        FarEndMedia media;
        // "answer" waits for the board's BYE: its far end stops sending RTP half a second in.
        Sipp peer(scenario, freeUdpPort(), media.port());
        sipLines(peer);
        setup("Other", "VocRepeat", "60"); // the notice alone would keep the line for a minute
        addTask("400");
        QElapsedTimer answered;
        EXPECT_EQ(runServer(9,
                            [&] {
                                if (media.packets() > 0 && !answered.isValid())
                                    answered.start();
                                if (answered.isValid() && answered.elapsed() > 500)
                                    media.speaking = false;
                                return peer.wait(0) >= 0;
                            }),
                  0)
            << m_err.toStdString();
        EXPECT_EQ(task("Status"), QStringLiteral("2")) << scenario << ": answered, so notified";
        EXPECT_EQ(peer.wait(2000), 0) << scenario;
    }
}

// The A-law bytes of a WAV file's data chunk.
QByteArray wavData(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    const auto at = all.indexOf("data");
    return at < 0 ? QByteArray() : all.mid(at + 8);
}

TEST_F(SipNoticeTest, TransferToAnAgentOnASipTelephoneIsBridgedAndRecorded)
{
    FarEndMedia caller, agent;
    caller.fill = linear_to_alaw(2000);
    agent.fill = linear_to_alaw(4000);
    Sipp trunk("answer", freeUdpPort(), caller.port());
    Sipp telephone("agent", freeUdpPort(), agent.port());
    sipLines(trunk, "StationsViaProxy=0\r\n[Stations]\r\n2=sip:801@127.0.0.1:" + QByteArray::number(telephone.port()) +
                        "\r\n");
    setup("Other", "TranSlic", "8");
    setup("Other", "RecordFlag", "1");
    setup("FaxLocalID", "Ch3ID", "801");
    addTask("13800000000");
    bool keySent = false;
    EXPECT_EQ(runServer(12,
                        [&] {
                            if (!keySent && caller.packets() > 25) {
                                caller.sendKey('8');
                                keySent = true;
                            }
                            return telephone.wait(0) >= 0 && trunk.wait(0) >= 0;
                        }),
              0)
        << m_err.toStdString();
    EXPECT_EQ(task("Status"), QStringLiteral("5"));
    EXPECT_EQ(task("SlicCh"), QStringLiteral("3"));
    EXPECT_EQ(telephone.wait(2000), 0) << "the agent's telephone rang, answered and hung up";
    EXPECT_EQ(trunk.wait(2000), 0) << "the caller got the BYE";

    // Each side heard the other through the bridge.
    const auto heardBy = [](FarEndMedia &m, std::uint8_t byte) {
        const auto r = m.received();
        return std::count(r.begin(), r.end(), byte);
    };
    EXPECT_GT(heardBy(caller, agent.fill), 8000) << "a second and more of the agent";
    EXPECT_GT(heardBy(agent, caller.fill), 8000) << "a second and more of the caller";

    // The recording holds both sides at once: their sum, for most of the conversation.
    const QString record = task("RecordFile");
    const QByteArray data = wavData(record);
    ASSERT_GT(data.size(), 16000) << record.toStdString();
    const auto both = std::count_if(data.begin(), data.end(), [](char b) {
        return std::abs(alaw_to_linear(static_cast<std::uint8_t>(b)) - 6000) < 400;
    });
    EXPECT_GT(both, data.size() / 2) << both << " of " << data.size();
}

} // namespace
} // namespace server
