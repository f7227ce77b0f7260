// The checks of OK and Apply, the test start against a driver that answers from a script, and Default.
#include "ktcticonfig/app/WindowActions.h"
#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/tests/FakeProbe.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

class ScriptedDriver : public DriverFunctions
{
public:
    int startCti(const std::string &config, const std::string &index) override
    {
        paths = {config, index};
        return startResult;
    }
    int maxCfgBoard() override { return configured; }
    int maxUsableBoard() override { return usable; }
    std::string lastErrorMessage() override { return error; }
    int sipBoardRegStatus(int boardId, std::string &reason) override
    {
        asked.push_back(boardId);
        reason = registeredAfter < 0 ? "401 Unauthorized" : "";
        return ++questions > registeredAfter && registeredAfter >= 0 ? 1 : 0;
    }
    void closeCti() override { ++closed; }

    int startResult = 0;
    int configured = 2;
    int usable = 2;
    std::string error;
    int registeredAfter = 0; ///< questions answered 0 before the first 1; -1 never
    int questions = 0;
    int closed = 0;
    std::vector<int> asked;
    std::vector<std::string> paths;
};

struct StartRun
{
    TestStartResult result;
    std::vector<std::string> statuses;
    int waits = 0;
};

StartRun startRun(ScriptedDriver &driver, const std::vector<int> &ipBoards)
{
    StartRun r;
    r.result = runTestStart(
        driver, "/d/KtConfig.ini", "/d/KtIndex.ini", ipBoards,
        [&](const std::string &text, StatusState) { r.statuses.push_back(text); }, [&] { ++r.waits; });
    return r;
}

TEST(TestStart, SucceedsWithoutIpBoardsAndClosesTheDriver)
{
    ScriptedDriver driver;
    const StartRun r = startRun(driver, {});
    EXPECT_EQ(r.result.message, "Current configuration succeeds!");
    EXPECT_EQ(r.result.state, StatusState::Done);
    EXPECT_TRUE(r.result.warnings.empty());
    EXPECT_EQ(driver.paths, (std::vector<std::string>{"/d/KtConfig.ini", "/d/KtIndex.ini"}));
    EXPECT_EQ(driver.closed, 1);
    EXPECT_EQ(r.waits, 0);
}

TEST(TestStart, DriverErrorIsTheMessageButNotTheStatus)
{
    ScriptedDriver driver;
    driver.startResult = 3;
    driver.error = "KtConfig.ini:4: no such board";
    const StartRun r = startRun(driver, {});
    EXPECT_EQ(r.result.message, driver.error);
    EXPECT_FALSE(r.result.showOnStatusLine);
    EXPECT_EQ(r.statuses, (std::vector<std::string>{kConfigErrorText}));
    EXPECT_EQ(driver.closed, 1);
}

TEST(TestStart, FewerBoardsStartedIsAWarningBeforeTheResult)
{
    ScriptedDriver driver;
    driver.usable = 1;
    driver.error = "board 1 not found";
    const StartRun r = startRun(driver, {});
    EXPECT_EQ(r.result.warnings, (std::vector<std::string>{"Warning:only 1 within 2 boards were initialized "
                                                           "successfully! The error message is 'board 1 not found'."}));
    EXPECT_EQ(r.result.message, "Current configuration succeeds!");
}

TEST(TestStart, IpBoardsAreAskedUntilAllHaveRegistered)
{
    ScriptedDriver driver;
    driver.registeredAfter = 3;
    const StartRun r = startRun(driver, {1, 4});
    EXPECT_EQ(r.result.message, "ip card register successed!");
    EXPECT_EQ(r.result.state, StatusState::Done);
    // Attempt 0: board 1 says no; 1: no; 2: no; 3: board 1 and 4 yes.
    EXPECT_EQ(driver.asked, (std::vector<int>{1, 1, 1, 1, 4}));
    EXPECT_EQ(r.waits, 4);
    EXPECT_EQ(r.statuses.back(), "ip card registering...3");
}

TEST(TestStart, IpRegistrationGivesUpAfterSixteenAttemptsWithTheReason)
{
    ScriptedDriver driver;
    driver.registeredAfter = -1;
    const StartRun r = startRun(driver, {2});
    EXPECT_EQ(r.waits, 16);
    EXPECT_EQ(r.result.message, "ip card register failed !401 Unauthorized");
    EXPECT_EQ(r.result.state, StatusState::Error);
    EXPECT_EQ(driver.closed, 1);
}

TEST(WindowActions, OkRefusesDialToneAndDialWaitOutOfRangeAndABadClockMaster)
{
    ConfigModel model;
    model.boards.push_back(detectedBoard(6, 1, 0));
    model.settings.setSystem("WhoSupplySysClock", 1);
    EXPECT_EQ(checkBeforeOk(model), std::nullopt);
    model.settings.setSystem("MaxWaitDialToneTime", 31);
    EXPECT_EQ(checkBeforeOk(model), "MaxWaitDialToneTime should between 0s and 30s!!");
    model.settings.setSystem("MaxWaitDialToneTime", 30);
    for (int wait : {15, 60001}) {
        model.settings.setSystem("WaitAfterDialTime", wait);
        EXPECT_EQ(checkBeforeOk(model), "WaitAfterDialTime should between 16ms and 60000ms!!");
    }
    model.settings.setSystem("WaitAfterDialTime", 16);
    model.settings.setSystem("WhoSupplySysClock", 2);
    EXPECT_EQ(checkBeforeOk(model), kClockMasterText);
}

TEST(WindowActions, ApplyListsTheIpBoardsThatRegister)
{
    ConfigModel model;
    for (int i = 0; i < 12; ++i) {
        model.boards.push_back(detectedBoard(75, 1, 0));
        model.boards.back().options.set("Register", i == 1 ? "0" : "1");
    }
    model.settings.setSystem("WhoSupplySysClock", -1);
    const ApplyPlan plan = prepareApply(model);
    EXPECT_FALSE(plan.error);
    EXPECT_EQ(plan.ipBoards, (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(WindowActions, DefaultDetectsAndStartsANewInstallation)
{
    test::FakeProbe probe({{0, test::device(test::kPci8Channel, 11)}, {1, test::device(test::kPci8E1, 12)}});
    ConfigModel model;
    model.settings.setSystem("MaxWaitDialToneTime", 9);
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(applyDefault(model, probe, reporter, "/var/log/kt", &error)) << error;
    ASSERT_EQ(model.boards.size(), 2u);
    EXPECT_EQ(model.settings.system("WhoSupplySysClock"), 1); // the first digital trunk board
    EXPECT_EQ(model.settings.system("MaxWaitDialToneTime"), 3);
    EXPECT_EQ(model.settings.text("DebugView", "LogFilePath"), "/var/log/kt");
    EXPECT_EQ(model.settings.list(0),
              (std::vector<ListRow>{{"\"110\",3,1"}, {"\"114\",3,1"}, {"\"127\",10,1"}})); // SS1 rules
    EXPECT_EQ(model.channels.size(), 8u + 240u);
}

TEST(WindowActions, DefaultThatFindsNothingLeavesTheModel)
{
    test::FakeProbe probe({});
    ConfigModel model;
    model.boards.push_back(detectedBoard(6, 1, 0));
    rebuildBoardDefaults(model);
    const ConfigModel before = model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_FALSE(applyDefault(model, probe, reporter, "/tmp", &error));
    EXPECT_EQ(error, kNoBoardText);
    EXPECT_EQ(model, before);
}

} // namespace
} // namespace ktcticonfig
