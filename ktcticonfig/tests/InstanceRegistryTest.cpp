// The shared count of running copies with the running-instance marker, and the live-log block.
#include "ktcticonfig/app/InstanceRegistry.h"
#include "ktcticonfig/app/SharedLogBlock.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

namespace ktcticonfig {
namespace {

std::string uniqueName(const char *stem)
{
    return std::string("/") + stem + "_test_" + std::to_string(::getpid());
}

TEST(InstanceRegistry, LastCopyOutRemovesTheMarker)
{
    test::TempDirectory dir;
    const std::string shm = uniqueName("KtCtiConfigCount");
    const std::string marker = dir.put("marker", "");
    {
        InstanceRegistry first(shm, marker);
        InstanceRegistry second(shm, marker);
        ASSERT_TRUE(first.open());
        ASSERT_TRUE(second.open());
        EXPECT_TRUE(first.markerPresent());
        EXPECT_EQ(first.enter(), 1);
        EXPECT_EQ(second.enter(), 2);
        second.leave();
        second.leave(); // counted out once only
        EXPECT_EQ(first.count(), 1);
        EXPECT_TRUE(first.markerPresent());
    }
    EXPECT_FALSE(std::filesystem::exists(marker));

    // A count left by a copy that ended without counting itself out is set right by the next one.
    InstanceRegistry crashed(shm, marker);
    ASSERT_TRUE(crashed.open());
    crashed.enter();
    crashed.enter();
    InstanceRegistry next(shm, marker);
    ASSERT_TRUE(next.open());
    next.resetToThisCopy();
    EXPECT_EQ(next.count(), 1);
    shm_unlink(shm.c_str());
}

TEST(SharedLogBlock, OpensOrCreatesTheBlockAndTheEvent)
{
    const std::string suffix = "_test_" + std::to_string(::getpid());
    ::setenv("KTDRV_IPC_SUFFIX", suffix.c_str(), 1);
    {
        SharedLogBlock block;
        std::string error;
        ASSERT_TRUE(block.open(&error)) << error;
        block.data()[kSharedLogBlockSize - 1] = 7;
        EXPECT_TRUE(block.post());
        SharedLogBlock again;
        ASSERT_TRUE(again.open(&error)) << error;
        EXPECT_EQ(again.data()[kSharedLogBlockSize - 1], 7);
    }
    shm_unlink(SharedLogBlock::blockName().c_str());
    sem_unlink(SharedLogBlock::eventName().c_str());
    ::unsetenv("KTDRV_IPC_SUFFIX");
}

} // namespace
} // namespace ktcticonfig
