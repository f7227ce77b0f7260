// The log output page and the checks of the live log dialog.
#include "ktcticonfig/ui/LogOutputPage.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/LiveLogDialog.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace ktcticonfig {
namespace {

TEST(LogOutputPage, WithoutADriverTheLiveButtonStaysOffAndTheKeysAreEdited)
{
    test::PageTestHost host;
    auto page = host.page<LogOutputPage>(PageKind::LogOutput);
    page->load(-1, -1);
    page->pollDriver();
    EXPECT_FALSE(page->liveButton()->isEnabled());

    const struct
    {
        int api;
        bool mode, events, channels;
    } cases[] = {{0, false, false, false}, {1, false, false, true}, {2, true, false, true},
                 {3, true, true, true},    {4, true, true, true},   {5, false, true, true}};
    for (const auto &c : cases) {
        page->apiList()->setCurrentIndex(c.api);
        EXPECT_EQ(page->apiModeList()->isEnabled(), c.mode) << c.api;
        EXPECT_EQ(page->eventRange()->isEnabled(), c.events) << c.api;
        EXPECT_EQ(page->channelRange()->isEnabled(), c.channels) << c.api;
    }
    for (int isdn : {0, 1, 2, 3}) {
        page->isdnList()->setCurrentIndex(isdn);
        EXPECT_EQ(page->decodeIsdn()->isEnabled(), isdn == 1 || isdn == 2);
    }
    page->apiList()->setCurrentIndex(4);
    page->channelRange()->setText("10..20");
    ASSERT_TRUE(page->store());
    EXPECT_EQ(host.m_model.settings.number("DebugView", "ApiLogEnable"), 4);
    EXPECT_EQ(host.m_model.settings.text("DebugView", "ApiLogSetChRange"), "10..20");
    EXPECT_EQ(host.m_model.settings.number("DebugView", "IsdnLogEnable"), 3);
    server::testing::saveWindowPicture(*page, "KtCtiConfigLogOutputPage");
}

TEST(LiveLogRequest, ChecksInOrder)
{
    test::TempDirectory dir;
    const std::string deep = dir.file("logs/kt");
    const struct
    {
        LiveLogRequest request;
        const char *message;
    } cases[] = {
        {{0, 4, 1, 24, -1, -1, "NULL", 5, -1, -1, -1}, ""},
        {{0, 4, 1, 24, -1, -1, "NULL", 5, 3, -1, -1},
         "Error : TlxSetApiLogRange() parameters 1 must <= parameters 2 and parameters 3 must <= parameters 4!"},
        {{0, 4, 1, 24, -1, -1, "", -1, -1, 7, 6},
         "Error : TlxSetApiLogRange() parameters 1 must <= parameters 2 and parameters 3 must <= parameters 4!"},
        {{2, 1, 1, 24, -1, -1, "NULL", -1, -1, -1, -1}, "Error : TlxSetLogEnable(2,1,1) parameter 3 is out of range!"},
        {{7, 1, 1, 24, -1, -1, "NULL", -1, -1, -1, -1}, ""},
        {{0, 1, 2, 24, -1, -1, "NULL", -1, -1, -1, -1}, "Error : TlxSetLogEnable(0,1,2) parameter 3 is out of range!"},
        {{1, 1, 0, 0, -1, -1, "NULL", -1, -1, -1, -1},
         "Error : TlxSetLogAttribute(0,-1,-1,...) parameters 1 must >=1,parameters 2,3 must >=1 or =-1"},
        {{1, 1, 0, 1, 0, -1, "NULL", -1, -1, -1, -1},
         "Error : TlxSetLogAttribute(1,0,-1,...) parameters 1 must >=1,parameters 2,3 must >=1 or =-1"},
        {{1, 1, 0, 1, 7, -2, "NULL", -1, -1, -1, -1},
         "Error : TlxSetLogAttribute(1,7,-2,...) parameters 1 must >=1,parameters 2,3 must >=1 or =-1"},
        {{1, 1, 0, 1, 7, 30, std::string(201, 'a'), -1, -1, -1, -1},
         "Error : TlxSetLogAttribute(1,7,30,...)  parameters 4 is too deep!"},
        {{1, 1, 0, 1, 7, 30, deep, -1, -1, -1, -1}, ""},
    };
    for (const auto &c : cases) {
        LiveLogRequest r = c.request;
        EXPECT_EQ(prepareLiveLogRequest(r), c.message) << r.type << " " << r.path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(deep));

    LiveLogRequest drive{0, 1, 0, 24, -1, -1, "D:", -1, -1, -1, -1};
    EXPECT_EQ(prepareLiveLogRequest(drive), "");
    EXPECT_EQ(drive.path, "D:\\");

    LiveLogRequest blocked{0, 1, 0, 24, -1, -1, dir.put("file", "x") + "/sub", -1, -1, -1, -1};
    EXPECT_EQ(prepareLiveLogRequest(blocked).rfind("Error! Create Log Directory failed, error code is ", 0), 0u);
}

TEST(LiveLogDialog, RefusedRequestsLeaveTheBlockAlone)
{
    test::PageTestHost host;
    SharedLogBlock &block = host.openLogBlock();
    const LiveLogRequest before = readLiveLogRequest(block.data());
    LiveLogDialog dialog(block, 8, host.dialogs());
    EXPECT_EQ(dialog.channelStart()->count(), 9);
    EXPECT_EQ(dialog.eventEnd()->count(), 102);
    dialog.typeList()->setCurrentIndex(2);
    EXPECT_EQ(dialog.enableList()->count(), 4);
    dialog.modeList()->setCurrentIndex(1);
    EXPECT_FALSE(dialog.send());
    EXPECT_EQ(host.m_dialogs.messages.back(), "Error : TlxSetLogEnable(2,0,1) parameter 3 is out of range!");
    dialog.typeList()->setCurrentIndex(0);
    dialog.modeList()->setCurrentIndex(0);
    dialog.periodField()->setText("24");
    dialog.channelStart()->setCurrentIndex(6); // 5
    dialog.channelEnd()->setCurrentIndex(4);   // 3
    EXPECT_FALSE(dialog.send());
    EXPECT_EQ(readLiveLogRequest(block.data()), before);
    dialog.adjustSize();
    server::testing::saveWindowPicture(dialog, "KtCtiConfigLiveLogDialog");
}

} // namespace
} // namespace ktcticonfig
