// SmsSender: sends the queue SmsSendTask through the GSM modem of libLumoSms until SIGTERM, or once.
#include "smssender/LumoModem.h"
#include "smssender/SendLoop.h"
#include "smssender/SenderDatabase.h"
#include "smssender/app/InstanceLock.h"
#include "smssender/app/SenderCommandLine.h"

#include "vn/Version.h"

#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace {

std::atomic<bool> stopRequested{false};

void onSignal(int)
{
    stopRequested = true;
}

void report(const std::string &text)
{
    std::fprintf(stderr, "SmsSender: %s\n", text.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("SmsSender %s\n", VN_VERSION);
        return 0;
    }
    std::string error;
    const auto cl = smssender::parseSenderCommandLine({argv + 1, argv + argc}, error);
    if (!cl) {
        std::fprintf(stderr, "SmsSender: %s\n%s", error.c_str(), smssender::senderUsage().c_str());
        return 2;
    }
    if (cl->help) {
        std::fputs(smssender::senderUsage().c_str(), stdout);
        return 0;
    }
    QCoreApplication app(argc, argv);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);

    const std::string dir = cl->programDir.empty() ? QCoreApplication::applicationDirPath().toStdString()
                                                   : std::filesystem::absolute(cl->programDir).string();
    // Two senders on one queue would send its rows twice.
    const smssender::InstanceLock lock(dir + "/SmsSender.lock");
    if (!lock.held()) {
        report("another SmsSender runs on " + dir + " (or " + dir + "/SmsSender.lock cannot be made)");
        return 1;
    }
    smssender::SenderDatabase database;
    if (!database.open(dir, &error)) {
        report(error);
        return 1;
    }
    smssender::SenderSettings &settings = database.senderSettings();
    if (cl->port > 0)
        settings.port = cl->port;
    if (cl->baud > 0)
        settings.baud = cl->baud;

    smssender::SmsQueue queue(database.dm(), settings.attempts);
    queue.setDueBy(cl->dueBy);
    try {
        if (const int interrupted = queue.recoverInFlight())
            report(std::to_string(interrupted) + " SMS were in flight when the last run ended; they are sent again");
    } catch (const server::DatabaseError &e) {
        report(std::string("cannot read the sender's bookkeeping: ") + e.what());
        return 1;
    }
    smssender::LumoModem modem(settings.port, settings.baud, settings.serviceCentre);
    smssender::SendLoop loop(queue, modem, {settings.pollPeriod, settings.answerTimeout}, report,
                             [] { return stopRequested.load(); });
    loop.setReconnect([&queue, &database] {
        queue.releaseStatements();
        std::string why;
        database.reconnect(&why);
    });
    if (!loop.start()) {
        report("the modem on port " + std::to_string(settings.port) + " (" + std::to_string(settings.baud) +
               " baud) cannot be opened or does not answer");
        return 1;
    }
    if (cl->once) {
        const bool complete = loop.runOnce();
        const smssender::LoopCounts &counts = loop.counts();
        std::printf("SmsSender: %d SMS sent, %d tries failed, %d received\n", counts.sent, counts.failed,
                    counts.received);
        return complete ? 0 : 1;
    }
    report("sending through port " + std::to_string(settings.port) + "; SIGTERM stops");
    loop.run();
    const smssender::LoopCounts &counts = loop.counts();
    report("stopped: " + std::to_string(counts.sent) + " SMS sent, " + std::to_string(counts.failed) +
           " tries failed, " + std::to_string(counts.received) + " received");
    return 0;
}
