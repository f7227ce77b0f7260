// The acceptance run: 200 notice tasks, called parties of every kind told apart by number prefix, on a
// board of 16 trunks and four agent telephones in virtual time; then, per kind, the task rows, the SMS
// queue, the log lines of every call, talk records, memo, recordings and what each called party heard.
#include "server/data/TDM.h"
#include "server/engine/ServerEngine.h"
#include "server/tests/BoardInstallation.h"
#include "server/tests/CallRecords.h"

#include "common/DateTime.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QSqlRecord>

#include <map>
#include <sstream>
#include <vector>

namespace server {
namespace {

using testing::audioRun;
using testing::audioRunBegun;
using testing::audioRuns;
using testing::exec;
using testing::occurrences;

constexpr int kTrunks = 16;
constexpr int kPolarityLines[] = {2, 9}; // trunks that report polarity reversals and are answered by them
constexpr int kInterval = 1;             // minutes before a failed or notified task is due again
constexpr int kReSendTimes = 2;

// Sounds told apart by their A-law byte in what a called party heard.
constexpr char kNameSound = 0x21;
constexpr char kNoticeSound = 0x37;
constexpr char kByeSound = 0x45;
constexpr char kMusicSound = 0x61;
constexpr char kSlicBusySound = 0x62;
constexpr char kSilentSound = 0x63;
constexpr char kSlicNoSound = 0x64;
constexpr char kDigitSound = 0x70;             // num0; num1 is 0x71 and so on
const QByteArray kNotice(16000, kNoticeSound); // 2 s

struct Agent
{
    int channel;
    const char *id;
    const char *script;
    const char *clientType; // what the agent's keys classify the client as
};

// Channels 16 to 18 take transfers; channel 19 is out of service and must never ring.
const Agent kAgents[] = {
    {16, "801", "answer:2000,wait:1000,key:1#,wait:3000,hangup:500", "有意向"},
    {17, "802", "answer:1500,wait:1000,key:2#,wait:3000,hangup:500", "成交"},
    {18, "803", "answer:2500,wait:1000,key:0#,wait:3000,hangup:500", "无意向"},
    {19, "804", "answer:500,wait:1000,hangup:500", ""},
};

const Agent *agentOnChannel(int channel)
{
    for (const Agent &a : kAgents)
        if (a.channel == channel)
            return &a;
    return nullptr;
}

enum class Transfer
{
    None,
    Answered,
    Unanswered
};

// A kind of called party and the outcome its tasks must have.
struct Kind
{
    const char *name;
    const char *prefix; // the number: prefix and a four-digit serial
    const char *script; // the far end of prefix*; nullptr: prefix is the whole (blank) number
    int tasks;
    int succTimesBefore = 1; // notified once before: with RetSucc 1 not notified again
    bool named = true;       // the task has a name to compose
    // The task row at the end.
    int status = 2;
    const char *cause = "";
    int calls = 1;         // times dialled (NoticeTimes)
    int successWrites = 1; // writes of status 2, 4 or 5; one SMS per answered call
    const char *pressInfo = "";
    Transfer transfer = Transfer::None;
    // In the log lines of every call.
    std::vector<const char *> logged = {};
    std::vector<const char *> notLogged = {};
    // In what every call heard: the notice begun after the name this many times, heard whole or not.
    int playings = 1;
    bool wholeNotice = true;
    bool bye = false;
};

const char *const kNoAnswer = "线路没接好或对方无人应答";

// One kind of called party per entry.
// clang-format off
const Kind kKinds[] = {
    {.name = "answers at the answer cue", .prefix = "10", .script = "ring:1,answer,voice:500,silence:60000", .tasks = 30,
     .logged = {"放提示语音超时挂机"}, .notLogged = {"按键："}},
    {.name = "answers, silence after the cue", .prefix = "11", .script = "ring:0,answer,silence:60000", .tasks = 18,
     .logged = {"放提示语音超时挂机"}},
    {.name = "answers a task without a name", .prefix = "12", .script = "ring:2,answer,voice:1500,silence:60000",
     .tasks = 10, .named = false, .logged = {"放提示语音超时挂机"}},
    {.name = "hangs up during the notice", .prefix = "13", .script = "ring:1,answer,voice:300,wait:700,hangup",
     .tasks = 15, .notLogged = {"放提示语音超时挂机"}, .wholeNotice = false},
    {.name = "presses 9: goodbye", .prefix = "14", .script = "ring:1,answer,voice:500,wait:1000,key:9,silence:60000",
     .tasks = 18, .pressInfo = "9", .logged = {"已放音按键：9"}, .notLogged = {"放提示语音超时挂机"},
     .wholeNotice = false, .bye = true},
    {.name = "presses 1: the notice again", .prefix = "15",
     .script = "ring:1,answer,voice:500,wait:1000,key:1,silence:60000", .tasks = 15, .pressInfo = ";1",
     .logged = {"已放音按键：1", "放提示语音超时挂机"}, .playings = 2},
    {.name = "presses 1 five times: hung up", .prefix = "16",
     .script = "ring:1,answer,voice:500,wait:1000,key:1,wait:700,key:1,wait:700,key:1,wait:700,key:1,wait:700,key:1,"
               "silence:60000",
     .tasks = 5, .pressInfo = ";1;1;1;1;1", .notLogged = {"放提示语音超时挂机"}, .playings = 5, .wholeNotice = false},
    {.name = "presses a key before answering", .prefix = "17", .script = "ring:1,key:5,answer,voice:500,silence:60000",
     .tasks = 10, .logged = {"未放音按键：5", "放提示语音超时挂机"}, .notLogged = {"已放音按键"}},
    {.name = "notified, then notified once again", .prefix = "18", .script = "ring:1,answer,voice:500,silence:60000",
     .tasks = 10, .succTimesBefore = 0, .calls = 2, .successWrites = 2, .logged = {"放提示语音超时挂机"}},
    {.name = "busy", .prefix = "19", .script = "busy", .tasks = 20, .status = 3, .cause = "对方占线",
     .calls = kReSendTimes + 1, .successWrites = 0, .logged = {"检测到忙音1挂机"}, .playings = 0},
    {.name = "never answers", .prefix = "20", .script = "ring:forever", .tasks = 10, .status = 3, .cause = kNoAnswer,
     .calls = kReSendTimes + 1, .successWrites = 0, .logged = {"呼出超时挂机"}, .playings = 0},
    {.name = "no number", .prefix = "", .script = nullptr, .tasks = 3, .status = 3, .cause = "电话号码为空",
     .calls = 0, .successWrites = 0, .playings = 0},
    {.name = "blanks for a number", .prefix = "   ", .script = nullptr, .tasks = 3, .status = 3,
     .cause = "电话号码为空", .calls = 0, .successWrites = 0, .playings = 0},
    {.name = "presses 8 and talks to an agent", .prefix = "21",
     .script = "ring:1,answer,voice:500,wait:1000,key:8,silence:60000", .tasks = 20, .status = 5, .successWrites = 2,
     .pressInfo = ";8", .transfer = Transfer::Answered, .logged = {"已放音按键：8", "内线被动摘机"},
     .wholeNotice = false},
    {.name = "presses 8 and hangs up before an agent answers", .prefix = "22",
     .script = "ring:1,answer,voice:500,wait:1000,key:8,wait:1000,hangup", .tasks = 13, .status = 4,
     .successWrites = 2, .pressInfo = ";8", .transfer = Transfer::Unanswered, .notLogged = {"内线被动摘机"},
     .wholeNotice = false},
};
// clang-format on

// One attempt of a task: its trunk, its log lines and what the called party heard.
struct Call : testing::LoggedCall
{
    std::string heard; // as runs
};

struct Task
{
    const Kind *kind;
    int serial;
    std::string phone;
    int nameLength;
    QSqlRecord row;
    std::vector<Call> calls;
    int sms = 0;
};

bool answers(const Kind &k)
{
    return k.status != 3;
}

QByteArray sound(char byte, int ms)
{
    return QByteArray(ms * 8, byte);
}

bool contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

// A name of that many characters: each character's segment followed by its pause.
std::string composed(int characters)
{
    std::string text = " ";
    for (int i = 0; i < characters; ++i)
        text += audioRun(kNameSound, 100).substr(1) + audioRun(char(0x55), 50).substr(1);
    return text.substr(0, text.size() - 1);
}

// What the agent's number announcement sounds like: silent, the digits, slicno.
std::string spokenAgentNumber(const char *id)
{
    QByteArray bytes = sound(kSilentSound, 100);
    for (const char *d = id; *d; ++d)
        bytes += sound(static_cast<char>(kDigitSound + (*d - '0')), 100);
    return audioRuns(bytes + sound(kSlicNoSound, 100));
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

class AcceptanceTest : public testing::BoardInstallation
{
protected:
    void SetUp() override
    {
        BoardInstallation::SetUp();
        replaceFile("KtConfig.ini", "[SystemConfig]\r\nTotalBoards=1\r\n[BoardId=0]\r\nBoardSerialNumber=1001\r\n"
                                    "[AppChToBoardChTable]\r\nTotalAppCh=20\r\nAppCh[0]=0,0..19\r\n");
        QByteArray sim = "[Simulator]\r\nHeardDir=" + heardDir().toUtf8() +
                         "\r\n[Device0]\r\nHardwareId=10\r\nSerialNumber=1001\r\n"
                         "ChannelTypes=0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2,2,2,2\r\n"
                         "LineVoltage=48,48,48,48,48,48,48,48,48,48,48,48,48,48,48,48,0,0,0,0\r\n";
        std::string polarity(kTrunks, '0');
        for (int c : kPolarityLines)
            polarity[static_cast<std::size_t>(c)] = '1';
        sim += "PolarityReversal=";
        for (int c = 0; c < 20; ++c)
            sim += QByteArray(c ? "," : "") + (c < kTrunks ? polarity[static_cast<std::size_t>(c)] : '0');
        sim += "\r\n[Numbers]\r\n";
        for (const Kind &k : kKinds)
            if (k.script)
                sim += QByteArray(k.prefix) + "*=" + k.script + "\r\n";
        sim += "[Stations]\r\n";
        for (const Agent &a : kAgents)
            sim += QByteArray::number(a.channel) + "=" + a.script + "\r\n";
        replaceFile("KtSim.ini", sim);
        QDir(programDir()).mkpath(QStringLiteral("heard"));

        replaceFile("VoiceDB.dat", testing::oneSegmentDatabase(kNameSound));
        replaceFile("Notice.voc", kNotice);
        replaceFile("Voice/pth/Bye.voc", sound(kByeSound, 500));
        QDir(programDir()).mkpath(QStringLiteral("Voice/Index"));
        QByteArray index = "[Index]\r\n";
        const auto segment = [&](const QByteArray &name, const QByteArray &bytes) {
            replaceFile(("Voice/Index/" + name + ".voc").constData(), bytes);
            index += name + "=Voice/Index/" + name + ".voc\r\n";
        };
        segment("music", sound(kMusicSound, 1000));
        segment("slicbusy", sound(kSlicBusySound, 1000));
        segment("silent", sound(kSilentSound, 100));
        segment("slicno", sound(kSlicNoSound, 100));
        for (char d = 0; d < 10; ++d)
            segment("num" + QByteArray::number(d), sound(static_cast<char>(kDigitSound + d), 100));
        replaceFile("KtIndex.ini", index);

        setup("Voice", "AdNotice", (programDir() + QStringLiteral("/Notice.voc")).toStdString());
        setup("CardParm", "Card1Use", std::string(kTrunks, '1') + "1110");
        setup("CardParm", "ChPolarity", polarity);
        for (const Agent &a : kAgents)
            setup("FaxLocalID", ("Ch" + std::to_string(a.channel + 1) + "ID").c_str(), a.id);
        // The day runs from 10:00 to 10:10, well inside the calling window and before its noon pause.
        setup("Other", "BeginTime", "09:00");
        setup("Other", "EndTime", "21:00");
        setup("Other", "TranSlic", "8");
        setup("Other", "ReSendTimes", std::to_string(kReSendTimes));
        setup("Other", "Interval", std::to_string(kInterval));
        setup("Other", "RetSucc", "1");
        setup("Other", "RecordFlag", "1");
        setup("Other", "SendSMSFlag", "1");
        setup("Other", "SMSContent", "您好");
        setup("Other", "WriteLogFlag", "1");
    }

    QString heardDir() const { return programDir() + QStringLiteral("/heard"); }

    // Adds the tasks, runs the day and gathers what it left behind.
    void runTheDay()
    {
        start();
        addTasks();
        runFor(kRunMs);
        readRows();
        log = logText();
        talk = talkRecordText();
        memo = memoText();
        const auto inLog = testing::callsInLog(log, kTrunks);
        const auto heard = heardByNumber();
        for (Task &t : tasks) {
            if (const auto it = inLog.find(t.phone); it != inLog.end())
                for (const testing::LoggedCall &call : it->second)
                    t.calls.push_back({call, {}});
            if (const auto it = heard.find(t.phone); it != heard.end())
                for (std::size_t i = 0; i < it->second.size() && i < t.calls.size(); ++i)
                    t.calls[i].heard = it->second[i];
        }
    }

    QString panel(int i) const { return QString::fromStdString(panelText(i)); }

    static constexpr std::uint32_t kRunMs = 10 * 60 * 1000; // the last result comes at about 10:07

    std::vector<Task> tasks;
    std::string log, talk, memo;

private:
    void addTasks()
    {
        QSqlQuery q(service().dataModule().DBConnection());
        exec(service().dataModule(), QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO AdNotice (Telphone,Name,SuccTimes,RandomValue) VALUES (:t,:n,:s,:r)"));
        const QString names = QStringLiteral("张三丰李");
        int i = 0;
        for (const Kind &k : kKinds) {
            for (int serial = 0; serial < k.tasks; ++serial, ++i) {
                Task t{&k, serial, k.prefix, k.named ? 1 + i % 4 : 0, {}, {}, 0};
                if (k.script)
                    t.phone += QStringLiteral("%1").arg(serial, 4, 10, QLatin1Char('0')).toStdString();
                q.bindValue(QStringLiteral(":t"), QString::fromStdString(t.phone));
                q.bindValue(QStringLiteral(":n"), names.left(t.nameLength));
                q.bindValue(QStringLiteral(":s"), k.succTimesBefore);
                // The first eight transfers go out first, so that three agents cannot take them all
                // at once; the other kinds are mixed.
                const bool early = k.transfer == Transfer::Answered && serial < 8;
                q.bindValue(QStringLiteral(":r"), early ? serial : 10 + (i * 73) % 211);
                EXPECT_TRUE(q.exec());
                tasks.push_back(std::move(t));
            }
        }
        exec(service().dataModule(), QStringLiteral("COMMIT"));
    }

    void readRows()
    {
        QSqlQuery q(service().dataModule().DBConnection());
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT * FROM AdNotice ORDER BY ID")));
        for (Task &t : tasks) {
            ASSERT_TRUE(q.next());
            t.row = q.record();
        }
        std::map<std::string, int> sms;
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT Mobile,Content,NoticeMode,Priority,NeedTimes,OperID,VisitID,"
                                          "NoticeTaskID FROM SmsSendTask")));
        while (q.next()) {
            ++sms[q.value(0).toString().toStdString()];
            EXPECT_EQ(q.value(1).toString(), QStringLiteral("您好"));
            for (int column : {2, 3, 4, 6, 7})
                EXPECT_EQ(q.value(column).toInt(), 1);
            EXPECT_EQ(q.value(5).toString(), QStringLiteral("corvida"));
        }
        for (Task &t : tasks)
            t.sms = sms[t.phone];
    }

    // The heard audio of every call by the number dialled, in the order of the calls.
    std::map<std::string, std::vector<std::string>> heardByNumber() const
    {
        std::map<std::string, std::map<int, std::string>> bySerial;
        for (const QString &file : QDir(heardDir()).entryList({QStringLiteral("*.wav")}, QDir::Files)) {
            // ch<N>-<serial>-<digits>.wav; the dial string ends with "#", written "h".
            const QStringList parts = file.chopped(4).split(QLatin1Char('-'));
            if (parts.size() != 3)
                continue;
            QString digits = parts[2];
            if (digits.endsWith(QLatin1Char('h')))
                digits.chop(1);
            bySerial[digits.toStdString()][parts[1].toInt()] =
                audioRuns(testing::wavData(heardDir() + QLatin1Char('/') + file));
        }
        std::map<std::string, std::vector<std::string>> byNumber;
        for (auto &[number, calls] : bySerial)
            for (auto &[serial, bytes] : calls)
                byNumber[number].push_back(bytes);
        return byNumber;
    }
};

std::string label(const Task &t)
{
    return std::string(t.kind->name) + " #" + std::to_string(t.serial) + " (" + t.phone + ")";
}

TEST_F(AcceptanceTest, TaskRowsAndTheSmsQueue)
{
    runTheDay();
    int status[10] = {};
    for (const Task &t : tasks) {
        const Kind &k = *t.kind;
        const QSqlRecord &r = t.row;
        SCOPED_TRACE(label(t));
        ++status[r.value("Status").toInt()];
        EXPECT_EQ(r.value("Status").toInt(), k.status);
        EXPECT_EQ(r.value("FailCause").toString().toStdString(), k.cause);
        EXPECT_EQ(r.value("NoticeTimes").toInt(), k.calls);
        EXPECT_EQ(r.value("SuccTimes").toInt(), k.succTimesBefore + k.successWrites);
        EXPECT_EQ(r.value("PressInfo").toString().toStdString(), k.pressInfo);
        // A transferred call writes twice (2, then 4 or 5) but tells the person once.
        EXPECT_EQ(t.sms, k.transfer != Transfer::None ? 1 : k.successWrites);
        // The trunk of the last attempt.
        if (k.calls > 0 && !t.calls.empty()) {
            EXPECT_EQ(r.value("TrunkCh").toInt(), t.calls.back().channel + 1);
        } else {
            EXPECT_TRUE(r.value("TrunkCh").isNull());
        }
        // Due again Interval minutes after the result: the end of the call, or the failure.
        const std::string base = (answers(k) ? r.value("FinishBill") : r.value("FactNotice")).toString().toStdString();
        const auto at = common::parseDateTime(base);
        ASSERT_TRUE(at) << base;
        EXPECT_EQ(r.value("NextNotice").toString().toStdString(),
                  common::formatDateTime("yyyy-mm-dd hh:mm:ss", at->addMinutes(kInterval)));
        if (answers(k)) {
            EXPECT_GT(r.value("ResultTotalTime").toInt(), 0);
        }

        const Agent *agent = agentOnChannel(r.value("SlicCh").toInt() - 1);
        if (k.transfer == Transfer::Answered) {
            ASSERT_NE(agent, nullptr) << r.value("SlicCh").toInt();
            EXPECT_NE(agent->channel, 19) << "an agent out of service was rung";
            EXPECT_EQ(r.value("ClientType").toString().toStdString(), agent->clientType);
            EXPECT_EQ(r.value("TranSlic").toInt(), 1);
            EXPECT_FALSE(r.value("RecordFile").toString().isEmpty());
        } else {
            EXPECT_TRUE(r.value("SlicCh").isNull());
            EXPECT_TRUE(r.value("ClientType").toString().isEmpty());
            EXPECT_TRUE(r.value("RecordFile").toString().isEmpty());
        }
    }
    // Every task has its outcome; the counters of the status bar agree.
    EXPECT_EQ(status[0] + status[1] + status[8], 0);
    EXPECT_EQ(panel(2).toInt(), status[2]);
    EXPECT_EQ(panel(4).toInt(), status[3]);
    EXPECT_EQ(panel(12).toInt(), status[4]);
    EXPECT_EQ(panel(14).toInt(), status[5]);
    EXPECT_EQ(panel(6), QStringLiteral("0"));
    EXPECT_EQ(panel(8), QStringLiteral("0"));
    EXPECT_EQ(panel(10), QStringLiteral("0"));
    // Every channel is idle again.
    for (int c = 0; c < 20; ++c)
        EXPECT_EQ(service().engine().channel(c).Progress, CallProgress::Free) << "channel " << c;
}

TEST_F(AcceptanceTest, LogLinesOfEveryCall)
{
    runTheDay();
    std::string lastAttempt;
    int polarityAnswers[2] = {};
    for (const Task &t : tasks) {
        const Kind &k = *t.kind;
        SCOPED_TRACE(label(t));
        // Dialled exactly as often as the row counts, retries included, and never beyond ReSendTimes.
        EXPECT_EQ(static_cast<int>(t.calls.size()), k.calls);
        for (const Call &call : t.calls) {
            EXPECT_TRUE(call.has("触发挂机事件"));
            EXPECT_TRUE(call.has("延迟设置为空闲"));
            for (const char *text : k.logged)
                EXPECT_TRUE(call.has(text)) << text;
            for (const char *text : k.notLogged)
                EXPECT_FALSE(call.has(text)) << text;
            // A polarity line is answered by the first reversal (and reports its count back at 0 when
            // seized for the next call); the other lines never report one.
            const auto *line = std::find(std::begin(kPolarityLines), std::end(kPolarityLines), call.channel);
            if (line != std::end(kPolarityLines) && answers(k)) {
                EXPECT_TRUE(call.has("反极值：1")) << "channel " << call.channel;
                ++polarityAnswers[line - std::begin(kPolarityLines)];
            } else if (line != std::end(kPolarityLines)) {
                EXPECT_FALSE(call.has("反极值：1")) << "channel " << call.channel;
            } else {
                EXPECT_FALSE(call.has("反极值")) << "channel " << call.channel;
            }
        }
        if (k.calls > 0)
            lastAttempt = std::max(lastAttempt, t.row.value("FactNotice").toString().toStdString());
    }
    EXPECT_GT(polarityAnswers[0], 0);
    EXPECT_GT(polarityAnswers[1], 0);
    // The last attempt ended well before the end of the day: a retry beyond ReSendTimes would have come.
    EXPECT_LT(lastAttempt, "2026-12-09 10:08:00");
    // The early transfers found all three agents busy; the waiting callers got the next free one.
    EXPECT_NE(log.find("人工座席全忙，继续放等待音乐..."), std::string::npos);
    EXPECT_NE(log.find("座席全忙时找到其他座席"), std::string::npos);
}

TEST_F(AcceptanceTest, TransfersTalkRecordsMemoAndRecordings)
{
    runTheDay();
    // One talk record per transfer, numbered in the order of the hang-ups.
    std::istringstream in(talk);
    std::map<std::string, std::string> talkOf; // number -> its line without the sequence number
    int sequence = 0;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string number = QStringLiteral("%1 ").arg(++sequence, 4, 10, QLatin1Char('0')).toStdString();
        ASSERT_EQ(line.rfind(number, 0), 0u) << line;
        static const std::string called = "呼出号码:";
        const auto at = line.find(called);
        ASSERT_NE(at, std::string::npos) << line;
        const auto from = at + called.size();
        const std::string phone = line.substr(from, line.find(' ', from) - from);
        EXPECT_EQ(talkOf.count(phone), 0u) << line;
        talkOf[phone] = line.substr(5);
    }
    // One memo line per transfer, by the number at its end.
    std::map<std::string, std::string> memoOf;
    std::istringstream memoLines(memo);
    for (std::string line; std::getline(memoLines, line);) {
        static const std::string phone = " 电话:";
        const auto at = line.rfind(phone);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_EQ(memoOf.count(line.substr(at + phone.size())), 0u) << line;
        memoOf[line.substr(at + phone.size())] = line;
    }
    std::map<int, int> answeredBy;
    int transfers = 0;
    for (const Task &t : tasks) {
        const Kind &k = *t.kind;
        SCOPED_TRACE(label(t));
        const int trunk = t.row.value("TrunkCh").toInt();
        const int slic = t.row.value("SlicCh").toInt();
        const auto memoLine = "外线" + twoDigits(trunk) + "-座席" +
                              twoDigits(k.transfer == Transfer::Answered ? slic : 0) + " 时间:12/09 10:";
        if (k.transfer == Transfer::None) {
            EXPECT_EQ(talkOf.count(t.phone), 0u);
            EXPECT_EQ(memoOf.count(t.phone), 0u);
            continue;
        }
        ++transfers;
        ASSERT_EQ(talkOf.count(t.phone), 1u);
        const std::string &line = talkOf[t.phone];
        EXPECT_EQ(line.rfind("外线:" + twoDigits(trunk) + " 回拨时间:12/09 10:", 0), 0u) << line;
        ASSERT_EQ(memoOf.count(t.phone), 1u);
        EXPECT_EQ(memoOf[t.phone].rfind(memoLine, 0), 0u) << memoOf[t.phone];
        if (k.transfer == Transfer::Unanswered) {
            EXPECT_EQ(line.substr(line.find(" 呼出号码:")), " 呼出号码:" + t.phone) << line;
            continue;
        }
        const Agent *agent = agentOnChannel(slic - 1);
        ASSERT_NE(agent, nullptr);
        ++answeredBy[agent->channel];
        EXPECT_EQ(line.substr(line.find(" 呼出号码:")),
                  " 呼出号码:" + t.phone + " 已接通 座席:" + twoDigits(slic) + "," + agent->id);
        // The conversation recorded under the day's folder, named after agent, number and agent id.
        const QString record = t.row.value("RecordFile").toString();
        const QString name = QStringLiteral("%1/Record/20261209/%2-%3-%4-")
                                 .arg(programDir())
                                 .arg(slic)
                                 .arg(QString::fromStdString(t.phone), QLatin1String(agent->id));
        EXPECT_TRUE(record.startsWith(name)) << record.toStdString();
        QFile wav(record);
        ASSERT_TRUE(wav.open(QIODevice::ReadOnly)) << record.toStdString();
        const QByteArray head = wav.read(12);
        EXPECT_EQ(head.left(4), QByteArray("RIFF"));
        EXPECT_EQ(head.mid(8, 4), QByteArray("WAVE"));
        EXPECT_GE(testing::wavData(record).size(), 4 * 8000) << "at least the 4 s the agent talks";
    }
    EXPECT_EQ(static_cast<int>(talkOf.size()), transfers);
    EXPECT_EQ(static_cast<int>(memoOf.size()), transfers);
    // Each agent in service took calls; the one out of service none.
    for (const Agent &a : kAgents)
        EXPECT_EQ(answeredBy[a.channel] > 0, a.channel != 19) << a.id;
    EXPECT_EQ(QDir(programDir() + QStringLiteral("/Record/20261209")).entryList(QDir::Files).size(),
              static_cast<qsizetype>(answeredBy[16] + answeredBy[17] + answeredBy[18]));
}

TEST_F(AcceptanceTest, WhatEachCalledPartyHeard)
{
    runTheDay();
    for (const Task &t : tasks) {
        const Kind &k = *t.kind;
        SCOPED_TRACE(label(t));
        const std::string name = composed(t.nameLength);
        const Agent *agent = agentOnChannel(t.row.value("SlicCh").toInt() - 1);
        for (const Call &call : t.calls) {
            const std::string &heard = call.heard;
            ASSERT_NE(heard, " ") << "channel " << call.channel;
            SCOPED_TRACE("heard:" + heard);
            // The task's own name, never a longer one left by another call, then the notice.
            EXPECT_EQ(occurrences(heard, name + audioRunBegun(kNoticeSound)), static_cast<std::size_t>(k.playings));
            EXPECT_FALSE(contains(heard, composed(t.nameLength + 1)));
            EXPECT_EQ(contains(heard, name + audioRun(kNoticeSound, 2000)), k.playings > 0 && k.wholeNotice);
            EXPECT_EQ(contains(heard, audioRun(kByeSound, 500)), k.bye);
            const bool waited =
                contains(heard, audioRunBegun(kMusicSound)) || contains(heard, audioRunBegun(kSlicBusySound));
            EXPECT_EQ(waited, k.transfer != Transfer::None);
            // The agent who answered announced their number to the caller.
            if (k.transfer == Transfer::Answered && agent) {
                EXPECT_TRUE(contains(heard, spokenAgentNumber(agent->id)));
            } else {
                EXPECT_FALSE(contains(heard, audioRunBegun(kSlicNoSound)));
            }
        }
    }
}

} // namespace
} // namespace server
