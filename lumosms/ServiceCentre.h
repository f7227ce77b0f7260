// Choosing the service-centre number from the modem's AT+CSCA? reply or the caller's default.
#pragma once

#include <string>
#include <string_view>

namespace lumosms {

/// The text between the first and the second double quote of the reply; empty when there is none.
std::string_view quotedServiceCentre(std::string_view reply);

/// The modem's number when the reply holds a usable one (an optional "+" and at most 15 digits once
/// normalised), else the default when that is usable, else empty (the modem's own then applies).
/// The number is kept as given, plus sign included; it is normalised when a message is built.
std::string chooseServiceCentre(std::string_view reply, std::string_view defaultNumber);

} // namespace lumosms
