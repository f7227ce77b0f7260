// Enabled codec lists.
#include "ktcticonfig/model/CodecList.h"

#include "ktcticonfig/model/KeyText.h"

#include <algorithm>

namespace ktcticonfig {

namespace {

constexpr CodecName kCodecs[] = {{6, "G.711 A-Law"}, {7, "G.711 mu-Law"}, {131, "G.729"}};

bool selected(const std::vector<int> &codecs, int index)
{
    return index >= 0 && index < static_cast<int>(codecs.size());
}

} // namespace

std::span<const CodecName> knownCodecs()
{
    return kCodecs;
}

std::string codecName(int code)
{
    for (const CodecName &c : kCodecs)
        if (c.code == code)
            return c.name;
    return std::to_string(code);
}

std::vector<int> parseCodecList(std::string_view text)
{
    std::vector<int> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start)
            out.push_back(static_cast<int>(leadingNumber(text.substr(start, comma - start))));
        start = comma + 1;
    }
    return out;
}

std::string formatCodecList(const std::vector<int> &codecs)
{
    std::string out;
    for (int c : codecs)
        out += (out.empty() ? "" : ",") + std::to_string(c);
    return out;
}

std::string addCodec(std::vector<int> &codecs, int code)
{
    if (code < 0)
        return "Please choose the codec which you want to add";
    if (std::find(codecs.begin(), codecs.end(), code) != codecs.end())
        return "This codec is enabled";
    if (codecs.size() >= kMaxEnabledCodecs)
        return "The stack only support three codecs now";
    codecs.push_back(code);
    return {};
}

std::string removeCodec(std::vector<int> &codecs, int index)
{
    if (!selected(codecs, index))
        return "Please choose the codec which you want to delete";
    codecs.erase(codecs.begin() + index);
    return {};
}

std::string raiseCodec(std::vector<int> &codecs, int index)
{
    if (!selected(codecs, index))
        return "Please choose the codec which you want to up";
    if (index > 0)
        std::swap(codecs[static_cast<std::size_t>(index)], codecs[static_cast<std::size_t>(index - 1)]);
    return {};
}

std::string lowerCodec(std::vector<int> &codecs, int index)
{
    if (!selected(codecs, index))
        return "Please choose the codec which you want to down";
    if (index + 1 < static_cast<int>(codecs.size()))
        std::swap(codecs[static_cast<std::size_t>(index)], codecs[static_cast<std::size_t>(index + 1)]);
    return {};
}

} // namespace ktcticonfig
