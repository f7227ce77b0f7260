// A text file of the server written line by line in GBK with Windows line ends: the log file and the
// talk-record file.
#pragma once

#include <string>
#include <string_view>

namespace server {

class TextLogFile
{
public:
    TextLogFile() = default;
    ~TextLogFile();
    TextLogFile(const TextLogFile &) = delete;
    TextLogFile &operator=(const TextLogFile &) = delete;

    /// Creates the file, or appends to it: a run started again within the minute (or second) of the
    /// file's name must not wipe out what the earlier run wrote. False with error set when it cannot
    /// be opened.
    bool open(const std::string &path, std::string *error = nullptr);
    bool isOpen() const { return m_fd >= 0; }
    const std::string &path() const { return m_path; }
    /// Writes one line (UTF-8 text, stored as GBK) straight to the file, so a crash loses nothing
    /// written. A line the file cannot take whole (a full disk, a file size limit) is taken back out:
    /// the file keeps the lines before it intact and no half line. False with error set then.
    bool writeLine(std::string_view utf8, std::string *error = nullptr);
    void close();

private:
    int m_fd = -1;
    std::string m_path;
};

} // namespace server
