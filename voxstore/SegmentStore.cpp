// Loading VoiceDB.dat whole and checking that every table and segment lies inside the image.
#include "voxstore/SegmentStore.h"

#include "voxstore/VoxStore.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace voxstore {
namespace {

// Closes the descriptor on every path out of install().
struct FileCloser
{
    int fd;
    ~FileCloser() { ::close(fd); }
};

bool readWhole(int fd, std::uint8_t *data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false; // an error, or the file shrank while it was read
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// Composition trusts the segment table, so the table and every segment it names must lie inside the
// file; a truncated or corrupted database is refused here rather than read past its end later.
bool segmentsInsideImage(const std::uint8_t *image, std::size_t size, std::size_t indexTableBytes)
{
    const std::uint16_t count = readU16(image + indexTableBytes);
    const std::uint64_t audioStart = kSegmentTableOffset + std::uint64_t{kSegmentEntryBytes} * count;
    if (audioStart > size)
        return false;
    const std::uint64_t audioBytes = size - audioStart;
    for (std::uint16_t s = 0; s < count; ++s) {
        const std::uint8_t *entry = image + kSegmentTableOffset + kSegmentEntryBytes * s;
        if (std::uint64_t{readU32(entry)} + readU16(entry + 4) > audioBytes)
            return false;
    }
    return true;
}

} // namespace

std::int32_t SegmentStore::install(const char *path)
{
    if (m_loaded)
        return VOXSTORE_OK;
    if (path == nullptr)
        return VOXSTORE_ERR_OPEN;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return VOXSTORE_ERR_OPEN;
    const FileCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return VOXSTORE_ERR_OPEN;
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size < kSegmentTableOffset)
        return VOXSTORE_ERR_SHORT;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    std::unique_ptr<std::uint8_t[]> image(new (std::nothrow) std::uint8_t[size]);
    if (!image)
        return VOXSTORE_ERR_MEMORY;
    if (!readWhole(fd, image.get(), size))
        return VOXSTORE_ERR_OPEN;
    const auto indexTableBytes = static_cast<std::size_t>(m_indexTableBytes);
    if (!segmentsInsideImage(image.get(), size, indexTableBytes))
        return VOXSTORE_ERR_SHORT;

    m_image = std::move(image);
    m_indexTable = m_image.get();
    m_segmentCount = readU16(m_image.get() + indexTableBytes);
    m_segmentTable = m_image.get() + kSegmentTableOffset;
    m_audio = m_segmentTable + kSegmentEntryBytes * m_segmentCount;
    m_loaded = 1;
    return VOXSTORE_OK;
}

void SegmentStore::uninstall()
{
    m_image.reset();
    m_indexTable = nullptr;
    m_segmentTable = nullptr;
    m_audio = nullptr;
    m_segmentCount = 0;
    m_loaded = 0;
}

} // namespace voxstore
