// A request to change the logging of a running board driver, with the checks it must pass before it
// is sent through the shared block.
#pragma once

#include <cstdint>
#include <string>

namespace ktcticonfig {

struct LiveLogRequest
{
    std::int32_t type = 0;   ///< 0 API, 1 SS1, 2 ISDN, 3 SS7 spy, 4 SS1 spy, 5 ISDN spy, 6 run info, 7 DST CAS
    std::int32_t enable = 0; ///< the entry of that type's enable list
    std::int32_t mode = 0;   ///< 0 one log, 1 one log per channel
    std::int32_t period = 24;
    std::int32_t maxKeep = -1;   ///< -1 no limit
    std::int32_t maxPeriod = -1; ///< -1 no limit
    std::string path;            ///< at most kMaxLogPathLength characters
    std::int32_t firstChannel = -1;
    std::int32_t lastChannel = -1;
    std::int32_t firstEvent = -1;
    std::int32_t lastEvent = -1;
    bool operator==(const LiveLogRequest &) const = default;
};

inline constexpr std::size_t kMaxLogPathLength = 200;

/// Runs the checks in order and prepares the path: on the first failure its message is returned and
/// nothing else is done. A two-character path with a colon gets a backslash; a path to be created
/// (three characters without a separator, or longer) is made a directory when it does not exist.
/// Returns an empty text when the request may be sent.
std::string prepareLiveLogRequest(LiveLogRequest &request);

} // namespace ktcticonfig
