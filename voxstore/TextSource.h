// Obtaining the text to compose: the text argument, or the content of a text file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace voxstore {

/// The text of one composition, or the result code that ends the call.
struct ObtainedText
{
    std::int32_t result; ///< VOXSTORE_OK, or the failure of TxtToVoc
    std::string_view text;
};

/// The text argument up to its zero byte. NULL, and a text that does not fit the composition buffer,
/// give VOXSTORE_ERR_TEXT.
ObtainedText textFromArgument(const char *text);

/// The content of textFile up to its first zero byte, read into buffer (which the view points into).
/// Results: VOXSTORE_ERR_FILE cannot open, VOXSTORE_ERR_READ cannot read, VOXSTORE_ERR_TEXT too long.
ObtainedText textFromFile(const char *textFile, std::string &buffer);

} // namespace voxstore
