// The bounded queue through which the callers' threads and the modem worker hand each other records.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <stop_token>
#include <vector>

namespace lumosms {

/// A FIFO ring of copies with a fixed capacity. put waits for room, get waits a limited time for a record;
/// close wakes every waiter, refuses further puts and discards what is queued. Waiting never holds the
/// lock: the condition variables release it while they wait.
template <typename T> class BoundedQueue
{
public:
    explicit BoundedQueue(std::size_t capacity) : m_ring(capacity) {}

    BoundedQueue(const BoundedQueue &) = delete;
    BoundedQueue &operator=(const BoundedQueue &) = delete;

    /// Waits without limit for a free place and stores a copy; false when the queue is (or gets) closed.
    bool put(const T &value) { return put(value, std::stop_token{}); }

    /// As put, and also false when stop is requested while waiting; the value is then dropped.
    bool put(const T &value, std::stop_token stop)
    {
        std::unique_lock lock(m_mutex);
        if (!m_notFull.wait(lock, stop, [this] { return m_closed || m_count < m_ring.size(); }))
            return false;
        return store(value);
    }

    /// Stores a copy only when there is room at once; false otherwise or when closed.
    bool tryPut(const T &value)
    {
        std::unique_lock lock(m_mutex);
        if (m_count == m_ring.size())
            return false;
        return store(value);
    }

    /// Takes the oldest record, waiting at most `wait` for one; nothing when none came or the queue is closed.
    std::optional<T> get(std::chrono::milliseconds wait)
    {
        std::unique_lock lock(m_mutex);
        if (!m_notEmpty.wait_for(lock, wait, [this] { return m_closed || m_count > 0; }) || m_closed)
            return std::nullopt;
        std::optional<T> value(std::move(m_ring[m_read]));
        m_ring[m_read] = T{};
        m_read = (m_read + 1) % m_ring.size();
        --m_count;
        lock.unlock();
        m_notFull.notify_one();
        return value;
    }

    /// Closes the queue: every waiting put and get returns, queued records are discarded.
    void close()
    {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
            m_count = 0;
            m_read = m_write = 0;
            for (T &slot : m_ring)
                slot = T{};
        }
        m_notFull.notify_all();
        m_notEmpty.notify_all();
    }

    std::size_t size() const
    {
        std::lock_guard lock(m_mutex);
        return m_count;
    }

    std::size_t capacity() const { return m_ring.size(); }

private:
    bool store(const T &value) // called with the lock held
    {
        if (m_closed)
            return false;
        m_ring[m_write] = value;
        m_write = (m_write + 1) % m_ring.size();
        ++m_count;
        m_notEmpty.notify_one();
        return true;
    }

    mutable std::mutex m_mutex;
    std::condition_variable_any m_notFull;
    std::condition_variable_any m_notEmpty;
    std::vector<T> m_ring;
    std::size_t m_read = 0;
    std::size_t m_write = 0;
    std::size_t m_count = 0;
    bool m_closed = false;
};

} // namespace lumosms
