// Keeps the board driver's shared log block of a test program apart from other programs' and removes
// it when the program ends.
#pragma once

namespace server::testing {

/// Gives the driver's shared memory and semaphore names a suffix of this process (inherited by the
/// servers the test starts) and unlinks them at exit. Safe to call more than once.
void useOwnDriverIpc();

} // namespace server::testing
