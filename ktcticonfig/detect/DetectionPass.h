// The detection pass: rebuilds the board list from the devices that answer, with default PCMs, PCM
// list and channel table.
#pragma once

#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/model/ConfigModel.h"
#include "ktcticonfig/model/Reporter.h"

#include <string>

namespace ktcticonfig {

inline constexpr int kProbedDeviceIndices = 20;
inline constexpr const char *kNoBoardText =
    "Error: PCI board not found! Please check if the boards has been correctly installed.";

/// Probes devices 0..19 and rebuilds model's board list, PCM list and channel table. Unsupported
/// devices are reported and skipped. Without any board, or when the driver cannot look for devices
/// (its reason becomes the error text), the error text is set and false returned (the board list is
/// then empty).
bool runDetection(ConfigModel &model, DeviceProbe &probe, Reporter &reporter, std::string *error);

/// Fills model at start-up: with detect set the file is not read and the model is the defaults with
/// the detected boards; otherwise the file is read. Returns success; on failure error says why.
bool loadModel(const std::string &path, bool detect, DeviceProbe &probe, ConfigModel &model, Reporter &reporter,
               std::string *error);

/// A new board record for a model code as detection creates it: class rule, used channel count,
/// default PCMs and options.
BoardRecord detectedBoard(int code, std::uint32_t serialNumber, std::uint32_t subType);

/// The default PCM list ("board,pcm" for every PCM in board order); PCMs of ISDN signalling become
/// user-side (type 0) or network-side (type 2) links with default parameters, boards that run as
/// monitors left out of the links.
void buildDefaultPcmList(ConfigModel &model);

} // namespace ktcticonfig
