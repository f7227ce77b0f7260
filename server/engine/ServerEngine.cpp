// The board start, channel set-up and channel reset of the server.
#include "server/engine/ServerEngine.h"

#include "common/DateTime.h"
#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"

#include <filesystem>
#include <unistd.h>

namespace server {

ServerEngine::ServerEngine(Board &board, TDM &dm, Display &display, Clock &clock, Dialogs &dialogs)
    : m_board(board), m_dm(dm), m_display(display), m_clock(clock), m_dialogs(dialogs), m_tasks(dm, clock, m_settings),
      m_outage(dm, m_settings, clock, [this](const std::string &text) { ReportFault(text); }),
      m_results(dm, m_outage, clock, m_settings),
      m_files(m_settings, clock, [this](const std::string &text) { ReportFault(text); }),
      m_rows(display, clock, m_tables, m_channels)
{
}

void ServerEngine::ReportFault(const std::string &text)
{
    m_display.addMemoLine(text + " 时间:" + common::formatDateTime("mm/dd hh:mm", m_clock.now()));
    m_files.WriteLog(" " + text);
}

std::string ServerEngine::VoiceFolder() const
{
    return m_settings.ProgramDir + (m_settings.Language == "普通话" ? "/Voice/pth/" : "/Voice/gdh/");
}

bool ServerEngine::StartBoard()
{
    // The driver resolves the files it is given, and those they name, against the current directory.
    if (::chdir(m_settings.ProgramDir.c_str()) != 0) {
        m_dialogs.show("提示", "无法进入程序目录：" + m_settings.ProgramDir, DialogIcon::Error);
        return false;
    }
    if (m_board.StartCti(m_settings.ProgramDir + "/KtConfig.ini", m_settings.ProgramDir + "/KtIndex.ini") != 0) {
        m_dialogs.show("提示", m_board.GetLastErrMsg(), DialogIcon::Error);
        return false;
    }
    if (m_board.GetMaxUsableBoard() != m_board.GetMaxCfgBoard()) {
        m_dialogs.show("提示", "您安装的语音卡未能全部初始化成功，请检查是否正确安装！", DialogIcon::Warning);
        return false;
    }
    // The tables hold 48 channels: a board reporting more gets its first 48 served.
    const std::int32_t channels = std::min<std::int32_t>(std::max(m_board.GetMaxCh(), 0), kMaxChannels);
    m_settings.ChannelCount = static_cast<std::uint16_t>(channels);
    m_settings.UsableBoards = static_cast<std::uint16_t>(std::max(m_board.GetMaxUsableBoard(), 0));
    if (m_settings.ChannelCount == 0 || m_settings.UsableBoards == 0) {
        m_dialogs.show("系统提示", "初始化语音卡失败,请检查！", DialogIcon::Error);
        return false;
    }
    InitChannels();
    if (!writeChannelKinds())
        return false;
    m_lastSeen.resetForBoardStart();
    m_settings.ServiceStartTime = common::formatDateTime("yyyy-mm-dd hh:mm:ss", m_clock.now());
    return true;
}

bool ServerEngine::writeChannelKinds()
{
    const std::string path = setupPath(m_settings);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        m_dialogs.show("提示", "配置文件Setup.ini不存在！", DialogIcon::Error);
        return false;
    }
    std::string kinds;
    for (std::int16_t kind : m_tables.Kind)
        kinds += static_cast<char>('0' + kind);
    if (!common::writeProfileString(path, "CardParm", "Card1", kinds)) {
        m_dialogs.show("错误", "打开配置文件Setup.ini文件出错！", DialogIcon::Error);
        return false;
    }
    return true;
}

void ServerEngine::InitChannels()
{
    m_settings.TrunkChannelCount = 0;
    m_settings.SlicChannelCount = 0;
    int trunkRow = 0;
    int stationRow = 0;
    for (int c = 0; c < m_settings.ChannelCount; ++c) {
        ChannelRecord &ch = channel(c);
        ch.Progress = CallProgress::Free;
        ch.PlayStep = PromptStep::None;
        ch.State = CallState::None;
        ch.PlayWatch = false;
        ch.TaskTable.clear();
        ch.TaskId.clear();
        ch.DialString.clear();
        ch.Phone.clear();
        ch.TimerOn = ch.TimerRun = ch.DialDone = ch.DialToneSeen = ch.Answered = ch.HangupSent = ch.Paused = 0;
        ch.StateTick = m_clock.tick();
        ch.PeerTrunk = ch.PeerStation = ch.AnsweringStation = -1;
        ch.AnsweredCount = 0;

        m_board.SetBargeInSens(c, m_settings.BargeInSens);
        if (m_settings.DTMFSpeed > 0)
            m_board.SetTxDtmfPara(c, m_settings.DTMFSpeed, m_settings.DTMFSpeed);

        const std::int32_t type = m_board.GetChType(c);
        const std::int16_t kind = type == 0 ? 1 : type == 2 ? 2 : 0;
        m_tables.Kind[static_cast<std::size_t>(c)] = kind;
        if (kind == 0)
            continue;

        const bool inService = m_tables.InService[static_cast<std::size_t>(c)] == 1;
        const std::string caption = std::to_string(c + 1);
        const ChannelList list = kind == 1 ? ChannelList::Trunk : ChannelList::Station;
        const int row = m_display.addChannelRow(list, caption, inService);
        m_display.setChannelRow(list, row, inService ? RowImage::Idle : RowImage::Closed,
                                {inService ? "空闲" : "关闭"});
        if (kind == 1) {
            ++m_settings.TrunkChannelCount;
            ch.TrunkRow = static_cast<std::int16_t>(trunkRow++);
            m_display.addHangupMenuItem("挂断 通道:" + caption, "Channel" + caption);
        } else {
            ++m_settings.SlicChannelCount;
            ch.StationRow = static_cast<std::int16_t>(stationRow++);
        }
    }
}

void ServerEngine::ResetChannel(std::int16_t c)
{
    if (c < 0 || c >= kMaxChannels)
        return;
    ChannelRecord &ch = channel(c);
    if (ch.PeerTrunk >= 0 && ch.PeerTrunk < kMaxChannels) {
        channel(ch.PeerTrunk).PeerTrunk = -1;
        channel(ch.PeerTrunk).PeerStation = -1;
    }
    if (ch.PeerStation >= 0 && ch.PeerStation < kMaxChannels) {
        channel(ch.PeerStation).PeerTrunk = -1;
        channel(ch.PeerStation).PeerStation = -1;
    }
    ch.FlashTarget = -1;
    ch.Progress = CallProgress::Free;
    ch.PlayStep = PromptStep::None;
    ch.State = CallState::None;
    ch.PlayWatch = false;
    for (std::string *text : {&ch.TaskTable, &ch.TaskId, &ch.Phone,
                              &ch.PressInfo, &ch.Name, &ch.AgentKeys, &ch.TalkLine, &ch.StartBill, &ch.FinishBill,
                              &ch.StationDigits, &ch.IntentKeys, &ch.ClientType, &ch.RecordFile})
        text->clear();
    for (std::int8_t *flag : {&ch.TimerOn, &ch.TimerRun, &ch.DialDone, &ch.DialToneSeen, &ch.NoAnswer, &ch.BusySeen,
                              &ch.ToneHeard, &ch.KeysOpen, &ch.Answered, &ch.SilenceArmed, &ch.Talking,
                              &ch.DigitsSent, &ch.HangupSent, &ch.Paused, &ch.AgentAnswered, &ch.TransferStarted,
                              &ch.NoticePlaying, &ch.NameUnwritten})
        *flag = 0;
    ch.PlayCount = ch.RingBacks = ch.ReplayKeys = ch.AgentAnswerMark = 0;
    ch.AnswerTick = 0;
    ch.StateTick = m_clock.tick();
    ch.PeerTrunk = ch.PeerStation = ch.AnsweringStation = -1;
    ch.FlashOrigin = -1;
    m_board.ClearToneAnalyzeResult(c);
    m_board.Clear2ndToneAnalyzeResult(c);
}

} // namespace server
