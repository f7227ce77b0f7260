// The named states of a channel's call: where the call is, which prompt it waits for, and how far it
// has come; each with the name that log lines and test output show.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace server {

/// Where the call on a channel is; None when the channel has no call.
enum class CallState
{
    None,
    DoCalling,        ///< a trunk dials and waits for the answer
    DoPlayNotice,     ///< the notice plays to the called party
    DoBye,            ///< the goodbye prompt plays before the hang-up
    DoOnhook,         ///< hung up; the channel waits out the hang-up delay
    DoMusic,          ///< the caller hears music while an agent's telephone rings
    DoSlicBusy,       ///< every agent is busy; the caller hears so and waits for one
    DoBusyMusic,      ///< the caller is on hold while the agent flashes
    DoRinging,        ///< an agent's telephone rings for a transfer
    Dozzk,            ///< an agent talks with the caller
    DoFlashWait,      ///< an agent flashed: the caller waits for the colleague's number
    DoFlashRing,      ///< the colleague's telephone rings
    DoFlashAfterBusy, ///< the colleague is busy: the agent takes the caller back
    DoFlashComplete,  ///< the colleague has the caller
    SlicPickCallOut,  ///< an agent dials out through a trunk
};

/// The prompt a channel waits to end; None when it waits for none.
enum class PromptStep
{
    None,
    Play_Notice,
    Play_Music,
    Play_SlicBusy,
    Play_BusyMusic,
    Play_Bye,
    Play_FlashWait,
};

/// How far the channel's work has come.
enum class CallProgress : std::int8_t
{
    Free = 0,      ///< nothing under way
    Reserved = 1,  ///< a station rung for a transfer
    Answered = 3,  ///< an outbound call answered
    Cancelled = 4, ///< an outbound call cancelled by the operator
    Seized = 5,    ///< a trunk taken for a call, or a station's handset off-hook
};

constexpr std::string_view name(CallState state)
{
    switch (state) {
    case CallState::None:
        return "";
    case CallState::DoCalling:
        return "DoCalling";
    case CallState::DoPlayNotice:
        return "DoPlayNotice";
    case CallState::DoBye:
        return "DoBye";
    case CallState::DoOnhook:
        return "DoOnhook";
    case CallState::DoMusic:
        return "DoMusic";
    case CallState::DoSlicBusy:
        return "DoSlicBusy";
    case CallState::DoBusyMusic:
        return "DoBusyMusic";
    case CallState::DoRinging:
        return "DoRinging";
    case CallState::Dozzk:
        return "Dozzk";
    case CallState::DoFlashWait:
        return "DoFlashWait";
    case CallState::DoFlashRing:
        return "DoFlashRing";
    case CallState::DoFlashAfterBusy:
        return "DoFlashAfterBusy";
    case CallState::DoFlashComplete:
        return "DoFlashComplete";
    case CallState::SlicPickCallOut:
        return "SlicPickCallOut";
    }
    return "?";
}

constexpr std::string_view name(PromptStep step)
{
    switch (step) {
    case PromptStep::None:
        return "";
    case PromptStep::Play_Notice:
        return "Play_Notice";
    case PromptStep::Play_Music:
        return "Play_Music";
    case PromptStep::Play_SlicBusy:
        return "Play_SlicBusy";
    case PromptStep::Play_BusyMusic:
        return "Play_BusyMusic";
    case PromptStep::Play_Bye:
        return "Play_Bye";
    case PromptStep::Play_FlashWait:
        return "Play_FlashWait";
    }
    return "?";
}

constexpr std::string_view name(CallProgress progress)
{
    switch (progress) {
    case CallProgress::Free:
        return "Free";
    case CallProgress::Reserved:
        return "Reserved";
    case CallProgress::Answered:
        return "Answered";
    case CallProgress::Cancelled:
        return "Cancelled";
    case CallProgress::Seized:
        return "Seized";
    }
    return "?";
}

inline std::ostream &operator<<(std::ostream &out, CallState state)
{
    return out << '"' << name(state) << '"';
}
inline std::ostream &operator<<(std::ostream &out, PromptStep step)
{
    return out << '"' << name(step) << '"';
}
inline std::ostream &operator<<(std::ostream &out, CallProgress progress)
{
    return out << name(progress);
}

} // namespace server
