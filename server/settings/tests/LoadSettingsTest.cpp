// Loading Setup.ini: defaults, widths, the two integer forms, the channel tables and the failures.
#include "server/settings/LoadSettings.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "server/settings/tests/SetupFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace server {
namespace {

namespace fs = std::filesystem;

using LoadSettingsTest = testing::SetupFolderTest;

TEST_F(LoadSettingsTest, EmptyFileGivesEveryDefault)
{
    writeSetup("");
    tables.InService.fill(1);
    ASSERT_TRUE(LoadSettings(settings, tables, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(settings.Interval, 10);
    EXPECT_EQ(settings.PlayTimes, 1);
    EXPECT_EQ(settings.BeginTime, "09:00");
    EXPECT_EQ(settings.NotNoticeTime2, "14:00");
    EXPECT_EQ(settings.Language, "普通话");
    EXPECT_EQ(settings.Version, "2.0");
    EXPECT_EQ(settings.ToneDelay, 4000);
    EXPECT_EQ(settings.TranSlicFlag, 1);
    EXPECT_EQ(settings.RetListen, "1");
    EXPECT_EQ(settings.TeleAddSpecChar, "#");
    EXPECT_EQ(settings.SysTimerValue, 1000);
    EXPECT_EQ(settings.PickDelay, 1500u);
    EXPECT_EQ(settings.CallOutTimeOut, 30);
    EXPECT_EQ(settings.DialBusyHaveTone, 2000);
    EXPECT_EQ(settings.SpeakGain, 54);
    EXPECT_EQ(settings.DBType, 0);
    // Card1Use defaults to 32 closed channels; channels 33..48 keep what they had.
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        EXPECT_EQ(tables.InService[ch], ch < 32 ? 0 : 1) << ch;
        EXPECT_EQ(tables.Function[ch], 2);
        EXPECT_EQ(tables.Polarity[ch], 0);
    }
}

TEST_F(LoadSettingsTest, ValuesWidthsAndIntegerForms)
{
    writeSetup("[Other]\r\n"
               "Interval=300\r\n"
               "CallOutTimeOut=0x1E\r\n"
               "SysTimerValue=abc\r\n"
               "HangupDelay=$10\r\n"
               "PickDelay=-1\r\n"
               "VocRepeat=70000\r\n"
               "Language=广东话\r\n"
               "Title=  自动语音通知系统\r\n"
               "[Database]\r\n"
               "DBType=5\r\n"
               "ServerName= \t 127.0.0.1 \r\n"
               "[Speak]\r\n"
               "SpeakGain=-3\r\n");
    ASSERT_TRUE(LoadSettings(settings, tables, dialogs));
    EXPECT_EQ(settings.Interval, 44);             // 300 kept at 8 bits
    EXPECT_EQ(settings.CallOutTimeOut, 30);       // hexadecimal
    EXPECT_EQ(settings.SysTimerValue, 1000);      // not a number: the default
    EXPECT_EQ(settings.HangupDelay, 16);
    EXPECT_EQ(settings.PickDelay, 4294967295u);
    EXPECT_EQ(settings.VocRepeat, 4464);          // 70000 kept at 16 bits
    EXPECT_EQ(settings.Language, "广东话");
    EXPECT_EQ(settings.Title, "自动语音通知系统"); // the profile read trims blanks
    EXPECT_NE(settings.DBType, 0);
    EXPECT_EQ(settings.ServerName, "127.0.0.1");
    EXPECT_EQ(settings.SpeakGain, -3);
}

TEST_F(LoadSettingsTest, ChannelTables)
{
    writeSetup("[CardParm]\r\n"
               "Card1Use=" + std::string(50, '1') + "\r\n"
               "ChFunction=" + std::string(48, '1') + "\r\n"
               "ChPolarity= 0101\r\n"
               "[FaxLocalID]\r\n"
               "Ch1ID=801\r\n"
               "Ch28ID= 8028 \r\n"
               "Ch48ID=848\r\n"
               "PrefixNum2=9\r\n");
    tables.Polarity.fill(1);
    ASSERT_TRUE(LoadSettings(settings, tables, dialogs));
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        EXPECT_EQ(tables.InService[ch], 1) << ch;
        EXPECT_EQ(tables.Function[ch], 2) << ch;
    }
    EXPECT_EQ(tables.Polarity[0], 0);
    EXPECT_EQ(tables.Polarity[1], 1);
    EXPECT_EQ(tables.Polarity[2], 0);
    EXPECT_EQ(tables.Polarity[4], 1); // past the text: kept
    EXPECT_EQ(tables.StationId[0], "801");
    EXPECT_EQ(tables.StationId[27], "8028");
    EXPECT_EQ(tables.StationId[47], "848");
    EXPECT_EQ(tables.StationId[1], "");
    EXPECT_EQ(tables.DialPrefix[1], "9");
}

TEST_F(LoadSettingsTest, NonDigitInTheChannelFlagsEndsTheLoad)
{
    writeSetup("[CardParm]\r\nCard1Use=11x1\r\n[Other]\r\nInterval=20\r\n");
    ASSERT_FALSE(LoadSettings(settings, tables, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "错误");
    EXPECT_NE(dialogs.shown[0].text.find("Card1Use"), std::string::npos);
    EXPECT_EQ(tables.InService[0], 1);
    EXPECT_EQ(tables.InService[1], 1);
    EXPECT_EQ(tables.InService[2], 0);
    EXPECT_EQ(settings.Interval, 20); // the other keys were read

    writeSetup("[CardParm]\r\nChPolarity=1\xE4\xB8\x80\r\n");
    dialogs.shown.clear();
    EXPECT_FALSE(LoadSettings(settings, tables, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("ChPolarity"), std::string::npos);
    EXPECT_EQ(tables.Polarity[0], 1);
}

TEST_F(LoadSettingsTest, MissingOrUnreadableFile)
{
    settings.Interval = 77;
    ASSERT_FALSE(LoadSettings(settings, tables, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "提示");
    EXPECT_EQ(dialogs.shown[0].text, "配置文件Setup.ini不存在！");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(settings.Interval, 77);

    fs::create_directories(m_dir / "Setup.ini");
    dialogs.shown.clear();
    ASSERT_FALSE(LoadSettings(settings, tables, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "错误");
    EXPECT_EQ(dialogs.shown[0].text, "读取配置文件Setup.ini参数错误！");
    EXPECT_EQ(settings.Interval, 77);
}

} // namespace
} // namespace server

#include "server/settings/SaveSettings.h"

namespace server {
namespace {

TEST_F(LoadSettingsTest, SavedSettingsLoadAgainAndOtherLinesStay)
{
    writeSetup("; kept\r\n[Other]\r\nUnknownKey=kept too\r\n");
    ASSERT_TRUE(LoadSettings(settings, tables, dialogs));
    settings.Title = "自动语音通知系统";
    settings.Interval = 25;
    settings.PickDelay = 4000000000u;
    settings.SpeakGain = -5;
    tables.InService.fill(1);
    tables.Polarity[3] = 1;
    tables.Kind[0] = 2;
    tables.StationId[27] = "8028";
    tables.DialPrefix[0] = "9";
    std::string error;
    ASSERT_TRUE(SaveSettings(settings, tables, &error)) << error;

    Settings again;
    again.ProgramDir = settings.ProgramDir;
    ChannelTables againTables;
    ASSERT_TRUE(LoadSettings(again, againTables, dialogs));
    EXPECT_EQ(again.Title, "自动语音通知系统");
    EXPECT_EQ(again.Interval, 25);
    EXPECT_EQ(again.PickDelay, 4000000000u);
    EXPECT_EQ(again.SpeakGain, -5);
    EXPECT_EQ(again.Language, "普通话");
    EXPECT_EQ(againTables.InService, tables.InService);
    EXPECT_EQ(againTables.Polarity, tables.Polarity);
    EXPECT_EQ(againTables.StationId[27], "8028");
    EXPECT_EQ(againTables.DialPrefix[0], "9");

    const common::ProfileFile file(setupPath(settings));
    EXPECT_EQ(file.value("Other", "UnknownKey"), "kept too");
    EXPECT_EQ(file.value("CardParm", "Card1"), "2" + std::string(47, '0'));
    EXPECT_EQ(file.value("Other", "Title"), common::utf8ToGbk("自动语音通知系统")); // stored as GBK
    EXPECT_TRUE(file.text().starts_with("; kept\r\n[Other]\r\nUnknownKey=kept too\r\n"));

    settings.SMSContent = "two\nlines";
    EXPECT_FALSE(SaveSettings(settings, tables, &error));
}

} // namespace
} // namespace server
