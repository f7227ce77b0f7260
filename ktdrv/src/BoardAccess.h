// The one board of the process and the lock that guards it.
#pragma once

#include "ktdrv/src/Board.h"

#include <mutex>

namespace ktdrv {

std::mutex &boardMutex();
Board &theBoard();
/// Runs a control command under the lock.
std::string runBoardCommand(const std::string &line);

} // namespace ktdrv
