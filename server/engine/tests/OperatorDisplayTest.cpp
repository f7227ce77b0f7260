// The operator display of channels, the transfer memo, the counters and the run's files.
#include "server/engine/tests/EngineHarness.h"

#include "common/Gbk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <tuple>

namespace server {
namespace {

using Texts = std::vector<std::string>;

class OperatorDisplayTest : public testing::EngineHarness
{
protected:
    OperatorDisplayTest() : EngineHarness(common::DateTime{2026, 3, 7, 9, 5, 4, 12}) {}

    void SetUp() override
    {
        QDir(QString::fromStdString(dir.path())).mkpath(QStringLiteral("Log"));
        QDir(QString::fromStdString(dir.path())).mkpath(QStringLiteral("TalkInfo"));
        // Channel 0 a trunk on row 0, channel 1 a station on row 0, channel 2 unused.
        engine.tables().Kind[0] = 1;
        engine.tables().Kind[1] = 2;
        display.addChannelRow(ChannelList::Trunk, "1", true);
        display.addChannelRow(ChannelList::Station, "2", true);
        ChannelRecord &t = engine.channel(0);
        t.Phone = "13800000000";
        t.Name = "张三";
        t.UserID = "110";
        t.Birthday = "1990-01-01";
        t.CompanyTitle = "经理";
        t.PressInfo = "19";
        engine.channel(1).PeerTrunk = 0;
        engine.channel(1).AgentKeys = "1#";
    }

    std::string read(const std::string &path)
    {
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::ReadOnly);
        return f.readAll().toStdString();
    }

};

TEST_F(OperatorDisplayTest, RowOperations)
{
    const auto &trunk = display.trunkRows[0];
    const auto &station = display.stationRows[0];
    const std::string now = "2026-03-07 09:05:04";

    engine.rows().ShowTrunkStatus(0, "正在呼叫");
    EXPECT_EQ(trunk.image, RowImage::InUse);
    EXPECT_EQ(trunk.texts, (Texts{"正在呼叫", "13800000000", now, "", "张三", "110", "1990-01-01"}));
    engine.rows().ShowTrunkKeys(0);
    EXPECT_EQ(trunk.texts[3], "19");
    engine.rows().ShowTrunkKeys(1); // a station: nothing
    EXPECT_TRUE(station.texts.empty());

    engine.rows().ShowStationStatus(1, "座席接听");
    EXPECT_EQ(station.texts, (Texts{"座席接听", "13800000000", now, "1#", "张三", "110", "1990-01-01", "", "", "", "",
                                    "经理"}));
    engine.rows().ShowIdle(1);
    EXPECT_EQ(station.image, RowImage::Idle);
    EXPECT_EQ(station.texts, (Texts{"空闲", "", "", ""}));
    engine.rows().ShowOffHook(0);
    EXPECT_EQ(trunk.texts, (Texts{"摘机", "", "", ""}));
    engine.rows().ShowLineState(0, "断线");
    EXPECT_EQ(trunk.image, RowImage::Idle);
    EXPECT_EQ(trunk.texts, (Texts{"断线"}));
    engine.channel(1).StationDigits = "801";
    engine.rows().ShowStationDialled(1, "呼叫");
    EXPECT_EQ(station.texts, (Texts{"呼叫", "801", now}));
    engine.rows().ShowClosed(0);
    EXPECT_EQ(trunk.image, RowImage::Closed);
    EXPECT_FALSE(trunk.checked);
    EXPECT_EQ(trunk.texts, (Texts{"关闭", "", "", ""}));
    // A channel in neither list changes no row of either.
    const auto snapshot = [&] {
        std::vector<std::tuple<bool, RowImage, Texts>> rows;
        for (const auto *list : {&display.trunkRows, &display.stationRows})
            for (const auto &row : *list)
                rows.emplace_back(row.checked, row.image, row.texts);
        return rows;
    };
    const auto before = snapshot();
    for (int c : {2, 47}) {
        engine.rows().ShowIdle(c);
        engine.rows().ShowOffHook(c);
        engine.rows().ShowTrunkKeys(c);
        engine.rows().ShowClosed(c);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OperatorDisplayTest, TransferMemo)
{
    engine.rows().AddTransferMemo(0, 9, "13800000000");
    engine.rows().AddTransferMemo(11, -1, "13900000000");
    EXPECT_EQ(display.memo, (Texts{"外线01-座席10 时间:03/07 09:05 电话:13800000000",
                                   "外线12-座席00 时间:03/07 09:05 电话:13900000000"}));
}

TEST_F(OperatorDisplayTest, TalkRecordNumberingAndEmptyFileDeletion)
{
    std::string error;
    ASSERT_TRUE(engine.files().OpenTalkRecordFile(&error)) << error;
    const std::string path = dir.path() + "/TalkInfo/20260307090504.txt";
    for (int i = 1; i <= 10000; ++i)
        engine.files().WriteTalkRecord("外线:01");
    const std::string text = read(path);
    EXPECT_TRUE(text.starts_with("0001 " + common::utf8ToGbk("外线:01") + "\r\n"));
    EXPECT_NE(text.find("\r\n0010 "), std::string::npos);
    EXPECT_NE(text.find("\r\n1000 "), std::string::npos);
    EXPECT_NE(text.find("\r\n10000 "), std::string::npos);
    engine.files().CloseLogFiles();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path))); // lines were written: kept

    // A run of the same second without talks of its own keeps the earlier run's file.
    ServerEngine sameSecond{board, dm, display, clock, dialogs};
    sameSecond.settings().ProgramDir = dir.path();
    ASSERT_TRUE(sameSecond.files().OpenTalkRecordFile(&error));
    sameSecond.files().CloseLogFiles();
    EXPECT_EQ(read(path), text);

    ServerEngine quiet{board, dm, display, clock, dialogs};
    quiet.settings().ProgramDir = dir.path();
    clock.advance(1000);
    ASSERT_TRUE(quiet.files().OpenTalkRecordFile(&error));
    quiet.files().CloseLogFiles();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.path() + "/TalkInfo/20260307090505.txt")));
}

TEST_F(OperatorDisplayTest, LogLines)
{
    std::string error;
    engine.settings().WriteLogFlag = 1;
    ASSERT_TRUE(engine.files().OpenLogFile(&error)) << error;
    EXPECT_EQ(engine.settings().LogFileOpen, 1);
    engine.files().WriteLog("通道0:开始呼叫");
    engine.files().CloseLogFiles();
    EXPECT_EQ(read(dir.path() + "/Log/202603070905Log.txt"), common::utf8ToGbk("09:05:04:012通道0:开始呼叫") + "\r\n");

    // A run started again within the minute adds to the file instead of wiping the first run's lines.
    ServerEngine again{board, dm, display, clock, dialogs};
    again.settings().ProgramDir = dir.path();
    again.settings().WriteLogFlag = 1;
    ASSERT_TRUE(again.files().OpenLogFile(&error)) << error;
    again.files().WriteLog("通道1:开始呼叫");
    again.files().CloseLogFiles();
    EXPECT_EQ(read(dir.path() + "/Log/202603070905Log.txt"),
              common::utf8ToGbk("09:05:04:012通道0:开始呼叫\r\n09:05:04:012通道1:开始呼叫\r\n"));

    engine.settings().WriteLogFlag = 0;
    ASSERT_TRUE(engine.files().OpenLogFile(&error));
    EXPECT_EQ(engine.settings().LogFileOpen, 0);
}

TEST_F(OperatorDisplayTest, Counters)
{
    ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(engine.settings())));
    ASSERT_TRUE(dm.ConnectDatabase(engine.settings()));
    engine.settings().ServiceStartTime = "2026-03-07 09:00:00";
    const std::pair<int, const char *> rows[] = {
        {0, ""}, {0, ""}, {1, "2026-03-07 09:01:00"}, {2, "2026-03-07 09:02:00"}, {2, "2026-03-07 08:59:59"},
        {3, "2026-03-07 09:03:00"}, {4, "2026-03-07 09:04:00"}, {5, "2026-03-07 09:04:00"}, {8, "2026-03-07 09:05:00"},
    };
    for (const auto &[status, fact] : rows)
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Status,FactNotice) VALUES (%1,'%2')")
                              .arg(status)
                              .arg(QString::fromUtf8(fact)));
    ASSERT_TRUE(dm.hasStatusCounts());
    engine.NoticeStatusTimerTimer();
    const std::map<int, std::string> expected{{2, "1"}, {4, "1"}, {6, "2"}, {8, "1"}, {10, "1"}, {12, "1"}, {14, "1"}};
    EXPECT_EQ(display.panels, expected);

    // A database without the per-status counts gives the same numbers by counting the tasks.
    testing::exec(dm, QStringLiteral("DROP TABLE AdNoticeCounts"));
    ASSERT_TRUE(dm.ConnectDatabase(engine.settings()));
    ASSERT_FALSE(dm.hasStatusCounts());
    display.panels.clear();
    engine.NoticeStatusTimerTimer();
    EXPECT_EQ(display.panels, expected);

    testing::exec(dm, QStringLiteral("DROP TABLE AdNotice"));
    display.panels[6] = "kept";
    engine.NoticeStatusTimerTimer();
    EXPECT_EQ(display.panels[6], "kept");
}

} // namespace
} // namespace server
