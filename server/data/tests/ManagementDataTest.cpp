// The blacklist, statistics and deletion statements on the embedded database.
#include "server/data/SchemaScript.h"
#include "server/data/tests/ManagementDataCases.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

namespace server {
namespace {

class ManagementDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.ProgramDir = dir.path();
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
        ASSERT_TRUE(dm.ConnectDatabase(settings));
    }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
};

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
