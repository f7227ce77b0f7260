// Fuzz target: a modem answer read in chunks into the response buffer, judged, and parsed as a listing.
#include "lumosms/ListingParser.h"
#include "lumosms/ResponseBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view answer(reinterpret_cast<const char *>(data), size);
    lumosms::ResponseBuffer buffer;
    // Chunks of 128 bytes, as the worker's response polls read them; repeated so that long inputs
    // also overflow the buffer.
    for (int round = 0; round < (size > 64 ? 2 : 1); ++round)
        for (std::size_t at = 0; at < answer.size(); at += 128) {
            const std::string_view chunk = answer.substr(at, 128);
            buffer.append(chunk);
            buffer.judge(chunk.size());
        }
    if (buffer.text().size() > lumosms::kResponseCapacity)
        std::abort();
    const auto records = lumosms::parseListing(buffer.text());
    if (records.size() > lumosms::kMaxListedRecords)
        std::abort();
    for (const lumosms::ListedMessage &listed : records) {
        const lumosms::MessageRecord &record = listed.record;
        if (strnlen(record.userData, sizeof record.userData) >= sizeof record.userData ||
            strnlen(record.peer, sizeof record.peer) >= sizeof record.peer || record.storageIndex < 0 ||
            (listed.decoded && !listed.pdu.empty()) || listed.pdu.size() > buffer.text().size())
            std::abort();
    }
    return 0;
}
