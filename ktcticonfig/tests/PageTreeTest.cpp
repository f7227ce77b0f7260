// The page tree built from the board list: board children by class, global items by need.
#include "ktcticonfig/app/PageTree.h"
#include "ktcticonfig/detect/DetectionPass.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

ConfigModel modelOf(std::initializer_list<int> codes)
{
    ConfigModel model;
    for (int code : codes)
        model.boards.push_back(detectedBoard(code, 1000, 0));
    buildDefaultPcmList(model);
    return model;
}

std::vector<PageKind> kinds(const std::vector<PageNode> &nodes)
{
    std::vector<PageKind> result;
    for (const PageNode &n : nodes)
        result.push_back(n.kind);
    return result;
}

using K = PageKind;

TEST(PageTree, AnalogBoardGetsLineAndVoiceOptionsAndTheToneDetector)
{
    const auto tree = buildPageTree(modelOf({6}));
    EXPECT_EQ(kinds(tree), (std::vector{K::System, K::ToneDetector, K::GlobalVoice, K::LogOutput}));
    ASSERT_EQ(tree[0].children.size(), 1u);
    const PageNode &board = tree[0].children[0];
    EXPECT_EQ(board.kind, K::Board);
    EXPECT_EQ(board.boardId, 0);
    EXPECT_EQ(kinds(board.children), (std::vector{K::AnalogLine, K::BoardVoice}));
}

TEST(PageTree, DigitalBoardGetsOnePcmItemPerPcmAndItsSignallingItems)
{
    ConfigModel model = modelOf({6, 63});
    model.boards[1].pcms[1].signalling = 1; // PCM 0 stays SS7 (TUP), PCM 1 becomes SS1
    const auto tree = buildPageTree(model);
    EXPECT_EQ(kinds(tree), (std::vector{K::System, K::Ss7, K::Ss1, K::ToneDetector, K::GlobalVoice, K::LogOutput}));
    EXPECT_EQ(kinds(tree[1].children), (std::vector{K::Tup}));
    const PageNode &board = tree[0].children[1];
    ASSERT_EQ(kinds(board.children), (std::vector{K::PcmList, K::BoardVoice}));
    ASSERT_EQ(board.children[0].children.size(), 2u);
    EXPECT_EQ(board.children[0].children[1].boardId, 1);
    EXPECT_EQ(board.children[0].children[1].pcmIndex, 1);
    EXPECT_EQ(pcmItemLabel(1), "PCM 01");
    EXPECT_EQ(boardItemLabel(1, model.boards[1]), "<01> PCI 2-E1/T1 digital trunk board");
}

TEST(PageTree, IsupListAndSpyModeDecideTheProtocolItems)
{
    ConfigModel model = modelOf({62});
    model.settings.list(1) = {{"0", "0"}}; // ISUP: IsupPcm[0] = PCM list number 0
    EXPECT_EQ(kinds(buildPageTree(model)[1].children), (std::vector{K::Isup}));
    model.boards[0].options.set("RunAsSpy", "1");
    EXPECT_EQ(kinds(buildPageTree(model)), (std::vector{K::System, K::Spy, K::GlobalVoice, K::LogOutput}));
}

TEST(PageTree, IpMonitoringResourceAndFaxBoards)
{
    ConfigModel model = modelOf({75, 65, 57, 136});
    const auto tree = buildPageTree(model);
    // The monitoring board's ISDN-typed PCMs are no ISDN links.
    EXPECT_EQ(kinds(tree),
              (std::vector{K::System, K::Spy, K::SipGlobal, K::ToneDetector, K::Fax, K::GlobalVoice, K::LogOutput}));
    EXPECT_EQ(kinds(tree[0].children[0].children), (std::vector{K::BoardSip, K::BoardVoice}));
    EXPECT_EQ(kinds(tree[0].children[1].children), (std::vector{K::PcmList, K::BoardVoice}));
    EXPECT_TRUE(tree[0].children[2].children.empty()); // a resource board has no option items
}

TEST(PageTree, EmptyBoardListKeepsTheRootAndTheGlobalPages)
{
    EXPECT_EQ(kinds(buildPageTree(ConfigModel{})), (std::vector{K::System, K::GlobalVoice, K::LogOutput}));
}

} // namespace
} // namespace ktcticonfig
