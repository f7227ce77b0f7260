// The Detect button: boards waiting to be re-identified take the serial number of a matching device.
#pragma once

#include "ktcticonfig/detect/DeviceProbe.h"
#include "ktcticonfig/model/BoardRecord.h"

#include <vector>

namespace ktcticonfig {

/// For every configured board, probes devices 0..9; a waiting board whose model matches a detected
/// device (the same code, or another signalling variant of the same cPCI digital family) takes that
/// device's serial number and becomes matched. Returns the IDs of the boards that changed.
std::vector<int> refreshSerialNumbers(std::vector<BoardRecord> &boards, DeviceProbe &probe);

/// True when two model codes name the same board, allowing for the signalling variants of the cPCI
/// digital families (28..30, 31..33, 34..36).
bool sameBoardModel(int a, int b);

} // namespace ktcticonfig
