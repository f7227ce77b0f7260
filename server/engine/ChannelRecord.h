// The channel record: what the server knows of one board channel and the call on it.
#pragma once

#include "server/engine/CallState.h"
#include "server/settings/Settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace server {

/// One channel of the channel table. Texts are UTF-8; ticks are 32-bit milliseconds.
struct ChannelRecord
{
    CallProgress Progress = CallProgress::Free;
    PromptStep PlayStep = PromptStep::None; ///< the prompt whose end the call waits for
    CallState State = CallState::None;
    std::int8_t TimerOn = 0;
    std::int8_t TimerRun = 0;
    std::uint32_t StateTick = 0;
    bool PlayWatch = false; ///< waiting for the end of a prompt
    std::int8_t DialDone = 0;
    std::string Phone;
    std::string DialString;
    std::string TaskId;
    std::string TaskTable;
    std::int16_t TrunkRow = 0;
    std::int16_t StationRow = 0;
    std::int16_t PeerTrunk = -1;
    std::int16_t PeerStation = -1;
    std::int8_t DialToneSeen = 0;
    std::int8_t NoAnswer = 0;
    std::int8_t BusySeen = 0;
    /// The person's name could not be written for the notice: the call was hung up unnotified.
    std::int8_t NameUnwritten = 0;
    std::int8_t ToneHeard = 0;
    std::string PressInfo;
    std::string Name, UserID, Birthday, HomeAddr, CompanyName, CompanyAddr, CompanyTel, CompanyTitle;
    std::int8_t KeysOpen = 0;
    std::int16_t PlayCount = 0;
    std::int8_t Answered = 0;
    std::int16_t RingBacks = 0;
    std::int8_t SilenceArmed = 0;
    std::int8_t Talking = 0;
    std::string AgentKeys;
    std::int16_t DialMethod = 0;
    std::int8_t DigitsSent = 0;
    std::int8_t HangupSent = 0;
    std::int8_t Paused = 0;
    std::int16_t AnsweredCount = 0;
    std::int16_t ReplayKeys = 0;
    std::string FlashDigits;
    std::int32_t FlashTarget = -1;
    std::string TalkLine;
    std::uint32_t AnswerTick = 0;
    std::string StartBill;
    std::uint32_t HangupTick = 0;
    std::string FinishBill;
    std::string ResultTotalTime;
    std::string FactTotalTime;
    std::int8_t AgentAnswered = 0;
    std::int8_t TransferStarted = 0;
    std::int16_t AgentAnswerMark = 0;
    std::int8_t NoticePlaying = 0;
    std::string StationDigits;
    std::int16_t AnsweringStation = -1;
    std::string IntentKeys;
    std::string ClientType;
    std::string RecordFile;
    std::int32_t FlashOrigin = -1;
};

/// The values each driver query returned on the previous polling pass, per channel, for change
/// detection, and the line-connected table the dispatcher consults.
struct LastSeenTables
{
    std::array<std::int32_t, kMaxChannels> LineVoltage{};
    std::array<std::int32_t, kMaxChannels> LineConnectedFlag{};
    std::array<std::int32_t, kMaxChannels> ChState{};
    std::array<std::int32_t, kMaxChannels> HookState{};
    std::array<std::int32_t, kMaxChannels> FlashCount{};
    std::array<std::int32_t, kMaxChannels> AutoDialStatus{};
    std::array<std::int32_t, kMaxChannels> TxDtmfStatus{};
    std::array<std::int32_t, kMaxChannels> ToneResult{};
    std::array<std::int32_t, kMaxChannels> SecondToneResult{};
    std::array<std::int32_t, kMaxChannels> PlayStatus{};
    std::array<std::int32_t, kMaxChannels> PolarityCount{};
    std::array<std::int16_t, kMaxChannels> LineConnected{}; ///< 1 the trunk's line carries voltage

    /// The values at board start: voltage -1, connected flag 1, the rest 0; the transmit-DTMF status
    /// keeps what it had.
    void resetForBoardStart()
    {
        LineVoltage.fill(-1);
        LineConnectedFlag.fill(1);
        ChState.fill(0);
        HookState.fill(0);
        FlashCount.fill(0);
        AutoDialStatus.fill(0);
        ToneResult.fill(0);
        SecondToneResult.fill(0);
        PlayStatus.fill(0);
        PolarityCount.fill(0);
        LineConnected.fill(0);
    }
};

} // namespace server
