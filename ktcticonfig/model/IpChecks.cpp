// Checks of the IP pages.
#include "ktcticonfig/model/IpChecks.h"

#include "ktcticonfig/model/KeyText.h"

namespace ktcticonfig {

namespace {

bool inRange(std::string_view text, long long low, long long high)
{
    const long long v = leadingNumber(text);
    return v >= low && v <= high;
}

} // namespace

std::string checkLength(std::string_view text, std::size_t limit, std::string_view message)
{
    return text.size() >= limit ? std::string(message) : std::string();
}

std::string checkRtpRange(std::string_view range)
{
    if (range.size() >= 200)
        return "RTP Range's length is too long";
    const std::size_t comma = range.find(',');
    if (comma == std::string_view::npos)
        return "RTP Range's input format is wrong, please use separating character <,>";
    const std::string_view lower = range.substr(0, comma), upper = range.substr(comma + 1);
    if (!inRange(lower, 1024, 65535))
        return "The lower limit of RTP Range is wrong, it must between 1024~65535";
    if (!inRange(upper, 1024, 65535))
        return "The upper limit of RTP Range is wrong, it must between 1024~65535";
    if (leadingNumber(upper) < leadingNumber(lower))
        return "The upper limit of RTP Range must bigger than the lower limit";
    return {};
}

std::string checkLocalPort(std::string_view port)
{
    return inRange(port, 1024, 65535) ? std::string() : "RTP Range must between 1024~65535";
}

std::string checkHeartInterval(std::string_view interval)
{
    return inRange(interval, 0, 1000) ? std::string() : "The heart interval  must between 0~1000";
}

std::string checkJitterDelay(std::string_view delay)
{
    if (delay.size() >= 20)
        return "Jitter Delay's length is too long";
    const std::size_t comma = delay.find(',');
    if (comma == std::string_view::npos)
        return "Jitter Delay's input format is wrong, please use separating character <,>";
    if (!inRange(delay.substr(0, comma), 50, 100))
        return "The lower limit of Jitter Delay is wrong, it must between 50~100";
    if (!inRange(delay.substr(comma + 1), 250, 300))
        return "The upper limit of Jitter Delay is wrong, it must between 250~300";
    return {};
}

std::string checkH323NetworkType(std::string_view type)
{
    return leadingNumber(type) == 1 ? std::string() : "Network type support UDP only";
}

} // namespace ktcticonfig
