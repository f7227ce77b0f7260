// Checks of a live log request.
#include "ktcticonfig/model/LiveLogRequest.h"

#include <cerrno>
#include <cstdio>
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

} // namespace

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
