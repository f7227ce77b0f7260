// The digital trunk, IP and monitoring pages: rule and link lists, the IP checks, the PCM page and
// module programming.
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/CodecList.h"
#include "ktcticonfig/model/IpChecks.h"
#include "ktcticonfig/model/PhoneNumberRule.h"
#include "ktcticonfig/tests/FakeProbe.h"
#include "ktcticonfig/tests/PageTestHost.h"
#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/BoardSipPage.h"
#include "ktcticonfig/ui/CodecListEditor.h"
#include "ktcticonfig/ui/DigitalPhonePage.h"
#include "ktcticonfig/ui/H323Dialog.h"
#include "ktcticonfig/ui/PcmPage.h"
#include "ktcticonfig/ui/SipGlobalPage.h"
#include "ktcticonfig/ui/SpyPage.h"
#include "ktcticonfig/ui/Ss1Page.h"

#include "server/ui/tests/WindowPicture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace ktcticonfig {
namespace {

class ProtocolPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::FakeProbe probe({{0, test::device(test::kPci8E1, 12)}, {1, test::device(test::kIpBoard, 14)}});
        RecordingReporter reporter;
        std::string error;
        ASSERT_TRUE(runDetection(m_host.m_model, probe, reporter, &error)) << error;
    }
    std::vector<std::string> &messages() { return m_host.m_dialogs.messages; }

    test::PageTestHost m_host;
};

TEST(PhoneNumberRule, ReadsWritesAndRefusesShortLengths)
{
    const PhoneNumberRule rule = parsePhoneNumberRule("\"127\",10,1");
    EXPECT_EQ(rule, (PhoneNumberRule{"127", 10, true}));
    EXPECT_EQ(formatPhoneNumberRule(rule), "\"127\",10,1");
    EXPECT_EQ(checkPhoneNumberRule(rule), "");
    EXPECT_EQ(checkPhoneNumberRule({"1234", 3, false}),
              "Error: length of Receiving phone number less than that of prefix!");
    EXPECT_EQ(parsePhoneNumberRule(""), PhoneNumberRule{});
}

TEST_F(ProtocolPagesTest, Ss1RulesAreCheckedAndNeedASelection)
{
    auto page = m_host.page<Ss1Page>(PageKind::Ss1);
    page->load(-1, -1);
    ListEditor *rules = page->lists().at(0);
    std::vector<QStringList> answers = {{"110", "2", "1"}, {"110", "3", "1"}};
    rules->edit = [&](QStringList &values) {
        if (answers.empty())
            return false;
        values = answers.front();
        answers.erase(answers.begin());
        return true;
    };
    rules->addRow();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Error: length of Receiving phone number less than that of prefix!");
    rules->modifyRow();
    rules->deleteRow();
    EXPECT_EQ(messages()[1], "Select the rule to be modified!");
    EXPECT_EQ(messages()[2], "Select the rule to be deleted!");
    ASSERT_TRUE(page->store());
    const auto &stored = m_host.m_model.settings.list(rules->table()->columnCount() ? 0 : 0);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0][0], "\"110\",3,1");
    EXPECT_EQ(rules->table()->item(0, 1)->text(), "110");

    // The MFC R2 protocol is chosen by its code.
    auto lists = page->findChildren<QComboBox *>();
    auto protocol = std::find_if(lists.begin(), lists.end(),
                                 [](QComboBox *c) { return c->property("key").toString() == "mfcr2_Protocol"; });
    ASSERT_NE(protocol, lists.end());
    EXPECT_EQ((*protocol)->currentText(), "cn");
    (*protocol)->setCurrentText("itu");
    ASSERT_TRUE(page->store());
    EXPECT_EQ(m_host.m_model.settings.text("SS1Config", "mfcr2_Protocol"), "itu");

    // Pickup wait and idle indication follow the signalling control type.
    page->protocolType()->setCurrentIndex(0);
    EXPECT_FALSE(page->field("LSWaitPickupTime")->isEnabled());
    EXPECT_FALSE(page->idleState()->isEnabled());
    page->protocolType()->setCurrentIndex(4);
    EXPECT_TRUE(page->field("LSWaitPickupTime")->isEnabled());
    EXPECT_FALSE(page->idleState()->isEnabled());
    page->protocolType()->setCurrentIndex(2);
    EXPECT_TRUE(page->idleState()->isEnabled());
}

TEST_F(ProtocolPagesTest, SpyListsStayWithinTheMonitoredPcms)
{
    auto page = m_host.page<SpyPage>(PageKind::Spy);
    page->load(-1, -1);
    ListEditor *pcms = page->lists().at(0), *circuits = page->lists().at(1), *links = page->lists().at(2);
    std::vector<QStringList> answers = {{"3,1001"}, {"3,4"}, {"3,5,20"}, {"7,1"}};
    for (ListEditor *list : {pcms, circuits, links})
        list->edit = [&](QStringList &values) {
            if (answers.empty())
                return false;
            values = answers.front();
            answers.erase(answers.begin());
            return true;
        };
    circuits->addRow();
    links->addRow();
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"Error! Max SpiedPcm > Max SpyPcm", "Error!Max SpiedSS7_Link > Max SpyPcm"}));
    pcms->addRow(); // 1001 is refused, then 3,4 taken
    EXPECT_EQ(messages().back(), "Parameter out of range! Valid number: 0-1000");
    ASSERT_EQ(pcms->rows().size(), 1u);
    circuits->addRow();
    links->addRow();
    ASSERT_TRUE(page->store());
    const auto &settings = m_host.m_model.settings;
    EXPECT_EQ(settings.list(listIndex("SS7Spy", "TotalSpyPcm")), (std::vector<ListRow>{{"3,4"}}));
    EXPECT_EQ(settings.list(listIndex("SS7Spy", "TotalAppSpyCIC")), (std::vector<ListRow>{{"3,5,20"}}));
    EXPECT_EQ(settings.list(listIndex("SS7Spy", "TotalSpyLinkSet")), (std::vector<ListRow>{{"7,1", ""}}));

    // The monitored PCM that the circuit names cannot go before the circuit.
    pcms->table()->selectRow(0);
    pcms->deleteRow();
    EXPECT_EQ(messages().back(), "The SpyPCM is used by other SpyCicPCM.");
    circuits->table()->selectRow(0);
    circuits->deleteRow();
    pcms->deleteRow();
    EXPECT_TRUE(pcms->rows().empty());
}

TEST(IpChecks, RtpRangeAndJitterDelay)
{
    const std::pair<const char *, const char *> ranges[] = {
        {"6000,10000", ""},
        {"6000;10000", "RTP Range's input format is wrong, please use separating character <,>"},
        {"1000,2000", "The lower limit of RTP Range is wrong, it must between 1024~65535"},
        {"2000,70000", "The upper limit of RTP Range is wrong, it must between 1024~65535"},
        {"9000,8000", "The upper limit of RTP Range must bigger than the lower limit"},
    };
    for (const auto &[range, message] : ranges)
        EXPECT_EQ(checkRtpRange(range), message) << range;
    EXPECT_EQ(checkRtpRange(std::string(200, '1')), "RTP Range's length is too long");
    EXPECT_EQ(checkJitterDelay("50,250"), "");
    EXPECT_EQ(checkJitterDelay("40,250"), "The lower limit of Jitter Delay is wrong, it must between 50~100");
    EXPECT_EQ(checkJitterDelay("60,310"), "The upper limit of Jitter Delay is wrong, it must between 250~300");
    EXPECT_EQ(checkJitterDelay("60"), "Jitter Delay's input format is wrong, please use separating character <,>");
    EXPECT_EQ(checkHeartInterval("1001"), "The heart interval  must between 0~1000");
    EXPECT_EQ(checkLocalPort("80"), "RTP Range must between 1024~65535");
    EXPECT_EQ(checkH323NetworkType("0"), "Network type support UDP only");
}

TEST_F(ProtocolPagesTest, BoardSipRefusesABadRtpRangeAndKeepsTheBoard)
{
    auto page = m_host.page<BoardSipPage>(PageKind::BoardSip);
    page->load(1, -1);
    page->show();
    const BoardOptions before = m_host.m_model.boards[1].options;
    page->field("LocalPort")->setText("5060");
    page->field("RTPRange")->setText("9000;9100");
    EXPECT_FALSE(page->store());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "RTP Range's input format is wrong, please use separating character <,>");
    EXPECT_EQ(page->focusWidget(), page->field("RTPRange"));
    EXPECT_EQ(m_host.m_model.boards[1].options, before);
    page->field("RTPRange")->setText("9100,9000");
    EXPECT_FALSE(page->store());
    EXPECT_EQ(messages()[1], "The upper limit of RTP Range must bigger than the lower limit");
    page->field("RTPRange")->setText("9000,9100");
    EXPECT_TRUE(page->store());
    EXPECT_EQ(m_host.m_model.boards[1].options.get("RTPRange"), "9000,9100");
}

TEST(BoardSipLayouts, EachFlavourShowsItsFieldsAndAnUneditedPageKeepsTheFile)
{
    constexpr unsigned kSecondFlavour = 109; // code 88
    test::FakeProbe probe({{0, test::device(test::kIpBoard, 14)}, {1, test::device(kSecondFlavour, 15)}});
    test::PageTestHost host;
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(runDetection(host.m_model, probe, reporter, &error)) << error;
    ASSERT_TRUE(host.m_model.boards.at(1).flags.ipSecond);
    test::TempDirectory dir;
    const std::string path = dir.file("KtConfig.ini");
    // The first write and read settle the values that reading changes; from then on nothing changes.
    host.writeAndRead(path);
    const std::string before = host.writeAndRead(path);

    const std::vector<std::string_view> first = {"BoardIP", "Submask", "Gateway"};
    const std::vector<std::string_view> second = {"LocalIp", "RecvDtmfType", "ProtocolType"};
    const std::vector<std::string_view> both = {"LocalPort", "RTPRange",   "DisplayName", "AudioCodecList", "Register",
                                                "Domain",    "RegExpires", "UserName",    "RegPassword",    "RegRealm"};
    auto page = host.page<BoardSipPage>(PageKind::BoardSip);
    page->show();
    for (const int board : {0, 1}) {
        SCOPED_TRACE(board);
        page->load(board, -1);
        for (const auto &[keys, shown] : {std::pair{first, board == 0}, {second, board == 1}, {both, true}})
            for (std::string_view key : keys) {
                EXPECT_EQ(page->shows(key), shown) << key;
                EXPECT_EQ(page->field(key)->isVisible(), shown) << key;
            }
        EXPECT_EQ(page->h323Button()->isVisible(), board == 0);
        server::testing::saveWindowPicture(*page, board == 0 ? "KtCtiConfigBoardSipFirstFlavour"
                                                             : "KtCtiConfigBoardSipSecondFlavour");
        ASSERT_TRUE(page->store());
    }
    EXPECT_TRUE(host.writeAndRead(path) == before); // compared whole: the file is too long to print

    // The address the layout shows takes the length check; within it, it is stored.
    for (const auto &[board, key] : {std::pair{0, "BoardIP"}, std::pair{1, "LocalIp"}}) {
        page->load(board, -1);
        page->field(key)->setText(QString(250, '1'));
        EXPECT_FALSE(page->store()) << key;
        EXPECT_EQ(host.m_dialogs.messages.back(), "Local Port's length is too long");
        EXPECT_EQ(page->focusWidget(), page->field(key));
        page->field(key)->setText("192.168.1.20");
        ASSERT_TRUE(page->store());
        EXPECT_EQ(host.m_model.boards[static_cast<std::size_t>(board)].options.get(key), "192.168.1.20");
    }
    EXPECT_EQ(host.m_model.boards[0].options.get("LocalIp"), "0.0.0.0");
}

TEST(CodecList, StepsAndTheirRefusals)
{
    std::vector<int> codecs = parseCodecList("6,7");
    EXPECT_EQ(addCodec(codecs, -1), "Please choose the codec which you want to add");
    EXPECT_EQ(addCodec(codecs, 7), "This codec is enabled");
    EXPECT_EQ(addCodec(codecs, 131), "");
    EXPECT_EQ(addCodec(codecs, 4), "The stack only support three codecs now");
    EXPECT_EQ(raiseCodec(codecs, 2), "");
    EXPECT_EQ(formatCodecList(codecs), "6,131,7");
    EXPECT_EQ(lowerCodec(codecs, 0), "");
    EXPECT_EQ(formatCodecList(codecs), "131,6,7");
    EXPECT_EQ(removeCodec(codecs, -1), "Please choose the codec which you want to delete");
    EXPECT_EQ(raiseCodec(codecs, 5), "Please choose the codec which you want to up");
    EXPECT_EQ(lowerCodec(codecs, -1), "Please choose the codec which you want to down");
    EXPECT_EQ(removeCodec(codecs, 1), "");
    EXPECT_EQ(formatCodecList(codecs), "131,7");
    EXPECT_EQ(codecName(7), "G.711 mu-Law");
    EXPECT_EQ(codecName(99), "99");
}

TEST_F(ProtocolPagesTest, CodecListEditsTheBoardsCodecs)
{
    auto page = m_host.page<BoardSipPage>(PageKind::BoardSip);
    page->load(1, -1);
    CodecListEditor *codecs = page->codecs();
    page->field("AudioCodecList")->setText("6,7");
    ASSERT_EQ(codecs->enabled()->count(), 2);
    EXPECT_EQ(codecs->enabled()->item(1)->text(), "G.711 mu-Law");
    codecs->add();
    EXPECT_EQ(messages().back(), "Please choose the codec which you want to add");
    codecs->available()->setCurrentRow(2); // G.729
    codecs->add();
    codecs->up();
    EXPECT_EQ(page->field("AudioCodecList")->text(), "6,131,7");
    auto *dtmf = page->findChild<QComboBox *>();
    ASSERT_NE(dtmf, nullptr);
    EXPECT_EQ(dtmf->property("key").toString(), "SendDtmfType");
    EXPECT_EQ(dtmf->currentText(), "RFC2833");
    dtmf->setCurrentIndex(2);
    ASSERT_TRUE(page->store());
    EXPECT_EQ(m_host.m_model.boards[1].options.get("SendDtmfType"), "2");
    EXPECT_EQ(m_host.m_model.boards[1].options.get("AudioCodecList"), "6,131,7");
}

TEST_F(ProtocolPagesTest, SipGlobalAndH323Checks)
{
    auto page = m_host.page<SipGlobalPage>(PageKind::SipGlobal);
    page->load(-1, -1);
    page->field("HeartInterval")->setText("2000");
    EXPECT_FALSE(page->store());
    EXPECT_EQ(messages().back(), "The heart interval  must between 0~1000");
    EXPECT_EQ(page->focusWidget(), page->field("HeartInterval"));
    EXPECT_EQ(m_host.m_model.settings.number("SIP", "HeartInterval"), 0);

    H323Dialog dialog(m_host.m_model.settings, m_host.dialogs());
    dialog.field("JitterDelay")->setText("50;250");
    dialog.accept();
    EXPECT_EQ(messages().back(), "Jitter Delay's input format is wrong, please use separating character <,>");
    EXPECT_EQ(m_host.m_model.settings.text("h323", "JitterDelay"), "50,250");
    dialog.field("JitterDelay")->setText("60,260");
    dialog.accept();
    EXPECT_EQ(m_host.m_model.settings.text("h323", "JitterDelay"), "60,260");
    dialog.adjustSize();
    server::testing::saveWindowPicture(dialog, "KtCtiConfigH323Dialog");
}

TEST_F(ProtocolPagesTest, PcmPageKeepsAChangedFlagAndAppliesToAll)
{
    auto page = m_host.page<PcmPage>(PageKind::Pcm);
    EXPECT_TRUE(page->keepsChangedFlag());
    page->load(0, 1);
    EXPECT_FALSE(page->isChanged());
    page->signallingList()->setCurrentIndex(0); // U-side
    EXPECT_TRUE(page->isChanged());
    page->clockList()->setCurrentIndex(2);
    page->applyToAll();
    EXPECT_FALSE(page->isChanged());
    for (const PcmLink &pcm : m_host.m_model.boards[0].pcms) {
        EXPECT_EQ(pcm.signalling, 0);
        EXPECT_EQ(pcm.clockMode, 2);
    }
    page->load(0, 0);
    page->signallingList()->setCurrentIndex(1); // SS1
    ASSERT_TRUE(page->store());
    EXPECT_EQ(m_host.m_model.boards[0].pcms[0].signalling, 1);
    EXPECT_EQ(m_host.m_model.boards[0].pcms[1].signalling, 0);
}

TEST_F(ProtocolPagesTest, SetModuleTypeNeedsATypeAndReportsNoModule)
{
    auto page = m_host.page<DigitalPhonePage>(PageKind::DigitalPhone);
    page->load(0, -1);
    page->setModuleType();
    EXPECT_EQ(messages().back(), "Please select new type!");
    page->newTypeList()->setCurrentIndex(1);
    page->moduleField()->setText("2");
    page->setModuleType();
    EXPECT_EQ(messages().back(), "Module 2 does not exist... ...");
}

TEST(ProtocolReadRules, IsdnModeAndMfcKdAreRepairedOnRead)
{
    test::TempDirectory dir;
    test::FakeProbe probe({{0, test::device(test::kPci8E1, 12)}});
    ConfigModel model;
    RecordingReporter reporter;
    std::string error;
    ASSERT_TRUE(runDetection(model, probe, reporter, &error)) << error;
    ASSERT_TRUE(writeModel(dir.file("KtConfig.ini"), model, reporter));
    std::string text = test::TempDirectory::read(dir.file("KtConfig.ini"));
    // The values of two keys replaced by hand.
    const auto replace = [&](const std::string &key, const std::string &value) {
        const std::size_t at = text.find("\n" + key + "=");
        ASSERT_NE(at, std::string::npos) << key;
        const std::size_t start = at + key.size() + 2;
        text.replace(start, text.find('\r', start) - start, value);
    };
    replace("UseISDNMode", "7");
    replace("MfcKD", "9");
    dir.put("KtConfig.ini", text);
    ConfigModel read;
    ASSERT_TRUE(readModel(dir.file("KtConfig.ini"), read, reporter, &error)) << error;
    EXPECT_EQ(read.settings.number("ISDN", "UseISDNMode"), 0);
    EXPECT_EQ(read.settings.number("SS1Config", "MfcKD"), 3);
    EXPECT_NE(test::TempDirectory::read(dir.file("KtConfig.ini")).find("MfcKD=3"), std::string::npos);
}

} // namespace
} // namespace ktcticonfig
