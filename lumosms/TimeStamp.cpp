// Formatting of the service-centre time stamp.
#include "lumosms/TimeStamp.h"

namespace lumosms {

std::string formatTimeStamp(std::string_view d)
{
    if (d.size() < 12)
        return {};
    std::string out = "20";
    out.append(d.substr(0, 2)).append("-").append(d.substr(2, 2)).append("-").append(d.substr(4, 2));
    out.append(" ").append(d.substr(6, 2)).append(":").append(d.substr(8, 2)).append(":").append(d.substr(10, 2));
    return out;
}

} // namespace lumosms
