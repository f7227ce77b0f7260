// One running sender per installation: an exclusive lock on a file of the program directory.
#pragma once

#include <string>

namespace smssender {

/// Holds an exclusive lock on the file while it lives; the system releases it when the process ends
/// in any way, so a killed sender never leaves it behind.
class InstanceLock
{
public:
    explicit InstanceLock(const std::string &path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    /// True when this process holds the lock; false when another does or the file cannot be made.
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace smssender
