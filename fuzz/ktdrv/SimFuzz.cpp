// Fuzz target: the software board's own files and its control commands. The input is KtSim.ini, then
// after a NUL byte the control-socket command lines, then optionally KtConfig.ini and KtIndex.ini (each
// after a NUL byte; a known two-board installation when absent). The files are read; when they start a
// board, the commands run on it one by one, 100 ms of virtual time apart.
#include "FuzzScratch.h"
#include "ktdrv/src/Board.h"
#include "ktdrv/src/BoardConfig.h"
#include "ktdrv/src/SimConfig.h"

#include <cstdint>
#include <cstdlib>
#include <semaphore.h>
#include <sys/mman.h>

namespace {

constexpr std::string_view kConfig = "[SystemConfig]\nTotalBoards=2\n"
                                     "[BoardId=0]\nBoardModel=SHT-8B/PCI\nBoardSerialNumber=1001\n"
                                     "[BoardId=1]\nBoardModel=SHT-8B/PCI\nBoardSerialNumber=2002\n"
                                     "[AppChToBoardChTable]\nTotalAppCh=10\nAppCh[0]=0,0..7\nAppCh[8]=1,0..1\n";
constexpr std::string_view kIndex = "[Index]\nmusic=music.voc\nnum1=num1.voc\n";

// The live-log block and its event of this process alone, removed at exit; a suffix given by the
// caller (scripts/fuzz.sh) is kept, and the caller removes them.
void ownLiveLogBlock()
{
    if (std::getenv("KTDRV_IPC_SUFFIX"))
        return;
    static const std::string suffix = "_vn_fuzz_ktsim_" + std::to_string(::getpid());
    ::setenv("KTDRV_IPC_SUFFIX", suffix.c_str(), 1);
    std::atexit([] {
        ::shm_unlink(("/OrvaneCtiCfg_090622" + suffix).c_str());
        ::sem_unlink(("/OrvaneCtiCfgEvent_090622" + suffix).c_str());
    });
}

// True when the files name nothing outside the scratch folder that a board would create or replace:
// a control socket, a folder for what called parties heard, a log folder.
bool staysInScratch(const ktdrv::SimConfig &sim, const ktdrv::BoardConfig &config)
{
    return sim.controlSocket.empty() && sim.heardDir.empty() &&
           (config.logFilePath.empty() || config.logFilePath == "NULL");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool once = (ownLiveLogBlock(), true);
    (void)once;
    const auto &scratch = fuzz::scratchFolder("vn_fuzz_ktsim");
    std::string_view input = fuzz::asText(data, size);
    const std::string_view simText = fuzz::takePart(input);
    const std::string_view commands = fuzz::takePart(input);
    const std::string_view configText = input.empty() ? kConfig : fuzz::takePart(input);
    const std::string_view indexText = input.empty() ? kIndex : fuzz::takePart(input);
    const auto simPath = scratch / "KtSim.ini", configPath = scratch / "KtConfig.ini",
               indexPath = scratch / "KtIndex.ini";
    fuzz::writeBytes(simPath, simText);
    fuzz::writeBytes(configPath, configText);
    fuzz::writeBytes(indexPath, indexText);

    std::string error;
    const auto sim = ktdrv::loadSimConfig(simPath.string(), error);
    if (!sim && error.empty())
        std::abort(); // a refused file always says why
    error.clear();
    if (!ktdrv::loadSimDevices(simPath.string(), error) && error.empty())
        std::abort();
    error.clear();
    const auto config = ktdrv::loadBoardConfig(configPath.string(), error);
    if (!config && error.empty())
        std::abort();
    error.clear();
    if (!ktdrv::loadVoiceIndex(indexPath.string(), error) && error.empty())
        std::abort();
    if (!sim || !config || !staysInScratch(*sim, *config))
        return 0;

    // The command lines also as dialled numbers, against the number rules.
    std::string_view lines = commands;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string line(lines.substr(0, end));
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
        sim->scriptFor(line);
    }

    ::unsetenv("KTSIM_CONFIG");
    ktdrv::Board board;
    board.clock().setVirtual(true, 0);
    if (board.start(configPath.string(), indexPath.string()) != 0)
        return 0;
    lines = commands;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string reply = board.command(std::string(lines.substr(0, end)));
        if (reply.empty() || reply.back() != '\n')
            std::abort(); // every command gets a whole line back
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
        board.clock().advance(100);
        board.sync();
    }
    board.close();
    return 0;
}
