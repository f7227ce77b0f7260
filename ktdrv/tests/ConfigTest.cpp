// Reading of KtConfig.ini's board sections and channel table, and of KtSim.ini's devices and stations.
#include "ktdrv/src/BoardConfig.h"
#include "ktdrv/src/SimConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ktdrv {
namespace {

std::string writeTemp(const std::string &name, const std::string &text)
{
    auto path = std::filesystem::temp_directory_path() / ("ktdrv-config-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path) << text;
    return path.string();
}

const char *kBoards = "[SystemConfig]\nTotalBoards=2\n[BoardId=0]\nBoardSerialNumber=7\n[BoardId=1]\nIoBasePort=0x240\n";

TEST(ktdrvConfigTest, ReadsBoardsChannelRunsAndToneKeys)
{
    std::string error;
    auto path = writeTemp("ok.ini", std::string(kBoards) +
                                        "RingEchoTonePara=800,3000\n[AppChToBoardChTable]\nTotalAppCh=5\n"
                                        "AppCh[0]=0,0..2\nAppCh[3]=-1,-1\nAppCh[4]=1,3\n");
    auto c = loadBoardConfig(path, error);
    ASSERT_TRUE(c) << error;
    ASSERT_EQ(c->boards.size(), 2u);
    EXPECT_TRUE(c->boards[0].hasSerial);
    EXPECT_EQ(c->boards[0].serialNumber, 7u);
    EXPECT_FALSE(c->boards[1].hasSerial);
    ASSERT_EQ(c->channels.size(), 5u);
    EXPECT_EQ(c->channels[2].boardChannel, 2);
    EXPECT_EQ(c->channels[3].board, -1);
    EXPECT_EQ(c->channels[4].board, 1);
    EXPECT_EQ(c->tones.ringOnMs, 1000) << "RingEchoTonePara belongs to [SystemConfig], not to a board";
    std::filesystem::remove(path);
}

TEST(ktdrvConfigTest, RefusesBrokenChannelTablesWithTheKeyAndLine)
{
    struct Case
    {
        const char *table;
        const char *error;
    } cases[] = {
        {"TotalAppCh=0\n", ":8: [AppChToBoardChTable] TotalAppCh must be 1..20000"},
        {"TotalAppCh=4\nAppCh[0]=0,0..3\nAppCh[2]=0,5\n", "AppCh[2] lies inside the run of AppCh[0]"},
        {"TotalAppCh=2\nAppCh[0]=0,1\nAppCh[1]=0,1\n", "board 0 channel 1 is mapped twice"},
        {"TotalAppCh=2\nAppCh[0]=0,3..1\n", "the first channel exceeds the last"},
        {"TotalAppCh=2\nAppCh[0]=0,0..5\n", "the run goes beyond TotalAppCh"},
        {"TotalAppCh=1\nAppCh[0]=5,0\n", "no such board channel"},
        {"TotalAppCh=1\nAppCh[0]=zero\n", "expected board,channel"},
        {"TotalAppCh=1\n", "no application channel is mapped"},
    };
    for (const auto &c : cases) {
        std::string error;
        auto path = writeTemp("bad.ini", std::string(kBoards) + "[AppChToBoardChTable]\n" + c.table);
        EXPECT_FALSE(loadBoardConfig(path, error)) << c.table;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.table << " -> " << error;
        std::filesystem::remove(path);
    }
}

TEST(ktdrvConfigTest, ReadsDevicesNumbersAndStations)
{
    std::string error;
    auto path = writeTemp("sim.ini", "[Device2]\nBus=usb\nHardwareId=0x46\nSerialNumber=9\nChannelTypes=0,2\n"
                                     "LineVoltage=30\nPolarityReversal=1,0\n[Numbers]\n1*=busy\n*=ring:1,answer\n"
                                     "[Stations]\n1=answer:100\nCall1=at:5,hangup\n");
    auto c = loadSimConfig(path, error);
    ASSERT_TRUE(c) << error;
    ASSERT_EQ(c->devices.size(), 1u);
    const auto &d = c->devices[0];
    EXPECT_EQ(d.index, 2);
    EXPECT_EQ(d.bus, Bus::Usb);
    EXPECT_EQ(d.hardwareId, 0x46u);
    EXPECT_EQ(d.lineVoltage, (std::vector<int>{30, 30}));
    EXPECT_TRUE(d.polarityReversal[0]);
    EXPECT_EQ(c->scriptFor("123")[0].kind, ScriptStep::Kind::Busy);
    EXPECT_EQ(c->scriptFor("2#")[0].kind, ScriptStep::Kind::Ring);
    EXPECT_EQ(c->stations.at(1).ownCalls[0].kind, ScriptStep::Kind::At);
    std::filesystem::remove(path);
}

TEST(ktdrvConfigTest, RefusesBrokenDevicesAndStations)
{
    struct Case
    {
        const char *text;
        const char *error;
    } cases[] = {
        {"[Device0]\nSerialNumber=1\nChannelTypes=0\n", ":1: [Device0] lacks HardwareId"},
        {"[Simulator]\nTimeMode=real\n[Device0]\nHardwareId=1\nSerialNumber=1\n", ":3: [Device0] lacks ChannelTypes"},
        {"[Device0]\nHardwareId=300\nSerialNumber=1\nChannelTypes=0\n", ":2: [Device0] HardwareId must be 0..255"},
        {"[Device0]\nBus=isa\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n", ":2: [Device0] Bus: 'isa'"},
        {"[Device0]\nHardwareId=1\nSerialNumber=1\nChannelTypes=0,0\nLineVoltage=1,2,3\n", "has 3 values for 2 channels"},
        {"[Device0]\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\nColour=red\n", ":5: [Device0] unknown key 'Colour'"},
        {"[Device20]\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n", ":1: [Device20]: device index must be 0..19"},
        {"[Device0]\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n[Device1]\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n",
         "serial number 1 already belongs to [Device0]"},
        {"[Device0]\nBus=usb\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n[UsbDevice0]\nHardwareId=1\nSerialNumber=2\nChannelTypes=0\n",
         "[UsbDevice0]: device index given twice on one bus"},
        {"[UsbDevice0]\nBus=pci\nHardwareId=1\nSerialNumber=1\nChannelTypes=0\n", "a UsbDevice section is on the usb bus"},
        {"[Stations]\nCall1=key:1\n", ":2: [Stations] Call1: an own call starts with at:MS"},
        {"[Stations]\n1=at:5\n", "at:MS belongs to Call<channel>"},
        {"[Stations]\n1=at:5,hangup\n", "at:MS belongs to Call<channel>"}, // steps after the refused one
        {"[Stations]\nfront=answer:1\n", "'front' is neither a channel number"},
        {"[Simulator]\nSpeed=2\n", ":2: [Simulator] unknown key 'Speed'"},
    };
    for (const auto &c : cases) {
        std::string error;
        auto path = writeTemp("badsim.ini", c.text);
        EXPECT_FALSE(loadSimConfig(path, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << " -> " << error;
        std::filesystem::remove(path);
    }
}

// Detection needs only what identifies a device; what it does read must still be sound.
TEST(ktdrvConfigTest, DetectionReadsDevicesWithoutTheirChannels)
{
    std::string error;
    auto path = writeTemp("detect.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\n"
                                        "[UsbDevice1]\nHardwareId=9\nSerialNumber=2001\nLineVoltage=30\n");
    auto devices = loadSimDevices(path, error);
    ASSERT_TRUE(devices) << error;
    ASSERT_EQ(devices->size(), 2u);
    EXPECT_EQ((*devices)[0].serialNumber, 1001u);
    EXPECT_TRUE((*devices)[0].channelTypes.empty());
    EXPECT_EQ((*devices)[1].bus, Bus::Usb);
    EXPECT_FALSE(loadSimConfig(path, error)) << "the board itself needs the channels";

    struct Case
    {
        const char *text;
        const char *error;
    } cases[] = {
        {"[Device0]\nHardwareId=10\n", ":1: [Device0] lacks SerialNumber"},
        {"[Device0]\nHardwareId=10\nSerialNumber=1\nChannelTypes=0,x\n", ":4: [Device0] ChannelTypes: '0,x' is not a list of 1..480 channel types"},
        {"[Device0]\nHardwareId=10\nSerialNumber=1\nLineVoltage=4,y\n", ":4: [Device0] LineVoltage: '4,y' is not a list of numbers"},
        {"[Device0]\nHardwareId=10\nSerialNumber=1\nColour=red\n", ":4: [Device0] unknown key 'Colour'"},
        {"[Device0]\nHardwareId=10\nSerialNumber=1\n[Device1]\nHardwareId=10\nSerialNumber=1\n",
         ":4: [Device1]: serial number 1 already belongs to [Device0]"},
    };
    for (const auto &c : cases) {
        std::filesystem::remove(path);
        path = writeTemp("detect.ini", c.text);
        EXPECT_FALSE(loadSimDevices(path, error)) << c.text;
        EXPECT_EQ(error, path + c.error) << c.text;
    }
    std::filesystem::remove(path);
}

} // namespace
} // namespace ktdrv
