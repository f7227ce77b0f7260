// Conversions between the text of an option page's field and the value of a global key.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"

#include <string>
#include <string_view>

namespace ktcticonfig {

/// The text a field shows for a global key: numbers in decimal (unsigned 32-bit keys as unsigned),
/// texts and characters as they stand.
std::string keyText(const GlobalSettings &settings, std::string_view section, std::string_view name);

/// Stores a field's text into a global key: a number key takes the leading decimal number of the text
/// (0 when there is none) cut to the key's width; a character key the first character (nothing when
/// the text is empty); a text key the text as it stands.
void setKeyText(GlobalSettings &settings, std::string_view section, std::string_view name, std::string_view text);

/// The leading decimal number of a text as the profile reader takes it (sign allowed, 0 when none).
long long leadingNumber(std::string_view text);

} // namespace ktcticonfig
