// Composing a 10-character name against writing a file of the same size: the difference is the composition.
#include "voxstore/VoxStore.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A full-size database: every hanzi its own segment of 350 ms, as the generated database has.
constexpr std::size_t kSegmentBytes = 2800;
constexpr std::size_t kHanzi = 6896 - 128;

// Files in memory where there is a tmpfs, so that the disk does not drown the composition.
fs::path scratch(const std::string &name)
{
    const fs::path folder = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    return folder / ("vn_bench_voxstore-" + std::to_string(::getpid()) + "-" + name);
}

void put(std::vector<std::uint8_t> &out, std::size_t at, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

fs::path writeDatabase()
{
    const std::size_t segments = kHanzi + 1;
    std::vector<std::uint8_t> image(13794 + 6 * segments + kSegmentBytes * segments, 0x55);
    for (std::size_t code = 128; code < 6896; ++code)
        put(image, 2 * code, code - 127, 2);
    put(image, 13792, segments, 2);
    for (std::size_t s = 0; s < segments; ++s) {
        put(image, 13794 + 6 * s, s * kSegmentBytes, 4);
        put(image, 13794 + 6 * s + 4, kSegmentBytes, 2);
    }
    const fs::path file = scratch("VoiceDB.dat");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char *>(image.data()),
                                                static_cast<std::streamsize>(image.size()));
    return file;
}

// 欧阳娜娜张三丰李四王 in GBK: ten hanzi spread over the table.
const char *const kName = "\xC5\xB7\xD1\xF4\xC4\xC8\xC4\xC8\xD5\xC5\xC8\xFD\xB7\xE1\xC0\xEE\xCB\xC4\xCD\xF5";

void BM_ComposeTenCharacterName(benchmark::State &state)
{
    const fs::path db = writeDatabase();
    if (InstallVoxStore(db.c_str()) != VOXSTORE_OK)
        throw std::runtime_error("database not loaded");
    const std::string out = scratch("TxtVoc0.voc");
    for (auto _ : state)
        benchmark::DoNotOptimize(TxtToVoc(kName, nullptr, out.c_str(), 0, 50));
    UnInstallVoxStore();
    fs::remove(db);
    fs::remove(out);
}
BENCHMARK(BM_ComposeTenCharacterName);

// The same bytes written the way the library writes them: a new file renamed into place.
void BM_WriteFileOfTheSameSize(benchmark::State &state)
{
    const std::vector<std::uint8_t> audio(10 * (kSegmentBytes + 400), 0x55);
    const std::string out = scratch("Write.voc"), part = out + ".part";
    for (auto _ : state) {
        std::FILE *file = std::fopen(part.c_str(), "wb");
        std::fwrite(audio.data(), 1, audio.size(), file);
        std::fclose(file);
        std::rename(part.c_str(), out.c_str());
    }
    fs::remove(out);
}
BENCHMARK(BM_WriteFileOfTheSameSize);

} // namespace
