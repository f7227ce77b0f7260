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
    return std::string(VN_TEST_DATA_DIR) + "/KtSim.ini";
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

// Detection reads a device by its model and serial number: its channels may be left out.
TEST(DriverDetection, DeviceWithoutChannelTypesIsFound)
{
    test::TempDirectory dir;
    const std::string sim = dir.put("KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\n");
    RecordingReporter reporter;
    ConfigModel model;
    ASSERT_NO_FATAL_FAILURE(detectThroughDriver(sim, model, reporter));
    ASSERT_EQ(model.boards.size(), 1u);
    EXPECT_EQ(model.boards[0].serialNumber, 1001u);
    EXPECT_EQ(model.boards[0].modelCode, 6);
}

// A KtSim.ini that the software board cannot read is reported with file, line and reason, by the
// detection pass and by the program, instead of a missing board; the program keeps the old file.
TEST(DriverDetection, UnreadableKtSimConfigIsReportedNotAMissingBoard)
{
    test::TempDirectory dir;
    const std::string sim = dir.put("KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,x\n");
    const std::string reason = sim + ":4: [Device0] ChannelTypes: '0,x' is not a list of 1..480 channel types";
    ::setenv("KTSIM_CONFIG", sim.c_str(), 1);
    RecordingReporter reporter;
    auto probe = DriverProbe::load("", reporter);
    ASSERT_TRUE(probe);
    ConfigModel model;
    std::string error;
    EXPECT_FALSE(runDetection(model, *probe, reporter, &error));
    EXPECT_EQ(error, reason);

    dir.put("KtConfig.ini", "keep\n");
    const std::string command = "cd " + dir.path() + " && env -u LD_LIBRARY_PATH KTSIM_CONFIG=" + sim + " " +
                                KTCTICONFIG_PROGRAM_PATH + " '|.|' 2>" + dir.file("stderr.txt");
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(test::TempDirectory::read(dir.file("KtConfig.ini")), "keep\n");
    EXPECT_EQ(test::TempDirectory::read(dir.file("stderr.txt")), reason + "\n");
}

TEST(DriverDetection, UsbBoxOnlyWhereNoPciDeviceHasTheIndex)
{
    // Index 0 has a PCI board and a USB box: the PCI board is found and the box is not.
    // Index 1 has only a USB box, which is found.
    test::TempDirectory dir;
    const std::string sim =
        dir.put("KtSim.ini", "[Device0]\nHardwareId=10\nSerialNumber=1001\nChannelTypes=0,0,0,0,0,0,0,0\n"
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

// Runs the program in unattended mode on the fixture's devices, without LD_LIBRARY_PATH: it finds the
// driver through its RUNPATH alone. Checks that it wrote the detected configuration.
void runProgramOnTheFixture(const std::string &program)
{
    test::TempDirectory dir;
    const std::string command = "cd " + dir.path() + " && env -u LD_LIBRARY_PATH KTSIM_CONFIG=" + fixture() + " " +
                                program + " '|out|' 2>" + dir.file("stderr.txt");
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

TEST(DriverDetection, ProgramWritesTheConfiguration)
{
    runProgramOnTheFixture(KTCTICONFIG_PROGRAM_PATH);
}

// The program's RUNPATH is relative to its own place: a copy of the program and the driver, moved
// elsewhere in the same layout, still finds the driver.
TEST(DriverDetection, ProgramMovedWithTheDriverStillFindsIt)
{
    namespace fs = std::filesystem;
    test::TempDirectory moved;
    const fs::path program = KTCTICONFIG_PROGRAM_PATH;
    const fs::path driverFolder = fs::relative(fs::path(KTDRV_LIBRARY_PATH).parent_path(), program.parent_path());
    const fs::path programFolder = fs::path(moved.file("tree")) / "programs";
    fs::create_directories(programFolder);
    fs::create_directories(programFolder / driverFolder);
    fs::copy_file(program, programFolder / "KtCtiConfig");
    fs::copy_file(KTDRV_LIBRARY_PATH, programFolder / driverFolder / "libKTDRV.so");
    runProgramOnTheFixture((programFolder / "KtCtiConfig").string());
}

} // namespace
} // namespace ktcticonfig
