// Fuzz target: a database file and texts from the input, loaded and composed through the C interface.
#include "FuzzScratch.h"
#include "voxstore/VoxStore.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::string scratch(const char *name)
{
    return (fuzz::scratchFolder("vn_fuzz_voxstore") / name).string();
}

void writeBytes(const std::string &file, const std::uint8_t *data, std::size_t size)
{
    fuzz::writeBytes(file, fuzz::asText(data, size));
}

} // namespace

// Input: speed (1 byte), text length (2 bytes), the text, then the database file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string db = scratch("VoiceDB.dat"), out = scratch("out.voc"), textFile = scratch("text.txt");
    if (size < 3)
        return 0;
    // Small speeds keep compositions small; negative ones are part of the contract.
    const int32_t speed = static_cast<int8_t>(data[0]);
    const std::size_t textBytes = std::min<std::size_t>(data[1] | (data[2] << 8), size - 3);
    const std::string text(reinterpret_cast<const char *>(data + 3), textBytes);
    writeBytes(db, data + 3 + textBytes, size - 3 - textBytes);
    writeBytes(textFile, data + 3, textBytes);

    UnInstallVoxStore();
    TxtToVoc(text.c_str(), nullptr, out.c_str(), 0, speed);
    if (InstallVoxStore(db.c_str()) == VOXSTORE_OK) {
        TxtToVoc(text.c_str(), nullptr, out.c_str(), 0, speed);
        TxtToVoc(nullptr, textFile.c_str(), out.c_str(), 1, speed);
    }
    UnInstallVoxStore();
    return 0;
}
