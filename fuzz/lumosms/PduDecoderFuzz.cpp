// Fuzz target: the SMS-DELIVER decoder and the time-stamp text on arbitrary PDU lines.
#include "lumosms/PduDecoder.h"
#include "lumosms/TimeStamp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Every field must end inside itself, whatever the PDU claimed.
template <std::size_t N> void requireTerminated(const char (&field)[N])
{
    if (strnlen(field, N) >= N)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view pdu(reinterpret_cast<const char *>(data), size);
    lumosms::MessageRecord record;
    const lumosms::DecodeResult result = lumosms::decodeDeliver(pdu, record);
    requireTerminated(record.serviceCentre);
    requireTerminated(record.peer);
    requireTerminated(record.timeStamp);
    requireTerminated(record.userData);
    if (result.status == lumosms::DecodeStatus::Complete &&
        lumosms::formatTimeStamp(lumosms::fieldText(record.timeStamp)).size() != 19)
        std::abort();
    return 0;
}
