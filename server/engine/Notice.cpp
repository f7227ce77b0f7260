// Answer detection by silence, tone timing, the answer cue and polarity; the notice and its
// repetitions; the called party's keys.
#include "server/engine/ServerEngine.h"

#include "common/Gbk.h"
#include "voxstore/VoxStore.h"

#include <cstdio>
#include <filesystem>

namespace server {

namespace {

bool polarityLine(const ChannelTables &tables, int c)
{
    return tables.Polarity[static_cast<std::size_t>(c)] == 1;
}

} // namespace

void ServerEngine::ruleSilence(int c)
{
    ChannelRecord &ch = channel(c);
    if (!isTrunk(c) || polarityLine(m_tables, c) || ch.SilenceArmed != 1 || ch.HangupSent != 0)
        return;
    if (m_board.GetNoSoundTime(c) > m_settings.NoSoundTime && ch.Answered == 0) {
        ch.SilenceArmed = 0;
        DeclareAnswered(c);
    }
}

void ServerEngine::ruleToneTiming(int c)
{
    ChannelRecord &ch = channel(c);
    if (!isTrunk(c) || polarityLine(m_tables, c) || ch.Answered != 0 || ch.SilenceArmed != 0 || ch.HangupSent != 0 ||
        ch.DialDone != 1)
        return;
    const std::int32_t v = m_board.GetToneValue(c);
    const std::int32_t ms = v & 0x3FFF;
    if ((v & 0x8000) == 0) {
        if (ms >= m_settings.HaveToneTime)
            ch.ToneHeard = 1;
    } else if (ch.ToneHeard == 1 && ms >= m_settings.ToneDelay && ch.RingBacks >= m_settings.RingBackCnt2) {
        ch.DialDone = 0;
        DeclareAnswered(c);
    }
}

void ServerEngine::answerCue(int c)
{
    if (polarityLine(m_tables, c))
        return;
    ChannelRecord &ch = channel(c);
    const bool toneRule = m_settings.NeedCPTone == 1;
    // Arming first: a cue that arms the silence test never also answers.
    if (ch.RingBacks == m_settings.RingBackCnt1 && ch.SilenceArmed == 0 && ch.DialDone == 1 &&
        (!toneRule || ch.ToneHeard == 0)) {
        ch.SilenceArmed = 1;
        return;
    }
    if (ch.RingBacks >= m_settings.RingBackCnt2 && ch.SilenceArmed == 0 && ch.HangupSent == 0 && ch.Answered == 0 &&
        (!toneRule || ch.ToneHeard == 1))
        DeclareAnswered(c);
}

void ServerEngine::DeclareAnswered(int c)
{
    ChannelRecord &ch = channel(c);
    ch.Answered = 1;
    ch.Progress = CallProgress::Answered;
    ch.KeysOpen = 1;
    m_rows.ShowTrunkStatus(c, "用户摘机");
    ch.AnswerTick = m_clock.tick();
    ch.StartBill = nowText();
    if (m_settings.TranSlicFlag == 2)
        StartTransfer(c, TransferOccasion::OnAnswer);
    else
        StartNotice(c);
}

std::string ServerEngine::ComposedFile(int c) const
{
    return m_settings.ProgramDir + "/Temp/TxtVoc" + std::to_string(c) + ".voc";
}

void ServerEngine::StartNotice(int c)
{
    ChannelRecord &ch = channel(c);
    m_board.SetDtmfStopPlay(c, 0); // keys do not cut the first playing short
    m_board.ClearFileList(c);
    if (!ch.Name.empty()) {
        const std::string file = ComposedFile(c);
        const std::int32_t composed =
            TxtToVoc(common::utf8ToGbk(ch.Name).c_str(), nullptr, file.c_str(), 0, m_settings.VocDBSpeed);
        if (composed == VOXSTORE_OK) {
            m_nameFault.succeeded("合成语音文件恢复写入：" + file);
            m_board.AddToFileList(c, file);
        } else {
            // A failed composition must not leave the previous caller's name to be played to this one.
            std::error_code ec;
            std::filesystem::remove(file, ec);
        }
        // A name that cannot be written (a full disk, a file size limit) is a passing fault: the call
        // is hung up before any notice and counted as failed, so that the task is dialled again rather
        // than counted as notified without its name. Other failures (no voice database, a character
        // without a segment) last: the notice is played without the name, as before.
        if (composed == VOXSTORE_ERR_FILE || composed == VOXSTORE_ERR_WRITE) {
            m_nameFault.failed("合成语音文件写入失败：" + file + "，呼叫挂断，留待重拨");
            m_files.WriteLog(" 通道：" + std::to_string(c) + ":" + kNameUnwrittenCause + "挂机");
            ch.NameUnwritten = 1;
            m_board.Hangup(c);
            ch.HangupSent = 1;
            return;
        }
    }
    if (!m_settings.AdNotice.empty())
        m_board.AddToFileList(c, m_settings.AdNotice);
    m_board.PlayFileList(c);
    BeginPrompt(c, CallState::DoPlayNotice, PromptStep::Play_Notice, 1, 0);
    m_rows.ShowTrunkStatus(c, "正在放音");
    ++ch.PlayCount;
    ch.NoticePlaying = 1;
    m_results.WriteNoticeResult(c, ch, NoticeStatus::Playing);
}

void ServerEngine::repeatNotice(int c)
{
    ChannelRecord &ch = channel(c);
    if (m_settings.PlayTimes > ch.PlayCount) {
        ++ch.PlayCount;
        m_board.SetDtmfStopPlay(c, 1); // from the second playing on, a key cuts it short
        m_board.PlayFileList(c);
        BeginPrompt(c, CallState::DoPlayNotice, PromptStep::Play_Notice, 1, 0);
    } else {
        m_board.Hangup(c);
        ch.HangupSent = 1;
        m_files.WriteLog(" 通道" + std::to_string(c) + ":" + "放提示语音超时挂机");
    }
}

void ServerEngine::HandleKey(int c, const std::string &key)
{
    if (isStation(c)) {
        stationKey(c, key);
        return;
    }
    if (!isTrunk(c))
        return;
    ChannelRecord &ch = channel(c);
    m_files.WriteLog(" 通道：" + std::to_string(c) + (ch.KeysOpen == 1 ? "已放音按键：" : "未放音按键：") + key);
    if (ch.KeysOpen == 1) {
        if (key == m_settings.RetListen || key == m_settings.TranSlic)
            ch.PressInfo += ";" + key;
        m_rows.ShowTrunkKeys(c);
    }
    if (m_settings.TranSlicFlag != 1 || ch.State != CallState::DoPlayNotice || key.empty())
        return;
    if (m_settings.OtherDtmf.find(key) != std::string::npos) {
        m_board.StopPlay(c);
        m_board.SetDtmfStopPlay(c, 0);
        m_board.PlayFile(c, VoiceFolder() + "Bye.voc");
        BeginPrompt(c, CallState::DoBye, PromptStep::Play_Bye, 0, 0);
        ch.PressInfo = key;
    } else if (m_settings.RetListen.find(key) != std::string::npos) {
        if (++ch.ReplayKeys >= 5) {
            m_board.Hangup(c);
            ch.HangupSent = 1;
        } else {
            m_board.StopPlay(c);
            m_board.SetDtmfStopPlay(c, 0);
            m_board.PlayFileList(c);
            BeginPrompt(c, CallState::DoPlayNotice, PromptStep::Play_Notice, 1, 0);
        }
    } else if (m_settings.TranSlic.find(key) != std::string::npos) {
        StartTransfer(c, TransferOccasion::OnKey);
    }
}

std::string ServerEngine::SegmentName(char character)
{
    if (character >= '0' && character <= '9')
        return std::string("num") + character;
    switch (character) {
    case '.':
        return "dian";
    case 'S':
        return "shi";
    case 'B':
        return "bai";
    case 'Q':
        return "qian";
    case 'W':
        return "wan";
    case 'Y':
        return "yi";
    case 'U':
        return "yuan";
    case 'J':
        return "jiao";
    case 'F':
        return "fen";
    default:
        return {};
    }
}

std::string ServerEngine::SpellText(const std::string &text)
{
    std::string names;
    for (char ch : text)
        names += SegmentName(ch) + ",";
    if (!names.empty())
        names.pop_back();
    return names;
}

} // namespace server
