// Read rules of the board-independent keys: clamps, replacements and repairs written back at once.
#include "ktcticonfig/model/ConfigModel.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

// One valid board and channel table, so that the read as a whole succeeds.
constexpr const char *kBoard = "[BoardId=0]\nBoardModel=PCI 8-channel analog voice board\nBoardSerialNumber=7\n"
                               "[AppChToBoardChTable]\nTotalAppCh=8\nAppCh[0]=0,0..7\n";

struct RuleCase
{
    const char *file; ///< lines of the file before the board
    const char *section;
    const char *key;
    int expected;       ///< the value the model holds
    const char *inFile; ///< the key's text in the file after the read; nullptr: deleted
};

void PrintTo(const RuleCase &c, std::ostream *os)
{
    *os << c.key;
}

class GlobalReadRules : public ::testing::TestWithParam<RuleCase>
{
};

TEST_P(GlobalReadRules, ValueAndFile)
{
    const RuleCase &c = GetParam();
    test::TempDirectory dir;
    const std::string path = dir.put("KtConfig.ini", std::string(c.file) + kBoard);
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(readModel(path, model, reporter, &error)) << error;
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(model.settings.number(c.section, c.key), c.expected);
    const auto value = common::ProfileFile(path).value(c.section, c.key);
    if (c.inFile) {
        ASSERT_TRUE(value);
        EXPECT_EQ(*value, c.inFile);
    } else {
        EXPECT_FALSE(value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlobalReadRules,
    ::testing::Values(
        RuleCase{"[SystemConfig]\nTotalBoards=0\n", "SystemConfig", "TotalBoards", 1, "0"},
        RuleCase{"[SystemConfig]\nTotalBoards=25\n", "SystemConfig", "TotalBoards", 1, "25"},
        RuleCase{"[SystemConfig]\nPlayBufSize=5000\n", "SystemConfig", "PlayBufSize", 4608, "5000"},
        RuleCase{"[SystemConfig]\nPlayBufSize=100\n", "SystemConfig", "PlayBufSize", 4096, "100"},
        RuleCase{"[SystemConfig]\nDtmfCallerIDInterTimeout=100\n", "SystemConfig", "DtmfCallerIDInterTimeout", 300,
                 "300"},
        RuleCase{"[SystemConfig]\nMaxLocalFlashTime=20\n", "SystemConfig", "MaxLocalFlashTime", 700, "700"},
        RuleCase{"[SystemConfig]\nEnablePulseKeyDetect=4\n", "SystemConfig", "EnablePulseKeyDetect", 0, nullptr},
        RuleCase{"[SystemConfig]\nPrerecordEnable=1\nPrerecordMode=3\n", "SystemConfig", "PrerecordMode", 0, nullptr},
        RuleCase{"[SystemConfig]\nPrerecordMode=3\n", "SystemConfig", "PrerecordMode", 3, "3"},
        RuleCase{"[SystemConfig]\nPrerecordEnable=1\nRecordBufSize=4096\nPrerecordInsertTime=400\n", "SystemConfig",
                 "PrerecordInsertTime", 500, "500"},
        RuleCase{"[SystemConfig]\nConfDefaultMaxGroupSpeaking=-1\n", "SystemConfig", "ConfDefaultMaxGroupSpeaking", 6,
                 "6"},
        RuleCase{"[SystemConfig]\nWhoSupplySysClock=1\n", "SystemConfig", "WhoSupplySysClock", 1, "1"},
        RuleCase{"[SystemConfig]\nWhoSupplySysClock=2\n", "SystemConfig", "WhoSupplySysClock", 0, "2"},
        RuleCase{"[SystemConfig]\nWhoApplySysInt=1\n", "SystemConfig", "WhoApplySysInt", 0, "1"},
        RuleCase{"[SystemConfig]\nSysIntNo=15\n", "SystemConfig", "SysIntNo", 0, "15"},
        RuleCase{"[SystemConfig]\nRecPlayTimer=20ms\n", "SystemConfig", "RecPlayTimer", 50, "20ms"},
        RuleCase{"[SystemConfig]\nTxDtmfBufSize=65537\n", "SystemConfig", "TxDtmfBufSize", 50, "65537"},
        RuleCase{"[SystemConfig]\nMaxToneDetectorItem=25\n", "SystemConfig", "MaxToneDetectorItem", 20, "25"},
        RuleCase{"[SystemConfig]\nMaxToneDetectorItem=-3\n", "SystemConfig", "MaxToneDetectorItem", 0, "-3"},
        RuleCase{"[FSKConfig]\nBaudrate=5000\n", "FSKConfig", "Baudrate", 2400, "2400"},
        RuleCase{"[ISDN]\nUseISDNMode=7\n", "ISDN", "UseISDNMode", 0, "7"},
        RuleCase{"[SS1Config]\nMfcKD=9\n", "SS1Config", "MfcKD", 3, "3"},
        RuleCase{"[SS1Config]\nMfcLenCtrlPos=0\n", "SS1Config", "MfcLenCtrlPos", 1, "1"}),
    [](const auto &info) { return std::string(info.param.key) + "_" + std::to_string(info.index); });

TEST(GlobalRead, HexadecimalTextRepairedAsDecimal)
{
    test::TempDirectory dir;
    const std::string path = dir.put("KtConfig.ini", std::string("[SS1Config]\nTxCAS_CD=0x0f\n") + kBoard);
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    EXPECT_EQ(model.settings.text("SS1Config", "TxCAS_CD"), "3");
    EXPECT_EQ(*common::ProfileFile(path).value("SS1Config", "TxCAS_CD"), "3");
}

TEST(GlobalRead, BuiltInToneItemsAreWrittenAsFiveItems)
{
    test::TempDirectory dir;
    const std::string path = dir.put(
        "KtConfig.ini", std::string("[SystemConfig]\nMaxToneDetectorItem=120\nToneDetectorItem[0]=9\n") + kBoard);
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    ASSERT_EQ(model.settings.toneItems.size(), 5u);
    ASSERT_TRUE(writeModel(path, model, reporter));
    common::ProfileFile file(path);
    EXPECT_EQ(*file.value("SystemConfig", "MaxToneDetectorItem"), "5");
    EXPECT_EQ(*file.value("SystemConfig", "ToneDetectorItem[0]"), "0,450,0,0,1500,0,0,4,10,30,50,20,0,0,0,1,1,0,0");
    EXPECT_EQ(*file.value("SystemConfig", "ToneDetectorItem[4]"), "0,2100,0,0,250,0,0,4,10,30,50,20,0,0,0,8,1,0,0");
    EXPECT_FALSE(file.value("SystemConfig", "ToneDetectorItem[5]"));
}

TEST(GlobalRead, OwnToneItemsAreReadUpToTheirCount)
{
    test::TempDirectory dir;
    const std::string path = dir.put(
        "KtConfig.ini",
        std::string("[SystemConfig]\nMaxToneDetectorItem=2\nToneDetectorItem[0]=1,400,0,0,300,300,0,4,10,30,70000,20,"
                    "0,2,9000,2,1,1,0\nToneDetectorItem[1]=0,999\nToneDetectorItem[2]=0,5\n") +
            kBoard);
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    ASSERT_EQ(model.settings.toneItems.size(), 2u);
    EXPECT_EQ(model.settings.toneItems[0].fields[10], 70000u); // the band ratio keeps 32 bits
    EXPECT_EQ(model.settings.toneItems[1].fields[1], 999u);
    EXPECT_EQ(model.settings.toneItems[1].fields[18], 0u);
}

TEST(GlobalRead, SipKeysFallBackOnOlderSpellings)
{
    test::TempDirectory dir;
    const std::string path =
        dir.put("KtConfig.ini", std::string("[SIP]\nLocalIp=10.0.0.5\nUdpHeartTime=30\n") + kBoard);
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    EXPECT_EQ(model.settings.text("SIP", "LocalSipIp"), "10.0.0.5");
    EXPECT_EQ(model.settings.number("SIP", "LocalSipPort"), 5060);
    EXPECT_EQ(model.settings.number("SIP", "HeartInterval"), 30);
}

TEST(GlobalRead, MissingFileIsReportedAndReadAsDefaults)
{
    test::TempDirectory dir;
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_FALSE(readModel(dir.file("KtConfig.ini"), model, reporter, &error));
    EXPECT_EQ(error, "Read KtConfigFile error!");
    ASSERT_GE(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0],
              "Error: KtConfig.ini not found on specified path " + dir.file("KtConfig.ini") + ".");
    EXPECT_EQ(model.settings.system("PlayBufSize"), 32768);
    EXPECT_EQ(model.settings.text("DebugView", "LogFilePath"), "NULL");
}

} // namespace
} // namespace ktcticonfig
