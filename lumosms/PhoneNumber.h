// Telephone numbers as the modem wants them (international, "86" in front) and as callers get them back.
#pragma once

#include <string>
#include <string_view>

namespace lumosms {

/// Widest number a message record holds.
inline constexpr std::size_t kMaxNumberLength = 15;

/// One leading "+" removed, then "86" put in front unless the number starts with it. An empty number
/// stays empty: it stands for "no service-centre number", not for the country code alone.
std::string normaliseNumber(std::string_view number);

/// The number without a leading "86", as a received sender is handed to the caller.
std::string_view withoutCountryCode(std::string_view number);

/// True for a non-empty text of decimal digits only.
bool isDigits(std::string_view text);

/// True when the number, normalised, consists of 1 to 15 digits: what a message record and a PDU address
/// can carry.
bool isUsableNumber(std::string_view number);

} // namespace lumosms
