// Fixture databases written field by field in the VoiceDB.dat layout, and scratch folders.
#include "FixtureDatabase.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

#include <gtest/gtest.h>

namespace voxstore::test {
namespace {

void put16(Bytes &out, std::size_t at, std::uint16_t v)
{
    out[at] = static_cast<std::uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace

Bytes databaseImage(const std::map<std::uint16_t, std::uint16_t> &index, const std::vector<Bytes> &segments)
{
    Bytes out(13794 + 6 * segments.size());
    for (const auto &[code, segment] : index)
        put16(out, 2 * std::size_t{code}, segment);
    put16(out, 13792, static_cast<std::uint16_t>(segments.size()));
    std::uint32_t offset = 0;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const std::size_t entry = 13794 + 6 * s;
        for (int i = 0; i < 4; ++i)
            out[entry + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(offset >> (8 * i));
        put16(out, entry + 4, static_cast<std::uint16_t>(segments[s].size()));
        offset += static_cast<std::uint32_t>(segments[s].size());
    }
    for (const auto &segment : segments)
        out.insert(out.end(), segment.begin(), segment.end());
    return out;
}

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::path(::testing::TempDir()) / "voxstore-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch folder");
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void writeFile(const std::filesystem::path &file, const Bytes &bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeFile(const std::filesystem::path &file, const std::string &text)
{
    writeFile(file, Bytes(text.begin(), text.end()));
}

Bytes readFile(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace voxstore::test
