// Small voice databases and scratch folders built inside the tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace voxstore::test {

using Bytes = std::vector<std::uint8_t>;

/// A VoiceDB.dat image laid out byte by byte, independent of the builder: index entries not given
/// are 0.
Bytes databaseImage(const std::map<std::uint16_t, std::uint16_t> &index, const std::vector<Bytes> &segments);

/// A fresh empty folder under the test temporary directory, removed by its destructor.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::filesystem::path path(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path &file, const Bytes &bytes);
void writeFile(const std::filesystem::path &file, const std::string &text);
Bytes readFile(const std::filesystem::path &file);

} // namespace voxstore::test
