// The service-centre time stamp of a received message as the text callers get.
#pragma once

#include <string>
#include <string_view>

namespace lumosms {

/// "yyMMddhhmmsszz" as "20yy-MM-dd hh:mm:ss" (the time-zone digits dropped); empty when fewer than the
/// twelve date and time digits are present.
std::string formatTimeStamp(std::string_view digits);

} // namespace lumosms
