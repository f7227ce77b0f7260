// Writing one stream as a compound file (the OLE2 container of an .xls workbook).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace server::workbook {

/// Where the bytes of a file go, in order; false when they cannot be written.
using ByteSink = std::function<bool(std::span<const std::uint8_t>)>;

/// Writes a compound file (version 3, 512-byte sectors) holding one stream named streamName, whose
/// bytes are the pieces in order, to sink. Files beyond 109 sectors of allocation table (about
/// 7 MB) carry their further table sectors in DIFAT sectors, so streams of any size up to the
/// format's limit fit. A stream shorter than 4096 bytes is padded with zeros to 4096, so that it
/// lies in ordinary sectors rather than the mini stream. False when the stream is too large for
/// the format (error set) or the sink fails.
bool writeCompoundFile(const ByteSink &sink, const char16_t *streamName,
                       const std::vector<std::span<const std::uint8_t>> &pieces, QString *error);

} // namespace server::workbook
