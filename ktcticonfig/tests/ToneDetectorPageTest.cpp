// The tone detector page: area selection, the item table and its dialog, the mode and switch fields.
#include "ktcticonfig/ui/ToneDetectorPage.h"
#include "ktcticonfig/model/ToneAreas.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/ui/ToneItemDialog.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <cstring>

namespace ktcticonfig {
namespace {

class ToneDetectorPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_page = m_host.page<ToneDetectorPage>(PageKind::ToneDetector);
        m_page->load(-1, -1);
    }
    GlobalSettings &settings() { return m_host.m_model.settings; }
    std::string text(std::string_view key) { return settings().text("SystemConfig", key); }

    test::PageTestHost m_host;
    std::unique_ptr<ToneDetectorPage> m_page;
};

TEST(ToneAreas, TableHoldsTheDefaultAndOneHundredEightyAreasInOrder)
{
    const auto areas = toneAreas();
    ASSERT_EQ(areas.size(), 181u);
    EXPECT_STREQ(areas[0].name, "Default");
    EXPECT_STREQ(areas[1].name, "Albania");
    EXPECT_STREQ(areas[4].name, "Anguilla");
    EXPECT_STREQ(areas[9].name, "Australia");
    EXPECT_STREQ(areas[180].name, "Zimbabwe");
    for (std::size_t i = 1; i < areas.size(); ++i) {
        EXPECT_LE(std::strlen(areas[i].name), 47u);
        if (i > 1) {
            EXPECT_LT(std::strcmp(areas[i - 1].name, areas[i].name), 0) << areas[i].name;
        }
        EXPECT_GT(areas[i].busyOn, 0.0) << areas[i].name;
    }
    EXPECT_EQ(areas[9].ringOn, 0.4);
    EXPECT_EQ(areas[180].busyF1, 400u);
    EXPECT_EQ(areas[180].ringF1, 450u);
}

TEST_F(ToneDetectorPageTest, SelectingAnAreaFillsTheToneStringsAndItems)
{
    const struct
    {
        int area;
        const char *tonePara, *busy, *ring;
    } cases[] = {{4, "350,80,440,80,50", "1000", "2000,4000"}, {0, "450,80,0,0,50", "700", "1000,4000"}};
    for (const auto &c : cases) {
        m_page->areaList()->setCurrentIndex(c.area);
        m_page->selectArea(c.area);
        ASSERT_TRUE(m_page->store());
        EXPECT_EQ(text("TonePara"), c.tonePara);
        EXPECT_EQ(text("BusyTonePeriod"), c.busy);
        EXPECT_EQ(text("RingEchoTonePara"), c.ring);
        EXPECT_EQ(settings().system("CurArea"), c.area);
        ASSERT_EQ(settings().toneItems.size(), 5u);
        if (c.area == 4) {
            const auto &ring = settings().toneItems[2].fields;
            EXPECT_EQ(ring[kToneF1], 440u);
            EXPECT_EQ(ring[kToneF2], 480u);
            EXPECT_EQ(ring[kToneT1], 2000u);
            EXPECT_EQ(ring[kToneT2], 4000u);
            EXPECT_EQ(settings().toneItems[1].fields[kToneF2], 620u);
            EXPECT_EQ(m_page->itemList()->item(0, 3)->text(), "350"); // dial F1
        } else {
            EXPECT_EQ(settings().toneItems, builtInToneDetectorItems());
        }
    }
}

TEST_F(ToneDetectorPageTest, TwentyFirstItemIsRefusedAndRemovalRenumbers)
{
    m_page->enhancedMode()->setChecked(true);
    int opened = 0;
    m_page->edit = [&](ToneDetectorItem &) { return ++opened, true; };
    for (int i = 5; i < 20; ++i)
        m_page->addItem();
    EXPECT_EQ(m_page->itemList()->rowCount(), 20);
    EXPECT_EQ(m_page->totalLabel()->text(), "Total items:20");
    m_page->addItem();
    EXPECT_EQ(opened, 15);
    ASSERT_EQ(m_host.m_dialogs.messages.size(), 1u);
    EXPECT_EQ(m_host.m_dialogs.messages[0], "It's too much to add new item");

    m_page->load(-1, -1);
    m_host.m_dialogs.messages.clear();
    m_page->removeItem();
    m_page->modifyItem();
    EXPECT_EQ(m_host.m_dialogs.messages,
              (std::vector<std::string>{"Please choose the item to remove.", "Please choose the item to modify."}));
    m_page->itemList()->selectRow(0);
    m_page->removeItem();
    ASSERT_EQ(m_page->itemList()->rowCount(), 4);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(m_page->itemList()->item(row, 0)->text(), QString::number(row));
    EXPECT_EQ(m_page->itemList()->item(0, 1)->text(), "Busy");
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().toneItems.size(), 4u);
}

TEST_F(ToneDetectorPageTest, SelfDefinedSwitchOutsideItsValuesBecomesZero)
{
    QLineEdit *sw = m_page->field("AppointedToneAnalyzerSwitch");
    const struct
    {
        const char *typed, *after;
        bool time, duration;
    } cases[] = {{"5", "0", false, false}, {"1", "1", true, false}, {"2", "2", false, true}};
    for (const auto &c : cases) {
        sw->setText(c.typed);
        emit sw->editingFinished();
        EXPECT_EQ(sw->text(), c.after);
        EXPECT_EQ(m_page->field("IsAppointedToneDetermineTime")->isEnabled(), c.time) << c.typed;
        EXPECT_EQ(m_page->field("AppointedTonePara")->isEnabled(), c.duration) << c.typed;
        EXPECT_EQ(m_page->field("IsAppointedToneDetermineCount")->isEnabled(), c.duration) << c.typed;
    }
}

TEST_F(ToneDetectorPageTest, ModeSwitchEnablesOneGroup)
{
    m_page->originalMode()->setChecked(true);
    EXPECT_TRUE(m_page->field("TonePara")->isEnabled());
    EXPECT_FALSE(m_page->field("2ndTonePara")->isEnabled());
    EXPECT_FALSE(m_page->itemList()->isEnabled());
    m_page->secondDetector()->setChecked(true);
    EXPECT_TRUE(m_page->field("2ndTonePara")->isEnabled());
    m_page->enhancedMode()->setChecked(true);
    EXPECT_FALSE(m_page->field("TonePara")->isEnabled());
    EXPECT_FALSE(m_page->secondDetector()->isEnabled());
    EXPECT_TRUE(m_page->itemList()->isEnabled());
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("ToneDetectorMode"), 1);
    EXPECT_EQ(settings().system("Enable2ndToneAnalyzer"), 1);
    m_page->areaList()->setCurrentIndex(4);
    m_page->selectArea(4);
    server::testing::saveWindowPicture(*m_page, "KtCtiConfigToneDetectorPage");
}

TEST(ToneItemDialog, TypePresetsAndModeFields)
{
    ToneItemDialog dialog(builtInToneDetectorItems()[0]);
    dialog.typeList()->setCurrentIndex(1);
    emit dialog.typeList()->activated(1); // Busy
    ToneDetectorItem busy = dialog.item();
    EXPECT_EQ(busy, builtInToneDetectorItems()[1]);
    EXPECT_TRUE(dialog.numberField(kTonePeriodCount)->isEnabled());
    EXPECT_FALSE(dialog.numberField(kToneT3)->isEnabled());
    dialog.modeList()->setCurrentIndex(2);
    emit dialog.modeList()->activated(2); // SIT
    EXPECT_TRUE(dialog.numberField(kToneT3)->isEnabled());
    EXPECT_FALSE(dialog.numberField(kTonePeriodCount)->isEnabled());
    server::testing::saveWindowPicture(dialog, "KtCtiConfigToneItemDialog");

    ToneDetectorItem own = builtInToneDetectorItems()[0];
    own.fields[kToneType] = 9;
    ToneItemDialog appointed(own);
    EXPECT_EQ(appointed.typeList()->currentText(), "Appointed");
    EXPECT_EQ(appointed.item(), own);
    own.fields[kToneType] = 8;
    ToneItemDialog fax(own);
    EXPECT_EQ(fax.typeList()->currentText(), "FAX F2");
}

} // namespace
} // namespace ktcticonfig
