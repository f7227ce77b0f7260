// Detection through the software board's libKTDRV.so, and the program's unattended mode on it.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/DriverProbe.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace ktcticonfig {
namespace {

std::string fixture()
{
    return std::string(std::getenv("VN_TEST_DATA")) + "/KtSim.ini";
}

// Runs the detection pass through the driver library on the devices of a KtSim.ini.
void detectThroughDriver(const std::string &simConfig, ConfigModel &model, RecordingReporter &reporter)
{
    ::setenv("KTSIM_CONFIG", simConfig.c_str(), 1);
    auto probe = DriverProbe::load("", reporter);
    ASSERT_TRUE(probe) << reporter.messages.front();
    std::string error;
    ASSERT_TRUE(runDetection(model, *probe, reporter, &error)) << error;
}

TEST(DriverDetection, FindsTheSimulatedBoards)
{
    RecordingReporter reporter;
    ConfigModel model;
    ASSERT_NO_FATAL_FAILURE(detectThroughDriver(fixture(), model, reporter));
    ASSERT_EQ(model.boards.size(), 2u);
    EXPECT_EQ(model.boards[0].serialNumber, 1001u);
    EXPECT_EQ(model.boards[1].modelCode, 8);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Board Model=0x3 SN=4004\n\n Unsupported board model!");
}

TEST(DriverDetection, UsbBoxOnlyWhereNoPciDeviceHasTheIndex)
{
    // Index 0 has a PCI board and a USB box: the PCI board is found and the box is not.
    // Index 1 has only a USB box, which is found.
    test::TempDirectory dir;
    const std::string sim = dir.put("KtSim.ini",
                                    "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,0,0,0,0,0,0,0\n"
                                    "[UsbDevice0]\nHardwareId=9\nSerialNumber=2001\nChannelTypes=0,0\n"
                                    "[UsbDevice1]\nHardwareId=9\nSerialNumber=2002\nChannelTypes=0,0\n");
    RecordingReporter reporter;
    ConfigModel model;
    ASSERT_NO_FATAL_FAILURE(detectThroughDriver(sim, model, reporter));
    ASSERT_EQ(model.boards.size(), 2u);
    EXPECT_EQ(model.boards[0].serialNumber, 1001u);
    EXPECT_EQ(model.boards[0].modelCode, 6);
    EXPECT_EQ(model.boards[1].serialNumber, 2002u);
    EXPECT_EQ(model.boards[1].modelCode, 8);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(DriverDetection, ProgramWritesTheConfiguration)
{
    test::TempDirectory dir;
    const std::string command = "cd " + dir.path() + " && KTSIM_CONFIG=" + fixture() + " " +
                                std::getenv("KTCTICONFIG_PROGRAM") + " '|out|' 2>" + dir.file("stderr.txt");
    std::filesystem::create_directory(dir.file("out"));
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << test::TempDirectory::read(dir.file("stderr.txt"));
    const common::ProfileFile file(dir.file("out/KtConfig.ini"));
    EXPECT_EQ(*file.value("AppChToBoardChTable", "TotalAppCh"), "24");
    EXPECT_EQ(*file.value("AppChToBoardChTable", "AppCh[0]"), "0,0..7");
    EXPECT_EQ(*file.value("AppChToBoardChTable", "AppCh[8]"), "1,0..15");
    EXPECT_EQ(*file.value("SystemConfig", "SysIntNo"), "3");
    EXPECT_NE(test::TempDirectory::read(dir.file("stderr.txt")).find("Unsupported board model!"), std::string::npos);
}

} // namespace
} // namespace ktcticonfig
