// The live log dialog against the software board: the board reports itself running in the shared
// block, and a request the dialog sends changes the board's logging.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/LiveLogDialog.h"
#include "ktcticonfig/ui/LogOutputPage.h"

#include "ktdrv/KtSim.h"
#include "ktdrv/TlxApi.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace ktcticonfig {
namespace {

TEST(LiveLogDriver, BoardEnablesTheButtonAndTakesTheRequest)
{
    test::PageTestHost host;
    test::TempDirectory dir;
    // The installation of the simulated devices, configured by the tool itself.
    ::setenv("KTSIM_CONFIG", (std::string(VN_TEST_DATA_DIR) + "/KtSim.ini").c_str(), 1);
    test::FakeProbe probe({{0, test::device(test::kPci8Channel, 1001)}});
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(runDetection(host.m_model, probe, reporter, &error)) << error;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), host.m_model, reporter));
    dir.put("KtIndex.ini", "[Index]\n");

    SharedLogBlock &block = host.openLogBlock();
    auto page = host.page<LogOutputPage>(PageKind::LogOutput);
    page->load(-1, -1);
    page->pollDriver();
    EXPECT_FALSE(page->liveButton()->isEnabled());

    ASSERT_EQ(TlxStartCti(dir.file("KtConfig.ini").c_str(), dir.file("KtIndex.ini").c_str()), 0);
    page->pollDriver();
    EXPECT_TRUE(page->liveButton()->isEnabled());

    LiveLogDialog dialog(block, static_cast<int>(host.m_model.channels.size()), host.dialogs());
    EXPECT_EQ(dialog.channelStart()->count(), 9);
    dialog.typeList()->setCurrentIndex(1);
    dialog.enableList()->setCurrentIndex(2);
    dialog.modeList()->setCurrentIndex(1);
    dialog.periodField()->setText("12");
    dialog.maxKeepField()->setText("-1");
    dialog.maxPeriodField()->setText("30");
    dialog.pathField()->setText("NULL");
    dialog.channelStart()->setCurrentIndex(6); // 5
    dialog.channelEnd()->setCurrentIndex(0);   // -1: no upper limit
    dialog.eventStart()->setCurrentIndex(0);
    dialog.eventEnd()->setCurrentIndex(0);
    ASSERT_TRUE(dialog.send()) << host.m_dialogs.messages.back();
    const LiveLogRequest sent = readLiveLogRequest(block.data());
    EXPECT_EQ(sent, (LiveLogRequest{1, 2, 1, 12, -1, 30, "NULL", 5, -1, -1, -1}));
    EXPECT_EQ(TlxSimGetLogEnable(1), 2);

    // A second dialog shows the request the driver holds.
    LiveLogDialog again(block, 8, host.dialogs());
    EXPECT_EQ(again.typeList()->currentIndex(), 1);
    EXPECT_EQ(again.enableList()->currentIndex(), 2);
    EXPECT_EQ(again.channelStart()->currentText(), "5");

    TlxCloseCti();
    page->pollDriver();
    EXPECT_FALSE(page->liveButton()->isEnabled());
    ::unsetenv("KTSIM_CONFIG");
}

} // namespace
} // namespace ktcticonfig
