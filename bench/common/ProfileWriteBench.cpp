// Writing 5,000 keys one by one into a 200 KB profile file against writing that file once.
#include "common/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A board configuration of 20 sections of per-channel keys, about 200 KB.
std::string makeProfile()
{
    std::string text;
    for (int board = 0; board < 20; ++board) {
        text += "[BoardId=" + std::to_string(board) + "]\r\n";
        for (int key = 0; key < 250; ++key)
            text += "ChannelOption" + std::to_string(key) + "=1,1,1,1,1,1,1,1,1,1\r\n";
        text += "\r\n";
    }
    return text;
}

double secondsOf(const auto &work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ProfileWriteKeys(benchmark::State &state)
{
    const fs::path dir = fs::temp_directory_path() / ("vn-bench-profile-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "KtConfig.ini").string();
    const std::string original = makeProfile();

    double once = 0;
    double keys = 0;
    for (auto _ : state) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << original;
        // Writing the file once: the same atomic save, of one changed key.
        once += secondsOf([&] {
            common::ProfileFile f(path);
            f.writeString("BoardId=0", "ChannelOption0", "2,2,2,2,2,2,2,2,2,2");
            if (!f.save())
                state.SkipWithError("save failed");
        });
        std::ofstream(path, std::ios::binary | std::ios::trunc) << original;
        // 5,000 keys one by one: 4,000 replaced and 1,000 added, then the one save.
        keys += secondsOf([&] {
            common::ProfileFile f(path);
            for (int i = 0; i < 5000; ++i) {
                const std::string section = "BoardId=" + std::to_string(i % 20);
                const std::string key = "ChannelOption" + std::to_string(i < 4000 ? i / 20 : 250 + i / 20);
                f.writeString(section, key, "0,0,0,0,0,0,0,0,0,0");
            }
            if (!f.save())
                state.SkipWithError("save failed");
        });
    }
    fs::remove_all(dir);
    const double n = static_cast<double>(state.iterations());
    state.counters["once_us"] = once / n * 1e6;
    state.counters["keys_us"] = keys / n * 1e6;
    state.counters["ratio"] = keys / once;
    state.counters["goal_ratio_at_most_3"] = keys / once <= 3.0 ? 1 : 0;
    state.SetLabel(std::to_string(original.size() / 1024) + " KB file");
}
BENCHMARK(BM_ProfileWriteKeys)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
