// The board voice, analog line and digital phone pages, the AGC dialogs and the Omit-A/B/C/D coupling.
#include "ktcticonfig/model/BoardKeys.h"
#include "ktcticonfig/model/ModelRules.h"
#include "ktcticonfig/model/OmitAbcdCoupling.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/AgcDialog.h"
#include "ktcticonfig/ui/AgcUpDownDialog.h"
#include "ktcticonfig/ui/AnalogLinePage.h"
#include "ktcticonfig/ui/BoardVoicePage.h"
#include "ktcticonfig/ui/DigitalPhonePage.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QLineEdit>
#include <QVariant>

namespace ktcticonfig {
namespace {

BoardRecord boardOf(int code)
{
    BoardRecord board;
    applyClassRule(board, code);
    board.usedChannels = board.channelCount;
    fillBoardDefaults(board);
    return board;
}

QLineEdit *fieldOf(QWidget &page, const QString &toolTipOrLabelKey)
{
    for (QLineEdit *edit : page.findChildren<QLineEdit *>())
        if (edit->property("key").toString() == toolTipOrLabelKey)
            return edit;
    return nullptr;
}

class BoardPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host.m_model.boards = {boardOf(6), boardOf(94), boardOf(24)};
        m_host.m_model.settings.setSystem("TotalBoards", 3);
        m_host.m_model.channels = defaultChannelTable(m_host.m_model.boards);
    }
    BoardOptions &options(int id) { return m_host.m_model.boards.at(static_cast<std::size_t>(id)).options; }

    test::PageTestHost m_host;
};

TEST_F(BoardPagesTest, EmptiedVoiceFieldIsWrittenEmptyAndReadsBackEmpty)
{
    auto page = m_host.page<BoardVoicePage>(PageKind::BoardVoice);
    page->load(0, -1);
    QLineEdit *volume = fieldOf(*page, "DefaultPlayVolume");
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->text().toStdString(), options(0).get("DefaultPlayVolume"));
    volume->clear();
    ASSERT_TRUE(page->store());
    EXPECT_EQ(options(0).get("DefaultPlayVolume", "missing"), "");

    test::TempDirectory dir;
    RecordingReporter reporter;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), m_host.m_model, reporter));
    ConfigModel read;
    std::string error;
    ASSERT_TRUE(readModel(dir.file("KtConfig.ini"), read, reporter, &error)) << error;
    EXPECT_EQ(read.boards.at(0).options.get("DefaultPlayVolume", "missing"), "");
}

TEST_F(BoardPagesTest, ClearingFskBusyAnalysisDisablesTheEnergyAndKeepsIt)
{
    options(0).set("ToneAnalyzeAtRcvFsk", "1");
    options(0).set("TAARFDetermineEnergy", "777");
    auto page = m_host.page<AnalogLinePage>(PageKind::AnalogLine);
    page->load(0, -1);
    EXPECT_TRUE(page->fskEnergy()->isEnabled());
    page->analyzeBusyTone()->setChecked(false);
    EXPECT_FALSE(page->fskEnergy()->isEnabled());
    ASSERT_TRUE(page->store());
    EXPECT_EQ(options(0).get("ToneAnalyzeAtRcvFsk"), "0");
    EXPECT_EQ(options(0).get("TAARFDetermineEnergy"), "777");
    server::testing::saveWindowPicture(*page, "KtCtiConfigAnalogLinePage");
}

TEST_F(BoardPagesTest, AgcDialogFollowsTheModel)
{
    auto page = m_host.page<BoardVoicePage>(PageKind::BoardVoice);
    for (auto [id, upDown] : {std::pair{0, false}, std::pair{1, true}}) {
        page->load(id, -1);
        std::unique_ptr<QDialog> dialog(page->createAgcDialog());
        EXPECT_EQ(dynamic_cast<AgcUpDownDialog *>(dialog.get()) != nullptr, upDown) << id;
        EXPECT_EQ(dynamic_cast<AgcDialog *>(dialog.get()) != nullptr, !upDown) << id;
        dialog->adjustSize();
        server::testing::saveWindowPicture(*dialog, upDown ? "KtCtiConfigAgcUpDownDialog" : "KtCtiConfigAgcDialog");
    }
}

TEST_F(BoardPagesTest, AgcGainOutOfRangeIsToldAndRestored)
{
    BoardOptions agc = options(0);
    AgcDialog dialog(agc, m_host.dialogs());
    const struct
    {
        const char *key;
        const char *message;
        const char *after;
    } cases[] = {{"AGCMAXGAIN", "AGCMaxGain out of range! legal value:1-255", "255"},
                 {"AGCMINGAIN", "AGCMinGain out of range! legal value:1-255", "6"}};
    for (const auto &c : cases) {
        m_host.m_dialogs.messages.clear();
        QLineEdit *gain = fieldOf(dialog, c.key);
        ASSERT_NE(gain, nullptr);
        gain->setText("0");
        emit gain->editingFinished();
        ASSERT_EQ(m_host.m_dialogs.messages.size(), 1u);
        EXPECT_EQ(m_host.m_dialogs.messages[0], c.message);
        EXPECT_EQ(gain->text(), c.after);
    }
    dialog.accept();
    EXPECT_EQ(agc.get("AGCMAXGAIN"), "255");
    EXPECT_EQ(agc.get("AGCMINGAIN"), "6");
}

TEST_F(BoardPagesTest, AgcCancelKeepsTheBoard)
{
    BoardOptions agc = options(1);
    const BoardOptions before = agc;
    AgcUpDownDialog dialog(agc);
    fieldOf(dialog, "AGCKEEPTIMEUPLINK")->setText("12345");
    dialog.reject();
    EXPECT_EQ(agc, before);
    AgcUpDownDialog again(agc);
    fieldOf(again, "AGCKEEPTIMEDOWNLINK")->setText("12345");
    again.accept();
    EXPECT_EQ(agc.get("AGCKEEPTIMEDOWNLINK"), "12345");
}

TEST(OmitAbcdCoupling, MarkedElementsTakeTheirRatios)
{
    const std::string scale16 = "10,10,10,10,10,10,10,10,10,10,10,10,10,10,10,10";
    EXPECT_EQ(coupleOmitAbcd(24, "0,0,1,0", "1,0,0,0", scale16), "15,10,32,10,10,10,10,10,10,10,10,10,10,10,10,10");
    // Only the first eight elements count for the 8-element models.
    EXPECT_EQ(coupleOmitAbcd(25, "0,0,0,0,0,0,0,0,0", "0,0,0,0,0,0,0,0,1", "5,5,5,5,5,5,5,5,5"), "5,5,5,5,5,5,5,5,5");
    // Models without the coupling keep their ratios.
    EXPECT_EQ(coupleOmitAbcd(6, "0", "1", "10"), "10");
    EXPECT_EQ(coupleOmitAbcd(77, "1", "1", "7"), "7");
}

TEST_F(BoardPagesTest, LeavingOmitAbcdCouplesTheRatios)
{
    options(2).set("OmitABCD", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    options(2).set("DualAndAllFreqEnScale", "20,20,20,20,20,20,20,20,20,20,20,20,20,20,20,20");
    auto page = m_host.page<BoardVoicePage>(PageKind::BoardVoice);
    page->load(2, -1);
    page->omitAbcd()->setText("0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    emit page->omitAbcd()->editingFinished();
    EXPECT_EQ(page->scale()->text(), "20,15,20,20,20,20,20,20,20,20,20,20,20,20,20,20");
    // Changed again without leaving the field: the store couples too.
    page->omitAbcd()->setText("0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
    ASSERT_TRUE(page->store());
    EXPECT_EQ(options(2).get("DualAndAllFreqEnScale"), "20,32,20,20,20,20,20,20,20,20,20,20,20,20,20,20");
    server::testing::saveWindowPicture(*page, "KtCtiConfigBoardVoicePage");
}

TEST_F(BoardPagesTest, BinVoiceFormatIsWrittenOnlyOnceTheUserSetsIt)
{
    test::TempDirectory dir;
    const std::string path = dir.file("KtConfig.ini");
    m_host.writeAndRead(path);
    const std::string before = m_host.writeAndRead(path);
    EXPECT_EQ(before.find("BinVoiceFormat"), std::string::npos);

    auto page = m_host.page<DigitalPhonePage>(PageKind::DigitalPhone);
    page->load(1, -1); // the recording board
    const auto boxes = page->findChildren<QCheckBox *>();
    const auto bin = std::find_if(boxes.begin(), boxes.end(),
                                  [](QCheckBox *box) { return box->property("key") == "BinVoiceFormat"; });
    ASSERT_NE(bin, boxes.end());
    EXPECT_EQ((*bin)->text(), "Bin Voice Format Support");
    EXPECT_FALSE((*bin)->isChecked());
    ASSERT_TRUE(page->store());
    EXPECT_TRUE(m_host.writeAndRead(path) == before); // compared whole: the file is too long to print

    for (const bool on : {true, false}) {
        (*bin)->setChecked(on);
        ASSERT_TRUE(page->store());
        const std::string text = m_host.writeAndRead(path);
        EXPECT_NE(text.find(on ? "\r\nBinVoiceFormat=1\r\n" : "\r\nBinVoiceFormat=0\r\n"), std::string::npos);
        page->load(1, -1);
        EXPECT_EQ((*bin)->isChecked(), on);
    }
}

} // namespace
} // namespace ktcticonfig
