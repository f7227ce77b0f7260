// Writing the results of calls to their tasks: attempt, notice, outcome, talk times, client type, SMS.
#include "server/engine/ResultWriter.h"

#include "common/DateTime.h"

namespace server {

namespace {

constexpr const char *kTimePattern = "yyyy-mm-dd hh:mm:ss";

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

std::string ResultWriter::NextNoticeTime() const
{
    // Now plus Interval minutes, for every value of Interval: reading "00:Interval:00" as a time of
    // day fails from 60 on, which would drop the result and leave the task stuck in status 1 or 8.
    return common::formatDateTime(kTimePattern, m_clock.now().addMinutes(m_settings.Interval));
}

ResultWriter::Claim ResultWriter::ClaimTask(int c, const ChannelRecord &ch, int readStatus, int readNoticeTimes)
{
    const QString now = qs(common::formatDateTime(kTimePattern, m_clock.now()));
    const QVariant code = QVariant::fromValue<int>(static_cast<int>(NoticeStatus::Notifying));
    try {
        const qlonglong changed =
            m_dm.hasServerColumn()
                ? m_dm.executeUnflushed(
                      m_dm.QueUpdateAdNotice,
                      QStringLiteral("UPDATE AdNotice SET Status=:P1,NoticeTimes=NoticeTimes+1,FactNotice=:P2,"
                                     "TrunkCh=:P4,ServerID=:P5 WHERE ID=:P3 AND Status=:P6 AND NoticeTimes=:P7"),
                      {{"P1", code},
                       {"P2", now},
                       {"P3", qs(ch.TaskId)},
                       {"P4", QString::number(c + 1)},
                       {"P5", m_dm.serverId()},
                       {"P6", readStatus},
                       {"P7", readNoticeTimes}})
                : m_dm.executeUnflushed(m_dm.QueUpdateAdNotice,
                               QStringLiteral("UPDATE AdNotice SET Status=:P1,NoticeTimes=NoticeTimes+1,FactNotice=:P2,"
                                              "TrunkCh=:P4 WHERE ID=:P3 AND Status=:P6 AND NoticeTimes=:P7"),
                               {{"P1", code},
                                {"P2", now},
                                {"P3", qs(ch.TaskId)},
                                {"P4", QString::number(c + 1)},
                                {"P6", readStatus},
                                {"P7", readNoticeTimes}});
        // A database that does not count the rows it changed is taken at its word.
        return changed == 0 ? Claim::Lost : Claim::Won;
    } catch (const DatabaseError &) {
        return Claim::Failed;
    }
}

void ResultWriter::WriteNoticeResult(int /*c*/, const ChannelRecord &ch, NoticeStatus status, std::string_view cause)
{
    // Every value as it is now: a kept write goes to the database later with the values of its call.
    const QString now = qs(common::formatDateTime(kTimePattern, m_clock.now()));
    const QString id = qs(ch.TaskId);
    const QVariant code = QVariant::fromValue<int>(static_cast<int>(status));
    const QString next = qs(NextNoticeTime());
    const QString press = qs(ch.PressInfo);
    TDM &dm = m_dm;
    switch (status) {
    case NoticeStatus::Notified:
    case NoticeStatus::ToAgent:
        m_outage.write([&dm, code, id, next, press] {
            dm.execute(dm.QueUpdateAdNotice,
                       QStringLiteral("UPDATE AdNotice SET Status=:P1,FailCause=:P3,SuccTimes=SuccTimes+1,"
                                      "NextNotice=:P4,PressInfo=:P5 WHERE ID=:P2"),
                       {{"P1", code}, {"P2", id}, {"P3", QStringLiteral("")}, {"P4", next}, {"P5", press}});
        });
        break;
    case NoticeStatus::Failed:
        m_outage.write([&dm, code, id, now, next, why = qs(cause)] {
            dm.execute(dm.QueUpdateAdNotice,
                       QStringLiteral("UPDATE AdNotice SET Status=:P1,FailCause=:P2,FactNotice=:P3,NextNotice=:P5 "
                                      "WHERE ID=:P4"),
                       {{"P1", code}, {"P2", why}, {"P3", now}, {"P4", id}, {"P5", next}});
        });
        break;
    case NoticeStatus::AgentAnswered:
        m_outage.write([&dm, code, id, next, press, station = QVariant::fromValue<int>(ch.AnsweringStation + 1),
                        file = qs(ch.RecordFile)] {
            dm.execute(dm.QueUpdateAdNotice,
                       QStringLiteral("UPDATE AdNotice SET Status=:P1,FailCause=:P3,SuccTimes=SuccTimes+1,"
                                      "NextNotice=:P4,PressInfo=:P5,SlicCh=:P7,RecordFile=:P8 WHERE ID=:P2"),
                       {{"P1", code},
                        {"P2", id},
                        {"P3", QStringLiteral("")},
                        {"P4", next},
                        {"P5", press},
                        {"P7", station},
                        {"P8", file}});
        });
        break;
    case NoticeStatus::Playing:
        m_outage.write([&dm, code, id] {
            dm.executeUnflushed(dm.QueUpdateAdNotice, QStringLiteral("UPDATE AdNotice SET Status=:P1 \nWHERE ID=:P2"),
                                {{"P1", code}, {"P2", id}});
        });
        break;
    default:
        break;
    }
}

void ResultWriter::WriteTalkTimes(const ChannelRecord &ch)
{
    TDM &dm = m_dm;
    m_outage.write([&dm, start = qs(ch.StartBill), finish = qs(ch.FinishBill), fact = qs(ch.FactTotalTime),
                    total = qs(ch.ResultTotalTime), id = qs(ch.TaskId)] {
        dm.execute(dm.QueBillData,
                   QStringLiteral("UPDATE AdNotice SET StartBill=:P1,FinishBill=:P2,FactTotalTime=:P3,"
                                  "ResultTotalTime=:P4 WHERE ID=:P5"),
                   {{"P1", start}, {"P2", finish}, {"P3", fact}, {"P4", total}, {"P5", id}});
    });
}

void ResultWriter::WriteClientType(const ChannelRecord &station, const std::string &taskId)
{
    TDM &dm = m_dm;
    m_outage.write([&dm, type = qs(station.ClientType), id = qs(taskId)] {
        dm.execute(dm.QueUpdateClientType, QStringLiteral("UPDATE AdNotice SET ClientType=:P1 WHERE ID=:P2"),
                   {{"P1", type}, {"P2", id}});
    });
}

void ResultWriter::WriteTransferMark(const std::string &taskId)
{
    TDM &dm = m_dm;
    m_outage.write([&dm, id = qs(taskId)] {
        dm.execute(dm.QueMyPublic, QStringLiteral("UPDATE AdNotice SET TranSlic=:P1 WHERE id=:P2 "),
                   {{"P1", 1}, {"P2", id}});
    });
}

void ResultWriter::QueueSms(const std::string &phone, const std::string &content, const std::string &operatorId)
{
    const QString now = qs(common::formatDateTime(kTimePattern, m_clock.now()));
    TDM &dm = m_dm;
    m_outage.write([&dm, now, mobile = qs(phone), text = qs(content), oper = qs(operatorId)] {
        dm.execute(dm.QueInsertSmsSendTask,
                   QStringLiteral("INSERT INTO SmsSendTask(Mobile,NoticeMode,Priority,NeedTimes,Content,PlanNotice,"
                                  "InsertDate,OperID,VisitID,NoticeTaskID) "
                                  "VALUES(:P1,:P2,:P3,:P4,:P5,:P6,:P7,:P8,:P9,:P10)"),
                   {{"P1", mobile},
                    {"P2", 1},
                    {"P3", 1},
                    {"P4", 1},
                    {"P5", text},
                    {"P6", now},
                    {"P7", now},
                    {"P8", oper},
                    {"P9", 1},
                    {"P10", 1}});
    });
}

} // namespace server
