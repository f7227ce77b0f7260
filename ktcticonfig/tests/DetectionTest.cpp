// The detection pass against a table of fake devices.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/GlobalKeys.h"
#include "ktcticonfig/tests/FakeProbe.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

using test::device;
using test::FakeProbe;

struct Detected
{
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    bool ok = false;
};

Detected detect(std::map<int, test::FakeDevice> devices)
{
    Detected d;
    FakeProbe probe(std::move(devices));
    d.ok = runDetection(d.model, probe, d.reporter, &d.error);
    return d;
}

TEST(Detection, EightAndSixteenChannelBoards)
{
    const Detected d = detect({{0, device(test::kPci8Channel, 1001)}, {1, device(test::kPci16Channel, 1002)}});
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.model.boards.size(), 2u);
    EXPECT_EQ(d.model.boards[0].modelCode, 6);
    EXPECT_EQ(d.model.boards[0].serialNumber, 1001u);
    EXPECT_EQ(d.model.boards[1].modelCode, 8);
    ASSERT_EQ(d.model.channels.size(), 24u);
    EXPECT_EQ(d.model.channels[7], (AppChannel{0, 7, kAppChannelMapped}));
    EXPECT_EQ(d.model.channels[8], (AppChannel{1, 0, kAppChannelMapped}));
    EXPECT_EQ(d.model.channels[23], (AppChannel{1, 15, kAppChannelMapped}));
    EXPECT_EQ(d.model.settings.system("SysIntNo"), 3);
    EXPECT_EQ(d.model.settings.system("TotalBoards"), 2);
    EXPECT_TRUE(d.reporter.messages.empty());
}

TEST(Detection, GapsUnsupportedAndFailedDevicesKeepBoardIdsConsecutive)
{
    const Detected d = detect({{0, device(test::kPci8Channel, 1)},
                               {2, device(3, 77)}, // identifier 3 has no model
                               {4, {ProbeResult::ModelFailed, {}}},
                               {7, device(test::kPci16Channel, 2)}});
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.model.boards.size(), 2u);
    EXPECT_EQ(d.model.boards[1].serialNumber, 2u);
    ASSERT_EQ(d.reporter.messages.size(), 1u);
    EXPECT_EQ(d.reporter.messages[0], "Board Model=0x3 SN=77\n\n Unsupported board model!");
}

TEST(Detection, EightLinkTrunkBoard)
{
    const Detected d = detect({{0, device(test::kPci8E1, 5)}});
    ASSERT_TRUE(d.ok);
    const BoardRecord &b = d.model.boards[0];
    EXPECT_EQ(b.modelCode, 66);
    EXPECT_TRUE(b.flags.digital);
    EXPECT_EQ(b.channelCount, 248);
    EXPECT_EQ(b.usedChannels, 240);
    ASSERT_EQ(b.pcms.size(), 8u);
    for (const PcmLink &p : b.pcms)
        EXPECT_EQ(p.signalling, 7);
    EXPECT_EQ(d.model.channels.size(), 240u);
    EXPECT_EQ(d.model.pcmList.size(), 8u);
    EXPECT_EQ(d.model.pcmList[7], "0,7");
}

TEST(Detection, IsdnLinksFollowTheSignallingOfEveryPcm)
{
    const Detected d = detect({{0, device(test::kPci8Channel, 1)}, {1, device(111, 2)}}); // code 97: 2 ISDN PCMs
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.model.pcmList, (std::vector<std::string>{"1,0", "1,1"}));
    const auto &links = d.model.settings.list(listIndex("ISDN", "TotalUserLinker"));
    ASSERT_EQ(links.size(), 2u);
    // PCM list number, PCM on its board, TEI, CRC, channel identification, called and calling number
    // types, speech code.
    EXPECT_EQ(links[1], (ListRow{"1", "1", "0", "0", "0x10", "0xa1", "0x21", "6"}));
}

TEST(Detection, ChannelBankBoardIsAVoiceBoard)
{
    const Detected d = detect({{0, device(test::kChannelBank, 6)}});
    ASSERT_TRUE(d.ok);
    const BoardRecord &b = d.model.boards[0];
    EXPECT_EQ(b.modelCode, 86);
    EXPECT_EQ(b.usageMode, 1);
    EXPECT_TRUE(b.flags.voice);
    EXPECT_FALSE(b.flags.digital);
    EXPECT_EQ(b.channelCount, 120);
    EXPECT_EQ(b.usedChannels, 120);
    EXPECT_TRUE(b.pcms.empty());
    EXPECT_EQ(b.options.get("DefaultPlayVolume"), "[0,119]:0");
}

TEST(Detection, IpBoardIsMarked)
{
    const Detected d = detect({{3, device(test::kIpBoard, 9)}});
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.model.ipBoardPresent);
    EXPECT_EQ(d.model.boards[0].options.get("Submask"), "255.255.255.0");
}

TEST(Detection, SubTypeFiveMakesTwentyChannels)
{
    const Detected d = detect({{0, device(164, 1, 5)}});
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.model.boards[0].modelCode, 135);
    EXPECT_EQ(d.model.boards[0].channelCount, 20);
    EXPECT_EQ(d.model.channels.size(), 20u);
}

TEST(Detection, NoBoardFails)
{
    const Detected d = detect({{1, device(3, 1)}});
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error, kNoBoardText);
    EXPECT_TRUE(d.model.boards.empty());
}

// A driver that cannot look for devices gives its reason, not "no board", and leaves no board behind.
TEST(Detection, DriverFailureIsItsOwnError)
{
    FakeProbe probe({{0, device(test::kPci8Channel, 1)}, {1, {ProbeResult::Failed, {}}}}, "KtSim.ini:4: bad");
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    EXPECT_FALSE(runDetection(model, probe, reporter, &error));
    EXPECT_EQ(error, "KtSim.ini:4: bad");
    EXPECT_TRUE(model.boards.empty());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST(Detection, LoadWithDetectIgnoresTheFile)
{
    test::FakeProbe probe({{0, device(test::kPci8Channel, 1)}});
    ConfigModel model;
    model.settings.setSystem("PlayBufSize", 4096);
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(loadModel("/nonexistent/KtConfig.ini", true, probe, model, reporter, &error));
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(model.settings.system("PlayBufSize"), 32768);
    EXPECT_EQ(model.boards.size(), 1u);
    EXPECT_FALSE(loadModel("/nonexistent/KtConfig.ini", false, probe, model, reporter, &error));
    EXPECT_EQ(error, kReadFailedText);
}

TEST(Detection, AnalogDefaultsRepeatPerChannel)
{
    const Detected d = detect({{0, device(test::kPci8Channel, 1)}});
    ASSERT_TRUE(d.ok);
    const BoardOptions &o = d.model.boards[0].options;
    EXPECT_EQ(o.get("DefaultPlayFormat"), "6,6,6,6,6,6,6,6");
    EXPECT_EQ(o.get("DtmfStopRecCharSet"), "{{},{},{},{},{},{},{},{}}");
    EXPECT_EQ(o.get("TxDtmfTimePara"), "{80,80},{80,80},{80,80},{80,80},{80,80},{80,80},{80,80},{80,80}");
    EXPECT_EQ(o.get("UnimoduleState"), "1,1,1,1, 1,1,1,1, 1,1,1,1, 1,1,1,1");
    EXPECT_EQ(o.get("PBXType"), "ALCATEL");
}

} // namespace
} // namespace ktcticonfig
