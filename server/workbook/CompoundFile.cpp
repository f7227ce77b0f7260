// The compound-file container: header, the stream's sectors, directory, allocation table and DIFAT.
#include "server/workbook/CompoundFile.h"

#include <algorithm>
#include <cstring>

namespace server::workbook {

namespace {

constexpr std::size_t kSector = 512;
constexpr std::uint32_t kEntriesPerSector = kSector / 4;
constexpr std::uint32_t kHeaderDifatEntries = 109;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kMiniStreamCutoff = 4096;

void put16(std::uint8_t *at, std::uint32_t v)
{
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t *at, std::uint32_t v)
{
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
}

std::uint32_t sectorsFor(std::size_t bytes)
{
    return static_cast<std::uint32_t>((bytes + kSector - 1) / kSector);
}

// The directory: the root storage and the one stream, two free entries after them.
std::vector<std::uint8_t> directorySector(const char16_t *streamName, std::size_t streamSize)
{
    std::vector<std::uint8_t> sector(kSector, 0);
    auto entry = [&](int index, const char16_t *name, std::uint8_t type, std::uint32_t child, std::uint32_t start,
                     std::uint32_t size) {
        std::uint8_t *e = sector.data() + index * 128;
        std::size_t n = 0;
        for (; name[n] != 0 && n < 31; ++n)
            put16(e + 2 * n, name[n]);
        put16(e + 64, static_cast<std::uint32_t>((n + 1) * 2));
        e[66] = type;
        e[67] = 1; // black
        put32(e + 68, kNoStream);
        put32(e + 72, kNoStream);
        put32(e + 76, child);
        put32(e + 116, start);
        put32(e + 120, size);
    };
    entry(0, u"Root Entry", 5, 1, kEndOfChain, 0);
    entry(1, streamName, 2, kNoStream, 0, static_cast<std::uint32_t>(streamSize));
    for (int free = 2; free < 4; ++free) {
        std::uint8_t *e = sector.data() + free * 128;
        put32(e + 68, kNoStream);
        put32(e + 72, kNoStream);
        put32(e + 76, kNoStream);
    }
    return sector;
}

} // namespace

bool writeCompoundFile(const ByteSink &sink, const char16_t *streamName,
                       const std::vector<std::span<const std::uint8_t>> &pieces, QString *error)
{
    std::size_t dataSize = 0;
    for (const auto &p : pieces)
        dataSize += p.size();
    const std::size_t streamSize = std::max(dataSize, kMiniStreamCutoff);
    if (streamSize > 0xFFFFFFFFull - kSector * 1024) {
        *error = QStringLiteral("the workbook is too large for an .xls file");
        return false;
    }

    // Sectors: the stream, one directory sector, the allocation table, the DIFAT.
    const std::uint32_t streamSectors = sectorsFor(streamSize);
    std::uint32_t fatSectors = 0;
    std::uint32_t difatSectors = 0;
    while (true) {
        const std::uint32_t total = streamSectors + 1 + fatSectors + difatSectors;
        const std::uint32_t fatNeeded = (total + kEntriesPerSector - 1) / kEntriesPerSector;
        const std::uint32_t difatNeeded =
            fatNeeded > kHeaderDifatEntries
                ? (fatNeeded - kHeaderDifatEntries + kEntriesPerSector - 2) / (kEntriesPerSector - 1)
                : 0;
        if (fatNeeded == fatSectors && difatNeeded == difatSectors)
            break;
        fatSectors = std::max(fatSectors, fatNeeded);
        difatSectors = std::max(difatSectors, difatNeeded);
    }
    const std::uint32_t directoryAt = streamSectors;
    const std::uint32_t fatAt = directoryAt + 1;
    const std::uint32_t difatAt = fatAt + fatSectors;

    std::vector<std::uint32_t> fat(static_cast<std::size_t>(fatSectors) * kEntriesPerSector, kFreeSector);
    for (std::uint32_t s = 0; s < streamSectors; ++s)
        fat[s] = s + 1 < streamSectors ? s + 1 : kEndOfChain;
    fat[directoryAt] = kEndOfChain;
    for (std::uint32_t s = 0; s < fatSectors; ++s)
        fat[fatAt + s] = kFatSector;
    for (std::uint32_t s = 0; s < difatSectors; ++s)
        fat[difatAt + s] = kDifatSector;

    std::vector<std::uint8_t> header(kSector, 0);
    static const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(header.data(), signature, sizeof signature);
    put16(&header[24], 0x003E); // minor version
    put16(&header[26], 0x0003); // major version 3: 512-byte sectors
    put16(&header[28], 0xFFFE); // little-endian
    put16(&header[30], 9);      // sector size 2^9
    put16(&header[32], 6);      // mini sector size 2^6
    put32(&header[44], fatSectors);
    put32(&header[48], directoryAt);
    put32(&header[56], static_cast<std::uint32_t>(kMiniStreamCutoff));
    put32(&header[60], kEndOfChain); // no mini allocation table
    put32(&header[64], 0);
    put32(&header[68], difatSectors > 0 ? difatAt : kEndOfChain);
    put32(&header[72], difatSectors);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        put32(&header[76 + 4 * i], i < fatSectors ? fatAt + i : kFreeSector);

    std::vector<std::uint8_t> tables(static_cast<std::size_t>(fatSectors + difatSectors) * kSector, 0);
    for (std::size_t i = 0; i < fat.size(); ++i)
        put32(&tables[4 * i], fat[i]);
    std::uint8_t *difat = tables.data() + static_cast<std::size_t>(fatSectors) * kSector;
    for (std::uint32_t d = 0; d < difatSectors; ++d) {
        std::uint8_t *sector = difat + static_cast<std::size_t>(d) * kSector;
        for (std::uint32_t i = 0; i < kEntriesPerSector - 1; ++i) {
            const std::uint32_t fatIndex = kHeaderDifatEntries + d * (kEntriesPerSector - 1) + i;
            put32(sector + 4 * i, fatIndex < fatSectors ? fatAt + fatIndex : kFreeSector);
        }
        put32(sector + kSector - 4, d + 1 < difatSectors ? difatAt + d + 1 : kEndOfChain);
    }

    const std::vector<std::uint8_t> directory = directorySector(streamName, streamSize);
    const std::vector<std::uint8_t> padding(static_cast<std::size_t>(streamSectors) * kSector - dataSize, 0);
    bool ok = sink(header);
    for (const auto &p : pieces)
        ok = ok && sink(p);
    return ok && sink(padding) && sink(directory) && sink(tables);
}

} // namespace server::workbook
