// The driver's shared log block per test program, removed at exit.
#include "server/tests/DriverIpc.h"

#include <cstdlib>
#include <fcntl.h>
#include <semaphore.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace server::testing {

namespace {

std::string &suffix()
{
    static std::string s = "-server-test-" + std::to_string(::getpid());
    return s;
}

void unlinkIpc()
{
    ::shm_unlink(("/OrvaneCtiCfg_090622" + suffix()).c_str());
    ::sem_unlink(("/OrvaneCtiCfgEvent_090622" + suffix()).c_str());
}

} // namespace

void useOwnDriverIpc()
{
    static const bool registered = [] {
        ::setenv("KTDRV_IPC_SUFFIX", suffix().c_str(), 1);
        std::atexit(unlinkIpc);
        return true;
    }();
    (void)registered;
}

} // namespace server::testing
