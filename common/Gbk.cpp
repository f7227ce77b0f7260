// GBK conversions through iconv, with a replacement for every byte or character that does not convert.
#include "common/Gbk.h"

#include <bit>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace common {

namespace {

static_assert(std::endian::native == std::endian::little, "UTF-16 is converted as UTF-16LE");

// One iconv descriptor per thread and direction, opened once.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts input; skip(rest) tells how many bytes of an unconvertible input to drop, and the
    // replacement bytes stand in for them.
    template <typename Skip> std::string run(std::string_view input, std::string_view replacement, Skip skip)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.resize(input.size() * 2 + 16);
        char *in = const_cast<char *>(input.data());
        std::size_t inLeft = input.size();
        std::size_t used = 0;
        while (inLeft > 0) {
            char *dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t r = iconv(m_cd, &in, &inLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (r != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ or EINVAL (a character cut off at the end): replace and move on.
            const std::size_t n = std::min(inLeft, skip(std::string_view(in, inLeft)));
            in += n;
            inLeft -= n;
            out.replace(used, 0, replacement);
            used += replacement.size();
            if (used + 16 > out.size())
                out.resize(out.size() * 2 + 16);
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t m_cd;
};

std::size_t skipOneByte(std::string_view)
{
    return 1;
}

std::size_t skipUtf8Character(std::string_view rest)
{
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t len = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        len = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        len = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        len = 4;
    // Only a complete, well-formed sequence is skipped whole; otherwise just its first byte.
    if (len > rest.size())
        return 1;
    for (std::size_t i = 1; i < len; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80)
            return 1;
    return len;
}

std::size_t skipUtf16Unit(std::string_view rest)
{
    if (rest.size() >= 4) {
        const unsigned hi = static_cast<unsigned char>(rest[0]) | (static_cast<unsigned char>(rest[1]) << 8);
        const unsigned lo = static_cast<unsigned char>(rest[2]) | (static_cast<unsigned char>(rest[3]) << 8);
        if (hi >= 0xD800 && hi <= 0xDBFF && lo >= 0xDC00 && lo <= 0xDFFF)
            return 4; // a valid pair GBK cannot hold: one '?' for the whole character
    }
    return 2;
}

constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";
constexpr std::string_view kUtf16Replacement = "\xFD\xFF";

} // namespace

std::string gbkToUtf8(std::string_view gbk)
{
    thread_local Converter c("UTF-8", "GBK");
    return c.run(gbk, kUtf8Replacement, skipOneByte);
}

std::string utf8ToGbk(std::string_view utf8)
{
    thread_local Converter c("GBK", "UTF-8");
    return c.run(utf8, "?", skipUtf8Character);
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = skipUtf8Character(text.substr(i));
        if (len == 1)
            return false;
        // Overlong forms and surrogates are not UTF-8.
        const auto c1 = static_cast<unsigned char>(text[i + 1]);
        if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90))
            return false;
        i += len;
    }
    return true;
}

std::string anyToUtf8(std::string_view text)
{
    return isValidUtf8(text) ? std::string(text) : gbkToUtf8(text);
}

std::u16string gbkToUtf16(std::string_view gbk)
{
    thread_local Converter c("UTF-16LE", "GBK");
    const std::string bytes = c.run(gbk, kUtf16Replacement, skipOneByte);
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string utf16ToGbk(std::u16string_view utf16)
{
    thread_local Converter c("GBK", "UTF-16LE");
    std::string bytes(utf16.size() * 2, '\0');
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        bytes[2 * i] = static_cast<char>(utf16[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(utf16[i] >> 8);
    }
    return c.run(bytes, "?", skipUtf16Unit);
}

} // namespace common
