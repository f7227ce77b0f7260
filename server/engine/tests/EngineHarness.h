// The engine's test harness: an engine on a program directory with its database, a board that must
// not be reached, a recording display and message service, and a clock that moves only when told.
#pragma once

#include "server/data/SchemaScript.h"
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/engine/ServerEngine.h"
#include "server/engine/tests/RecordingDisplay.h"
#include "server/engine/tests/UntouchedBoard.h"
#include "server/settings/tests/RecordingDialogs.h"

#include <gtest/gtest.h>

namespace server::testing {

class EngineHarness : public ::testing::Test
{
protected:
    /// The engine's wall clock starts at that time, its tick at 0.
    explicit EngineHarness(common::DateTime start) : clock(start) { engine.settings().ProgramDir = dir.path(); }

    /// Makes the embedded database of the program directory and connects the data module to it.
    void createDatabase()
    {
        ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(engine.settings())));
        ASSERT_TRUE(dm.ConnectDatabase(engine.settings()));
    }

    TempProgramDir dir;
    TDM dm;
    UntouchedBoard board;
    RecordingDisplay display;
    ManualClock clock;
    RecordingDialogs dialogs;
    ServerEngine engine{board, dm, display, clock, dialogs};
};

} // namespace server::testing
