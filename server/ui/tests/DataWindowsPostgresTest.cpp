// The blacklist, statistics and deletion windows on PostgreSQL through ODBC.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/ui/tests/DataWindowCases.h"

#include <gtest/gtest.h>

namespace server {
namespace {

class DataWindowsPostgresTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(testing::connectTestPostgres(dm, settings)); }

    testing::TempProgramDir dir;
    Settings settings;
    TDM dm;
};

TEST_F(DataWindowsPostgresTest, ForbidTel)
{
    testing::checkForbidTelWindow(dm, QString::fromStdString(dir.path()), nullptr);
}

TEST_F(DataWindowsPostgresTest, DataStat)
{
    testing::checkDataStatWindow(dm, nullptr);
}

TEST_F(DataWindowsPostgresTest, DataDelete)
{
    testing::checkDataDeleteWindow(dm, nullptr);
}

} // namespace
} // namespace server
