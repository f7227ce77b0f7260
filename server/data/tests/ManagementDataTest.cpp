// The blacklist, statistics and deletion statements on the embedded database.
#include "server/data/tests/ManagementDataCases.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

namespace server {
namespace {

using ManagementDataTest = testing::EmbeddedDatabaseTest;

TEST_F(ManagementDataTest, Blacklist)
{
    testing::checkBlacklistStatements(dm);
}

TEST_F(ManagementDataTest, DataStat)
{
    testing::checkDataStat(dm);
}

TEST_F(ManagementDataTest, DataDelete)
{
    testing::checkDataDelete(dm);
}

} // namespace
} // namespace server
