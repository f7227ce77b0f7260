// One polling pass of the server over 48 channels (about a dozen queries each); goal: at most 20 µs.
#include "ktdrv/KtSim.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int kChannels = 48;

std::filesystem::path makeInstallation()
{
    auto dir = std::filesystem::temp_directory_path() / ("ktdrv-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string types;
    for (int ch = 0; ch < kChannels; ++ch)
        types += std::string(ch ? "," : "") + (ch < 40 ? "0" : "2");
    std::ofstream(dir / "KtConfig.ini") << "[SystemConfig]\nTotalBoards=1\n[BoardId=0]\nBoardSerialNumber=1\n"
                                           "[AppChToBoardChTable]\nTotalAppCh=48\nAppCh[0]=0,0..47\n";
    std::ofstream(dir / "KtIndex.ini") << "[Index]\n";
    std::ofstream(dir / "KtSim.ini") << "[Simulator]\nTimeMode=virtual\n[Device0]\nHardwareId=46\nSerialNumber=1\n"
                                        "ChannelTypes=" << types << "\n[Numbers]\n*=ring:3,answer,voice:60000\n";
    return dir;
}

void pollingPass(benchmark::State &state)
{
    auto dir = makeInstallation();
    setenv("KTDRV_IPC_SUFFIX", ("_bench_" + std::to_string(::getpid())).c_str(), 1);
    TlxSimSetVirtualTime(1);
    if (TlxStartCti((dir / "KtConfig.ini").c_str(), (dir / "KtIndex.ini").c_str()) != 0) {
        state.SkipWithError("board did not start");
        return;
    }
    // Half of the trunks in a call, so that the queries find tones, silences and ring-back.
    for (int ch = 0; ch < 40; ch += 2)
        TlxAutoDial(ch, "12345678");
    TlxSimAdvance(7000);
    char buffer[32];
    for (auto _ : state) {
        int sum = 0;
        for (int ch = 0; ch < kChannels; ++ch) {
            sum += TlxGetLineVoltage(ch) + TlxGetChState(ch) + TlxGetHookState(ch) + TlxGetFlashCount(ch);
            sum += TlxChkAutoDial(ch) + TlxChkTxDtmf(ch) + TlxGetNoSoundTime(ch) + TlxGetToneValue(ch);
            sum += TlxGetToneAnalyzeResult(ch) + TlxGet2ndToneAnalyzeResult(ch) + TlxCheckPlay(ch);
            sum += TlxGetPolarRvrsCount(ch) + TlxGet1stDtmfClr(ch, buffer) + TlxClearRxDtmfBuf(ch);
        }
        benchmark::DoNotOptimize(sum);
    }
    TlxCloseCti();
    std::filesystem::remove_all(dir);
    std::string suffix = std::getenv("KTDRV_IPC_SUFFIX");
    shm_unlink(("/OrvaneCtiCfg_090622" + suffix).c_str());
    sem_unlink(("/OrvaneCtiCfgEvent_090622" + suffix).c_str());
}

BENCHMARK(pollingPass)->Unit(benchmark::kMicrosecond);

} // namespace
