// Keeps the board driver's shared log block of a test program apart from other programs' and removes
// it when the program ends; prepares the environment of the Server processes a test starts.
#pragma once

#include <QString>

namespace server::testing {

/// Gives the driver's shared memory and semaphore names a suffix of this process (inherited by the
/// servers the test starts) and unlinks them at exit. Safe to call more than once.
void useOwnDriverIpc();

/// Prepares this process's environment for the Server processes a test starts: the driver's names of
/// this process, no simulation file from outside, and runtimeDir (made, private) as the runtime folder,
/// without which Qt complains on standard error.
void prepareServerProcesses(const QString &runtimeDir);

} // namespace server::testing
