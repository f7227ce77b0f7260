// The demo installation and its outcome table.
#include "server/install/DemoInstallation.h"

#include "server/data/TDM.h"
#include "server/data/NoticeStatus.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <vector>

namespace server {

namespace {

// Far ends by number: the last digit of the prefix tells what the called party does.
const char *const kDemoNumbers = "[Numbers]\r\n"
                                 "1380*=ring:2,answer,voice:1500,silence:15000,hangup\r\n"
                                 "1381*=ring:4,answer,voice:800,silence:12000,hangup\r\n"
                                 "1382*=busy\r\n"
                                 "1383*=ring:forever\r\n"
                                 "1384*=ring:1,answer,voice:1000,wait:2000,key:1,wait:4000,key:9,silence:20000,hangup\r\n"
                                 "1385*=ring:2,answer,voice:1000,wait:3000,key:8,silence:60000,hangup\r\n"
                                 "1386*=ring:1,answer,voice:600,wait:1500,hangup\r\n"
                                 "*=ring:3,answer,voice:1200,silence:15000,hangup\r\n";
constexpr int kDemoKinds = 8;
// The numbers of the kind that presses 8 for an agent, as an SQL pattern.
const char *const kAgentRequestNumbers = "1385%";

// The agents answer after a few seconds, classify the client and hang up.
const char *const kAgentScripts[] = {"answer:3000,wait:8000,key:1#,wait:5000,hangup:500",
                                     "answer:5000,wait:6000,key:2#,wait:4000,hangup:500"};

const char *const kNames[] = {"张伟", "王芳", "李娜", "刘洋", "陈静", "杨帆", "赵磊", "黄敏", "周杰",
                              "吴倩", "徐明", "孙丽", "胡军", "朱红", "高峰", "林雪", "何平", "郭勇"};

constexpr int kDemoTrunks = 6;
constexpr int kDemoAgents = 2;
constexpr int kDemoTasks = 36;

QByteArray list(int trunks, int agents, const char *trunkValue, const char *agentValue)
{
    QByteArray text;
    for (int ch = 0; ch < trunks + agents; ++ch)
        text += QByteArray(ch ? "," : "") + (ch < trunks ? trunkValue : agentValue);
    return text;
}

bool writeDemoSetup(const QString &dir, const DemoOptions &options, QString *error)
{
    const std::string sms = common::utf8ToGbk("您的通知已送达，谢谢。");
    struct Key
    {
        const char *section, *key;
        std::string value;
    };
    std::vector<Key> keys = {{"Other", "TranSlic", "8"},          {"Other", "RecordFlag", "1"},
                             {"Other", "WriteLogFlag", "1"},      {"Other", "ReSendTimes", "1"},
                             {"Other", "SendSMSFlag", "1"},       {"Other", "SMSContent", sms},
                             {"FaxLocalID", "Ch7ID", "801"},      {"FaxLocalID", "Ch8ID", "802"}};
    if (options.live) // whenever the person watches: every day, the whole day
        keys.insert(keys.end(), {{"Other", "BeginTime", "00:00"},
                                 {"Other", "EndTime", "23:59"},
                                 {"Other", "NotNoticeTime1", "24:00"},
                                 {"Other", "NotNoticeTime2", "24:00"},
                                 {"Other", "Saturday", "1"},
                                 {"Other", "Sunday", "1"}});
    common::ProfileFile file((dir + QStringLiteral("/Setup.ini")).toStdString());
    for (const auto &k : keys)
        file.writeString(k.section, k.key, k.value);
    std::string why;
    if (!file.loadError().empty() || !file.save(&why)) {
        *error = QString::fromStdString(file.loadError().empty() ? why : file.loadError());
        return false;
    }
    return true;
}

// Pads a text to a width in terminal columns: Chinese characters take two columns.
QString padToColumns(const QString &text, int columns)
{
    int used = 0;
    for (const QChar c : text)
        used += c.unicode() >= 0x1100 ? 2 : 1;
    return text + QString(std::max(1, columns - used), QLatin1Char(' '));
}

} // namespace

QByteArray demoSimulation(int trunks, int agents, const QString &heardDir, const QString &controlSocket,
                          int manualAgents)
{
    QByteArray text = "[Simulator]\r\nTimeMode=real\r\n";
    if (!heardDir.isEmpty())
        text += "HeardDir=" + heardDir.toUtf8() + "\r\n";
    if (!controlSocket.isEmpty())
        text += "ControlSocket=" + controlSocket.toUtf8() + "\r\n";
    text += "[Device0]\r\nBus=pci\r\nHardwareId=10\r\nSerialNumber=1001\r\n";
    text += "ChannelTypes=" + list(trunks, agents, "0", "2") + "\r\n";
    text += "LineVoltage=" + list(trunks, agents, "48", "0") + "\r\n";
    text += kDemoNumbers;
    text += "[Stations]\r\n";
    for (int a = 0; a < agents; ++a)
        text += QByteArray::number(trunks + a) + '=' +
                (a >= agents - manualAgents ? "noanswer" : kAgentScripts[a % std::size(kAgentScripts)]) + "\r\n";
    return text;
}

bool addDemoTasks(TDM &dm, int count, QString *error)
{
    // One transaction: all the tasks or none, and one commit instead of one per task.
    QSqlDatabase db = dm.DBConnection();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO AdNotice (Telphone,Name,PlanNotice,InsertDate,RandomValue) "
                             "VALUES (:t,:n,'2026-12-09 09:00:00','2026-12-09 08:00:00',:r)"));
    for (int i = 0; i < count; ++i) {
        q.bindValue(QStringLiteral(":t"), QStringLiteral("138%1%2").arg(i % kDemoKinds).arg(1000000 + i));
        q.bindValue(QStringLiteral(":n"), QString::fromUtf8(kNames[i % std::size(kNames)]));
        q.bindValue(QStringLiteral(":r"), (i * 7) % 50);
        if (!q.exec()) {
            *error = QStringLiteral("cannot add the demo tasks: ") + q.lastError().text();
            q.finish();
            db.rollback();
            return false;
        }
    }
    q.finish();
    if (!db.commit()) {
        *error = QStringLiteral("cannot add the demo tasks: ") + db.lastError().text();
        return false;
    }
    return true;
}

bool makeDemo(const QString &dir, QString *error, const DemoOptions &options)
{
    // What each called party heard is written to Heard/.
    QDir(dir).mkpath(QStringLiteral("Heard"));
    // A Unix socket path has room for 107 bytes.
    const QString socket = dir + QStringLiteral("/ktsim.sock");
    if (options.live && socket.toUtf8().size() > 107) {
        *error = QStringLiteral("the control socket path is too long for a Unix socket: ") + socket;
        return false;
    }
    QFile sim(dir + QStringLiteral("/KtSim.ini"));
    const QByteArray simulation = demoSimulation(kDemoTrunks, kDemoAgents, dir + QStringLiteral("/Heard"),
                                                 options.live ? socket : QString(), options.live ? 1 : 0);
    if (!sim.open(QIODevice::WriteOnly | QIODevice::Truncate) || sim.write(simulation) != simulation.size()) {
        *error = QStringLiteral("cannot write ") + sim.fileName();
        return false;
    }
    sim.close();
    if (!writeDemoSetup(dir, options, error))
        return false;

    Settings settings;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    if (!dm.ConnectDatabase(settings, error) || !addDemoTasks(dm, kDemoTasks, error))
        return false;
    // A person watching should not wait long for a caller who asks for an agent: those go first.
    if (options.live &&
        !QSqlQuery(dm.DBConnection())
             .exec(QStringLiteral("UPDATE AdNotice SET RandomValue=-1 WHERE Telphone LIKE '%1'")
                       .arg(QLatin1String(kAgentRequestNumbers)))) {
        *error = QStringLiteral("cannot order the demo tasks");
        return false;
    }
    return true;
}

QString outcomeReport(const QString &dir, QString *error)
{
    Settings settings;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    if (!dm.ConnectDatabase(settings, error))
        return {};
    QString text = padToColumns(QStringLiteral("状态"), 16) + padToColumns(QStringLiteral("原因"), 30) +
                   QStringLiteral("任务数\n");
    QSqlQuery q(dm.DBConnection());
    q.exec(QStringLiteral("SELECT Status, COALESCE(FailCause,''), COUNT(*) FROM AdNotice GROUP BY 1,2 ORDER BY 1,2"));
    while (q.next()) {
        const QString status = QString::number(q.value(0).toInt()) + QLatin1Char('-') +
                               QString::fromUtf8(std::string(StatusDescription(q.value(0).toInt())).c_str());
        text += padToColumns(status, 16) + padToColumns(q.value(1).toString(), 30) + q.value(2).toString() + '\n';
    }
    q.exec(QStringLiteral("SELECT COUNT(*) FROM SmsSendTask"));
    text += QStringLiteral("短信队列 SmsSendTask: ") + (q.next() ? q.value(0).toString() : QStringLiteral("0")) + '\n';
    q.exec(QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE RecordFile<>''"));
    text += QStringLiteral("录音: ") + (q.next() ? q.value(0).toString() : QStringLiteral("0")) + '\n';
    text += QStringLiteral("日志 (log): ") + dir + QStringLiteral("/Log\n");
    text += QStringLiteral("通话记录 (talk records): ") + dir + QStringLiteral("/TalkInfo\n");
    text += QStringLiteral("录音 (recordings): ") + dir + QStringLiteral("/Record\n");
    text += QStringLiteral("被叫听到的声音 (heard audio): ") + dir + QStringLiteral("/Heard\n");
    return text;
}

} // namespace server
