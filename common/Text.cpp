// Byte-text helpers: trimming, GBK-aware case folding and cutting.
#include "common/Text.h"

namespace common {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isControlOrSpace(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

template <typename Pred> std::string_view trimIf(std::string_view text, Pred pred)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && pred(text[begin]))
        ++begin;
    while (end > begin && pred(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Calls f(foldedByte) for every byte of text, folding only bytes that stand alone.
template <typename F> void forEachFolded(std::string_view text, F f)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (isGbkLeadByte(c) && i + 1 < text.size()) {
            f(text[i]);
            f(text[++i]);
        } else {
            f(lowerAscii(text[i]));
        }
    }
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    return trimIf(text, isBlank);
}

std::string_view trimControls(std::string_view text)
{
    return trimIf(text, isControlOrSpace);
}

std::string foldCase(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    forEachFolded(text, [&out](char c) { out.push_back(c); });
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isGbkLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::size_t hashIgnoreCase(std::string_view text)
{
    // FNV-1a over the folded bytes.
    std::size_t h = 14695981039346656037ull;
    forEachFolded(text, [&h](char c) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    });
    return h;
}

std::string_view cutGbk(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t i = 0;
    while (i < maxBytes) {
        const std::size_t step = isGbkLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > maxBytes)
            break;
        i += step;
    }
    return text.substr(0, i);
}

} // namespace common
