// Board list edits and clock-master rules, the used channel count and the board page's control rules.
#include "ktcticonfig/app/BoardListEdit.h"
#include "ktcticonfig/app/BoardPageRules.h"
#include "ktcticonfig/detect/DetectionPass.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

ConfigModel boards(std::initializer_list<int> codes, int clockMaster)
{
    ConfigModel model;
    std::uint32_t serial = 100;
    for (int code : codes)
        model.boards.push_back(detectedBoard(code, ++serial, 0));
    rebuildBoardDefaults(model);
    model.settings.setSystem("WhoSupplySysClock", clockMaster);
    return model;
}

std::vector<std::uint32_t> serials(const ConfigModel &m)
{
    std::vector<std::uint32_t> result;
    for (const BoardRecord &b : m.boards)
        result.push_back(b.serialNumber);
    return result;
}

struct DeleteCase
{
    std::vector<int> codes;
    int clockBefore;
    int deleted;
    int clockAfter;
};

class DeleteBoard : public ::testing::TestWithParam<DeleteCase>
{
};

TEST_P(DeleteBoard, ClockMasterFollowsOrPasses)
{
    const DeleteCase &c = GetParam();
    ConfigModel model = boards({}, 0);
    for (int code : c.codes)
        model.boards.push_back(detectedBoard(code, 100 + static_cast<std::uint32_t>(model.boards.size()), 0));
    rebuildBoardDefaults(model);
    model.settings.setSystem("WhoSupplySysClock", c.clockBefore);
    deleteBoard(model, c.deleted);
    EXPECT_EQ(model.boards.size(), c.codes.size() - 1);
    EXPECT_EQ(model.settings.system("WhoSupplySysClock"), c.clockAfter);
    EXPECT_EQ(model.settings.system("TotalBoards"), static_cast<int>(c.codes.size()) - 1);
}

// 6 and 8 are analog boards, 62 and 63 digital trunk boards with PCM links.
INSTANTIATE_TEST_SUITE_P(BoardListEdit, DeleteBoard,
                         ::testing::Values(DeleteCase{{6, 8, 6}, 2, 0, 1},   // a later master moves up
                                           DeleteCase{{6, 62, 8}, 0, 2, 0},  // an earlier master stays
                                           DeleteCase{{6, 8, 62}, 0, 0, 1},  // the master's board: first with PCMs
                                           DeleteCase{{6, 8, 8}, 1, 1, 0},   // none with PCMs: board 0
                                           DeleteCase{{62, 8, 63}, 3, 1, 2}, // "every board" stays every board
                                           DeleteCase{{6, 62}, -1, 0, -1})); // no master stays none

TEST(BoardListEdit, DeleteKeepsTheOrderOfTheOthersAndRebuildsTheChannelTable)
{
    ConfigModel model = boards({6, 8, 6}, 0);
    model.channels = {{2, 3, kAppChannelMapped}}; // a hand-made map
    deleteBoard(model, 1);
    EXPECT_EQ(serials(model), (std::vector<std::uint32_t>{101, 103}));
    ASSERT_EQ(model.channels.size(), 16u);
    EXPECT_EQ(model.channels[0], (AppChannel{0, 0, kAppChannelMapped}));
    EXPECT_EQ(model.channels[8], (AppChannel{1, 0, kAppChannelMapped}));
}

TEST(BoardListEdit, ExchangeSwapsWholeRecordsAndTheClockStaysWithItsBoard)
{
    ConfigModel model = boards({6, 62, 8}, 1);
    model.boards[1].options.set("PBXType", "OWN");
    exchangeBoards(model, 1, 2);
    EXPECT_EQ(serials(model), (std::vector<std::uint32_t>{101, 103, 102}));
    EXPECT_EQ(model.boards[2].options.get("PBXType"), "OWN");
    EXPECT_EQ(model.settings.system("WhoSupplySysClock"), 2);
    EXPECT_EQ(model.pcmList, (std::vector<std::string>{"2,0"}));
    EXPECT_EQ(model.channels[8], (AppChannel{1, 0, kAppChannelMapped}));

    // With itself: nothing moves, but a hand-made channel map gives way to the default one.
    const ConfigModel before = model;
    model.channels = {{2, 3, kAppChannelMapped}};
    exchangeBoards(model, 0, 0);
    EXPECT_EQ(model, before);
}

TEST(BoardListEdit, AddAppendsAPlaceholderUpToTwentyBoards)
{
    ConfigModel model = boards({6}, 0);
    EXPECT_EQ(addBoard(model), 1);
    EXPECT_EQ(model.boards[1].modelCode, 0);
    EXPECT_EQ(model.boards[1].serialNumber, 0u);
    EXPECT_EQ(model.settings.system("TotalBoards"), 2);
    while (model.boards.size() < static_cast<std::size_t>(kMaxBoards))
        addBoard(model);
    EXPECT_EQ(addBoard(model), -1);
    EXPECT_EQ(model.boards.size(), static_cast<std::size_t>(kMaxBoards));
}

struct ClockCase
{
    std::vector<int> codes;
    int master;
    int expected;
};

class ClockMove : public ::testing::TestWithParam<ClockCase>
{
};

TEST_P(ClockMove, AnalogMasterMovesToTheFirstDigitalTrunkBoard)
{
    const ClockCase &c = GetParam();
    ConfigModel model;
    for (int code : c.codes)
        model.boards.push_back(detectedBoard(code, 1, 0));
    model.settings.setSystem("WhoSupplySysClock", c.master);
    moveClockMasterOffAnalogBoard(model);
    EXPECT_EQ(model.settings.system("WhoSupplySysClock"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(BoardListEdit, ClockMove,
                         ::testing::Values(ClockCase{{6, 75, 62, 63}, 0, 2}, // analog master: first trunk
                                           ClockCase{{6, 8}, 1, 1},          // no trunk board: stays
                                           ClockCase{{62, 6, 63}, 0, 0},     // a trunk master stays
                                           ClockCase{{6, 62}, 2, 2},         // every board
                                           ClockCase{{6, 62}, -1, -1},       // none
                                           ClockCase{{75, 105, 66}, 0, 2})); // 103..126 cannot take it

TEST(BoardListEdit, ClockMasterMayNameEveryBoardButNoBoardBeyond)
{
    ConfigModel model = boards({6, 8}, 2);
    EXPECT_TRUE(clockMasterValid(model));
    model.settings.setSystem("WhoSupplySysClock", 3);
    EXPECT_FALSE(clockMasterValid(model));
}

struct UsedCase
{
    int code;
    std::string cardType;
    std::vector<std::pair<int, int>> pcms; // signalling, SS7 signalling slot
    int used;
};

class UsedChannels : public ::testing::TestWithParam<UsedCase>
{
};

TEST_P(UsedChannels, FollowThePcmsOfTheLaterDigitalFamilies)
{
    const UsedCase &c = GetParam();
    BoardRecord board = detectedBoard(c.code, 1, 0);
    board.options.set("CardType", c.cardType);
    board.pcms.clear();
    for (const auto &[signalling, slot] : c.pcms) {
        PcmLink pcm;
        pcm.signalling = static_cast<std::uint8_t>(signalling);
        pcm.ss7SignalingTs = slot;
        board.pcms.push_back(pcm);
    }
    EXPECT_EQ(usedChannelCount(board), c.used);
}

INSTANTIATE_TEST_SUITE_P(BoardListEdit, UsedChannels,
                         ::testing::Values(UsedCase{66, "0", {{7, 16}, {7, 32}}, 61}, // E1: 30 each, one for slot 32
                                           UsedCase{
                                               66, "1", {{7, 25}, {1, 16}, {0, 16}}, 71}, // T1: 23 each, slot 25, SS1
                                           UsedCase{105, "0", {{7, 16}}, 94},             // plus 64 fax channels
                                           UsedCase{111, "0", {{7, 16}}, 62},             // plus 32
                                           UsedCase{134, "0", {}, 240},                   // plus 240
                                           UsedCase{8, "0", {}, 16}));                    // others: the channel count

TEST(BoardListEdit, ChoosingAModelResetsTheBoardToIt)
{
    BoardRecord board = detectedBoard(6, 4242, 0);
    board.options.set("PBXType", "OWN");
    chooseBoardModel(board, 70);
    EXPECT_EQ(board.modelCode, 70);
    EXPECT_EQ(board.serialNumber, 4242u);
    EXPECT_EQ(board.options.get("PBXType"), "ALCATEL");
    ASSERT_EQ(board.pcms.size(), 16u);
    EXPECT_EQ(board.pcms[0].clockMode, 0);
    EXPECT_EQ(board.pcms[1].clockMode, 2);
    EXPECT_EQ(board.pcms[1].useTs16AsCircuit, 1);
    EXPECT_EQ(board.usedChannels, 480);
    chooseBoardModel(board, 66);
    EXPECT_EQ(board.pcms[1].useTs16AsCircuit, 0);
    chooseBoardModel(board, 0);
    EXPECT_EQ(board.modelCode, 0);
    EXPECT_TRUE(board.pcms.empty());
}

TEST(BoardPageRules, ControlsFollowTheModel)
{
    const auto controls = [](int code) { return boardPageControls(detectedBoard(code, 1, 0)); };
    EXPECT_TRUE(controls(25).faxChannels && controls(25).dspWorkMode && !controls(25).compressCodec);
    EXPECT_TRUE(controls(65).compressCodec && !controls(65).spySync);
    EXPECT_TRUE(controls(75).ipLists && controls(75).toneAndBargeIn && !controls(75).interfaceEnabled);
    EXPECT_TRUE(controls(66).interfaceEnabled && controls(66).spySync && controls(66).spyMode);
    EXPECT_TRUE(controls(86).channelBank && !controls(86).interfaceEnabled); // created in channel-bank use
    EXPECT_FALSE(controls(6).toneAndBargeIn || controls(6).channelBank || controls(6).interfaceEnabled);
    EXPECT_EQ(dspCoderEntry(85), 2);
    EXPECT_EQ(dspCoderEntry(7), 0);
    EXPECT_EQ(dspCoderOfEntry(1), 49);
    EXPECT_TRUE(refusesMp3(74, 3));
    EXPECT_FALSE(refusesMp3(83, 3));
}

} // namespace
} // namespace ktcticonfig
