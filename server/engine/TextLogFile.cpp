// Line-by-line GBK text files.
#include "server/engine/TextLogFile.h"

#include "common/Gbk.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace server {

TextLogFile::~TextLogFile()
{
    close();
}

bool TextLogFile::open(const std::string &path, std::string *error)
{
    close();
    m_fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        if (error)
            *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    m_path = path;
    return true;
}

bool TextLogFile::writeLine(std::string_view utf8, std::string *error)
{
    if (m_fd < 0)
        return false;
    const std::string line = common::utf8ToGbk(utf8) + "\r\n";
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t put = ::write(m_fd, line.data() + done, line.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const int cause = put < 0 ? errno : ENOSPC;
            // The part of the line that went in is taken back, so that the next line starts clean.
            struct stat after
            {
            };
            if (done > 0 && ::fstat(m_fd, &after) == 0 && after.st_size >= static_cast<off_t>(done)) {
                [[maybe_unused]] const int cut = ::ftruncate(m_fd, after.st_size - static_cast<off_t>(done));
            }
            if (error)
                *error = m_path + ": " + std::strerror(cause);
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

void TextLogFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace server
