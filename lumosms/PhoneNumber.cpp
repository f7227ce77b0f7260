// Normalisation of telephone numbers to the international form and back.
#include "lumosms/PhoneNumber.h"

namespace lumosms {

std::string normaliseNumber(std::string_view number)
{
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    if (number.empty())
        return {};
    if (number.starts_with("86"))
        return std::string(number);
    return "86" + std::string(number);
}

std::string_view withoutCountryCode(std::string_view number)
{
    if (number.starts_with("86"))
        number.remove_prefix(2);
    return number;
}

bool isDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool isUsableNumber(std::string_view number)
{
    const std::string normalised = normaliseNumber(number);
    return normalised.size() <= kMaxNumberLength && isDigits(normalised);
}

} // namespace lumosms
