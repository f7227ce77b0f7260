// The management window's query and actions on the embedded database.
#include "server/data/SchemaScript.h"
#include "server/data/tests/AdNoticeQueryCases.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

namespace server {
namespace {

TEST(AdNoticeQuery, ConditionsLiteralsCountsAndActions)
{
    testing::TempProgramDir dir;
    Settings settings;
    settings.ProgramDir = dir.path();
    ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    testing::checkAdNoticeQueries(dm);
}

} // namespace
} // namespace server
