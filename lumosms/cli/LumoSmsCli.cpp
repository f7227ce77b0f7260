// The lumosms tool: sends one SMS and prints the modem's result, or lists the messages received.
#include "common/Gbk.h"
#include "lumosms/BoundedQueue.h"
#include "lumosms/LumoSms.h"
#include "lumosms/Timing.h"
#include "lumosms/cli/CliOptions.h"
#include "vn/Version.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The callback runs on the library's worker thread; it hands its result to main through this queue.
lumosms::BoundedQueue<std::pair<int, int>> sendResults(16);

void onSent(int result, int messageId)
{
    sendResults.tryPut({result, messageId});
}

// The library deletes a message it cannot decode: the PDU is all that is left of it.
void onUndecodable(int storageIndex, const char *pdu)
{
    std::fprintf(stderr, "lumosms: message %d could not be decoded and was deleted; its PDU: %s\n", storageIndex, pdu);
}

std::chrono::milliseconds toDuration(double seconds)
{
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
}

int runSend(const lumosms::CliOptions &options)
{
    constexpr int kMessageId = 1;
    const int queued = Lumo_gsmSendMessage(kMessageId, options.number.c_str(), common::utf8ToGbk(options.text).c_str());
    if (queued != 0) {
        std::fprintf(stderr, "lumosms: %s (result %d)\n", Lumo_gsmSendResultText(queued), queued);
        return 3;
    }
    const auto deadline = Clock::now() + toDuration(options.seconds);
    while (Clock::now() < deadline) {
        if (const auto result = sendResults.get(std::chrono::milliseconds(100))) {
            std::printf("result %d\n", result->first);
            return result->first == 1 ? 0 : 1;
        }
    }
    std::fprintf(stderr, "lumosms: no answer from the modem within %g s\n", options.seconds);
    return 1;
}

int runList(const lumosms::CliOptions &options)
{
    const auto deadline = Clock::now() + toDuration(options.seconds);
    char time[32];
    char number[32];
    char text[256];
    while (Clock::now() < deadline) {
        if (Lumo_gsmRecvMessage(time, sizeof time, number, sizeof number, text, sizeof text) == 1) {
            std::printf("%s\t%s\t%s\n", time, number, common::gbkToUtf8(text).c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(lumosms::cliUsage().c_str(), stdout);
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::printf("lumosms %s\n", VN_VERSION);
        return 0;
    }
    std::string error;
    const auto options = lumosms::parseCliOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "lumosms: %s\n%s", error.c_str(), lumosms::cliUsage().c_str());
        return 2;
    }
    lumosms::setTiming(lumosms::Timing{}.scaled(options->timeScale));
    const char *sca = options->serviceCentre.empty() ? nullptr : options->serviceCentre.c_str();
    Lumo_gsmSetUndecodableCallback(onUndecodable);
    if (Lumo_gsmInit(sca, options->port, options->baud, onSent) != 1) {
        std::fprintf(stderr, "lumosms: the modem on port %d (%d baud) cannot be opened or did not answer\n",
                     options->port, options->baud);
        return 2;
    }
    const int status = options->command == lumosms::CliOptions::Command::Send ? runSend(*options) : runList(*options);
    Lumo_gsmClose();
    return status;
}
