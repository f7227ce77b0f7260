// Values of the board-independent keys.
#include "ktcticonfig/model/GlobalSettings.h"

#include <stdexcept>

namespace ktcticonfig {

GlobalSettings::GlobalSettings() : toneItems(builtInToneDetectorItems())
{
    const auto keys = globalKeys();
    m_values.resize(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        m_values[i].number = keys[i].defaultNumber;
        m_values[i].text = std::string(keys[i].defaultText);
    }
    m_lists.resize(indexedLists().size());
}

std::size_t GlobalSettings::indexOf(std::string_view section, std::string_view name) const
{
    const auto index = globalKeyIndex(section, name);
    // A name outside the table is a programming error, never a file problem.
    if (!index)
        throw std::out_of_range("no key " + std::string(section) + "/" + std::string(name));
    return *index;
}

std::int32_t GlobalSettings::number(std::string_view section, std::string_view name) const
{
    return m_values[indexOf(section, name)].number;
}

const std::string &GlobalSettings::text(std::string_view section, std::string_view name) const
{
    return m_values[indexOf(section, name)].text;
}

void GlobalSettings::setNumber(std::string_view section, std::string_view name, std::int32_t value)
{
    m_values[indexOf(section, name)].number = value;
}

void GlobalSettings::setText(std::string_view section, std::string_view name, std::string value)
{
    m_values[indexOf(section, name)].text = std::move(value);
}

} // namespace ktcticonfig
