// Mapping the live-log block and opening its event.
#include "ktcticonfig/app/SharedLogBlock.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace ktcticonfig {

namespace {

std::string withSuffix(const char *name)
{
    const char *suffix = std::getenv("KTDRV_IPC_SUFFIX");
    return std::string(name) + (suffix ? suffix : "");
}

constexpr mode_t kEveryone = 0666;

} // namespace

std::string SharedLogBlock::blockName()
{
    return withSuffix("/OrvaneCtiCfg_090622");
}

std::string SharedLogBlock::eventName()
{
    return withSuffix("/OrvaneCtiCfgEvent_090622");
}

SharedLogBlock::~SharedLogBlock()
{
    // The block and the event stay for the driver; this copy only lets go of them.
    if (m_data)
        munmap(m_data, kSharedLogBlockSize);
    if (m_event != SEM_FAILED)
        sem_close(m_event);
}

bool SharedLogBlock::open(std::string *error)
{
    const std::string block = blockName();
    int fd = shm_open(block.c_str(), O_RDWR, 0);
    if (fd < 0) {
        const mode_t mask = umask(0);
        fd = shm_open(block.c_str(), O_RDWR | O_CREAT, kEveryone);
        umask(mask);
    }
    struct stat st
    {
    };
    const bool sized =
        fd >= 0 && fstat(fd, &st) == 0 &&
        (st.st_size >= static_cast<off_t>(kSharedLogBlockSize) || ftruncate(fd, kSharedLogBlockSize) == 0);
    void *p = sized ? mmap(nullptr, kSharedLogBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    if (fd >= 0)
        ::close(fd);
    if (p == MAP_FAILED) {
        if (error)
            *error = "CreateCfgFileMap Failed!";
        return false;
    }
    m_data = static_cast<unsigned char *>(p);
    const mode_t mask = umask(0);
    m_event = sem_open(eventName().c_str(), O_CREAT, kEveryone, 0);
    umask(mask);
    if (m_event == SEM_FAILED) {
        if (error)
            *error = "CreateCfgEvent Failed!";
        return false;
    }
    return true;
}

bool SharedLogBlock::post()
{
    return m_event != SEM_FAILED && sem_post(m_event) == 0;
}

} // namespace ktcticonfig
