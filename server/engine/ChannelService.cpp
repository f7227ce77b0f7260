// Switching channels in and out of service from the channel lists, and saving the choice.
#include "server/engine/ServerEngine.h"

#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/SaveSettings.h"

#include <filesystem>

namespace server {

bool ServerEngine::SetChannelInService(int c, bool inService)
{
    const std::string path = setupPath(m_settings);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        m_dialogs.show("提示", "配置文件Setup.ini不存在！", DialogIcon::Error);
        return false;
    }
    common::ProfileFile file(path);
    if (!file.loadError().empty()) {
        m_dialogs.show("错误", "打开配置文件Setup.ini文件出错！", DialogIcon::Error);
        return false;
    }
    if (c < 0 || c >= m_settings.ChannelCount)
        return false;
    const auto i = static_cast<std::size_t>(c);
    ChannelRecord &ch = channel(c);
    m_tables.InService[i] = inService ? 1 : 0;
    if (isTrunk(c)) {
        if (inService) {
            m_display.setChannelRow(ChannelList::Trunk, ch.TrunkRow, RowImage::Idle, {"空闲"});
            m_rows.ShowLineState(c, m_lastSeen.LineConnected[i] == 1 ? "空闲" : "断线");
        } else {
            m_display.setChannelRow(ChannelList::Trunk, ch.TrunkRow, RowImage::Closed, {"关闭"});
            // A call in progress ends here and is recorded by its hang-up.
            m_board.Hangup(c);
            ch.NoticePlaying = 0;
            ch.HangupSent = 1;
        }
    } else if (isStation(c)) {
        if (ch.Progress == CallProgress::Seized) {
            m_display.setChannelRow(ChannelList::Station, ch.StationRow, RowImage::InUse, {"摘机"});
        } else if (inService) {
            m_display.setChannelRow(ChannelList::Station, ch.StationRow, RowImage::Idle, {"空闲"});
        } else {
            m_display.setChannelRow(ChannelList::Station, ch.StationRow, RowImage::Closed, {"关闭"});
            m_display.setRowChecked(ChannelList::Station, ch.StationRow, false);
        }
        // Putting an agent back resets every agent's count, so the next transfer goes to the lowest free one.
        if (inService)
            for (int s = 0; s < m_settings.ChannelCount; ++s)
                if (isStation(s))
                    channel(s).AnsweredCount = 0;
    }
    file.writeString("CardParm", "Card1Use", channelDigits(m_tables.InService));
    std::string error;
    if (!file.save(&error)) {
        m_dialogs.show("错误", "打开配置文件Setup.ini文件出错！", DialogIcon::Error);
        return false;
    }
    return true;
}

} // namespace server
