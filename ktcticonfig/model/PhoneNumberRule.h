// A phone number rule of the SS1 and ISDN sections: a prefix (written in double quotes), the length of
// the numbers it begins and whether they need the caller's number.
#pragma once

#include <string>
#include <string_view>

namespace ktcticonfig {

struct PhoneNumberRule
{
    std::string prefix;
    int length = 0;
    bool callerId = false;
    bool operator==(const PhoneNumberRule &) const = default;
};

/// Reads "\"110\",3,1"; missing parts are empty or 0.
PhoneNumberRule parsePhoneNumberRule(std::string_view text);
/// Writes the rule as the file holds it.
std::string formatPhoneNumberRule(const PhoneNumberRule &rule);
/// The message that refuses a rule, or empty: a length shorter than the prefix is refused.
std::string checkPhoneNumberRule(const PhoneNumberRule &rule);

} // namespace ktcticonfig
