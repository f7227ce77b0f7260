// The Default button's global values and the Detect button's serial-number refresh.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/SerialRefresh.h"
#include "ktcticonfig/model/DefaultValues.h"
#include "ktcticonfig/tests/FakeProbe.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

TEST(DefaultValues, DifferFromReadDefaultsWhereAFreshInstallationNeedsIt)
{
    GlobalSettings s;
    s.setSystem("PlayBufSize", 4096);
    s.setSystem("TotalBoards", 3);
    s.toneItems.clear();
    resetToDefaultValues(s, "/opt/kt", true);
    EXPECT_EQ(s.system("PlayBufSize"), 32768);
    EXPECT_EQ(s.system("TotalBoards"), 3);
    EXPECT_EQ(s.system("AutoClearCallerIdBufOnHangup"), 1);
    EXPECT_EQ(s.system("MaxWaitDialToneTime"), 3);
    EXPECT_EQ(s.system("FastPlayTime"), 1000);
    EXPECT_EQ(s.text("SystemConfig", "2ndRingEchoTonePara"), "1000, 4000");
    EXPECT_EQ(s.text("DebugView", "LogFilePath"), "/opt/kt");
    EXPECT_EQ(s.system("MaxToneDetectorItem"), 5);
    EXPECT_EQ(s.toneItems.size(), 5u);
    EXPECT_EQ(s.number("Fax", "MaxSpeed"), 33600);
    resetToDefaultValues(s, "/opt/kt", false);
    EXPECT_EQ(s.number("Fax", "MaxSpeed"), 14400);
}

TEST(SerialRefresh, OnlyWaitingBoardsTakeAMatchingSerial)
{
    std::vector<BoardRecord> boards = {detectedBoard(6, 1, 0), detectedBoard(29, 2, 0), detectedBoard(8, 3, 0)};
    boards[0].state = kBoardStateMatched;
    boards[1].modelCode = 30; // the ISDN variant of the cPCI board found as its SS7 variant
    boards[1].state = kBoardStateWaiting;
    boards[2].state = kBoardStateWaiting; // no 16-channel device answers
    test::FakeProbe probe({{0, test::device(test::kPci8Channel, 500)}, {4, test::device(22, 600)}});
    EXPECT_EQ(refreshSerialNumbers(boards, probe), std::vector<int>{1});
    EXPECT_EQ(boards[0].serialNumber, 1u);
    EXPECT_EQ(boards[1].serialNumber, 600u);
    EXPECT_EQ(boards[1].state, kBoardStateMatched);
    EXPECT_EQ(boards[2].serialNumber, 3u);
}

TEST(SerialRefresh, ADeviceIsHandedToOneBoardOnly)
{
    std::vector<BoardRecord> boards = {detectedBoard(6, 1, 0), detectedBoard(6, 2, 0)};
    for (BoardRecord &b : boards)
        b.state = kBoardStateWaiting;
    test::FakeProbe probe({{0, test::device(test::kPci8Channel, 500)}});
    EXPECT_EQ(refreshSerialNumbers(boards, probe), std::vector<int>{0});
    EXPECT_EQ(boards[1].serialNumber, 2u);
    EXPECT_EQ(boards[1].state, kBoardStateWaiting);
}

} // namespace
} // namespace ktcticonfig
