// The exported functions of LumoSms and the library state behind them; unloading closes the library.
#include "lumosms/LumoSms.h"

#include "common/Text.h"
#include "lumosms/GbkUnits.h"
#include "lumosms/PduEncoder.h"
#include "lumosms/PhoneNumber.h"
#include "lumosms/TimeStamp.h"
#include "lumosms/Traffic.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>

namespace lumosms {
namespace {

constexpr std::size_t kMinimumNumberLength = 11;
// Longest caller text looked at: far beyond anything valid, so that a text without terminator inside
// a sane range is still rejected without reading on for ever.
constexpr std::size_t kLongestTextScanned = 1024;

/// The traffic object while initialised. The mutex guards only the handle: callers keep their own
/// reference while they wait in a queue, so a close never pulls the queues from under them.
struct LibraryState
{
    std::mutex mutex;
    std::shared_ptr<Traffic> traffic;

    ~LibraryState()
    {
        std::shared_ptr<Traffic> last;
        {
            std::lock_guard lock(mutex);
            last = std::move(traffic);
        }
        if (last)
            last->shutdown();
    }
};

LibraryState state;

// Set at any time from the caller's threads, read by the worker at every undecodable message.
std::atomic<Lumo_gsmUndecodableCallback> undecodableCallback{nullptr};

void reportUndecodable(int storageIndex, const char *pdu)
{
    if (const Lumo_gsmUndecodableCallback callback = undecodableCallback.load())
        callback(storageIndex, pdu);
}

std::shared_ptr<Traffic> currentTraffic()
{
    std::lock_guard lock(state.mutex);
    return state.traffic;
}

void copyOut(char *buffer, int size, std::string_view text)
{
    if (!buffer || size < 1)
        return;
    const std::string_view fitting = common::cutGbk(text, static_cast<std::size_t>(size) - 1);
    std::memcpy(buffer, fitting.data(), fitting.size());
    buffer[fitting.size()] = '\0';
}

int initialise(const char *defaultSca, int port, int baud, SentCallback onSent)
{
    std::lock_guard lock(state.mutex);
    if (state.traffic)
        return 1;
    const Timing timing = currentTiming();
    auto modem = std::make_unique<AtDialogue>();
    const std::string_view fallback = defaultSca ? std::string_view(defaultSca, strnlen(defaultSca, 64)) : "";
    if (!modem->initialise(port, baud, fallback, timing))
        return 0;
    state.traffic = std::make_shared<Traffic>(std::move(modem), timing, onSent, reportUndecodable);
    return 1;
}

int sendMessage(int messageId, const char *number, const char *text)
{
    const std::shared_ptr<Traffic> traffic = currentTraffic();
    if (!traffic)
        return 4;
    const std::string_view destination = number ? std::string_view(number, strnlen(number, 64)) : "";
    if (destination.size() < kMinimumNumberLength || !isUsableNumber(destination))
        return 3;
    const std::string_view message = text ? std::string_view(text, strnlen(text, kLongestTextScanned)) : "";
    const std::size_t units = utf16UnitCount(message);
    if (units == 0)
        return 1;
    if (units > kMaxUcs2Units || message.size() == kLongestTextScanned)
        return 2;

    MessageRecord record;
    storeField(record.serviceCentre, normaliseNumber(traffic->serviceCentre()));
    storeField(record.peer, normaliseNumber(destination));
    record.protocolId = 0;
    record.codingScheme = kCodingUcs2;
    if (!storeField(record.userData, message))
        return 2;
    record.messageId = messageId;
    const bool queued =
        traffic->onWorkerThread() ? traffic->sendQueue().tryPut(record) : traffic->sendQueue().put(record);
    return queued ? 0 : 5;
}

int receiveMessage(char *time, int timeSize, char *number, int numberSize, char *text, int textSize)
{
    const std::shared_ptr<Traffic> traffic = currentTraffic();
    if (!traffic)
        return 0;
    const auto record = traffic->receiveQueue().get(traffic->timing().queueWait);
    if (!record)
        return 0;
    copyOut(time, timeSize, formatTimeStamp(fieldText(record->timeStamp)));
    copyOut(number, numberSize, withoutCountryCode(fieldText(record->peer)));
    copyOut(text, textSize, fieldText(record->userData));
    return 1;
}

int close()
{
    std::shared_ptr<Traffic> traffic;
    {
        std::lock_guard lock(state.mutex);
        // Closing from the callback would wait for the very thread that runs it.
        if (!state.traffic || state.traffic->onWorkerThread())
            return 0;
        traffic = std::move(state.traffic);
    }
    return traffic->shutdown() ? 1 : 0;
}

} // namespace
} // namespace lumosms

// No exception may cross the C interface: each one becomes the export's failure result.

extern "C" int Lumo_gsmInit(const char *defaultSca, int port, int baud, Lumo_gsmSentCallback onSent)
{
    try {
        return lumosms::initialise(defaultSca, port, baud, onSent);
    } catch (...) {
        return 0;
    }
}

extern "C" int Lumo_gsmSendMessage(int messageId, const char *number, const char *text)
{
    try {
        return lumosms::sendMessage(messageId, number, text);
    } catch (...) {
        return 5;
    }
}

extern "C" int Lumo_gsmRecvMessage(char *time, int timeSize, char *number, int numberSize, char *text, int textSize)
{
    try {
        return lumosms::receiveMessage(time, timeSize, number, numberSize, text, textSize);
    } catch (...) {
        return 0;
    }
}

extern "C" void Lumo_gsmSetUndecodableCallback(Lumo_gsmUndecodableCallback onUndecodable)
{
    lumosms::undecodableCallback.store(onUndecodable);
}

extern "C" int Lumo_gsmClose(void)
{
    try {
        return lumosms::close();
    } catch (...) {
        return 0;
    }
}
