// The count of running copies in POSIX shared memory and the running-instance marker file whose
// presence at start-up stops the tool.
#pragma once

#include <cstdint>
#include <string>

namespace ktcticonfig {

class InstanceRegistry
{
public:
    /// The counter is the shared memory object shmName (e.g. "/KtCtiConfigCount"); the marker is the
    /// file markerPath.
    InstanceRegistry(std::string shmName, std::string markerPath);
    ~InstanceRegistry();
    InstanceRegistry(const InstanceRegistry &) = delete;
    InstanceRegistry &operator=(const InstanceRegistry &) = delete;

    /// False when the shared counter cannot be opened; the registry then counts this copy alone.
    bool open();
    /// Counts this copy in and returns the count.
    std::int32_t enter();
    /// Counts this copy out (once, whatever the number of calls); the last copy out removes the marker.
    void leave();
    /// Sets the count to this copy alone: the single-instance socket proved no other copy runs, so a
    /// count left by a copy that crashed is stale.
    void resetToThisCopy();
    std::int32_t count() const;

    bool markerPresent() const;

    /// The marker path of the machine: $XDG_RUNTIME_DIR (else /tmp) + "/Orvane/KtCtiConfig".
    static std::string defaultMarkerPath();

private:
    std::string m_shmName;
    std::string m_markerPath;
    std::int32_t *m_counter = nullptr;
    std::int32_t m_local = 0;
    bool m_entered = false;
};

} // namespace ktcticonfig
