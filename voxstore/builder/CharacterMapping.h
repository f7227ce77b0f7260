// The mapping file of voxdb-build: which recording each character is spoken with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace voxstore {

/// One line of the mapping: a character code and the recording's file name.
struct MappingEntry
{
    std::uint16_t code;
    std::string file;
    int line;
};

/// The index-table code of a character given as one UTF-8 character (ASCII or a GB2312 hanzi) or as
/// "code:N" with N in 0..6895. Characters that have no entry of their own (they share entry 0) and
/// anything else give no value.
std::optional<std::uint16_t> codeOfCharacterField(std::string_view field);

/// Parses the mapping: one "CHARACTER FILE" per line, separated by blanks; blank lines are skipped and
/// a UTF-8 byte-order mark at the start is allowed. Throws std::runtime_error naming the line for a
/// line without a file, a character without an entry of its own, or a character mapped twice.
std::vector<MappingEntry> parseMapping(std::string_view content);

} // namespace voxstore
