// The channels' rows of the operator display and the transfer memo.
#include "server/engine/ChannelRows.h"

#include "common/DateTime.h"

#include <cstdio>

namespace server {

std::string TwoDigitChannel(int c)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", c + 1);
    return text;
}

std::string ChannelRows::nowText() const
{
    return common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now());
}

bool ChannelRows::rowOf(int c, ChannelList &list, int &row) const
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

void ChannelRows::ShowTrunkStatus(int c, std::string_view text)
{
    const ChannelRecord &ch = channel(c);
    m_display.setChannelRow(ChannelList::Trunk, ch.TrunkRow, RowImage::InUse,
                            {std::string(text), ch.Phone, nowText(), "", ch.Name, ch.UserID, ch.Birthday});
}

void ChannelRows::ShowTrunkKeys(int c)
{
    if (c < 0 || c >= kMaxChannels || m_tables.Kind[static_cast<std::size_t>(c)] != 1)
        return;
    m_display.setRowText(ChannelList::Trunk, channel(c).TrunkRow, 4, channel(c).PressInfo);
}

void ChannelRows::ShowStationStatus(int c, std::string_view text)
{
    const ChannelRecord &ch = channel(c);
    static const ChannelRecord none;
    const ChannelRecord &t = ch.PeerTrunk >= 0 && ch.PeerTrunk < kMaxChannels ? channel(ch.PeerTrunk) : none;
    m_display.setChannelRow(ChannelList::Station, ch.StationRow, RowImage::InUse,
                            {std::string(text), t.Phone, nowText(), ch.AgentKeys, t.Name, t.UserID, t.Birthday,
                             t.HomeAddr, t.CompanyName, t.CompanyAddr, t.CompanyTel, t.CompanyTitle});
}

void ChannelRows::ShowIdle(int c)
{
    ChannelList list;
    int row;
    if (rowOf(c, list, row))
        m_display.setChannelRow(list, row, RowImage::Idle, {"空闲", "", "", ""});
}

void ChannelRows::ShowOffHook(int c)
{
    ChannelList list;
    int row;
    if (rowOf(c, list, row))
        m_display.setChannelRow(list, row, RowImage::InUse, {"摘机", "", "", ""});
}

void ChannelRows::ShowLineState(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Trunk, channel(c).TrunkRow, RowImage::Idle, {std::string(text)});
}

void ChannelRows::ShowTrunkDialled(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Trunk, channel(c).TrunkRow, RowImage::InUse,
                            {std::string(text), channel(c).StationDigits, nowText()});
}

void ChannelRows::ShowStationDialled(int c, std::string_view text)
{
    m_display.setChannelRow(ChannelList::Station, channel(c).StationRow, RowImage::InUse,
                            {std::string(text), channel(c).StationDigits, nowText()});
}

void ChannelRows::ShowClosed(int c)
{
    ChannelList list;
    int row;
    if (!rowOf(c, list, row))
        return;
    m_display.setChannelRow(list, row, RowImage::Closed, {"关闭", "", "", ""});
    m_display.setRowChecked(list, row, false);
}

void ChannelRows::AddTransferMemo(int trunk, int station, const std::string &phone)
{
    m_display.addMemoLine("外线" + TwoDigitChannel(trunk) + "-座席" +
                          (station < 0 ? std::string("00") : TwoDigitChannel(station)) +
                          " 时间:" + common::formatDateTime("mm/dd hh:mm", m_clock.now()) + " 电话:" + phone);
}

} // namespace server
