// The driver's shared log block per test program, removed at exit; the environment of started servers.
#include "server/tests/DriverIpc.h"

#include <QDir>
#include <QFile>

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

void prepareServerProcesses(const QString &runtimeDir)
{
    useOwnDriverIpc();
    ::unsetenv("KTSIM_CONFIG");
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ::setenv("XDG_RUNTIME_DIR", runtimeDir.toLocal8Bit().constData(), 1);
}

} // namespace server::testing
