// Round trips: a file written from the model reads back as the same model, and board sections keep
// their keys.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/ConfigModel.h"
#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

namespace ktcticonfig {

void PrintTo(const KeyValue &v, std::ostream *os)
{
    *os << v.number << " \"" << v.text << "\"";
}

namespace {

using test::device;

// Boards of most families: analog, analog with fax, trunk with PCMs, channel bank, IP, recording,
// 24-channel voice, and an ISA board added by hand (detection never finds one).
ConfigModel mixedModel()
{
    test::FakeProbe probe({{0, device(test::kPci8Channel, 11)},
                           {1, device(test::kPci16Channel, 12)},
                           {2, device(test::kPci8E1, 4000000000u)},
                           {3, device(test::kChannelBank, 14)},
                           {4, device(test::kIpBoard, 15)},
                           {5, device(99, 16)},       // code 61, recording
                           {6, device(104, 17)},      // code 82, 24-channel voice
                           {7, device(37, 18)},       // code 25, voice and fax
                           {8, device(164, 19, 5)}}); // code 135 with the 20-channel sub-type
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_TRUE(runDetection(model, probe, reporter, &error)) << error;
    // ISA boards of four families: the second analog family, the two first-generation ones, and one
    // without keys of its own.
    for (int code : {3, 1, 2, 4}) {
        BoardRecord isa;
        applyClassRule(isa, code);
        isa.ioBasePort = code == 3 ? 0x280 : 0xD4000;
        isa.usedChannels = 4;
        fillBoardDefaults(isa);
        model.boards.push_back(isa);
    }
    model.channels = defaultChannelTable(model.boards);
    model.settings.setSystem("WhoApplySysInt", 1);
    model.settings.setSystem("WhoSupplySysClock", 2);
    model.settings.setText("DebugView", "LogFilePath", "/var/log/kt");
    model.settings.toneItems.resize(2);
    model.settings.list(0) = {{"\"110\",3,1"}, {"\"114\",3,1"}}; // SS1Config Rule[n]
    // Counts that the writer takes from the lists, and a default that the read rule itself replaces.
    model.settings.setSystem("TotalBoards", static_cast<std::int32_t>(model.boards.size()));
    model.settings.setSystem("MaxToneDetectorItem", 2);
    model.settings.setNumber("SS1Config", "MaxPhoNumRule", 2);
    model.settings.setNumber("ISDN", "UseISDNMode", 0);
    model.settings.setNumber("SIP", "LocalSipPort", 5060);
    return model;
}

TEST(RoundTrip, WrittenModelReadsBackTheSame)
{
    test::TempDirectory dir;
    const ConfigModel model = mixedModel();
    RecordingReporter reporter;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), model, reporter));

    ConfigModel read;
    std::string error;
    ASSERT_TRUE(readModel(dir.file("KtConfig.ini"), read, reporter, &error)) << error;
    EXPECT_TRUE(reporter.messages.empty()) << reporter.messages.front();

    ConfigModel expected = model;
    for (BoardRecord &b : expected.boards) {
        if (!b.flags.isa)
            b.state = kBoardStateMatched;
    }
    ASSERT_EQ(read.boards.size(), expected.boards.size());
    EXPECT_EQ(read.boards[8].channelCount, 20);
    for (std::size_t n = 0; n < read.boards.size(); ++n)
        EXPECT_EQ(read.boards[n], expected.boards[n]) << "board " << n;
    EXPECT_EQ(read.channels, expected.channels);
    EXPECT_EQ(read.pcmList, expected.pcmList);
    const auto keys = globalKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(read.settings.at(i), expected.settings.at(i)) << keys[i].section << "/" << keys[i].name;
    EXPECT_EQ(read.settings.toneItems, expected.settings.toneItems);
    for (std::size_t i = 0; i < indexedLists().size(); ++i)
        EXPECT_EQ(read.settings.list(i), expected.settings.list(i)) << indexedLists()[i].countKey;
    EXPECT_EQ(read.ipBoardPresent, expected.ipBoardPresent);

    // Writing what was read changes nothing in the file.
    const std::string first = test::TempDirectory::read(dir.file("KtConfig.ini"));
    ASSERT_TRUE(writeModel(dir.file("again.ini"), read, reporter));
    EXPECT_TRUE(test::TempDirectory::read(dir.file("again.ini")) == first);
}

TEST(RoundTrip, WriteKeepsForeignKeysAndWritesInOrder)
{
    test::TempDirectory dir;
    const std::string path =
        dir.put("KtConfig.ini", "; the driver's comment\n[Other]\nKeep=1\n[SystemConfig]\nOwn=2\n");
    ConfigModel model = mixedModel();
    RecordingReporter reporter;
    ASSERT_TRUE(writeModel(path, model, reporter));
    const common::ProfileFile file(path);
    EXPECT_EQ(*file.value("Other", "Keep"), "1");
    EXPECT_EQ(*file.value("SystemConfig", "Own"), "2");
    const auto sections = file.sectionNames();
    const std::vector<std::string> order = {"Other",     "SystemConfig", "PcmInfo",  "AppChToBoardChTable",
                                            "BoardId=0", "BoardId=1",    "BoardId=2"};
    ASSERT_GE(sections.size(), order.size());
    EXPECT_EQ(std::vector<std::string>(sections.begin(), sections.begin() + order.size()), order);
    const auto system = file.entries("SystemConfig");
    ASSERT_GE(system.size(), 5u);
    EXPECT_EQ(system[1].key, "TotalBoards");
    EXPECT_EQ(system[2].key, "WhoApplySysInt");
    EXPECT_EQ(system[3].key, "WhoSupplySysClock");
    EXPECT_EQ(system[4].key, "SysIntNo");
    const auto pcm = file.entries("PcmInfo");
    EXPECT_EQ(pcm.back().key, "TotalPcm");
    EXPECT_EQ(*file.value("BoardId=2", "BoardSerialNumber"), "4000000000");
    EXPECT_EQ(*file.value("BoardId=2", "Ss7CircuitMap[0]"), "0xffffffff");
    EXPECT_EQ(*file.value("BoardId=9", "IoBasePort"), "0x280");
    EXPECT_EQ(*file.value("BoardId=0", "PcmNumber"), "0");
    EXPECT_EQ(*file.value("BoardId=8", "BoardSubType"), "5");
    EXPECT_EQ(*file.value("SystemConfig", "2ndIsAppointedToneDetermineTime"), "80");
    EXPECT_FALSE(file.value("SystemConfig", "SysIntTime"));
    EXPECT_EQ(*file.value("SS1Config", "Rule[1]"), "\"114\",3,1");
    EXPECT_EQ(*file.value("SS1Config", "MaxPhoNumRule"), "2");
}

TEST(BoardSectionRead, UnknownModelIsReportedAndSkipped)
{
    test::TempDirectory dir;
    const std::string path =
        dir.put("KtConfig.ini", "[SystemConfig]\nTotalBoards=2\n[BoardId=0]\nBoardModel=Mystery board\n"
                                "[BoardId=1]\nBoardModel=pci 8-CHANNEL analog voice board\nBoardSerialNumber=3\n"
                                "[AppChToBoardChTable]\nTotalAppCh=8\nAppCh[0]=1,0..7\n");
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Error: item 'BoardModel=Mystery board' does not supported by this tool!");
    EXPECT_EQ(model.boards[0].modelCode, 0);
    EXPECT_EQ(model.boards[1].modelCode, 6);
    EXPECT_EQ(model.boards[1].usedChannels, 8);
    // The unrecognised board's section is left as the file has it.
    ASSERT_TRUE(writeModel(path, model, reporter));
    EXPECT_EQ(*common::ProfileFile(path).value("BoardId=0", "BoardModel"), "Mystery board");
}

TEST(BoardSectionRead, TooManyPcmsFailsTheRead)
{
    test::TempDirectory dir;
    const std::string path =
        dir.put("KtConfig.ini", "[BoardId=0]\nBoardModel=PCI 8-E1/T1 digital trunk board, series 2\n"
                                "PcmNumber=17\n[AppChToBoardChTable]\nTotalAppCh=1\nAppCh[0]=0,0\n");
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_FALSE(readModel(path, model, reporter, &error));
    EXPECT_EQ(error, kReadFailedText);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Error: 'PcmNumber' of board 0 must be within 0 and 16!");
}

TEST(BoardSectionRead, PcmRulesAndIsaPort)
{
    test::TempDirectory dir;
    const std::string path = dir.put(
        "KtConfig.ini", "[SystemConfig]\nTotalBoards=2\n[BoardId=0]\nBoardModel=PCI 2-E1/T1 digital trunk board\n"
                        "PcmNumber=2\nPcmSSx[0]=1\nSs7SignalingTS[0]=5\nUseTS16AsCircuit[0]=1\nPcmSSx[1]=7\n"
                        "Ss7SignalingTS[1]=5\nUseTS16AsCircuit[1]=1\nAutoCallInTimeSlot[1]=3,9\n"
                        "[BoardId=1]\nBoardModel=ISA 16-channel analog voice board\nIoBasePort=0x123\n"
                        "[AppChToBoardChTable]\nTotalAppCh=1\nAppCh[0]=0,0\n");
    ConfigModel model;
    RecordingReporter reporter;
    ASSERT_TRUE(readModel(path, model, reporter, nullptr));
    const auto &pcms = model.boards[0].pcms;
    ASSERT_EQ(pcms.size(), 2u);
    EXPECT_EQ(pcms[0].ss7SignalingTs, 16);  // forced unless SS7
    EXPECT_EQ(pcms[0].useTs16AsCircuit, 0); // forced for SS1
    EXPECT_EQ(pcms[1].ss7SignalingTs, 5);
    EXPECT_EQ(pcms[1].useTs16AsCircuit, 1);
    EXPECT_EQ(pcms[1].callInFirstTs, 3);
    EXPECT_EQ(pcms[1].callInCount, 9);
    EXPECT_EQ(model.boards[1].ioBasePort, 0x240);
    EXPECT_EQ(model.boards[1].state, 0);
    EXPECT_EQ(model.boards[0].state, kBoardStateMatched);
}

} // namespace
} // namespace ktcticonfig
