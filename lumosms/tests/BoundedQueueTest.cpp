// The bounded queue: order, capacity, waits that end, close, and many threads at once.
#include "lumosms/BoundedQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace lumosms {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(BoundedQueueTest, KeepsOrderAroundTheRing)
{
    BoundedQueue<int> queue(3);
    for (int round = 0; round < 4; ++round) {
        EXPECT_TRUE(queue.put(round * 10 + 1));
        EXPECT_TRUE(queue.put(round * 10 + 2));
        EXPECT_EQ(queue.get(0ms), round * 10 + 1);
        EXPECT_EQ(queue.get(0ms), round * 10 + 2);
    }
    EXPECT_EQ(queue.size(), 0u);
}

TEST(BoundedQueueTest, GetWaitsItsTimeAndTryPutRefusesWhenFull)
{
    BoundedQueue<int> queue(2);
    const auto start = Clock::now();
    EXPECT_FALSE(queue.get(30ms).has_value());
    EXPECT_GE(Clock::now() - start, 30ms);
    EXPECT_TRUE(queue.tryPut(1));
    EXPECT_TRUE(queue.tryPut(2));
    EXPECT_FALSE(queue.tryPut(3));
    EXPECT_EQ(queue.size(), 2u);
}

TEST(BoundedQueueTest, FullQueueMakesPutWaitForRoom)
{
    BoundedQueue<int> queue(1);
    ASSERT_TRUE(queue.put(1));
    std::jthread producer([&] { EXPECT_TRUE(queue.put(2)); });
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(queue.size(), 1u); // still waiting
    EXPECT_EQ(queue.get(100ms), 1);
    EXPECT_EQ(queue.get(1000ms), 2);
}

TEST(BoundedQueueTest, CloseReleasesWaitersAndDiscardsRecords)
{
    BoundedQueue<int> full(1);
    BoundedQueue<int> empty(1);
    ASSERT_TRUE(full.put(1));
    std::atomic<int> released{0};
    {
        std::jthread putter([&] {
            EXPECT_FALSE(full.put(2));
            ++released;
        });
        std::jthread getter([&] {
            EXPECT_FALSE(empty.get(10000ms).has_value());
            ++released;
        });
        std::this_thread::sleep_for(20ms);
        full.close();
        empty.close();
    }
    EXPECT_EQ(released, 2);
    EXPECT_EQ(full.size(), 0u);
    EXPECT_FALSE(full.get(0ms).has_value());
    EXPECT_FALSE(full.put(3));
    EXPECT_FALSE(full.tryPut(3));
}

TEST(BoundedQueueTest, StopEndsAWaitingPut)
{
    BoundedQueue<int> queue(1);
    ASSERT_TRUE(queue.put(1));
    std::jthread putter([&](std::stop_token stop) { EXPECT_FALSE(queue.put(2, stop)); });
    std::this_thread::sleep_for(20ms);
    putter.request_stop();
    putter.join();
    EXPECT_EQ(queue.size(), 1u);
    EXPECT_EQ(queue.get(0ms), 1);
}

TEST(BoundedQueueTest, ManyProducersAndConsumersLoseNothing)
{
    constexpr int kProducers = 4;
    constexpr int kEach = 2000;
    BoundedQueue<int> queue(16);
    std::atomic<long> sum{0};
    std::atomic<int> taken{0};
    {
        std::vector<std::jthread> threads;
        for (int p = 0; p < kProducers; ++p)
            threads.emplace_back([&, p] {
                for (int i = 1; i <= kEach; ++i)
                    ASSERT_TRUE(queue.put(p * kEach + i));
            });
        for (int c = 0; c < 3; ++c)
            threads.emplace_back([&] {
                while (taken < kProducers * kEach)
                    if (auto value = queue.get(5ms)) {
                        sum += *value;
                        ++taken;
                    }
            });
    }
    const long n = kProducers * kEach;
    EXPECT_EQ(taken, n);
    EXPECT_EQ(sum, n * (n + 1) / 2);
}

} // namespace
} // namespace lumosms
