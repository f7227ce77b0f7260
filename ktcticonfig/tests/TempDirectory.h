// A fresh directory per test, removed afterwards, with helpers to put and read a file in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace ktcticonfig::test {

class TempDirectory
{
public:
    TempDirectory()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ktcticonfig-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TempDirectory()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDirectory(const TempDirectory &) = delete;
    TempDirectory &operator=(const TempDirectory &) = delete;

    std::string path() const { return m_path; }
    std::string file(const std::string &name) const { return m_path + "/" + name; }

    std::string put(const std::string &name, const std::string &content) const
    {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::string m_path;
};

} // namespace ktcticonfig::test
