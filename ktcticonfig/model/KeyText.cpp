// Field texts of global keys.
#include "ktcticonfig/model/KeyText.h"

#include "ktcticonfig/model/KeyRules.h"

#include <cstdlib>

namespace ktcticonfig {

namespace {

const KeyDef &keyDef(std::string_view section, std::string_view name)
{
    const auto index = globalKeyIndex(section, name);
    return globalKeys()[index.value()];
}

} // namespace

long long leadingNumber(std::string_view text)
{
    const std::string copy(text);
    return std::strtoll(copy.c_str(), nullptr, 10);
}

std::string keyText(const GlobalSettings &settings, std::string_view section, std::string_view name)
{
    const KeyDef &key = keyDef(section, name);
    if (key.isText() || key.type == KeyType::Char)
        return settings.text(section, name);
    const std::int32_t number = settings.number(section, name);
    if (key.type == KeyType::UInt32)
        return std::to_string(static_cast<std::uint32_t>(number));
    return std::to_string(number);
}

void setKeyText(GlobalSettings &settings, std::string_view section, std::string_view name, std::string_view text)
{
    const KeyDef &key = keyDef(section, name);
    if (key.isText()) {
        settings.setText(section, name, std::string(text));
    } else if (key.type == KeyType::Char) {
        settings.setText(section, name, std::string(text.substr(0, 1)));
    } else if (key.type == KeyType::UInt32) {
        const std::string copy(text);
        settings.setNumber(section, name, static_cast<std::int32_t>(std::strtoul(copy.c_str(), nullptr, 10)));
    } else {
        settings.setNumber(section, name, toWidth(key.type, leadingNumber(text)));
    }
}

} // namespace ktcticonfig
