// The option texts of a board section, by key name without regard to case, in the order first set.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ktcticonfig {

class BoardOptions
{
public:
    /// The text of a key, or nullptr when the board has none.
    const std::string *find(std::string_view key) const;
    /// The text of a key, or fallback.
    std::string get(std::string_view key, std::string_view fallback = {}) const;
    void set(std::string_view key, std::string value);
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    void clear() { m_entries.clear(); }
    std::size_t size() const { return m_entries.size(); }

    /// Equal when both hold the same keys with the same texts, in whatever order.
    bool operator==(const BoardOptions &other) const;

private:
    std::vector<std::pair<std::string, std::string>> m_entries;
};

} // namespace ktcticonfig
