// Phone number rules.
#include "ktcticonfig/model/PhoneNumberRule.h"

#include "ktcticonfig/model/KeyText.h"

namespace ktcticonfig {

PhoneNumberRule parsePhoneNumberRule(std::string_view text)
{
    PhoneNumberRule rule;
    std::size_t pos = 0;
    if (!text.empty() && text[0] == '"') {
        const std::size_t close = text.find('"', 1);
        rule.prefix = std::string(text.substr(1, close == std::string_view::npos ? close : close - 1));
        pos = close == std::string_view::npos ? text.size() : close + 1;
    } else {
        pos = std::min(text.find(','), text.size());
        rule.prefix = std::string(text.substr(0, pos));
    }
    const std::size_t first = text.find(',', pos);
    if (first == std::string_view::npos)
        return rule;
    rule.length = static_cast<int>(leadingNumber(text.substr(first + 1)));
    const std::size_t second = text.find(',', first + 1);
    if (second != std::string_view::npos)
        rule.callerId = leadingNumber(text.substr(second + 1)) != 0;
    return rule;
}

std::string formatPhoneNumberRule(const PhoneNumberRule &rule)
{
    return "\"" + rule.prefix + "\"," + std::to_string(rule.length) + "," + (rule.callerId ? "1" : "0");
}

std::string checkPhoneNumberRule(const PhoneNumberRule &rule)
{
    if (rule.length < static_cast<int>(rule.prefix.size()))
        return "Error: length of Receiving phone number less than that of prefix!";
    return {};
}

} // namespace ktcticonfig
