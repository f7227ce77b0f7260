// The blacklist, statistics and deletion windows on the embedded database, with their pictures.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/ui/tests/DataWindowCases.h"

#include <gtest/gtest.h>

namespace server {
namespace {

using DataWindowsTest = testing::EmbeddedDatabaseTest;

TEST_F(DataWindowsTest, ForbidTel)
{
    testing::checkForbidTelWindow(dm, QString::fromStdString(dir.path()), "FrmForbidTel");
}

TEST_F(DataWindowsTest, DataStat)
{
    testing::checkDataStatWindow(dm, "FrmDataStat");
}

TEST_F(DataWindowsTest, DataDelete)
{
    testing::checkDataDeleteWindow(dm, "FrmDataDelete");
}

} // namespace
} // namespace server
