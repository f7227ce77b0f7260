// Line-by-line GBK text files.
#include "server/engine/TextLogFile.h"

#include "common/Gbk.h"

#include <cerrno>
#include <cstring>

namespace server {

TextLogFile::~TextLogFile()
{
    close();
}

bool TextLogFile::open(const std::string &path, std::string *error)
{
    close();
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    m_path = path;
    return true;
}

void TextLogFile::writeLine(std::string_view utf8)
{
    if (!m_file)
        return;
    const std::string line = common::utf8ToGbk(utf8) + "\r\n";
    std::fwrite(line.data(), 1, line.size(), m_file);
    std::fflush(m_file);
}

void TextLogFile::close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

} // namespace server
