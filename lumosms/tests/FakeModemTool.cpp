// lumosms-fake-modem: a simulated GSM modem on a pseudo-terminal for trying the library's callers.
#include "FakeModem.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int)
{
    stopRequested = true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0;
        std::fputs("usage: lumosms-fake-modem\n"
                   "Opens a pseudo-terminal that answers the AT commands of libLumoSms as a GSM modem does\n"
                   "(every message accepted), prints its device path on the first line of standard output\n"
                   "(for LUMOSMS_COM<N>) and serves until SIGTERM or SIGINT; then it prints how many\n"
                   "messages it was sent.\n",
                   help ? stdout : stderr);
        return help ? 0 : 2;
    }
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    lumosms::test::FakeModem modem;
    std::printf("%s\n", modem.devicePath().c_str());
    std::fflush(stdout);
    int messages = 0;
    while (!stopRequested)
        if (const auto command = modem.next(std::chrono::milliseconds(100)); command && command->text.ends_with('\x1A'))
            ++messages;
    std::printf("lumosms-fake-modem: %d messages sent to the modem\n", messages);
    return 0;
}
