// Conversion between GBK, the code page of every stored text, and UTF-8 or UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace common {

/// GBK to UTF-8. A byte that does not start a valid GBK character becomes U+FFFD and the conversion
/// goes on with the next byte, so ASCII after a broken character survives.
std::string gbkToUtf8(std::string_view gbk);

/// UTF-8 to GBK. A character GBK cannot hold, or an invalid UTF-8 sequence, becomes '?'.
std::string utf8ToGbk(std::string_view utf8);

/// True when the bytes are well-formed UTF-8 (ASCII included).
bool isValidUtf8(std::string_view text);

/// Text of unknown encoding to UTF-8: kept when it is valid UTF-8 (file paths on this system are),
/// otherwise read as GBK.
std::string anyToUtf8(std::string_view text);

/// GBK to UTF-16, invalid bytes as U+FFFD.
std::u16string gbkToUtf16(std::string_view gbk);

/// UTF-16 to GBK; a character GBK cannot hold, or a lone surrogate, becomes '?'.
std::string utf16ToGbk(std::u16string_view utf16);

} // namespace common
