// Checks of a live log request.
#include "ktcticonfig/model/LiveLogRequest.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace ktcticonfig {

namespace {

std::string format(const char *pattern, int a, int b, int c)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

bool limitOk(std::int32_t v)
{
    return v >= 1 || v == -1;
}

// Makes each missing folder of the path; errno of the first failure, 0 when the folder is there.
int makeDirectory(const std::string &path)
{
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/' && path[i] != '\\')
            continue;
        const std::string prefix = path.substr(0, i);
        struct stat st
        {
        };
        if (::stat(prefix.c_str(), &st) == 0)
            continue;
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST)
            return errno;
    }
    struct stat st
    {
    };
    if (::stat(path.c_str(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

// Offsets of the block's fields.
constexpr std::size_t kType = 0, kEnable = 4, kMode = 8, kPeriod = 12, kMaxKeep = 16, kMaxPeriod = 20, kPath = 24,
                      kPathSize = 260, kFirstChannel = 284, kLastChannel = 288, kFirstEvent = 292, kLastEvent = 296,
                      kRunning = 304;

std::int32_t readInt(const unsigned char *block, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | block[offset + static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(v);
}

void writeInt(unsigned char *block, std::size_t offset, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        block[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace

LiveLogRequest readLiveLogRequest(const unsigned char *block)
{
    LiveLogRequest r;
    r.type = readInt(block, kType);
    r.enable = readInt(block, kEnable);
    r.mode = readInt(block, kMode);
    r.period = readInt(block, kPeriod);
    r.maxKeep = readInt(block, kMaxKeep);
    r.maxPeriod = readInt(block, kMaxPeriod);
    const char *path = reinterpret_cast<const char *>(block + kPath);
    r.path.assign(path, ::strnlen(path, kPathSize));
    r.firstChannel = readInt(block, kFirstChannel);
    r.lastChannel = readInt(block, kLastChannel);
    r.firstEvent = readInt(block, kFirstEvent);
    r.lastEvent = readInt(block, kLastEvent);
    return r;
}

void writeLiveLogRequest(unsigned char *block, const LiveLogRequest &r)
{
    writeInt(block, kType, r.type);
    writeInt(block, kEnable, r.enable);
    writeInt(block, kMode, r.mode);
    writeInt(block, kPeriod, r.period);
    writeInt(block, kMaxKeep, r.maxKeep);
    writeInt(block, kMaxPeriod, r.maxPeriod);
    std::memset(block + kPath, 0, kPathSize);
    std::memcpy(block + kPath, r.path.data(), std::min(r.path.size(), kPathSize - 1));
    writeInt(block, kFirstChannel, r.firstChannel);
    writeInt(block, kLastChannel, r.lastChannel);
    writeInt(block, kFirstEvent, r.firstEvent);
    writeInt(block, kLastEvent, r.lastEvent);
}

bool liveLogDriverRunning(const unsigned char *block)
{
    return readInt(block, kRunning) != 0;
}

std::string prepareLiveLogRequest(LiveLogRequest &r)
{
    const bool perChannelAllowed = r.type == 0 || r.type == 1 || r.type == 4 || r.type == 7;
    if (r.mode < 0 || r.mode > (perChannelAllowed ? 1 : 0))
        return format("Error : TlxSetLogEnable(%d,%d,%d) parameter 3 is out of range!", r.type, r.enable, r.mode);
    if (r.period < 1 || !limitOk(r.maxKeep) || !limitOk(r.maxPeriod))
        return format("Error : TlxSetLogAttribute(%d,%d,%d,...) parameters 1 must >=1,parameters 2,3 must >=1 or =-1",
                      r.period, r.maxKeep, r.maxPeriod);
    if (r.path.size() > kMaxLogPathLength)
        return format("Error : TlxSetLogAttribute(%d,%d,%d,...)  parameters 4 is too deep!", r.period, r.maxKeep,
                      r.maxPeriod);
    if (!r.path.empty() && r.path != "NULL" && r.path != "null") {
        const bool separator = r.path.find_first_of("\\/") != std::string::npos;
        if (r.path.size() == 2 && r.path.find(':') != std::string::npos) {
            r.path += '\\';
        } else if ((r.path.size() == 3 && !separator) || r.path.size() > 3) {
            if (const int code = makeDirectory(r.path))
                return format("Error! Create Log Directory failed, error code is %d\n", code, 0, 0);
        }
    }
    if ((r.lastChannel != -1 && r.lastChannel < r.firstChannel) || (r.lastEvent != -1 && r.lastEvent < r.firstEvent))
        return "Error : TlxSetApiLogRange() parameters 1 must <= parameters 2 and parameters 3 must <= parameters 4!";
    return {};
}

} // namespace ktcticonfig
