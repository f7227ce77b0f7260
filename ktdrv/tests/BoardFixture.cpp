// The board fixture: copies the test installation, starts the board in virtual time, reads passes.
#include "BoardFixture.h"

#include <algorithm>
#include <cstdlib>
#include <semaphore.h>
#include <sys/mman.h>
#include <unistd.h>
#include <fstream>
#include <vector>

namespace ktdrv::test {

void BoardTest::SetUp()
{
    unsetenv("KTSIM_CONFIG");
    // Each test process gets its own live-log block, so that parallel tests do not meet.
    setenv("KTDRV_IPC_SUFFIX", ("_ktdrv_test_" + std::to_string(::getpid())).c_str(), 1);
    // Parameterised tests have a '/' in their names: keep the folder one level deep.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    m_dir = std::filesystem::temp_directory_path() / ("ktdrv-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    const std::filesystem::path data = VN_TEST_DATA_DIR;
    for (const char *name : {"KtConfig.ini", "KtIndex.ini", "KtSim.ini"})
        std::filesystem::copy_file(data / name, m_dir / name);
    for (const char *name : {"music", "busymusic", "slicbusy", "silent", "slicno", "num1"})
        voice(std::string(name) + ".voc", 1000);
    TlxSimSetVirtualTime(1);
}

void BoardTest::TearDown()
{
    TlxCloseCti();
    TlxSimSetVirtualTime(0);
    std::filesystem::remove_all(m_dir);
    std::string suffix = std::getenv("KTDRV_IPC_SUFFIX");
    shm_unlink(("/OrvaneCtiCfg_090622" + suffix).c_str());
    sem_unlink(("/OrvaneCtiCfgEvent_090622" + suffix).c_str());
}

void BoardTest::writeSim(const std::string &text)
{
    writeFile("KtSim.ini", text);
}

void BoardTest::writeFile(const std::string &name, const std::string &text)
{
    std::ofstream(m_dir / name, std::ios::binary | std::ios::trunc) << text;
}

std::string BoardTest::voice(const std::string &name, int ms, unsigned char value)
{
    std::vector<char> bytes(static_cast<std::size_t>(ms) * 8, static_cast<char>(value));
    std::ofstream(m_dir / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return (m_dir / name).string();
}

int BoardTest::start()
{
    return TlxStartCti((m_dir / "KtConfig.ini").c_str(), (m_dir / "KtIndex.ini").c_str());
}

void BoardTest::advance(unsigned ms)
{
    for (unsigned t = 0; t < ms; t += 100)
        TlxSimAdvance(std::min(100u, ms - t));
}

Pass BoardTest::pass(int ch)
{
    Pass p{TlxGetChState(ch),           TlxGetHookState(ch),          TlxChkAutoDial(ch),
           TlxChkTxDtmf(ch),            TlxGetNoSoundTime(ch),        TlxGetToneValue(ch),
           TlxGetToneAnalyzeResult(ch), TlxGet2ndToneAnalyzeResult(ch), TlxCheckPlay(ch),
           TlxGetPolarRvrsCount(ch),    {}};
    char key[32] = {};
    TlxGet1stDtmfClr(ch, key);
    TlxClearRxDtmfBuf(ch);
    p.key = key;
    return p;
}

std::string BoardTest::log()
{
    std::vector<char> buffer(65536);
    TlxSimGetLog(buffer.data(), static_cast<int>(buffer.size()));
    return buffer.data();
}

} // namespace ktdrv::test
