// Composed voice files written under a temporary name and renamed into place.
#include "voxstore/OutputFile.h"

#include "voxstore/VoxStore.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace voxstore {
namespace {

bool writeAll(int fd, const std::uint8_t *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// O_EXCL never follows a planted link; the process id and a counter keep the name free, and a few
// tries step over a stale file of an earlier process with the same id.
int createTemporary(const std::string &path, std::string &name)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        name = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".part";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// A link, device or pipe is written through in place: renaming over it would replace the link or the
// device node itself.
bool isReplaceable(const char *path)
{
    struct stat info {};
    return ::lstat(path, &info) != 0 ? errno == ENOENT : S_ISREG(info.st_mode);
}

std::int32_t writeInPlace(const char *path, const std::uint8_t *data, std::size_t size)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return VOXSTORE_ERR_FILE;
    const bool written = writeAll(fd, data, size);
    return ::close(fd) == 0 && written ? VOXSTORE_OK : VOXSTORE_ERR_WRITE;
}

} // namespace

std::int32_t writeFileReplacing(const char *path, const std::uint8_t *data, std::size_t size)
{
    if (path == nullptr || *path == '\0')
        return VOXSTORE_ERR_FILE;
    if (!isReplaceable(path))
        return writeInPlace(path, data, size);
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return VOXSTORE_ERR_FILE;
    const bool written = writeAll(fd, data, size);
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return VOXSTORE_ERR_WRITE;
    }
    if (std::rename(temporary.c_str(), path) != 0) {
        ::unlink(temporary.c_str());
        return VOXSTORE_ERR_FILE;
    }
    return VOXSTORE_OK;
}

} // namespace voxstore
