// The global voice options page: field checks on leaving a field, the store rules and the FSK dialog.
#include "ktcticonfig/ui/GlobalVoicePage.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/FskDialog.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace ktcticonfig {
namespace {

class GlobalVoicePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_page = m_host.page<GlobalVoicePage>(PageKind::GlobalVoice);
        m_page->load(-1, -1);
    }
    void leave(std::string_view key, const QString &text)
    {
        QLineEdit *edit = m_page->field(key);
        edit->setText(text);
        emit edit->editingFinished();
    }
    GlobalSettings &settings() { return m_host.m_model.settings; }

    test::PageTestHost m_host;
    std::unique_ptr<GlobalVoicePage> m_page;
};

TEST_F(GlobalVoicePageTest, FieldsOutOfRangeAreToldAndPutBack)
{
    struct Case
    {
        std::string_view key;
        const char *entered;
        const char *message;
        const char *after;
    };
    const Case cases[] = {
        {"MaxPlayMemList", "70000", "MaxPlayMemList out of range! Valid range: 0-65535.", "256"},
        {"MaxPlayFileList", "-1", "MaxPlayFileList out of range! Valid range: 0-65535.", "256"},
        {"MaxPlayIndexList", "65536", "MaxPlayIndexList out of range! Valid range: 0-65535.", "256"},
        {"PrerecordInsertTime", "1001", "Parameter out of range! Valid number: 0-1000", "500"},
        {"ConfDefaultMaxGroupSpeaking", "7", "Out Of Range!", "6"},
    };
    m_page->field("MaxPlayFileList")->setText("1234");
    for (const Case &c : cases) {
        m_host.m_dialogs.messages.clear();
        leave(c.key, c.entered);
        ASSERT_EQ(m_host.m_dialogs.messages.size(), 1u) << c.key;
        EXPECT_EQ(m_host.m_dialogs.messages[0], c.message);
        EXPECT_EQ(m_page->field(c.key)->text(), c.after);
        if (c.key == "MaxPlayMemList") { // the other list fields are not touched
            EXPECT_EQ(m_page->field("MaxPlayFileList")->text(), "1234");
        }
    }
    m_host.m_dialogs.messages.clear();
    leave("MaxPlayMemList", "65535");
    leave("ConfDefaultMaxGroupSpeaking", "0");
    EXPECT_TRUE(m_host.m_dialogs.messages.empty());
}

TEST_F(GlobalVoicePageTest, NumberFieldsRefuseLettersAndTextFieldsTakeThem)
{
    const auto accepts = [this](std::string_view key, QString text) {
        const QValidator *v = m_page->field(key)->validator();
        int pos = 0;
        return !v || v->validate(text, pos) != QValidator::Invalid;
    };
    EXPECT_FALSE(accepts("PlayBufSize", "12a"));
    EXPECT_TRUE(accepts("PlayBufSize", "-512"));
    EXPECT_TRUE(accepts("RingDetectFilterPara", "6,40"));
    EXPECT_TRUE(accepts("DefaultTxFlashChar", "!"));
}

TEST_F(GlobalVoicePageTest, ClearingPrerecordingKeepsTheStartupMode)
{
    settings().setSystem("PrerecordEnable", 1);
    settings().setSystem("PrerecordMode", 1);
    m_page->load(-1, -1);
    EXPECT_TRUE(m_page->prerecordMode()->isEnabled());
    m_page->prerecordMode()->setCurrentIndex(0);
    m_page->prerecordEnable()->setChecked(false);
    EXPECT_FALSE(m_page->prerecordMode()->isEnabled());
    EXPECT_FALSE(m_page->prerecordCodec()->isEnabled());
    EXPECT_FALSE(m_page->field("PrerecordInsertTime")->isEnabled());
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("PrerecordEnable"), 0);
    EXPECT_EQ(settings().system("PrerecordMode"), 1);

    m_page->prerecordEnable()->setChecked(true);
    m_page->prerecordMode()->setCurrentIndex(0);
    m_page->prerecordCodec()->setCurrentIndex(4);
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("PrerecordMode"), 0);
    EXPECT_EQ(settings().system("PrerecordCodec"), 85);
}

TEST_F(GlobalVoicePageTest, CodecOutsideTheListKeepsItsCode)
{
    settings().setSystem("PrerecordCodec", 3);
    m_page->load(-1, -1);
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("PrerecordCodec"), 3);
}

TEST_F(GlobalVoicePageTest, StoreRules)
{
    test::FakeProbe probe({{0, test::device(test::kPci8Channel, 11)}});
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(runDetection(m_host.m_model, probe, reporter, &error)) << error;
    m_page->load(-1, -1);
    m_page->field("DefaulteventOutput")->setText("5");
    m_page->field("DefaultTxFlashChar")->setText("");
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("DefaulteventOutput"), 1);
    EXPECT_EQ(settings().text("SystemConfig", "DefaultTxFlashChar"), "");

    // The empty flash character is written empty and reads back as the default "!".
    test::TempDirectory dir;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), m_host.m_model, reporter));
    EXPECT_NE(test::TempDirectory::read(dir.file("KtConfig.ini")).find("DefaultTxFlashChar=\r\n"), std::string::npos);
    ConfigModel read;
    ASSERT_TRUE(readModel(dir.file("KtConfig.ini"), read, reporter, &error)) << error;
    EXPECT_EQ(read.settings.text("SystemConfig", "DefaultTxFlashChar"), "!");
}

TEST_F(GlobalVoicePageTest, ScheduleOnVolumeStoresTwo)
{
    settings().setSystem("ConfJoinedbyEnergy", 0);
    m_page->load(-1, -1);
    auto boxes = m_page->findChildren<QCheckBox *>();
    auto it = std::find_if(boxes.begin(), boxes.end(), [](QCheckBox *b) { return b->text() == "Schedule on Volume"; });
    ASSERT_NE(it, boxes.end());
    (*it)->setChecked(true);
    ASSERT_TRUE(m_page->store());
    EXPECT_EQ(settings().system("ConfJoinedbyEnergy"), 2);
}

TEST_F(GlobalVoicePageTest, FskDialogStoresOnOkOnly)
{
    for (bool ok : {false, true}) {
        GlobalSettings fsk;
        FskDialog dialog(fsk);
        auto fields = dialog.findChildren<QLineEdit *>();
        ASSERT_EQ(fields.size(), 4);
        EXPECT_EQ(fields[0]->text(), "2200");
        fields[0]->setText("9999"); // no range check in the dialog
        ok ? dialog.accept() : dialog.reject();
        EXPECT_EQ(fsk.number("FSKConfig", "FreqBit0"), ok ? 9999 : 2200);
        if (ok)
            server::testing::saveWindowPicture(dialog, "KtCtiConfigFskDialog");
    }
}

TEST_F(GlobalVoicePageTest, Picture)
{
    m_page->show();
    server::testing::saveWindowPicture(*m_page, "KtCtiConfigGlobalVoicePage");
}

} // namespace
} // namespace ktcticonfig
