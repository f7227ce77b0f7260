// The shared instance counter and the running-instance marker.
#include "ktcticonfig/app/InstanceRegistry.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace ktcticonfig {

namespace {

std::atomic_ref<std::int32_t> shared(std::int32_t &value)
{
    return std::atomic_ref<std::int32_t>(value);
}

} // namespace

InstanceRegistry::InstanceRegistry(std::string shmName, std::string markerPath)
    : m_shmName(std::move(shmName)), m_markerPath(std::move(markerPath))
{
}

InstanceRegistry::~InstanceRegistry()
{
    leave();
    if (m_counter)
        munmap(m_counter, sizeof(std::int32_t));
}

bool InstanceRegistry::open()
{
    const int fd = shm_open(m_shmName.c_str(), O_RDWR | O_CREAT, 0600);
    if (fd < 0)
        return false;
    // A new object is zero-filled: no copy running.
    if (ftruncate(fd, sizeof(std::int32_t)) != 0) {
        ::close(fd);
        return false;
    }
    void *p = mmap(nullptr, sizeof(std::int32_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ::close(fd);
    if (p == MAP_FAILED)
        return false;
    m_counter = static_cast<std::int32_t *>(p);
    return true;
}

std::int32_t InstanceRegistry::enter()
{
    m_entered = true;
    std::int32_t &value = m_counter ? *m_counter : m_local;
    return shared(value).fetch_add(1) + 1;
}

void InstanceRegistry::leave()
{
    if (!m_entered)
        return;
    m_entered = false;
    std::int32_t &value = m_counter ? *m_counter : m_local;
    if (shared(value).fetch_sub(1) - 1 <= 0) {
        shared(value).store(0);
        std::error_code ec;
        std::filesystem::remove(m_markerPath, ec);
    }
}

void InstanceRegistry::resetToThisCopy()
{
    m_entered = true;
    shared(m_counter ? *m_counter : m_local).store(1);
}

std::int32_t InstanceRegistry::count() const
{
    return m_counter ? std::atomic_ref<std::int32_t>(*m_counter).load() : m_local;
}

bool InstanceRegistry::markerPresent() const
{
    std::error_code ec;
    return std::filesystem::exists(m_markerPath, ec);
}

std::string InstanceRegistry::defaultMarkerPath()
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    return std::string(runtime && *runtime ? runtime : "/tmp") + "/Orvane/KtCtiConfig";
}

} // namespace ktcticonfig
