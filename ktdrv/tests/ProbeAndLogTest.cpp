// Device probes of board detection, the live-log block, the control socket and start failures.
#include "BoardFixture.h"

#include <fcntl.h>
#include <semaphore.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace ktdrv::test {
namespace {

class ktdrvProbeAndLogTest : public BoardTest
{
};

TEST_F(ktdrvProbeAndLogTest, ProbesAnswerFromTheDevicesOfKtSimConfig)
{
    setenv("KTSIM_CONFIG", (m_dir / "KtSim.ini").c_str(), 1);
    struct Case
    {
        int index, result, bus;
        unsigned model, serial;
    } cases[] = {{0, 1, 0, 10, 1001}, {1, 0, 0, 0, 0}, {2, -1, 0, 0, 0}, {3, 1, 1, 70, 3003}, {19, 0, 0, 0, 0}, {-1, 0, 0, 0, 0}};
    for (const auto &c : cases) {
        int bus = -1;
        unsigned model = 0, serial = 0, sub = 99;
        EXPECT_EQ(TlxSimProbeDevice(c.index, &bus, &model, &serial, &sub), c.result) << c.index;
        if (c.result == 1) {
            EXPECT_EQ(bus, c.bus);
            EXPECT_EQ(model & 0xFF, c.model);
            EXPECT_EQ(serial, c.serial);
            EXPECT_EQ(sub, 0u);
        }
    }
    unsetenv("KTSIM_CONFIG");
}

// Detection needs no channels of a device; a KtSim.ini it cannot read is answered -2 with file, line
// and reason, never as a missing device. A probe that reads the file again clears the reason.
TEST_F(ktdrvProbeAndLogTest, ProbeReportsTheKtSimConfigItCannotRead)
{
    const std::string path = (m_dir / "KtSim.ini").string();
    setenv("KTSIM_CONFIG", path.c_str(), 1);
    struct Case
    {
        const char *text; ///< nullptr: no file
        int result;
        const char *error; ///< after the path
    } cases[] = {
        {"[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,x\n", -2,
         ":4: [Device0] ChannelTypes: '0,x' is not a list of 1..480 channel types"},
        {"[Device0]\nHardwareId=10\nSerialNumber=1001\n", 1, nullptr},
        {"; devices\n[Device0]\nSerialNumber=1001\n", -2, ":2: [Device0] lacks HardwareId"},
        {nullptr, -2, ": file not found"},
        {"[Numbers]\n1=busy\n", 0, nullptr},
    };
    for (const auto &c : cases) {
        std::filesystem::remove(path);
        if (c.text)
            writeSim(c.text);
        int bus = -1;
        unsigned model = 0, serial = 0, sub = 0;
        EXPECT_EQ(TlxSimProbeDevice(0, &bus, &model, &serial, &sub), c.result) << (c.text ? c.text : "no file");
        char error[300] = "x";
        TlxSimGetProbeError(error, sizeof error);
        EXPECT_EQ(std::string(error), c.error ? path + c.error : "") << (c.text ? c.text : "no file");
        if (c.result == 1) {
            EXPECT_EQ(serial, 1001u);
        }
    }
    unsetenv("KTSIM_CONFIG");
}

TEST_F(ktdrvProbeAndLogTest, LiveLogBlockCarriesTheRunningFlagAndRequests)
{
    const char *suffix = std::getenv("KTDRV_IPC_SUFFIX");
    std::string block = std::string("/OrvaneCtiCfg_090622") + (suffix ? suffix : "");
    std::string event = std::string("/OrvaneCtiCfgEvent_090622") + (suffix ? suffix : "");
    ASSERT_EQ(start(), 0);
    int fd = shm_open(block.c_str(), O_RDWR, 0);
    ASSERT_GE(fd, 0);
    auto *p = static_cast<unsigned char *>(mmap(nullptr, 308, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
    ::close(fd);
    ASSERT_NE(p, MAP_FAILED);
    std::int32_t flag = 0;
    std::memcpy(&flag, p + 304, 4);
    EXPECT_EQ(flag, 1);
    std::int32_t request[3] = {1, 2, 0};
    std::memcpy(p, request, sizeof request);
    std::memcpy(p + 24, "NULL", 5);
    sem_t *sem = sem_open(event.c_str(), 0);
    ASSERT_NE(sem, SEM_FAILED);
    sem_post(sem);
    sem_close(sem);
    EXPECT_EQ(TlxSimGetLogEnable(1), 2);
    EXPECT_NE(log().find("live-log request applied: type 1 enable 2"), std::string::npos);
    TlxCloseCti();
    std::memcpy(&flag, p + 304, 4);
    EXPECT_EQ(flag, 0);
    munmap(p, 308);
}

TEST_F(ktdrvProbeAndLogTest, ControlSocketDrivesTelephonesAndReportsState)
{
    std::string sim;
    {
        std::ifstream in(m_dir / "KtSim.ini");
        sim.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string path = (m_dir / "ctl.sock").string();
    sim.replace(sim.find("TimeMode=virtual"), 16, "TimeMode=virtual\nControlSocket=" + path);
    writeSim(sim);
    ASSERT_EQ(start(), 0);
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    auto ask = [&](const std::string &line) {
        std::string cmd = line + "\n";
        EXPECT_EQ(write(fd, cmd.data(), cmd.size()), static_cast<ssize_t>(cmd.size()));
        std::string reply;
        char buf[4096];
        while (reply.find("ok\n") == std::string::npos && reply.find("error") == std::string::npos) {
            ssize_t n = read(fd, buf, sizeof buf);
            if (n <= 0)
                break;
            reply.append(buf, static_cast<std::size_t>(n));
        }
        return reply;
    };
    EXPECT_EQ(ask("offhook 5"), "ok\n");
    EXPECT_EQ(TlxGetHookState(5), 1);
    EXPECT_EQ(ask("flash 5"), "ok\n");
    EXPECT_EQ(TlxGetFlashCount(5), 1);
    EXPECT_EQ(ask("keys 5 7"), "ok\n");
    EXPECT_EQ(ask("voltage 0 3"), "ok\n");
    EXPECT_EQ(TlxGetLineVoltage(0), 3);
    EXPECT_EQ(ask("onhook 5"), "ok\n");
    EXPECT_EQ(TlxGetHookState(5), 0);
    EXPECT_NE(ask("state").find("5 station state=0 hook=0"), std::string::npos);
    EXPECT_EQ(ask("offhook 0").rfind("error:", 0), 0u);
    EXPECT_EQ(ask("dance 1").rfind("error: unknown command", 0), 0u);
    for (const char *bad : {"voltage 0 -", "voltage 0 99999", "voltage 0", "keys 5", "offhook x", "keys 5 12z"})
        EXPECT_EQ(ask(bad).rfind("error:", 0), 0u) << bad;
    ::close(fd);
}

struct StartCase
{
    const char *file;
    const char *text;
    const char *message;
};

class ktdrvStartFailureTest : public BoardTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(ktdrvStartFailureTest, FailsWithFileLineAndReason)
{
    writeFile(GetParam().file, GetParam().text);
    EXPECT_NE(start(), 0);
    char error[200];
    TlxGetLastErrMsg(error);
    EXPECT_NE(std::string(error).find(GetParam().message), std::string::npos) << error;
    EXPECT_EQ(TlxGetMaxCh(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ktdrvStartFailureTest,
    ::testing::Values(
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,x\n",
                  "KtSim.ini:4: [Device0] ChannelTypes: '0,x' is not a list"},
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,2\n[Numbers]\n1=ring:2,anser\n",
                  "KtSim.ini:6: [Numbers] 1: step 2: unknown step 'anser'"},
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,2\n[Numbers]\n1=voice\n",
                  "KtSim.ini:6: [Numbers] 1: step 1: voice needs milliseconds"},
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,2\n[Stations]\n1=ring:2\n",
                  "KtSim.ini:6: [Stations] 1: step 1: unknown step 'ring'"},
        StartCase{"KtSim.ini", "[Simulator]\nTimeMode=fast\n", "KtSim.ini:2: [Simulator] TimeMode: 'fast'"},
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=5\nChannelTypes=0,2\n",
                  "no configured board found"},
        StartCase{"KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,2\n",
                  "AppCh[2] names channel 2 of board 0, which has 2 channels"},
        StartCase{"KtIndex.ini", "[Other]\nx=y\n", "KtIndex.ini: section [Index] is missing"},
        StartCase{"KtIndex.ini", "[Index]\nmusic=\n", "KtIndex.ini:2: [Index] music names no file"},
        StartCase{"KtConfig.ini", "[SystemConfig]\nTotalBoards=0\n", "KtConfig.ini:2: [SystemConfig] TotalBoards must be 1..20"}));

TEST_F(ktdrvProbeAndLogTest, LongFoldersLeaveRoomForTheReason)
{
    auto deep = m_dir / std::string(150, 'd') / std::string(40, 'e');
    std::filesystem::create_directories(deep);
    for (const char *name : {"KtConfig.ini", "KtIndex.ini"})
        std::filesystem::copy_file(m_dir / name, deep / name);
    std::ofstream(deep / "KtSim.ini") << "[Numbers]\n1=ring:x\n";
    EXPECT_NE(TlxStartCti((deep / "KtConfig.ini").c_str(), (deep / "KtIndex.ini").c_str()), 0);
    char error[200];
    TlxGetLastErrMsg(error);
    EXPECT_STREQ(error, "KtSim.ini:2: [Numbers] 1: step 1: ring cycles 'x' is not a number 0..1000 or forever");
}

TEST_F(ktdrvProbeAndLogTest, MissingFilesAreNamed)
{
    std::filesystem::remove(m_dir / "KtSim.ini");
    EXPECT_NE(start(), 0);
    char error[200];
    TlxGetLastErrMsg(error);
    EXPECT_NE(std::string(error).find("KtSim.ini: file not found"), std::string::npos) << error;
    EXPECT_NE(TlxStartCti(nullptr, nullptr), 0);
}

} // namespace
} // namespace ktdrv::test
