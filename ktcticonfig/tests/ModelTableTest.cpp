// The model table: names, lookups, hardware identifiers and the class rule.
#include "ktcticonfig/model/ModelTable.h"
#include "ktcticonfig/model/ModelRules.h"

#include "common/Text.h"

#include <gtest/gtest.h>

#include <set>

namespace ktcticonfig {
namespace {

TEST(ModelTable, NamesAreUniqueShortAndFindTheirCode)
{
    std::set<std::string> folded;
    for (const ModelRow &row : modelRows()) {
        EXPECT_LE(row.name.size(), 49u) << row.name;
        EXPECT_TRUE(folded.insert(common::foldCase(row.name)).second) << row.name;
        if (row.code > 0) {
            EXPECT_EQ(modelCodeByName(row.name), row.code);
            EXPECT_EQ(modelCodeByName(common::foldCase(row.name)), row.code);
        }
    }
    EXPECT_EQ(modelCodeByName("-- Select --"), 0);
    EXPECT_EQ(modelCodeByName("no such board"), 0);
    EXPECT_EQ(modelCodeByName("cPCI 60-channel digital trunk board"), 32);
}

TEST(ModelTable, HardwareIdentifiers)
{
    EXPECT_EQ(modelCodeByName(modelNameByHardwareId(10)), 6);
    EXPECT_EQ(modelCodeByName(modelNameByHardwareId(22)), 29);
    EXPECT_EQ(modelCodeByName(modelNameByHardwareId(167)), 134);
    EXPECT_EQ(modelNameByHardwareId(8), "");
    int known = 0;
    for (int id = 0; id < 256; ++id)
        if (!modelNameByHardwareId(static_cast<std::uint8_t>(id)).empty())
            ++known;
    EXPECT_EQ(known, 119);
}

struct ClassCase
{
    int code;
    const char *cardType;
    int usageMode;
    const char *dspMode;
    std::uint32_t subType;
    BoardFlags flags;
    int channels;
    int pcms;
    int usageAfter;
};

void PrintTo(const ClassCase &c, std::ostream *os)
{
    *os << "code " << c.code;
}

BoardFlags flags(bool voice, bool digital = false)
{
    BoardFlags f;
    f.voice = voice;
    f.digital = digital;
    return f;
}

class ClassRule : public ::testing::TestWithParam<ClassCase>
{
};

TEST_P(ClassRule, FlagsAndCounts)
{
    const ClassCase &c = GetParam();
    BoardRecord board;
    board.usageMode = c.usageMode;
    board.subType = c.subType;
    board.options.set("CardType", c.cardType);
    board.options.set("DSP3WorkMode", c.dspMode);
    ASSERT_TRUE(applyClassRule(board, c.code));
    EXPECT_EQ(board.flags, c.flags);
    EXPECT_EQ(board.channelCount, c.channels);
    EXPECT_EQ(modelPcmCount(board), c.pcms);
    EXPECT_EQ(board.usageMode, c.usageAfter);
}

BoardFlags isa()
{
    BoardFlags f = flags(true);
    f.isa = true;
    return f;
}
BoardFlags only(bool BoardFlags::*flag)
{
    BoardFlags f;
    f.*flag = true;
    return f;
}
BoardFlags ipSecond()
{
    BoardFlags f;
    f.ip = f.ipSecond = true;
    return f;
}
BoardFlags isaDigital()
{
    BoardFlags f = flags(false, true);
    f.isa = true;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassRule,
    ::testing::Values(ClassCase{6, "0", 0, "0", 0, flags(true), 8, 0, 0}, ClassCase{3, "0", 0, "0", 0, isa(), 16, 0, 0},
                      ClassCase{6, "0", 1, "0", 0, flags(true), 8, 0, 0}, // no channel-bank use: forced 0
                      ClassCase{9, "0", 0, "0", 0, isaDigital(), 30, 1, 0},
                      ClassCase{9, "0", 1, "0", 0, isa(), 30, 0, 1}, // channel bank: voice, no PCMs
                      ClassCase{87, "0", 1, "0", 0, flags(true), 240, 0, 1},
                      ClassCase{44, "1", 0, "0", 0, flags(false, true), 368, 16, 0},
                      ClassCase{66, "0", 0, "0", 0, flags(false, true), 248, 8, 0},
                      ClassCase{25, "0", 0, "3", 0, flags(true), 16, 0, 0},
                      ClassCase{25, "0", 0, "0", 0, flags(true), 20, 0, 0},
                      ClassCase{135, "0", 0, "0", 5, flags(true), 20, 0, 0},
                      ClassCase{135, "0", 0, "0", 4, flags(true), 16, 0, 0},
                      ClassCase{57, "0", 0, "0", 0, only(&BoardFlags::resource), 240, 0, 0},
                      ClassCase{61, "0", 0, "0", 0, only(&BoardFlags::recording), 24, 0, 0},
                      ClassCase{39, "0", 0, "0", 0, only(&BoardFlags::monitoring), 60, 2, 0},
                      ClassCase{75, "0", 0, "0", 0, only(&BoardFlags::ip), 32, 0, 0},
                      ClassCase{88, "0", 0, "0", 0, ipSecond(), 120, 0, 0}),
    [](const auto &info) { return "Code" + std::to_string(info.param.code) + "_" + std::to_string(info.index); });

TEST(ClassRule, CodeOutsideTheTable)
{
    BoardRecord board;
    EXPECT_FALSE(applyClassRule(board, 0));
    EXPECT_FALSE(applyClassRule(board, 138));
    EXPECT_EQ(board.modelCode, 0);
}

TEST(ModelRules, CodeLists)
{
    EXPECT_EQ(channelBankChannels(41), 30);
    EXPECT_EQ(channelBankChannels(43), 60);
    EXPECT_EQ(channelBankChannels(105), 120);
    EXPECT_EQ(channelBankChannels(134), 240);
    EXPECT_EQ(channelBankChannels(66), 0);
    EXPECT_TRUE(isLaterDigitalFamily(65));
    EXPECT_FALSE(isLaterDigitalFamily(133));
    EXPECT_EQ(digitalFaxChannels(81), "16");
    EXPECT_EQ(digitalFaxChannels(126), "64");
    EXPECT_EQ(digitalFaxChannels(42), "");
}

} // namespace
} // namespace ktcticonfig
