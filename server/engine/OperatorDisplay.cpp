// The operator display of the channels, the transfer memo, the status counters and the run's files.
#include "server/engine/ServerEngine.h"

#include "server/data/TDM.h"

#include "common/DateTime.h"

#include <cstdio>
#include <filesystem>

namespace server {

std::string TwoDigitChannel(int c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", c + 1);
    return text;
}

std::string ServerEngine::nowText() const
{
    return common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now());
}

bool ServerEngine::rowOf(int c, ChannelList &list, int &row) const
{
    if (c < 0 || c >= kMaxChannels)
        return false;
    const auto i = static_cast<std::size_t>(c);
    if (m_tables.Kind[i] == 1) {
        list = ChannelList::Trunk;
        row = m_channels[i].TrunkRow;
        return true;
    }
    if (m_tables.Kind[i] == 2) {
        list = ChannelList::Station;
        row = m_channels[i].StationRow;
        return true;
    }
    return false;
}

void ServerEngine::ShowTrunkStatus(int c, std::string_view text)
{
    const ChannelRecord &ch = channel(c);
    m_display.setChannelRow(ChannelList::Trunk, ch.TrunkRow, RowImage::InUse,
                            {std::string(text), ch.Phone, nowText(), "", ch.Name, ch.UserID, ch.Birthday});
}

void ServerEngine::ShowTrunkKeys(int c)
{
    if (c < 0 || c >= kMaxChannels || m_tables.Kind[static_cast<std::size_t>(c)] != 1)
        return;
    m_display.setRowText(ChannelList::Trunk, channel(c).TrunkRow, 4, channel(c).PressInfo);
}

void ServerEngine::ShowStationStatus(int c, std::string_view text)
{
    const ChannelRecord &ch = channel(c);
    static const ChannelRecord none;
    const ChannelRecord &t = ch.PeerTrunk >= 0 && ch.PeerTrunk < kMaxChannels ? channel(ch.PeerTrunk) : none;
    m_display.setChannelRow(ChannelList::Station, ch.StationRow, RowImage::InUse,
                            {std::string(text), t.Phone, nowText(), ch.AgentKeys, t.Name, t.UserID, t.Birthday,
                             t.HomeAddr, t.CompanyName, t.CompanyAddr, t.CompanyTel, t.CompanyTitle});
}

void ServerEngine::ShowIdle(int c)
{
    ChannelList list;
    int row;
    if (rowOf(c, list, row))
        m_display.setChannelRow(list, row, RowImage::Idle, {"空闲", "", "", ""});
}

void ServerEngine::ShowOffHook(int c)
{
    ChannelList list;
    int row;
    if (rowOf(c, list, row))
        m_display.setChannelRow(list, row, RowImage::InUse, {"摘机", "", "", ""});
}

void ServerEngine::ShowLineState(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Trunk, channel(c).TrunkRow, RowImage::Idle, {std::string(text)});
}

void ServerEngine::ShowTrunkDialled(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Trunk, channel(c).TrunkRow, RowImage::InUse,
                            {std::string(text), channel(c).StationDigits, nowText()});
}

void ServerEngine::ShowStationDialled(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Station, channel(c).StationRow, RowImage::InUse,
                            {std::string(text), channel(c).StationDigits, nowText()});
}

void ServerEngine::ShowClosed(int c)
{
    ChannelList list;
    int row;
    if (!rowOf(c, list, row))
        return;
    m_display.setChannelRow(list, row, RowImage::Closed, {"关闭", "", "", ""});
    m_display.setRowChecked(list, row, false);
}

void ServerEngine::AddTransferMemo(int trunk, int station, const std::string &phone)
{
    m_display.addMemoLine("外线" + TwoDigitChannel(trunk) + "-座席" + (station < 0 ? std::string("00") : TwoDigitChannel(station)) +
                          " 时间:" + common::formatDateTime("mm/dd hh:mm", m_clock.now()) + " 电话:" + phone);
}

void ServerEngine::NoticeStatusTimerTimer()
{
    static const struct
    {
        const char *condition;
        int panel;
    } counters[] = {
        {"Status=:P1", 6},
        {"Status=8 and FactNotice>=:P1", 10},
        {"Status=1 AND FactNotice>=:P1", 8},
        {"Status=2 AND FactNotice>=:P1", 2},
        {"Status=3 AND FactNotice>=:P1", 4},
        {"Status=4 AND FactNotice>=:P1", 12},
        {"Status=5 AND FactNotice>=:P1", 14},
    };
    // The numbers of rows the conditions match: from the per-status counts where the database keeps
    // them, else counted in AdNotice (COUNT(*) equals COUNT(id) for the key and reads no column).
    const QString count = m_dm.hasStatusCounts() ? QStringLiteral("SELECT COALESCE(SUM(n),0) FROM AdNoticeCounts WHERE ")
                                                 : QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE ");
    std::array<std::string, std::size(counters)> counts;
    try {
        for (std::size_t i = 0; i < std::size(counters); ++i) {
            const QVariant p1 = i == 0 ? QVariant(0) : QVariant(QString::fromStdString(m_settings.ServiceStartTime));
            m_dm.open(m_dm.QueTimerQuery, count + QLatin1String(counters[i].condition), {{"P1", p1}});
            QSqlQuery &rows = m_dm.QueTimerQuery.rows();
            counts[i] = rows.next() ? std::to_string(rows.value(0).toLongLong()) : "0";
            rows.finish(); // an open read would hold the database's read lock until the next pass
        }
    } catch (const DatabaseError &) {
        return;
    }
    for (std::size_t i = 0; i < std::size(counters); ++i)
        m_display.setStatusPanel(counters[i].panel, counts[i]);
}

bool ServerEngine::OpenLogFile(std::string *error)
{
    m_settings.LogFileOpen = 0;
    if (m_settings.WriteLogFlag != 1)
        return true;
    const std::string name = common::formatDateTime("yyyymmddhhnn", m_clock.now()) + "Log.txt";
    if (!m_log.open(m_settings.ProgramDir + "/Log/" + name, error))
        return false;
    m_settings.LogFileOpen = 1;
    return true;
}

bool ServerEngine::OpenTalkRecordFile(std::string *error)
{
    const std::string name = common::formatDateTime("yyyymmddhhmmss", m_clock.now()) + ".txt";
    return m_talk.open(m_settings.ProgramDir + "/TalkInfo/" + name, error);
}

void ServerEngine::WriteLog(std::string_view text)
{
    if (m_settings.WriteLogFlag == 1 && m_log.isOpen())
        m_log.writeLine(common::formatDateTime("hh:mm:ss:zzz", m_clock.now()) + std::string(text));
}

void ServerEngine::WriteTalkRecord(std::string_view talkLine)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", ++m_settings.TalkRecordLines);
    m_talk.writeLine(std::string(number) + " " + std::string(talkLine));
}

void ServerEngine::CloseLogFiles()
{
    if (m_settings.WriteLogFlag == 1)
        m_log.close();
    const std::string talkPath = m_talk.path();
    m_talk.close();
    // A talk-record file without lines is removed; one that an earlier run of the same second
    // wrote to stays.
    std::error_code ec;
    if (!talkPath.empty() && std::filesystem::is_regular_file(talkPath, ec) && std::filesystem::file_size(talkPath, ec) == 0)
        std::filesystem::remove(talkPath, ec);
}

} // namespace server
