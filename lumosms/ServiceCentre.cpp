// The service-centre number of the modem or the caller's default.
#include "lumosms/ServiceCentre.h"

#include "lumosms/PhoneNumber.h"

namespace lumosms {

std::string_view quotedServiceCentre(std::string_view reply)
{
    const std::size_t open = reply.find('"');
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = reply.find('"', open + 1);
    if (close == std::string_view::npos)
        return {};
    return reply.substr(open + 1, close - open - 1);
}

std::string chooseServiceCentre(std::string_view reply, std::string_view defaultNumber)
{
    // A number the record cannot hold is treated as absent rather than cut into a different number.
    if (const std::string_view fromModem = quotedServiceCentre(reply); isUsableNumber(fromModem))
        return std::string(fromModem);
    if (isUsableNumber(defaultNumber))
        return std::string(defaultNumber);
    return {};
}

} // namespace lumosms
