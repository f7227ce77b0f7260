// Byte-text helpers shared by every piece: trimming and case folding of GBK text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

/// True for a GBK lead byte: with the byte after it, it forms one double-byte character.
constexpr bool isGbkLeadByte(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

/// Removes spaces and tabs at both ends, as profile files trim keys and values.
std::string_view trimBlanks(std::string_view text);

/// Removes every byte up to and including the space at both ends (blanks and control characters).
std::string_view trimControls(std::string_view text);

/// ASCII letters folded to lower case; the second byte of a GBK character is left alone, so that two
/// different Chinese characters never fold to the same text.
std::string foldCase(std::string_view text);

/// Case-insensitive comparison with the folding rule of foldCase.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

/// Hash consistent with equalsIgnoreCase.
std::size_t hashIgnoreCase(std::string_view text);

/// The longest prefix of text of at most maxBytes bytes that does not end in half a GBK character.
std::string_view cutGbk(std::string_view text, std::size_t maxBytes);

/// Transparent hash and equality for unordered containers keyed by case-insensitive names.
struct IgnoreCaseHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return hashIgnoreCase(text); }
};

struct IgnoreCaseEqual
{
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return equalsIgnoreCase(a, b); }
};

} // namespace common
