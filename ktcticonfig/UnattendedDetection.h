// Unattended detection: detect the boards and write a default configuration without a window.
#pragma once

#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/model/Reporter.h"

#include <string>

namespace ktcticonfig {

/// Runs the detection pass and writes the default model to path. Returns the process exit code: 0
/// when the file was written; 1 when no board was found (reported; the file is left as it was) or
/// the write failed (reported).
int runUnattendedDetection(const std::string &path, DeviceProbe &probe, Reporter &reporter);

} // namespace ktcticonfig
