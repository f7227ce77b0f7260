// Composed voice files written under a temporary name and renamed into place.
#include "voxstore/OutputFile.h"

#include "common/AtomicFile.h"
#include "voxstore/VoxStore.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
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
    // A new file as open(2) makes one, whatever the bits of the file it replaces; not flushed to disk,
    // since a lost voice file is composed again from its text and a flush would cost every call.
    common::AtomicWriteOptions options;
    options.keepPermissions = false;
    options.followLinks = false;
    options.durable = false;
    common::AtomicFile file(path, options);
    if (file.open() && file.write(std::string_view(reinterpret_cast<const char *>(data), size)) && file.commit())
        return VOXSTORE_OK;
    return file.failedStage() == common::AtomicWriteStage::Write ? VOXSTORE_ERR_WRITE : VOXSTORE_ERR_FILE;
}

} // namespace voxstore
