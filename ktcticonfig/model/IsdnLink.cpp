// ISDN link items and codes.
#include "ktcticonfig/model/IsdnLink.h"

#include <cstdio>
#include <cstdlib>

namespace ktcticonfig {

namespace {

const int kCalled[] = {0xa1, 0x91, 0xb1, 0xc1, 0x01, 0x81};
const int kCalling[] = {0x21, 0x11, 0x31, 0x41, 0x01, 0x81};
// The wave format tags of the two G.711 laws.
const int kSpeech[] = {6, 7};

} // namespace

std::span<const int> calledNumberTypes()
{
    return kCalled;
}

std::span<const int> callingNumberTypes()
{
    return kCalling;
}

std::span<const int> speechCodes()
{
    return kSpeech;
}

std::optional<int> linkCode(std::string_view text)
{
    const std::string s(text);
    if (s.empty())
        return std::nullopt;
    char *end = nullptr;
    const long value = std::strtol(s.c_str(), &end, 0);
    // Only the whole text as one number counts; "0xzz" or "6a" is no code.
    if (end == s.c_str() || *end != '\0' || value < 0 || value > 0xffff)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string hexLinkCode(int code)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%02x", static_cast<unsigned>(code));
    return text;
}

} // namespace ktcticonfig
