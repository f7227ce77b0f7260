// Transfers to agents: the choice of agent, ringing and music, the agent's answer with bridging and
// recording, hang-ups of the station side, flash transfers, client-type and hold keys, own calls.
#include "server/engine/ServerEngine.h"

#include "common/DateTime.h"

#include <filesystem>

namespace server {

int ServerEngine::PickStation() const
{
    // Every free station is a candidate, however many there are.
    int best = -1;
    for (int c = 0; c < kMaxChannels; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (m_tables.Kind[i] != 2 || m_tables.InService[i] != 1 || m_channels[i].Progress != CallProgress::Free)
            continue;
        if (best < 0 || m_channels[i].AnsweredCount < m_channels[static_cast<std::size_t>(best)].AnsweredCount)
            best = c;
    }
    return best;
}

int ServerEngine::FindStationById(const std::string &digits) const
{
    for (int c = 0; c < m_settings.ChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (m_tables.Kind[i] == 2 && m_tables.InService[i] == 1 && m_channels[i].Progress == CallProgress::Free &&
            m_tables.StationId[i] == digits)
            return c;
    }
    return -1;
}

int ServerEngine::PickTrunkForStation() const
{
    for (int c = 0; c < m_settings.ChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (m_tables.Kind[i] == 1 && m_channels[i].Progress == CallProgress::Free && m_tables.Function[i] == 2 &&
            m_lastSeen.LineConnected[i] == 1)
            return c;
    }
    return -1;
}

void ServerEngine::StartTransfer(int c, TransferOccasion occasion)
{
    ChannelRecord &ch = channel(c);
    const std::string cs = std::to_string(c);
    switch (occasion) {
    case TransferOccasion::OnAnswer:
        m_files.WriteLog(" 对方接通准备转人工，外线通道：" + cs);
        break;
    case TransferOccasion::AfterNotice:
        m_files.WriteLog(" 放完音，准备转人工，外线通道：" + cs);
        break;
    case TransferOccasion::Timed:
        m_files.WriteLog(" 到了时间，准备转人工，外线通道：" + cs);
        ch.NoticePlaying = 0;
        break;
    case TransferOccasion::OnKey:
        break;
    }
    ch.TransferStarted = 1;
    ch.TalkLine = "外线:" + TwoDigitChannel(c) + " 回拨时间:" + common::formatDateTime("mm/dd hh:mm", m_clock.now()) +
                  " 呼出号码:" + ch.Phone;
    ch.State = CallState::None;
    ch.PlayStep = PromptStep::None;
    if (occasion != TransferOccasion::Timed || m_settings.ConPlayFlag == 0)
        m_board.StopPlay(c);
    const int s = PickStation();
    if (s < 0) {
        if (occasion != TransferOccasion::OnKey) {
            m_board.Hangup(c);
        } else {
            m_board.SetDtmfStopPlay(c, 0);
            m_board.PlayIndexString(c, "slicbusy");
            ch.StateTick = m_clock.tick();
            BeginPrompt(c, CallState::DoSlicBusy, PromptStep::Play_SlicBusy, 1, 1);
            m_files.WriteLog(" 人工座席全忙，继续放等待音乐...");
        }
    } else {
        channel(s).Progress = CallProgress::Reserved;
        m_board.SetDtmfStopPlay(c, 0);
        m_board.PlayIndexString(c, "music");
        ch.StateTick = m_clock.tick();
        BeginPrompt(c, CallState::DoMusic, PromptStep::Play_Music, 1, 1);
        channel(s).PeerTrunk = static_cast<std::int16_t>(c);
        ch.PeerStation = static_cast<std::int16_t>(s);
        m_board.StartRingWithCIDStr(s, ch.Phone);
        const std::string to = "外线通道：" + cs + "内线：" + std::to_string(s);
        switch (occasion) {
        case TransferOccasion::OnAnswer:
            m_files.WriteLog((m_tables.Polarity[static_cast<std::size_t>(c)] == 1 ? " 接通，转人工成功，" : " 接通转人工成功，") + to);
            break;
        case TransferOccasion::AfterNotice:
            m_files.WriteLog(" 放完音，转人工成功，" + to);
            break;
        case TransferOccasion::Timed:
            m_files.WriteLog(" 到了时间，转人工成功，" + to);
            break;
        case TransferOccasion::OnKey:
            m_files.WriteLog(" 按键，转人工成功，" + to);
            break;
        }
    }
    if (occasion == TransferOccasion::OnKey)
        m_rows.ShowTrunkKeys(c);
}

void ServerEngine::searchAgent(int c)
{
    const int s = PickStation();
    if (s < 0)
        return;
    ChannelRecord &ch = channel(c);
    ch.StateTick = m_clock.tick();
    channel(s).PeerTrunk = static_cast<std::int16_t>(c);
    ch.PeerStation = static_cast<std::int16_t>(s);
    m_board.StartRingWithCIDStr(s, ch.Phone);
    channel(s).Progress = CallProgress::Reserved;
    ch.State = CallState::DoMusic; // the busy prompt goes on; WaitMusic limits the wait from now
    m_files.WriteLog(" 座席全忙时找到其他座席，外线通道：" + std::to_string(c) + "内线：" + std::to_string(s));
}

void ServerEngine::recordConversation(int t, const std::string &name, bool keepPath)
{
    // The task names a recording only once the board has one under way.
    if (keepPath)
        channel(t).RecordFile.clear();
    m_board.SetRecMixer(t, 1, 0);
    const std::string folder = m_settings.ProgramDir + "/Record/" + common::formatDateTime("yyyymmdd", m_clock.now());
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec)) {
        // The conversation goes on unrecorded.
        ReportFault("创建文件夹：" + folder + "失败!");
        return;
    }
    const std::string file = folder + "/" + name + "-" + common::formatDateTime("hhnnss", m_clock.now()) + ".wav";
    if (m_board.RecToFile(t, file) != 0) {
        // The conversation goes on unrecorded.
        m_recordFault.failed("录音文件写入失败：" + file + "：" + m_board.GetLastErrMsg());
        return;
    }
    if (keepPath)
        channel(t).RecordFile = file;
}

void ServerEngine::finishRecording(int c)
{
    ChannelRecord &ch = channel(c);
    if (m_board.StopRecToFile(c) == 0) {
        if (!ch.RecordFile.empty())
            m_recordFault.succeeded("录音文件恢复写入：" + ch.RecordFile);
        return;
    }
    // The board could not write the recording out: the task must not name a file that is not there.
    if (!ch.RecordFile.empty()) {
        m_recordFault.failed("录音文件写入失败：" + ch.RecordFile + "：" + m_board.GetLastErrMsg());
        ch.RecordFile.clear();
    }
}

void ServerEngine::HandleOffHook(int c)
{
    ChannelRecord &ch = channel(c);
    ch.Progress = CallProgress::Seized;
    if (!isStation(c))
        return;
    m_board.StopRing(c);
    m_board.StopSendTone(c);
    m_rows.ShowOffHook(c);
    const std::string &stationId = m_tables.StationId[static_cast<std::size_t>(c)];
    if (const int t = ch.PeerTrunk; t >= 0 && t < kMaxChannels) {
        ChannelRecord &trunk = channel(t);
        m_board.StopPlay(t);
        m_results.WriteTransferMark(trunk.TaskId);
        if (m_settings.RecordFlag > 0)
            recordConversation(t, std::to_string(c + 1) + "-" + trunk.Phone + "-" + stationId, true);
        m_rows.ShowStationStatus(c, "座席接听");
        trunk.AgentAnswered = 1;
        trunk.AgentAnswerMark = 1;
        trunk.AnsweringStation = static_cast<std::int16_t>(c);
        ch.TaskId = trunk.TaskId;
        ++ch.AnsweredCount;
        trunk.TalkLine += " 已接通 座席:" + TwoDigitChannel(c) + "," + stationId;
        m_rows.AddTransferMemo(t, c, trunk.Phone);
        m_board.StopRing(c);
        m_board.StopPlay(t);
        trunk.TimerOn = 0;
        trunk.TimerRun = 0;
        trunk.StateTick = m_clock.tick();
        const std::int32_t r = m_board.TalkWith(t, c);
        m_files.WriteLog(" 内线被动摘机，内线通道：" + std::to_string(c) + "，外线通道：" + std::to_string(t) +
                 " Ret:" + std::to_string(r));
        trunk.State = CallState::None;
        ch.Talking = 1;
        if (m_settings.PlaySlicNo > 0) {
            m_board.SetPlayDest(c, 1);
            m_board.PlayIndexString(c, "silent," + SpellText(stationId) + ",slicno");
        }
        return;
    }
    if (ch.State == CallState::DoRinging) {
        if (ch.FlashOrigin >= 0 && ch.FlashOrigin < kMaxChannels)
            m_board.StopSendTone(ch.FlashOrigin);
        return;
    }
    // The agent wants an outside line for a call of their own.
    const int t = PickTrunkForStation();
    if (t < 0) {
        m_board.SendTone(c, 1);
        return;
    }
    ch.PeerTrunk = static_cast<std::int16_t>(t);
    channel(t).PeerStation = static_cast<std::int16_t>(c);
    m_board.Pickup(t);
    channel(t).Progress = CallProgress::Seized;
    const std::int32_t r = m_board.TalkWith(c, t);
    m_files.WriteLog(" 内线拨打电话，内线通道：" + std::to_string(c) + "，外线通道：" + std::to_string(t) + " Ret:" +
             std::to_string(r));
    channel(t).State = CallState::SlicPickCallOut;
    ch.State = CallState::SlicPickCallOut;
    m_rows.ShowTrunkStatus(t, "正在拨号");
    if (m_settings.RecordFlag > 0)
        recordConversation(t, std::to_string(c + 1) + "-" + stationId, false);
}

void ServerEngine::stationOnHook(int c)
{
    ChannelRecord &ch = channel(c);
    if (m_tables.InService[static_cast<std::size_t>(c)] == 0)
        m_rows.ShowClosed(c);
    m_board.StopRing(c);
    m_board.StopSendTone(c);
    m_board.StopPlay(c);
    ch.Talking = 0;
    m_files.WriteLog(" 内线挂机，通道:" + std::to_string(c) + "，TrunkToUser:" + std::to_string(ch.PeerTrunk));
    if (const int t = ch.PeerTrunk; t >= 0 && t < kMaxChannels) {
        m_board.StopPlay(t);
        m_board.Hangup(t);
        channel(t).PeerStation = -1;
        ch.PeerTrunk = -1;
        m_board.StopTalkWith(t, c);
        channel(t).HangupSent = 1; // the trunk's own on-hook event records the call
    }
    ResetChannel(static_cast<std::int16_t>(c));
}

void ServerEngine::HandleFlash(int c, std::int32_t count)
{
    ChannelRecord &ch = channel(c);
    const int t = ch.PeerTrunk;
    if (count <= 0 || t < 0 || t >= kMaxChannels)
        return;
    if (ch.State == CallState::DoFlashAfterBusy) {
        m_board.StopSendTone(c);
        m_board.StopPlay(t);
        m_board.TalkWith(c, t);
        ch.Talking = 1;
        ch.State = CallState::Dozzk;
    } else if (ch.State == CallState::DoFlashRing) {
        if (ch.FlashTarget >= 0 && ch.FlashTarget < kMaxChannels) {
            m_board.StopRing(ch.FlashTarget);
            m_board.StopTalkWith(c, ch.FlashTarget);
        }
        m_board.StopPlay(t);
        m_board.TalkWith(c, t);
        ch.Talking = 1;
        ch.State = CallState::Dozzk;
    } else {
        m_board.StopTalkWith(c, t);
        ch.Talking = 0;
        m_board.PlayFile(t, VoiceFolder() + "FlashWait.voc");
        BeginPrompt(t, CallState::DoFlashWait, PromptStep::Play_FlashWait, 0, 0);
        ch.FlashDigits.clear();
        ch.State = CallState::DoFlashComplete;
    }
}

void ServerEngine::stationKey(int c, const std::string &pressed)
{
    ChannelRecord &ch = channel(c);
    std::string key = pressed;
    const int t = ch.PeerTrunk;
    if (ch.State == CallState::DoFlashComplete && !key.empty() && t >= 0) {
        ch.FlashDigits += key;
        if (ch.FlashDigits.size() == 3) {
            const int s = FindStationById(ch.FlashDigits);
            if (s < 0) {
                m_board.SendTone(c, 1);
                ch.State = CallState::DoFlashAfterBusy;
            } else {
                m_board.StartRing(s);
                m_board.StopTalkWith(c, t);
                m_board.TalkWith(s, c);
                ch.State = CallState::DoFlashRing;
                channel(s).State = CallState::DoRinging;
                m_board.SendTone(c, 2);
                ch.FlashTarget = s;
                channel(s).FlashOrigin = c;
            }
        }
    }
    m_files.WriteLog(" 通道：" + std::to_string(c) + (ch.KeysOpen == 1 ? "已放音按键：" : "未放音按键：") + key);
    if (ch.Talking == 1) {
        ch.AgentKeys += key;
        m_rows.ShowStationStatus(c, "座席接听");
    }
    if (ch.State == CallState::SlicPickCallOut && !key.empty()) {
        if (key != "*" && ch.StationDigits.size() < 20) {
            ch.StationDigits += key;
            if (t >= 0 && t < kMaxChannels) {
                channel(t).StationDigits = ch.StationDigits;
                m_rows.ShowTrunkDialled(t, "呼叫");
            }
            m_rows.ShowStationDialled(c, "呼叫");
        }
        key.clear();
    }
    if (!ch.TaskId.empty()) {
        ch.IntentKeys += key;
        if (ch.IntentKeys.find("0#") != std::string::npos)
            ch.ClientType = "无意向";
        if (ch.IntentKeys.find("1#") != std::string::npos)
            ch.ClientType = "有意向";
        if (ch.IntentKeys.find("2#") != std::string::npos)
            ch.ClientType = "成交";
        m_results.WriteClientType(ch, ch.TaskId);
    }
    if (m_settings.TalkFlag > 0 && ch.Talking == 1 && t >= 0 && t < kMaxChannels) {
        if (key == m_settings.PauseTalk && ch.Paused == 0) {
            const std::int32_t r = m_board.StopTalkWith(t, c);
            m_board.SetDtmfStopPlay(c, 0);
            m_board.PlayIndexString(t, "busymusic");
            BeginPrompt(t, CallState::DoBusyMusic, PromptStep::Play_BusyMusic, 0, 0);
            ch.Paused = 1;
            m_files.WriteLog(" 内线通道：" + std::to_string(c) + "按*退出交换 对应的外线为：" + std::to_string(t) +
                     " Ret:" + std::to_string(r));
        } else if (key == m_settings.ResumeTalk && ch.Paused == 1) {
            m_board.StopPlay(t);
            const std::int32_t r = m_board.TalkWith(t, c);
            ch.Paused = 0;
            m_files.WriteLog(" 内线通道：" + std::to_string(c) + "按#交换回来 对应的外线为：" + std::to_string(t) +
                     " Ret:" + std::to_string(r));
        }
    }
}

} // namespace server
