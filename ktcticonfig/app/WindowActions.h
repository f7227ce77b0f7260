// What the main window's buttons do to the model, without widgets: the checks of OK and Apply, the
// preparation of Apply, the driver test start on its worker, and Default.
#pragma once

#include "ktcticonfig/app/DriverFunctions.h"
#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/model/ConfigModel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ktcticonfig {

inline constexpr const char *kApplyingText = "Applying..., please wait for a moment !";
inline constexpr const char *kConfigErrorText = "Error found in current configuration!";
inline constexpr const char *kClockMasterText =
    "Error: board ID supplying system clock must be less than or equal to the total number of boards!";

/// Status line states.
enum class StatusState
{
    Error = 0,
    Done = 1,
    Busy = 2,
};

/// The values OK refuses to save, as the message shown; nullopt when the model can be saved.
std::optional<std::string> checkBeforeOk(const ConfigModel &model);

/// Apply's preparation: the clock-master check (error text when it fails), the clock master moved
/// off an analog board, and the IP boards whose registration Apply waits for.
struct ApplyPlan
{
    std::optional<std::string> error;
    std::vector<int> ipBoards;
};
ApplyPlan prepareApply(ConfigModel &model);

/// The result of a test start: warnings to show first, then the message (also on the status line
/// unless showOnStatusLine is false) with its state.
struct TestStartResult
{
    std::vector<std::string> warnings;
    std::string message;
    StatusState state = StatusState::Done;
    bool showOnStatusLine = true;
};

/// Starts the driver with the written files, waits for the IP boards to register (16 attempts, one
/// waitOneSecond() before each), closes the driver. status() receives the progress texts.
TestStartResult runTestStart(DriverFunctions &driver, const std::string &configPath, const std::string &indexPath,
                             const std::vector<int> &ipBoards,
                             const std::function<void(const std::string &, StatusState)> &status,
                             const std::function<void()> &waitOneSecond);

/// Default: detection into a fresh board list with the defaults of a new installation. On failure
/// the error text is set and the model is left as it was.
bool applyDefault(ConfigModel &model, DeviceProbe &probe, Reporter &reporter, const std::string &logDirectory,
                  std::string *error);

} // namespace ktcticonfig
