// Unattended detection: the file it writes, the file it leaves alone, and the command line.
#include "ktcticonfig/UnattendedDetection.h"
#include "ktcticonfig/CommandLine.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

namespace ktcticonfig {
namespace {

using test::device;

TEST(UnattendedDetection, WritesTheDetectedConfiguration)
{
    test::TempDirectory dir;
    test::FakeProbe probe({{0, device(test::kPci8Channel, 1)}, {1, device(test::kPci16Channel, 2)}});
    RecordingReporter reporter;
    EXPECT_EQ(runUnattendedDetection(dir.file("KtConfig.ini"), probe, reporter), 0);
    EXPECT_TRUE(reporter.messages.empty());
    const common::ProfileFile file(dir.file("KtConfig.ini"));
    EXPECT_EQ(*file.value("AppChToBoardChTable", "TotalAppCh"), "24");
    EXPECT_EQ(*file.value("AppChToBoardChTable", "AppCh[0]"), "0,0..7");
    EXPECT_EQ(*file.value("AppChToBoardChTable", "AppCh[8]"), "1,0..15");
    EXPECT_EQ(*file.value("SystemConfig", "SysIntNo"), "3");
    EXPECT_EQ(*file.value("SystemConfig", "TotalBoards"), "2");
    EXPECT_EQ(*file.value("BoardId=1", "BoardModel"), "PCI 16-channel analog voice board");
    EXPECT_EQ(*file.value("SystemConfig", "MaxToneDetectorItem"), "5");
}

TEST(UnattendedDetection, NoBoardLeavesTheFileAlone)
{
    test::TempDirectory dir;
    const std::string old = "[SystemConfig]\nTotalBoards=1\n";
    dir.put("KtConfig.ini", old);
    test::FakeProbe probe({{0, device(3, 44)}});
    RecordingReporter reporter;
    EXPECT_EQ(runUnattendedDetection(dir.file("KtConfig.ini"), probe, reporter), 1);
    EXPECT_EQ(test::TempDirectory::read(dir.file("KtConfig.ini")), old);
    ASSERT_EQ(reporter.messages.size(), 2u);
    EXPECT_EQ(reporter.messages[1], kNoBoardText);
}

TEST(UnattendedDetection, FailedWriteIsReportedWithNonZeroExit)
{
    test::TempDirectory dir;
    test::FakeProbe probe({{0, device(test::kPci8Channel, 1)}});
    RecordingReporter reporter;
    EXPECT_EQ(runUnattendedDetection(dir.file("missing/KtConfig.ini"), probe, reporter), 1);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0].rfind("Error! WritePrivateProfileString failed, error code is ", 0), 0u);
    EXPECT_NE(reporter.messages[0].find(". File Name is:" + dir.file("missing/KtConfig.ini")), std::string::npos);
}

struct LineCase
{
    std::vector<std::string> arguments;
    const char *path; ///< relative to the current directory "/cwd"
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.path;
}

class CommandLinePath : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(CommandLinePath, ResolvesTheFile)
{
    EXPECT_EQ(configFilePath(parseCommandLine(GetParam().arguments), "/cwd"), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLinePath,
                         ::testing::Values(LineCase{{}, "/cwd/KtConfig.ini"},
                                           LineCase{{"|/opt/kt|"}, "/opt/kt/KtConfig.ini"},
                                           LineCase{{"|conf|"}, "/cwd/conf/KtConfig.ini"},
                                           LineCase{{"|conf"}, "/cwd/conf/KtConfig.ini"},
                                           LineCase{{"x", "|my", "dir|y"}, "/cwd/my dir/KtConfig.ini"},
                                           LineCase{{"||"}, "/cwd/KtConfig.ini"}));

TEST(CommandLine, AutomaticActions)
{
    EXPECT_EQ(parseCommandLine({"1"}).autoAction, "1");
    EXPECT_EQ(parseCommandLine({"2"}).autoAction, "2");
    EXPECT_FALSE(parseCommandLine({"2"}).unattendedDirectory);
}

// The program itself, without a board driver: no board can be found, so the file stays. A copy of
// the program runs, away from the build's driver that its RUNPATH would find beside it.
TEST(KtCtiConfigProgram, WithoutDriverExitsNonZeroAndKeepsTheFile)
{
    test::TempDirectory dir;
    dir.put("KtConfig.ini", "keep\n");
    std::filesystem::create_directory(dir.file("bin"));
    const std::string program = dir.file("bin/KtCtiConfig");
    std::filesystem::copy_file(KTCTICONFIG_PROGRAM_PATH, program);
    const std::string command =
        "cd " + dir.path() + " && env -u LD_LIBRARY_PATH " + program + " '|sub/..|' 2>" + dir.file("stderr.txt");
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(test::TempDirectory::read(dir.file("KtConfig.ini")), "keep\n");
    const std::string err = test::TempDirectory::read(dir.file("stderr.txt"));
    EXPECT_NE(err.find("Loadlibrary KTDRV.dll error!"), std::string::npos) << err;
    EXPECT_NE(err.find(kNoBoardText), std::string::npos) << err;
}

} // namespace
} // namespace ktcticonfig
