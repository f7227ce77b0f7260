// A request to change the logging of a running board driver, with the checks it must pass before it
// is sent through the shared block.
#pragma once

#include <cstddef>
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

/// The size of the live-log block shared with a running driver, and the request it holds (the block
/// is little-endian whatever the machine).
inline constexpr std::size_t kLiveLogBlockSize = 308;
LiveLogRequest readLiveLogRequest(const unsigned char *block);
/// Writes every field of the request into the block (the path cut to the block's 259 characters).
void writeLiveLogRequest(unsigned char *block, const LiveLogRequest &request);
/// The driver-running flag, which a started driver sets in the block.
bool liveLogDriverRunning(const unsigned char *block);

/// Runs the checks in order and prepares the path: on the first failure its message is returned and
/// nothing else is done. A two-character path with a colon gets a backslash; a path to be created
/// (three characters without a separator, or longer) is made a directory when it does not exist.
/// Returns an empty text when the request may be sent.
std::string prepareLiveLogRequest(LiveLogRequest &request);

} // namespace ktcticonfig
