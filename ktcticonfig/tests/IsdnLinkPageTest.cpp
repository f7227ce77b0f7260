// The ISDN page's links: the link dialog adds, changes, moves and deletes links, the file carries
// them, and a page left unedited changes nothing in the file, whether or not it has the link keys.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/IsdnLink.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/IsdnLinkDialog.h"
#include "ktcticonfig/ui/IsdnLinkList.h"
#include "ktcticonfig/ui/IsdnPage.h"
#include "ktcticonfig/ui/Translations.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

namespace ktcticonfig {
namespace {

constexpr unsigned kIsdnBoard = 111; // code 97: two PCMs of ISDN user-side signalling

class IsdnLinkPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::FakeProbe probe({{0, test::device(kIsdnBoard, 21)}});
        RecordingReporter reporter;
        std::string error;
        ASSERT_TRUE(runDetection(m_detected, probe, reporter, &error)) << error;
        ASSERT_EQ(m_detected.pcmList.size(), 2u);
    }

    /// Writes `model` to KtConfig.ini and reads it into the page host, twice: the first write and read
    /// settle the values that reading changes, and from then on a write of what was read changes nothing.
    std::string writeAndRead(const ConfigModel &model)
    {
        const std::string path = m_dir.file("KtConfig.ini");
        m_host.m_model = model;
        m_host.writeAndRead(path);
        m_host.writeAndRead(path);
        return path;
    }
    std::vector<std::string> &messages() { return m_host.m_dialogs.messages; }

    ConfigModel m_detected;
    test::TempDirectory m_dir;
    test::PageTestHost m_host;
};

TEST(IsdnLinkCodes, ReadOnlyWholeNumbersAndWriteLowerCaseHex)
{
    EXPECT_EQ(linkCode("0xa1"), 0xa1);
    EXPECT_EQ(linkCode("0XA1"), 0xa1);
    EXPECT_EQ(linkCode("6"), 6);
    EXPECT_EQ(linkCode(""), std::nullopt);
    EXPECT_EQ(linkCode("0xzz"), std::nullopt);
    EXPECT_EQ(linkCode("6a"), std::nullopt);
    EXPECT_EQ(hexLinkCode(0x01), "0x01");
    EXPECT_EQ(hexLinkCode(0xc1), "0xc1");
}

TEST_F(IsdnLinkPageTest, TheDialogAddsChangesMovesAndDeletesLinksAndTheFileCarriesThem)
{
    const std::string path = writeAndRead(m_detected);
    auto page = m_host.page<IsdnPage>(PageKind::Isdn);
    page->load(-1, -1);
    IsdnLinkList *links = page->links();
    EXPECT_EQ(links->total(false)->text(), "Total links on user-side:2");
    EXPECT_EQ(links->total(true)->text(), "Total links on net-side:0");
    EXPECT_EQ(links->table(false)->item(1, 0)->text(), "1");

    links->modifyLink();
    links->deleteLink();
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Select the linker to be modified!", "Select the linker to be deleted!"}));

    // The second link: TEI 5, CRC on, international called numbers, u-law, moved to the network side.
    links->run = [](IsdnLinkDialog &dialog) {
        EXPECT_TRUE(dialog.userSideButton()->isChecked());
        EXPECT_EQ(dialog.codeList(kLinkCalledNoSet)->currentText(), "National(0XA1)");
        EXPECT_EQ(dialog.codeList(kLinkCallingNoSet)->currentText(), "National(0X21)");
        EXPECT_EQ(dialog.codeList(kLinkSpeechCode)->currentText(), "A-law");
        EXPECT_EQ(dialog.textField(kLinkChannelId)->text(), "0x10");
        dialog.textField(kLinkTei)->setText("5");
        dialog.crcBox()->setChecked(true);
        dialog.codeList(kLinkCalledNoSet)->setCurrentIndex(1);
        dialog.codeList(kLinkSpeechCode)->setCurrentIndex(1);
        dialog.netSideButton()->setChecked(true);
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    };
    links->table(false)->selectRow(1);
    links->modifyLink();
    ASSERT_EQ(links->links(false).size(), 1u);
    ASSERT_EQ(links->links(true).size(), 1u);
    EXPECT_EQ(links->links(true)[0], (ListRow{"1", "1", "5", "1", "0x10", "0x91", "0x21", "7"}));
    EXPECT_EQ(links->total(true)->text(), "Total links on net-side:1");

    // A new user-side link: a TEI above 127 and a link number outside the PCM list are refused and
    // the dialog stays open until they are right.
    std::vector<std::string> refusals;
    links->run = [&](IsdnLinkDialog &dialog) {
        dialog.userSideButton()->setChecked(true);
        dialog.textField(kLinkPcm)->setText("2");
        dialog.textField(kLinkTei)->setText("200");
        dialog.codeList(kLinkCallingNoSet)->setCurrentIndex(3);
        dialog.textField(kLinkChannelId)->setText("0x8a");
        dialog.accept();
        dialog.textField(kLinkPcm)->setText("0");
        dialog.accept();
        dialog.textField(kLinkTei)->setText("17");
        dialog.accept();
        return dialog.result() == QDialog::Accepted;
    };
    links->table(true)->clearSelection();
    links->addLink();
    EXPECT_EQ(messages().at(2), "Link No. must between 0~1");
    EXPECT_EQ(messages().at(3), "TEI value must between 0~127");
    ASSERT_EQ(links->links(false).size(), 2u);
    EXPECT_EQ(links->links(false)[1], (ListRow{"0", "0", "17", "0", "0x8a", "0xa1", "0x41", "6"}));

    // The first user-side link goes; the new one takes its place in the file.
    links->table(false)->selectRow(0);
    links->deleteLink();
    ASSERT_TRUE(page->store());
    const std::string text = m_host.writeAndRead(path);
    for (const char *line :
         {"TotalUserLinker=1", "UserTEIValue[0]=17", "UserCallingNoSet[0]=0x41", "UserChannelID[0]=0x8a",
          "TotalNetLinker=1", "NetPcmLink[0]=1", "NetCRC[0]=1", "NetCalledNoSet[0]=0x91", "NetSpeechCode[0]=7"})
        EXPECT_NE(text.find(std::string("\n") + line + "\r"), std::string::npos) << line;
    ConfigModel read;
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(readModel(path, read, reporter, &error)) << error;
    EXPECT_EQ(read.settings.list(listIndex("ISDN", "TotalUserLinker")), links->links(false));
    EXPECT_EQ(read.settings.list(listIndex("ISDN", "TotalNetLinker")), links->links(true));
}

TEST_F(IsdnLinkPageTest, AnUneditedPageAndDialogLeaveTheFileByteIdentical)
{
    const std::optional<std::string> absent;
    const struct
    {
        const char *name;
        ListRow link;
    } cases[] = {
        // A file of an older tool: the three first items only.
        {"without the link keys", {"0", "0", "0", absent, absent, absent, absent, absent}},
        // Values the lists do not know, a TEI out of range and a CRC of 2 are shown and kept.
        {"with odd values", {"1", "1", "200", "2", "0X20", "0x55", "0X21", "9"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages().clear();
        ConfigModel model = m_detected;
        model.settings.list(listIndex("ISDN", "TotalUserLinker")) = {c.link};
        const std::string path = writeAndRead(model);
        const std::string before = test::TempDirectory::read(path);
        EXPECT_EQ(before.find("UserCRC[0]") != std::string::npos, c.link[kLinkCrc].has_value());

        auto page = m_host.page<IsdnPage>(PageKind::Isdn);
        page->load(-1, -1);
        IsdnLinkList *links = page->links();
        links->run = [&](IsdnLinkDialog &dialog) {
            if (c.link[kLinkSpeechCode]) {
                EXPECT_EQ(dialog.codeList(kLinkCalledNoSet)->currentText(), "0x55");
                EXPECT_EQ(dialog.codeList(kLinkCallingNoSet)->currentText(), "National(0X21)");
                EXPECT_EQ(dialog.codeList(kLinkSpeechCode)->currentText(), "9");
                EXPECT_EQ(dialog.textField(kLinkTei)->text(), "200");
                EXPECT_TRUE(dialog.crcBox()->isChecked());
            }
            dialog.accept();
            return dialog.result() == QDialog::Accepted;
        };
        links->table(false)->selectRow(0);
        links->modifyLink();
        EXPECT_EQ(links->links(false).at(0), c.link);
        ASSERT_TRUE(page->store());
        // Compared whole; the files are too long to print.
        EXPECT_TRUE(m_host.writeAndRead(path) == before);
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(IsdnLinkPageTest, PictureOfTheLinkDialog)
{
    IsdnLinkDialog dialog(m_detected.settings.list(listIndex("ISDN", "TotalUserLinker")).at(0), false, 2,
                          m_host.dialogs());
    dialog.adjustSize();
    server::testing::saveWindowPicture(dialog, "KtCtiConfigIsdnLinkDialog");
    {
        ASSERT_TRUE(installTranslators(Language::SimplifiedChinese));
        IsdnLinkDialog chinese(m_detected.settings.list(listIndex("ISDN", "TotalUserLinker")).at(0), false, 2,
                               m_host.dialogs());
        chinese.adjustSize();
        server::testing::saveWindowPicture(chinese, "KtCtiConfigIsdnLinkDialog_zh_CN");
        EXPECT_NE(chinese.userSideButton()->text(), "User side");
        installTranslators(Language::English);
    }
    auto page = m_host.page<IsdnPage>(PageKind::Isdn);
    m_host.m_model = m_detected;
    page->load(-1, -1);
    page->links()->table(false)->selectRow(0);
    page->show();
    server::testing::saveWindowPicture(*page, "KtCtiConfigIsdnLinks");
}

} // namespace
} // namespace ktcticonfig
