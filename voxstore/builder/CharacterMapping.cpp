// Parsing the character-to-recording mapping, characters given in UTF-8 and looked up by their GBK code.
#include "voxstore/builder/CharacterMapping.h"

#include "common/Gbk.h"
#include "voxstore/CharacterCode.h"
#include "voxstore/VoiceDbFormat.h"

#include <charconv>
#include <map>
#include <stdexcept>

namespace voxstore {
namespace {

constexpr std::string_view kCodePrefix = "code:";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::uint16_t> parseCode(std::string_view digits)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value >= kIndexEntries)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

} // namespace

std::optional<std::uint16_t> codeOfCharacterField(std::string_view field)
{
    if (field.starts_with(kCodePrefix) && field.size() > kCodePrefix.size())
        return parseCode(field.substr(kCodePrefix.size()));
    if (field.empty())
        return std::nullopt;
    const std::string gbk = common::utf8ToGbk(field);
    // utf8ToGbk gives '?' for what GBK cannot hold; only a real '?' may come back as one.
    if (gbk == "?" && field != "?")
        return std::nullopt;
    const auto *bytes = reinterpret_cast<const unsigned char *>(gbk.data());
    const TextCharacter c = readCharacter(bytes, gbk.size());
    if (c.bytes != gbk.size() || c.code == 0)
        return std::nullopt;
    return c.code;
}

std::vector<MappingEntry> parseMapping(std::string_view content)
{
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);
    std::vector<MappingEntry> entries;
    std::map<std::uint16_t, int> lineOfCode;
    int lineNumber = 0;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        const std::string_view line = trimmed(content.substr(0, end));
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        ++lineNumber;
        if (line.empty())
            continue;
        const std::string where = "mapping line " + std::to_string(lineNumber) + ": ";
        const std::size_t gap = line.find_first_of(" \t");
        if (gap == std::string_view::npos)
            throw std::runtime_error(where + "a character and a file name are needed");
        const std::string_view field = line.substr(0, gap);
        const auto code = codeOfCharacterField(field);
        if (!code)
            throw std::runtime_error(where + "\"" + std::string(field) +
                                     "\" is not an ASCII character, a GB2312 hanzi or code:N (0..6895)");
        if (const auto seen = lineOfCode.find(*code); seen != lineOfCode.end())
            throw std::runtime_error(where + "\"" + std::string(field) + "\" is mapped on line " +
                                     std::to_string(seen->second) + " already");
        lineOfCode.emplace(*code, lineNumber);
        entries.push_back({*code, std::string(trimmed(line.substr(gap))), lineNumber});
    }
    return entries;
}

} // namespace voxstore
