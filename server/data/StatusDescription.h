// The description texts of the status codes of a notice task.
#pragma once

#include <string_view>

namespace server {

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

} // namespace server
