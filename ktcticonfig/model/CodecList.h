// The enabled codec list of an IP board ("6,7,131" by priority): the codecs the stack knows, and the
// checks of adding, removing and moving one.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

struct CodecName
{
    int code;
    const char *name;
};

/// The codecs the SIP and H.323 stacks offer.
std::span<const CodecName> knownCodecs();
/// The name of a codec, or its number when the stack does not know it.
std::string codecName(int code);

std::vector<int> parseCodecList(std::string_view text);
std::string formatCodecList(const std::vector<int> &codecs);

inline constexpr std::size_t kMaxEnabledCodecs = 3;

/// Each returns the message that refuses the step (the list unchanged), or empty. `index` is the
/// selected row of the enabled list, -1 for none; `code` the codec chosen to add, -1 for none.
std::string addCodec(std::vector<int> &codecs, int code);
std::string removeCodec(std::vector<int> &codecs, int index);
std::string raiseCodec(std::vector<int> &codecs, int index);
std::string lowerCodec(std::vector<int> &codecs, int index);

} // namespace ktcticonfig
