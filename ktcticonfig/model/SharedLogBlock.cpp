// The shared live-log block in POSIX shared memory with a named semaphore as its event.
#include "ktcticonfig/model/SharedLogBlock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ktcticonfig {

namespace {

// Offsets of the block's fields; the block is little-endian whatever the machine.
constexpr std::size_t kType = 0, kEnable = 4, kMode = 8, kPeriod = 12, kMaxKeep = 16, kMaxPeriod = 20, kPath = 24,
                      kPathSize = 260, kFirstChannel = 284, kLastChannel = 288, kFirstEvent = 292, kLastEvent = 296,
                      kRunning = 304;

std::string suffix()
{
    const char *s = std::getenv("KTDRV_IPC_SUFFIX");
    return s ? s : "";
}

std::int32_t readInt(const unsigned char *block, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | block[offset + static_cast<std::size_t>(i)];
    return static_cast<std::int32_t>(v);
}

void writeInt(unsigned char *block, std::size_t offset, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        block[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace

std::string SharedLogBlock::blockName()
{
    return "/OrvaneCtiCfg_090622" + suffix();
}

std::string SharedLogBlock::eventName()
{
    return "/OrvaneCtiCfgEvent_090622" + suffix();
}

std::unique_ptr<SharedLogBlock> SharedLogBlock::open(std::string *error)
{
    std::unique_ptr<SharedLogBlock> block(new SharedLogBlock);
    // Readable and writable by everyone, as the driver may run under another user.
    const mode_t old = ::umask(0);
    const int fd = ::shm_open(blockName().c_str(), O_RDWR | O_CREAT, 0666);
    if (fd >= 0) {
        struct stat st
        {
        };
        if (::fstat(fd, &st) == 0 && st.st_size < static_cast<off_t>(kSharedLogBlockSize) &&
            ::ftruncate(fd, kSharedLogBlockSize) != 0)
            st.st_size = -1;
        if (st.st_size >= 0) {
            void *p = ::mmap(nullptr, kSharedLogBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
            if (p != MAP_FAILED)
                block->m_block = static_cast<unsigned char *>(p);
        }
        ::close(fd);
    }
    if (block->m_block) {
        sem_t *event = ::sem_open(eventName().c_str(), O_CREAT, 0666, 0);
        if (event != SEM_FAILED)
            block->m_event = event;
    }
    ::umask(old);
    if (!block->m_block) {
        if (error)
            *error = "CreateCfgFileMap Failed!";
        return nullptr;
    }
    if (!block->m_event) {
        if (error)
            *error = "CreateCfgEvent Failed!";
        return nullptr;
    }
    return block;
}

SharedLogBlock::~SharedLogBlock()
{
    if (m_block)
        ::munmap(m_block, kSharedLogBlockSize);
    if (m_event)
        ::sem_close(static_cast<sem_t *>(m_event));
}

bool SharedLogBlock::driverRunning() const
{
    return readInt(m_block, kRunning) != 0;
}

LiveLogRequest SharedLogBlock::request() const
{
    LiveLogRequest r;
    r.type = readInt(m_block, kType);
    r.enable = readInt(m_block, kEnable);
    r.mode = readInt(m_block, kMode);
    r.period = readInt(m_block, kPeriod);
    r.maxKeep = readInt(m_block, kMaxKeep);
    r.maxPeriod = readInt(m_block, kMaxPeriod);
    const char *path = reinterpret_cast<const char *>(m_block + kPath);
    r.path.assign(path, ::strnlen(path, kPathSize));
    r.firstChannel = readInt(m_block, kFirstChannel);
    r.lastChannel = readInt(m_block, kLastChannel);
    r.firstEvent = readInt(m_block, kFirstEvent);
    r.lastEvent = readInt(m_block, kLastEvent);
    return r;
}

void SharedLogBlock::send(const LiveLogRequest &r)
{
    writeInt(m_block, kType, r.type);
    writeInt(m_block, kEnable, r.enable);
    writeInt(m_block, kMode, r.mode);
    writeInt(m_block, kPeriod, r.period);
    writeInt(m_block, kMaxKeep, r.maxKeep);
    writeInt(m_block, kMaxPeriod, r.maxPeriod);
    std::memset(m_block + kPath, 0, kPathSize);
    std::memcpy(m_block + kPath, r.path.data(), std::min(r.path.size(), kPathSize - 1));
    writeInt(m_block, kFirstChannel, r.firstChannel);
    writeInt(m_block, kLastChannel, r.lastChannel);
    writeInt(m_block, kFirstEvent, r.firstEvent);
    writeInt(m_block, kLastEvent, r.lastEvent);
    ::sem_post(static_cast<sem_t *>(m_event));
}

} // namespace ktcticonfig
