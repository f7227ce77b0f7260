// The polling loop of the channels: change detection on every driver query, the events and timeouts.
#include "server/engine/ServerEngine.h"

#include "common/DateTime.h"
#include "common/TickCount.h"


namespace server {

namespace {

// A number of hundredths of a second as text without trailing zeros ("12.5", "12", "0.05").
std::string hundredthsText(std::uint64_t hundredths)
{
    std::string text = std::to_string(hundredths / 100);
    const std::uint64_t fraction = hundredths % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return text;
}

// value / divisor rounded to the nearest whole number, halves to the even neighbour.
std::uint64_t roundHalfEven(std::uint64_t value, std::uint64_t divisor)
{
    std::uint64_t q = value / divisor;
    const std::uint64_t r = value % divisor;
    if (r * 2 > divisor || (r * 2 == divisor && q % 2 == 1))
        ++q;
    return q;
}

} // namespace

std::uint32_t ServerEngine::elapsed(const ChannelRecord &ch) const
{
    return common::ticksBetween(ch.StateTick, m_clock.tick());
}

void ServerEngine::StatusTimerTimer()
{
    m_display.setStatusPanel(15, nowText());
    for (int c = 0; c < m_settings.ChannelCount; ++c) {
        try {
            pollChannel(c);
        } catch (const std::exception &e) {
            // One channel's fault must not stop the polling of the others, nor the next pass.
            std::string &last = m_pollFaults[static_cast<std::size_t>(c)];
            const std::string text = "通道" + std::to_string(c) + "处理出错：" + e.what();
            if (text != last)
                ReportFault(text);
            last = text;
        }
    }
}

void ServerEngine::pollChannel(int c)
{
    pollLineVoltage(c);
    pollChannelState(c);
    pollHookState(c);
    pollFlash(c);
    pollAutoDial(c);
    pollTxDtmf(c);
    ruleSilence(c);
    ruleToneTiming(c);
    pollFirstToneAnalyser(c);
    pollSecondToneAnalyser(c);
    pollPlayEnd(c);
    pollPolarity(c);
    pollKeys(c);
    transferAfterPlayingTime(c);
    runTimeouts(c);
}

void ServerEngine::pollLineVoltage(int c)
{
    if (!isTrunk(c))
        return;
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t v = m_board.GetLineVoltage(c);
    if (v == m_lastSeen.LineVoltage[i])
        return;
    // Between the two thresholds the line keeps its last known state.
    if (v >= m_settings.HaveLineVoltage)
        m_lastSeen.LineConnected[i] = 1;
    if (v <= m_settings.NoLineVoltage)
        m_lastSeen.LineConnected[i] = 0;
    if (m_lastSeen.LineConnected[i] != m_lastSeen.LineConnectedFlag[i]) {
        m_lastSeen.LineConnectedFlag[i] = m_lastSeen.LineConnected[i];
        m_rows.ShowLineState(c, m_lastSeen.LineConnected[i] == 1 ? "空闲" : "断线");
    }
    m_lastSeen.LineVoltage[i] = v;
}

void ServerEngine::pollChannelState(int c)
{
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t s = m_board.GetChState(c);
    if (s == m_lastSeen.ChState[i])
        return;
    m_lastSeen.ChState[i] = s;
    if (s == 0 && isTrunk(c)) {
        HandleOnHook(c);
        channel(c).HangupSent = 1;
    } else if (s == 2) {
        m_board.GetCallerId(c); // read as the board expects; the server has no use for it
    }
}

void ServerEngine::pollHookState(int c)
{
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t h = m_board.GetHookState(c);
    if (h == m_lastSeen.HookState[i])
        return;
    m_lastSeen.HookState[i] = h;
    if (h == 0) {
        m_rows.ShowIdle(c);
        HandleOnHook(c);
    } else if (h == 1) {
        m_rows.ShowOffHook(c);
        HandleOffHook(c);
    }
}

void ServerEngine::pollFlash(int c)
{
    if (!isStation(c) || channel(c).PeerTrunk < 0)
        return;
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t f = m_board.GetFlashCount(c);
    if (f == m_lastSeen.FlashCount[i])
        return;
    m_lastSeen.FlashCount[i] = f;
    HandleFlash(c, f);
}

void ServerEngine::pollAutoDial(int c)
{
    m_lastSeen.AutoDialStatus[static_cast<std::size_t>(c)] = m_board.ChkAutoDial(c);
}

void ServerEngine::pollTxDtmf(int c)
{
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t t = m_board.ChkTxDtmf(c);
    if (t == m_lastSeen.TxDtmfStatus[i])
        return;
    m_lastSeen.TxDtmfStatus[i] = t;
    HandleDtmfSent(c, t);
}

void ServerEngine::hangUpOnBusyTone(int c, const char *which)
{
    m_files.WriteLog(" 通道：" + std::to_string(c) + ":" + which);
    m_board.Hangup(c);
    ChannelRecord &ch = channel(c);
    ch.HangupSent = 1;
    ch.BusySeen = 1;
}

void ServerEngine::pollFirstToneAnalyser(int c)
{
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t r = m_board.GetToneAnalyzeResult(c);
    if (r == m_lastSeen.ToneResult[i])
        return;
    m_lastSeen.ToneResult[i] = r;
    ChannelRecord &ch = channel(c);
    switch (r) {
    case 1:
        ch.DialToneSeen = 1;
        m_rows.ShowTrunkStatus(c, "正在拨号");
        break;
    case 2:
        hangUpOnBusyTone(c, "检测到忙音1挂机");
        break;
    case 3:
        ++ch.RingBacks;
        break;
    case 6:
        answerCue(c);
        break;
    default:
        break;
    }
}

void ServerEngine::pollSecondToneAnalyser(int c)
{
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t r = m_board.Get2ndToneAnalyzeResult(c);
    if (r == m_lastSeen.SecondToneResult[i])
        return;
    m_lastSeen.SecondToneResult[i] = r;
    ChannelRecord &ch = channel(c);
    if (r == 1 && ch.DialToneSeen == 0) {
        ch.DialToneSeen = 1;
        m_rows.ShowTrunkStatus(c, "正在拨号");
    } else if (r == 2) {
        hangUpOnBusyTone(c, "检测到忙音2挂机");
    }
}

void ServerEngine::pollPlayEnd(int c)
{
    if (!channel(c).PlayWatch)
        return;
    const auto i = static_cast<std::size_t>(c);
    const std::int32_t p = m_board.CheckPlay(c);
    // An end is a change of the play status. Each prompt started counts as playing (see BeginPrompt),
    // so a prompt that began and ended between two passes is seen to end too.
    const bool ended = p > 0 && p != m_lastSeen.PlayStatus[i];
    m_lastSeen.PlayStatus[i] = p;
    if (ended)
        HandlePlayEnd(c, p);
}

void ServerEngine::pollPolarity(int c)
{
    const auto i = static_cast<std::size_t>(c);
    if (!isTrunk(c) || m_tables.Polarity[i] != 1 || channel(c).State == CallState::SlicPickCallOut)
        return;
    const std::int32_t r = m_board.GetPolarRvrsCount(c);
    if (r == m_lastSeen.PolarityCount[i])
        return;
    HandlePolarity(c, r);
    m_lastSeen.PolarityCount[i] = r;
}

void ServerEngine::HandlePolarity(int c, std::int32_t count)
{
    m_files.WriteLog(" 通道：" + std::to_string(c) + " 反极值：" + std::to_string(count));
    // The first reversal is the answer; the second one is the far end hanging up.
    if (count == 1 && channel(c).Answered == 0) {
        DeclareAnswered(c);
    } else if (count == 2) {
        m_board.Hangup(c);
        ChannelRecord &ch = channel(c);
        ch.HangupSent = 1;
        ch.NoticePlaying = 0;
    }
}

void ServerEngine::pollKeys(int c)
{
    // One key per channel and pass; keys still waiting are dropped with the buffer.
    const std::string key = m_board.Get1stDtmfClr(c);
    m_board.ClearRxDtmfBuf(c);
    if (!key.empty())
        HandleKey(c, key);
}

void ServerEngine::runTimeouts(int c)
{
    ChannelRecord &ch = channel(c);
    if (ch.TimerOn != 1 || ch.TimerRun != 1)
        return;
    const std::uint32_t e = elapsed(ch);
    if (ch.State == CallState::DoCalling && e >= static_cast<std::uint32_t>(m_settings.CallOutTimeOut) * 1000u) {
        ch.NoAnswer = 1;
        ch.DialDone = 0;
        m_files.WriteLog(" 通道：" + std::to_string(c) + ":" + "呼出超时挂机");
        m_board.Hangup(c);
        ch.HangupSent = 1;
    }
    if (ch.State == CallState::DoSlicBusy)
        searchAgent(c);
    if (ch.State == CallState::DoMusic && e >= static_cast<std::uint32_t>(m_settings.WaitMusic) * 1000u) {
        m_board.StopPlay(c);
        m_board.Hangup(c);
    }
    if (ch.State == CallState::DoCalling && e >= m_settings.PickDelay && ch.DialMethod == 2 && ch.DigitsSent == 0) {
        m_board.TxDtmf(c, ch.DialString);
        ch.DigitsSent = 1;
    }
    if (ch.State == CallState::DoOnhook && e >= static_cast<std::uint32_t>(std::max<std::int16_t>(m_settings.HangupDelay, 0))) {
        m_files.WriteLog(" 通道：" + std::to_string(c) + ":" + "延迟设置为空闲");
        ResetChannel(static_cast<std::int16_t>(c));
    }
    if (ch.State == CallState::DoPlayNotice && e >= static_cast<std::uint32_t>(std::max<std::int16_t>(m_settings.VocRepeat, 0)) * 1000u)
        repeatNotice(c);
}

void ServerEngine::HandleDtmfSent(int c, std::int32_t status)
{
    if (status == 0)
        channel(c).DialDone = 1;
}

void ServerEngine::BeginPrompt(int c, CallState state, PromptStep step, std::int8_t timerOn,
                               std::int8_t timerRun)
{
    ChannelRecord &ch = channel(c);
    // The prompt just started is playing, whatever the play status read before it.
    m_lastSeen.PlayStatus[static_cast<std::size_t>(c)] = 0;
    ch.PlayWatch = true;
    ch.PlayStep = step;
    ch.State = state;
    ch.TimerOn = timerOn;
    ch.TimerRun = timerRun;
}

void ServerEngine::HandlePlayEnd(int c, std::int32_t status)
{
    if (status != 1 && status != 2)
        return;
    ChannelRecord &ch = channel(c);
    ch.PlayWatch = false;
    if (ch.PlayStep == PromptStep::Play_Notice && m_settings.TranSlicFlag == 1) {
        ch.TimerRun = 1; // the wait before the notice is repeated starts now
        ch.StateTick = m_clock.tick();
    } else if (ch.PlayStep == PromptStep::Play_Notice && m_settings.TranSlicFlag == 0) {
        StartTransfer(c, TransferOccasion::AfterNotice);
    } else if (ch.PlayStep == PromptStep::Play_BusyMusic) {
        // The hold music starts again for as long as the caller is on hold.
        m_board.SetDtmfStopPlay(c, 0);
        m_board.PlayIndexString(c, "busymusic");
        BeginPrompt(c, CallState::DoBusyMusic, PromptStep::Play_BusyMusic, 0, 0);
    } else if (ch.PlayStep == PromptStep::Play_Bye) {
        m_board.Hangup(c);
    }
}

void ServerEngine::recordTalkTimes(int c)
{
    ChannelRecord &ch = channel(c);
    const std::uint32_t now = m_clock.tick();
    if (ch.AnswerTick == 0)
        ch.AnswerTick = now;
    ch.HangupTick = now;
    const std::uint64_t ms = common::ticksBetween(ch.AnswerTick, ch.HangupTick);
    ch.ResultTotalTime = std::to_string(roundHalfEven(ms, 1000));
    ch.FactTotalTime = hundredthsText(roundHalfEven(ms, 10));
    ch.FinishBill = nowText();
    m_results.WriteTalkTimes(ch);
}

void ServerEngine::finishFlashTransfer(int c)
{
    // The agent who passed the call on hangs up: the colleague takes the caller over.
    ChannelRecord &ch = channel(c);
    const int s = ch.FlashTarget;
    const int t = ch.PeerTrunk;
    if (s < 0 || s >= kMaxChannels || t < 0 || t >= kMaxChannels)
        return;
    m_board.StopTalkWith(c, s);
    m_board.StopPlay(t);
    m_board.StopRing(s);
    m_board.TalkWith(s, t);
    channel(s).Talking = 1;
    channel(s).PeerTrunk = static_cast<std::int16_t>(t);
    channel(t).PeerStation = static_cast<std::int16_t>(s);
    ch.PeerTrunk = -1;
}

void ServerEngine::transferAfterPlayingTime(int c)
{
    ChannelRecord &ch = channel(c);
    if (!isTrunk(c) || ch.NoticePlaying != 1 || m_settings.TranSlicFlag != 0 || ch.TransferStarted != 0)
        return;
    const std::uint64_t seconds = common::ticksBetween(ch.AnswerTick, m_clock.tick()) / 1000u;
    if (seconds >= static_cast<std::uint64_t>(std::max<std::int16_t>(m_settings.VocPlayTranSlicTime, 0)))
        StartTransfer(c, TransferOccasion::Timed);
}

void ServerEngine::HandleOnHook(int c)
{
    m_files.WriteLog(" 通道：" + std::to_string(c) + ":" + "触发挂机事件");
    ChannelRecord &ch = channel(c);
    if (isTrunk(c) && !ch.TaskId.empty())
        recordTalkTimes(c);
    if (ch.State == CallState::DoFlashRing)
        finishFlashTransfer(c);
    m_board.ClearFileList(c);
    m_rows.ShowIdle(c);
    if (isStation(c)) {
        stationOnHook(c);
        return;
    }
    if (!isTrunk(c))
        return;
    finishRecording(c);
    if (ch.TransferStarted == 1 && ch.AgentAnswered == 0)
        m_rows.AddTransferMemo(c, -1, ch.Phone);
    if (!ch.TalkLine.empty())
        m_files.WriteTalkRecord(ch.TalkLine);
    if (m_tables.InService[static_cast<std::size_t>(c)] == 0)
        m_rows.ShowClosed(c);
    m_board.StopPlay(c);
    m_files.WriteLog(" 外线挂机，通道：" + std::to_string(c) + "，TrunkToUser:" + std::to_string(ch.PeerStation));
    if (const int s = ch.PeerStation; s >= 0 && s < kMaxChannels) {
        m_board.StopRing(s);
        m_board.SendTone(s, 3);
        m_board.StopTalkWith(c, s);
        ch.PeerStation = -1;
        ChannelRecord &station = channel(s);
        station.PeerTrunk = -1;
        if (station.Progress == CallProgress::Reserved)
            station.Progress = CallProgress::Free; // a rung agent who had not answered is free again
        else if (station.Progress == CallProgress::Seized)
            m_rows.ShowOffHook(s);
        station.Talking = 0;
    }
    if (!ch.TaskId.empty())
        WriteCallOutcome(c);
    ch.NoticePlaying = 0;
    ch.ToneHeard = 0;
    ch.TimerOn = 1;
    ch.TimerRun = 1;
    ch.StateTick = m_clock.tick();
    ch.State = CallState::DoOnhook;
    ch.PlayStep = PromptStep::None;
    ch.PlayWatch = false;
    ch.DialDone = 0;
    ch.SilenceArmed = 0;
}

void ServerEngine::HangupMenuClick(const std::string &itemName)
{
    // "Channel" + number: the number is what follows the word, minus one.
    if (itemName.size() <= 7)
        return;
    int c = -1;
    try {
        c = std::stoi(itemName.substr(7)) - 1;
    } catch (...) {
        return;
    }
    if (c < 0 || c >= m_settings.ChannelCount)
        return;
    ChannelRecord &ch = channel(c);
    if (ch.Progress == CallProgress::Free)
        return;
    ch.Progress = CallProgress::Cancelled;
    m_board.Hangup(c);
    ch.HangupSent = 1;
    ch.ToneHeard = 0;
    ch.DialDone = 0;
}

} // namespace server
