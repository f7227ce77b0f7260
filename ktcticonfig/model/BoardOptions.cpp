// Option texts of a board section.
#include "ktcticonfig/model/BoardOptions.h"

#include "common/Text.h"

namespace ktcticonfig {

const std::string *BoardOptions::find(std::string_view key) const
{
    for (const auto &[name, value] : m_entries)
        if (common::equalsIgnoreCase(name, key))
            return &value;
    return nullptr;
}

std::string BoardOptions::get(std::string_view key, std::string_view fallback) const
{
    const std::string *value = find(key);
    return value ? *value : std::string(fallback);
}

void BoardOptions::set(std::string_view key, std::string value)
{
    for (auto &[name, old] : m_entries)
        if (common::equalsIgnoreCase(name, key)) {
            old = std::move(value);
            return;
        }
    m_entries.emplace_back(std::string(key), std::move(value));
}

bool BoardOptions::operator==(const BoardOptions &other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (const auto &[name, value] : m_entries) {
        const std::string *theirs = other.find(name);
        if (!theirs || *theirs != value)
            return false;
    }
    return true;
}

} // namespace ktcticonfig
