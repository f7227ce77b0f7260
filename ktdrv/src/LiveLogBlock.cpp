// The live-log block in POSIX shared memory with a named semaphore as its event.
#include "ktdrv/src/LiveLogBlock.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ktdrv {
namespace {

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
    auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        block[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace

std::string liveLogBlockName()
{
    return "/OrvaneCtiCfg_090622" + suffix();
}

std::string liveLogEventName()
{
    return "/OrvaneCtiCfgEvent_090622" + suffix();
}

LiveLogBlock::LiveLogBlock(DriverLog &log) : m_log(log)
{
    mode_t old = umask(0);
    int fd = shm_open(liveLogBlockName().c_str(), O_RDWR | O_CREAT, 0666);
    if (fd >= 0) {
        struct stat st{};
        if (fstat(fd, &st) == 0 && st.st_size < static_cast<off_t>(kLiveLogBlockSize))
            (void)!ftruncate(fd, kLiveLogBlockSize);
        void *p = mmap(nullptr, kLiveLogBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (p != MAP_FAILED)
            m_block = static_cast<unsigned char *>(p);
        ::close(fd);
    }
    m_event = sem_open(liveLogEventName().c_str(), O_CREAT, 0666, 0);
    umask(old);
    if (m_block)
        writeInt(m_block, kRunningFlagOffset, 1);
    else
        m_log.write(0, "live-log block not available");
}

LiveLogBlock::~LiveLogBlock()
{
    if (m_block) {
        writeInt(m_block, kRunningFlagOffset, 0);
        munmap(m_block, kLiveLogBlockSize);
    }
    if (m_event != SEM_FAILED)
        sem_close(m_event);
}

void LiveLogBlock::poll()
{
    if (!m_block || m_event == SEM_FAILED || sem_trywait(m_event) != 0)
        return;
    int type = readInt(m_block, 0), enable = readInt(m_block, 4), mode = readInt(m_block, 8);
    char path[261] = {};
    std::memcpy(path, m_block + 24, 260);
    if (type < 0 || type >= DriverLog::kLogTypes) {
        m_log.write(0, "live-log request refused: log type " + std::to_string(type) + " out of range");
        return;
    }
    m_log.setEnable(type, enable);
    if (type == 0)
        m_log.setFolder(path);
    m_log.write(0, "live-log request applied: type " + std::to_string(type) + " enable " + std::to_string(enable) +
                       " mode " + std::to_string(mode) + " period " + std::to_string(readInt(m_block, 12)) + " path " + path +
                       " channels " + std::to_string(readInt(m_block, 284)) + ".." + std::to_string(readInt(m_block, 288)));
}

} // namespace ktdrv
