// The window's actions on the model and the driver.
#include "ktcticonfig/app/WindowActions.h"

#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/DefaultValues.h"
#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/ModelRules.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace ktcticonfig {

namespace {

constexpr std::size_t kMaxRegisteringIpBoards = 10;
constexpr int kRegistrationAttempts = 16;

// The phone number rules a new installation starts with: emergency and directory numbers.
const std::vector<ListRow> kDefaultRules = {{"\"110\",3,1"}, {"\"114\",3,1"}, {"\"127\",10,1"}};

} // namespace

std::optional<std::string> checkBeforeOk(const ConfigModel &model)
{
    if (model.settings.system("MaxWaitDialToneTime") > 30)
        return "MaxWaitDialToneTime should between 0s and 30s!!";
    const int wait = model.settings.system("WaitAfterDialTime");
    if (wait < 16 || wait > 60000)
        return "WaitAfterDialTime should between 16ms and 60000ms!!";
    if (!clockMasterValid(model))
        return kClockMasterText;
    return std::nullopt;
}

ApplyPlan prepareApply(ConfigModel &model)
{
    ApplyPlan plan;
    if (!clockMasterValid(model)) {
        plan.error = kClockMasterText;
        return plan;
    }
    moveClockMasterOffAnalogBoard(model);
    for (std::size_t b = 0; b < model.boards.size() && plan.ipBoards.size() < kMaxRegisteringIpBoards; ++b) {
        const BoardRecord &board = model.boards[b];
        if (board.flags.ip && std::strtol(board.options.get("Register", "0").c_str(), nullptr, 0) != 0)
            plan.ipBoards.push_back(static_cast<int>(b));
    }
    return plan;
}

TestStartResult runTestStart(DriverFunctions &driver, const std::string &configPath, const std::string &indexPath,
                             const std::vector<int> &ipBoards,
                             const std::function<void(const std::string &, StatusState)> &status,
                             const std::function<void()> &waitOneSecond)
{
    TestStartResult result;
    if (driver.startCti(configPath, indexPath) != 0) {
        result.message = driver.lastErrorMessage();
        result.state = StatusState::Error;
        result.showOnStatusLine = false;
        status(kConfigErrorText, StatusState::Error);
        driver.closeCti();
        return result;
    }
    const int configured = driver.maxCfgBoard();
    const int usable = driver.maxUsableBoard();
    if (configured != usable) {
        char text[512];
        std::snprintf(text, sizeof text,
                      "Warning:only %d within %d boards were initialized successfully! The error message is '%s'.",
                      usable, configured, driver.lastErrorMessage().c_str());
        result.warnings.emplace_back(text);
    }
    if (ipBoards.empty()) {
        result.message = "Current configuration succeeds!";
        result.state = StatusState::Done;
        driver.closeCti();
        return result;
    }
    status("Current configuratioin succeeds! Waiting for ip card register result...ip card registering...",
           StatusState::Busy);
    std::string reason;
    bool registered = false;
    for (int attempt = 0; attempt < kRegistrationAttempts && !registered; ++attempt) {
        waitOneSecond();
        status("ip card registering..." + std::to_string(attempt), StatusState::Busy);
        registered = std::all_of(ipBoards.begin(), ipBoards.end(),
                                 [&](int id) { return driver.sipBoardRegStatus(id, reason) >= 1; });
    }
    if (registered) {
        result.message = "ip card register successed!";
        result.state = StatusState::Done;
    } else {
        result.message = "ip card register failed !" + (reason.empty() ? std::string("Request Timeout!") : reason);
        result.state = StatusState::Error;
    }
    driver.closeCti();
    return result;
}

bool applyDefault(ConfigModel &model, DeviceProbe &probe, Reporter &reporter, const std::string &logDirectory,
                  std::string *error)
{
    // Detection works on a copy: a failed detection leaves the user's board list as it was.
    ConfigModel fresh = model;
    if (!runDetection(fresh, probe, reporter, error))
        return false;
    fresh.settings.list(listIndex("SS1Config", "MaxPhoNumRule")) = kDefaultRules;
    fresh.settings.list(listIndex("ISDN", "MaxPhoNumRule")) = kDefaultRules;
    fresh.settings.list(listIndex("ISUP", "TotalIsupPcm")).clear();
    bool smallFax = false;
    // Detection gave every board its family's default options already.
    for (BoardRecord &board : fresh.boards) {
        board.state = kBoardStateListed;
        if (isSmallFaxModel(board.modelCode))
            smallFax = true;
    }
    resetToDefaultValues(fresh.settings, logDirectory, smallFax);
    fresh.settings.setSystem("WhoSupplySysClock", defaultClockMaster(fresh));
    rebuildBoardDefaults(fresh);
    model = std::move(fresh);
    return true;
}

} // namespace ktcticonfig
