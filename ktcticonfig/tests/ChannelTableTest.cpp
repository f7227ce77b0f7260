// The application channel table: runs, unmapped entries, every check and its message, and writing runs.
#include "ktcticonfig/model/ChannelTable.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include <gtest/gtest.h>

namespace ktcticonfig {
namespace {

std::vector<BoardRecord> twoEightChannelBoards()
{
    std::vector<BoardRecord> boards(2);
    for (BoardRecord &b : boards)
        applyClassRule(b, 6);
    return boards;
}

struct ReadCase
{
    const char *name;
    const char *section; ///< the lines of [AppChToBoardChTable]
    const char *message; ///< nullptr: the read succeeds
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChannelTableRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ChannelTableRead, ChecksAndMessages)
{
    const ReadCase &c = GetParam();
    test::TempDirectory dir;
    common::ProfileFile file(dir.put("KtConfig.ini", std::string("[AppChToBoardChTable]\n") + c.section));
    auto boards = twoEightChannelBoards();
    ChannelTable table;
    RecordingReporter reporter;
    EXPECT_EQ(readChannelTable(file, boards, table, reporter), c.message == nullptr);
    if (c.message) {
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0], c.message);
    } else {
        EXPECT_TRUE(reporter.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelTableRead,
    ::testing::Values(ReadCase{"Run", "TotalAppCh=8\nAppCh[0]=0,0..7\n", nullptr},
                      ReadCase{"RunsOnTwoBoards", "TotalAppCh=16\nAppCh[0]=0,0..7\nAppCh[8]=1,0..7\n", nullptr},
                      ReadCase{"UnmappedGap", "TotalAppCh=5\nAppCh[0]=0,0..2\nAppCh[3]=-1,-1\nAppCh[4]=0,4\n", nullptr},
                      ReadCase{"TotalZero", "TotalAppCh=0\n", "Error: 'TotalAppCh' must be within 0 and 20000!"},
                      ReadCase{"TotalTooLarge", "TotalAppCh=20001\n",
                               "Error: 'TotalAppCh' must be within 0 and 20000!"},
                      ReadCase{"RunBackwards", "TotalAppCh=8\nAppCh[0]=0,5..2\n",
                               "Error: the beginning channel number should not exceed the ending one!"},
                      ReadCase{"RunPastTheTable", "TotalAppCh=4\nAppCh[0]=0,0..7\n",
                               "Error: specified channels exceeded total channels on boards!"},
                      ReadCase{"HugeRun", "TotalAppCh=8\nAppCh[0]=0,-2147483648..2147483647\n",
                               "Error: specified channels exceeded total channels on boards!"},
                      ReadCase{"EntryInsideARun", "TotalAppCh=8\nAppCh[0]=0,0..3\nAppCh[2]=0,5\n",
                               "Error: duplicate channel number specification!"},
                      ReadCase{"SameChannelTwice", "TotalAppCh=3\nAppCh[0]=0,0\nAppCh[1]=0,1\nAppCh[2]=0,1\n",
                               "Error on AppCh[1]=0,1 and AppCh[2]=0,1: duplicate channel specification!"},
                      ReadCase{"EarliestDuplicateNamedFirst",
                               "TotalAppCh=4\nAppCh[0]=1,3\nAppCh[1]=0,2\nAppCh[2]=0,2\nAppCh[3]=1,3\n",
                               "Error on AppCh[0]=1,3 and AppCh[3]=1,3: duplicate channel specification!"},
                      ReadCase{"NoBoardButAChannel", "TotalAppCh=2\nAppCh[0]=0,0\nAppCh[1]=-1,3\n",
                               "Error: matching number channel not found on board!"},
                      ReadCase{"BoardOutsideTheList", "TotalAppCh=1\nAppCh[0]=2,0\n",
                               "Error: matching number channel not found on board!"},
                      ReadCase{"ChannelOutsideTheBoard", "TotalAppCh=1\nAppCh[0]=1,8\n",
                               "Error: matching channel number for ch=8 not found on board!"},
                      ReadCase{"NothingMapped", "TotalAppCh=3\n", "No available hardware channel found!"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChannelTable, RunMapsChannelsAndCountsUsedChannels)
{
    test::TempDirectory dir;
    common::ProfileFile file(dir.put(
        "KtConfig.ini", "[AppChToBoardChTable]\nTotalAppCh=11\nAppCh[0]=1,0..7\nAppCh[9]=0,6\nAppCh[10]=0,7\n"));
    auto boards = twoEightChannelBoards();
    ChannelTable table;
    RecordingReporter reporter;
    ASSERT_TRUE(readChannelTable(file, boards, table, reporter));
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[3], (AppChannel{1, 3, kAppChannelMapped}));
    EXPECT_EQ(table[8], (AppChannel{-1, -1, kAppChannelUnmapped}));
    EXPECT_EQ(table[10], (AppChannel{0, 7, kAppChannelMapped}));
    EXPECT_EQ(boards[0].usedChannels, 2);
    EXPECT_EQ(boards[1].usedChannels, 8);
}

struct WriteCase
{
    const char *name;
    ChannelTable table;
    std::vector<std::pair<std::string, std::string>> keys; ///< every AppCh key the section holds afterwards
};

void PrintTo(const WriteCase &c, std::ostream *os)
{
    *os << c.name;
}

class ChannelTableWrite : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(ChannelTableWrite, WritesRuns)
{
    const WriteCase &c = GetParam();
    test::TempDirectory dir;
    // Stale keys of an older table are removed by the write.
    common::ProfileFile file(dir.put("KtConfig.ini", "[AppChToBoardChTable]\nAppCh[3]=0,3\nAppCh[20]=1,1\n"));
    RecordingReporter reporter;
    ProfileWriter writer(file, reporter);
    writeChannelTable(writer, c.table, twoEightChannelBoards());
    std::vector<std::pair<std::string, std::string>> keys;
    for (const auto &e : file.entries("AppChToBoardChTable"))
        if (e.key != "TotalAppCh")
            keys.emplace_back(e.key, e.value);
    EXPECT_EQ(keys, c.keys);
    EXPECT_EQ(*file.value("AppChToBoardChTable", "TotalAppCh"), std::to_string(c.table.size()));
}

ChannelTable mapped(std::initializer_list<std::pair<int, int>> entries)
{
    ChannelTable t;
    for (const auto &[b, c] : entries)
        t.push_back({b, c, b < 0 ? kAppChannelUnmapped : kAppChannelMapped});
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelTableWrite,
    ::testing::Values(WriteCase{"OneRun",
                                mapped({{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}}),
                                {{"AppCh[0]", "0,0..7"}}},
                      WriteCase{"UnmappedEndsTheRun",
                                mapped({{0, 0}, {0, 1}, {0, 2}, {-1, -1}, {0, 4}}),
                                {{"AppCh[0]", "0,0..2"}, {"AppCh[4]", "0,4..4"}}},
                      WriteCase{"CrossingBoards",
                                mapped({{0, 6}, {0, 7}, {1, 0}, {1, 1}}),
                                {{"AppCh[0]", "0,6..7"}, {"AppCh[2]", "1,0..1"}}},
                      WriteCase{"GapInBoardChannels",
                                mapped({{1, 0}, {1, 2}, {1, 3}}),
                                {{"AppCh[0]", "1,0..0"}, {"AppCh[1]", "1,2..3"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChannelTable, DefaultTableFollowsUsedCounts)
{
    auto boards = twoEightChannelBoards();
    boards[0].usedChannels = 2;
    boards[1].usedChannels = 3;
    EXPECT_EQ(defaultChannelTable(boards), mapped({{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}}));
}

} // namespace
} // namespace ktcticonfig
