// The status codes of a notice task as the rows of AdNotice keep them, and their description texts.
#pragma once

#include <cstdint>
#include <string_view>

namespace server {

/// A task's status code; the numbers are what the database stores.
enum class NoticeStatus : std::int16_t
{
    NotNotified = 0,   ///< "未通知": waiting to be dialled
    Notifying = 1,     ///< "正在通知": being dialled
    Notified = 2,      ///< "通知成功"
    Failed = 3,        ///< "通知失败", with its cause
    ToAgent = 4,       ///< "转人工": sent towards an agent nobody took
    AgentAnswered = 5, ///< "转人工接听"
    Playing = 8,       ///< "正在放音": the notice plays
    Paused = 9,        ///< "暂停通知": paused by an operator
};

/// The text every grid shows for a task's status code (UTF-8); empty for a code not in use.
constexpr std::string_view StatusDescription(int status)
{
    switch (status) {
    case 0:
        return "未通知";
    case 1:
        return "正在通知";
    case 2:
        return "通知成功";
    case 3:
        return "通知失败";
    case 4:
        return "转人工";
    case 5:
        return "转人工接听";
    case 8:
        return "正在放音";
    case 9:
        return "暂停通知";
    default:
        return {};
    }
}

constexpr std::string_view StatusDescription(NoticeStatus status)
{
    return StatusDescription(static_cast<int>(status));
}

} // namespace server
