// The demo installation and its outcome table.
#include "server/DemoInstallation.h"

#include "server/TDM.h"
#include "server/engine/StatusDescription.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace server {

namespace {

// Far ends by number: the last digit of the prefix tells what the called party does.
const char *const kDemoSim = "TimeMode=real\r\n"
                             "[Device0]\r\n"
                             "Bus=pci\r\n"
                             "HardwareId=10\r\n"
                             "SerialNumber=1001\r\n"
                             "ChannelTypes=0,0,0,0,0,0,2,2\r\n"
                             "LineVoltage=48,48,48,48,48,48,0,0\r\n"
                             "[Numbers]\r\n"
                             "1380*=ring:2,answer,voice:1500,silence:15000,hangup\r\n"
                             "1381*=ring:4,answer,voice:800,silence:12000,hangup\r\n"
                             "1382*=busy\r\n"
                             "1383*=ring:forever\r\n"
                             "1384*=ring:1,answer,voice:1000,wait:2000,key:1,wait:4000,key:9,silence:20000,hangup\r\n"
                             "1385*=ring:2,answer,voice:1000,wait:3000,key:8,silence:60000,hangup\r\n"
                             "1386*=ring:1,answer,voice:600,wait:1500,hangup\r\n"
                             "*=ring:3,answer,voice:1200,silence:15000,hangup\r\n"
                             "[Stations]\r\n"
                             "6=answer:3000,wait:8000,key:1#,wait:5000,hangup:500\r\n"
                             "7=answer:5000,wait:6000,key:2#,wait:4000,hangup:500\r\n";

const char *const kNames[] = {"张伟", "王芳", "李娜", "刘洋", "陈静", "杨帆", "赵磊", "黄敏", "周杰",
                              "吴倩", "徐明", "孙丽", "胡军", "朱红", "高峰", "林雪", "何平", "郭勇"};

} // namespace

bool makeDemo(const QString &dir, QString *error)
{
    // What each called party heard is written to Heard/.
    QDir(dir).mkpath(QStringLiteral("Heard"));
    const QByteArray simulator = "[Simulator]\r\nHeardDir=" + (dir + QStringLiteral("/Heard")).toUtf8() + "\r\n";
    QFile sim(dir + QStringLiteral("/KtSim.ini"));
    if (!sim.open(QIODevice::WriteOnly | QIODevice::Truncate) || sim.write(simulator + kDemoSim) < 0) {
        *error = QStringLiteral("cannot write ") + sim.fileName();
        return false;
    }
    sim.close();
    const std::string setup = (dir + QStringLiteral("/Setup.ini")).toStdString();
    std::string why;
    const std::string sms = common::utf8ToGbk("您的通知已送达，谢谢。");
    const struct
    {
        const char *section, *key;
        std::string value;
    } keys[] = {{"Other", "TranSlic", "8"},          {"Other", "RecordFlag", "1"},    {"Other", "WriteLogFlag", "1"},
                {"Other", "ReSendTimes", "1"},       {"Other", "SendSMSFlag", "1"},   {"Other", "SMSContent", sms},
                {"FaxLocalID", "Ch7ID", "801"},      {"FaxLocalID", "Ch8ID", "802"}};
    common::ProfileFile file(setup);
    for (const auto &k : keys)
        file.writeString(k.section, k.key, k.value);
    if (!file.loadError().empty() || !file.save(&why)) {
        *error = QString::fromStdString(file.loadError().empty() ? why : file.loadError());
        return false;
    }

    Settings settings;
    settings.ProgramDir = dir.toStdString();
    TDM dm;
    QString dbError;
    if (!dm.ConnectDatabase(settings, &dbError)) {
        *error = dbError;
        return false;
    }
    QSqlQuery q(dm.DBConnection());
    q.prepare(QStringLiteral("INSERT INTO AdNotice (Telphone,Name,PlanNotice,InsertDate,RandomValue) "
                             "VALUES (:t,:n,'2026-12-09 09:00:00','2026-12-09 08:00:00',:r)"));
    for (int i = 0; i < 36; ++i) {
        q.bindValue(QStringLiteral(":t"), QStringLiteral("138%1%2").arg(i % 8).arg(1000000 + i));
        q.bindValue(QStringLiteral(":n"), QString::fromUtf8(kNames[i % std::size(kNames)]));
        q.bindValue(QStringLiteral(":r"), (i * 7) % 50);
        if (!q.exec()) {
            *error = QStringLiteral("cannot add the demo tasks");
            return false;
        }
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
    QString text = QStringLiteral("状态            原因                          任务数\n");
    QSqlQuery q(dm.DBConnection());
    q.exec(QStringLiteral("SELECT Status, COALESCE(FailCause,''), COUNT(*) FROM AdNotice GROUP BY 1,2 ORDER BY 1,2"));
    while (q.next()) {
        const QString status = QString::number(q.value(0).toInt()) + QLatin1Char('-') +
                               QString::fromUtf8(std::string(StatusDescription(q.value(0).toInt())).c_str());
        text += status.leftJustified(16) + q.value(1).toString().leftJustified(30) + q.value(2).toString() + '\n';
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
