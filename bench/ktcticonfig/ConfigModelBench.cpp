// Writing and reading a KtConfig.ini of 20 boards of 480 channels each (9,600 application channels).
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/ConfigModel.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace ktcticonfig;

// Code 42: a cPCI trunk board of 16 E1 links and 480 channels.
ConfigModel largeModel()
{
    ConfigModel model;
    for (int n = 0; n < kMaxBoards; ++n)
        model.boards.push_back(detectedBoard(42, 1000u + n, 0));
    model.settings.setSystem("TotalBoards", kMaxBoards);
    buildDefaultPcmList(model);
    model.channels = defaultChannelTable(model.boards);
    return model;
}

class Scratch
{
public:
    Scratch() : m_dir(fs::temp_directory_path() / ("vn-bench-ktcticonfig-" + std::to_string(::getpid())))
    {
        fs::create_directories(m_dir);
    }
    ~Scratch() { fs::remove_all(m_dir); }
    std::string file() const { return (m_dir / "KtConfig.ini").string(); }

private:
    fs::path m_dir;
};

void BM_WriteModel(benchmark::State &state)
{
    Scratch scratch;
    const ConfigModel model = largeModel();
    RecordingReporter reporter;
    for (auto _ : state) {
        fs::remove(scratch.file());
        if (!writeModel(scratch.file(), model, reporter))
            state.SkipWithError("write failed");
    }
}

void BM_ReadModel(benchmark::State &state)
{
    Scratch scratch;
    RecordingReporter reporter;
    writeModel(scratch.file(), largeModel(), reporter);
    for (auto _ : state) {
        ConfigModel model;
        std::string error;
        if (!readModel(scratch.file(), model, reporter, &error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(model);
    }
}

// Apply on an existing file: the file is read, the model written back over it.
void BM_ReadAndRewrite(benchmark::State &state)
{
    Scratch scratch;
    RecordingReporter reporter;
    writeModel(scratch.file(), largeModel(), reporter);
    for (auto _ : state) {
        ConfigModel model;
        readModel(scratch.file(), model, reporter, nullptr);
        if (!writeModel(scratch.file(), model, reporter))
            state.SkipWithError("write failed");
    }
}

} // namespace

BENCHMARK(BM_WriteModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadModel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndRewrite)->Unit(benchmark::kMillisecond);
