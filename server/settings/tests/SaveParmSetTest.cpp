// The parameter dialog's save without its widgets: the field table, unchanged saves, save and reload,
// the check before anything is written, and what reaches the running record with and without "启用参数".
#include "server/settings/SaveParmSet.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/ParmSetFields.h"
#include "server/settings/SetupKeys.h"
#include "server/settings/tests/SetupFolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>
#include <unistd.h>

namespace server {
namespace {

namespace fs = std::filesystem;

// A Setup.ini as operators keep it: comments, keys of other programs, odd spacing and case, quotes,
// a hexadecimal value, a value wider than its field, Chinese text, keys left out and a last line
// without its line end.
constexpr const char *kKeptSetup = "; 自动语音通知系统的配置\r\n"
                                   "[CardParm]\r\n"
                                   "Card1=111111112222\r\n"
                                   "Card1Use=111111111111\r\n"
                                   "ChPolarity=0101\r\n"
                                   "Extra=kept\r\n"
                                   "\r\n"
                                   "[Other]\r\n"
                                   "; minutes between attempts\r\n"
                                   "interval = 300\r\n"
                                   "CallOutTimeOut=0x1E\r\n"
                                   "VocDBSpeed=abc\r\n"
                                   "Title=\"自动语音通知系统\"\r\n"
                                   "BeginTime= 08:30\r\n"
                                   "Language=广东话\r\n"
                                   "SMSContent=您好，请按时缴费。\r\n"
                                   "TeleAddSpecChar=#\r\n"
                                   "Unknown=value of another program\r\n"
                                   "[Database]\r\n"
                                   "ServerName=  db.local  \r\n"
                                   "DBType=5\r\n"
                                   "[FaxLocalID]\r\n"
                                   "Ch1ID=8001\r\n"
                                   "Ch28ID=8028\r\n"
                                   "PrefixNum3= 9 \r\n"
                                   "[Vendor]\r\n"
                                   "Key=1";

class SaveParmSetTest : public testing::SetupFolderTest
{
protected:
    /// Loads Setup.ini as the dialog does when it opens and gives its form.
    ParmSetForm open()
    {
        EXPECT_TRUE(LoadSettings(settings, tables, dialogs));
        return formFromSettings(settings, tables);
    }
    bool save(const ParmSetForm &form, bool enable = true, FormProblem *problem = nullptr)
    {
        return SaveParmSet(form, enable, settings, tables, dialogs, problem);
    }
    std::string messages() const
    {
        std::string all;
        for (const auto &d : dialogs.shown)
            all += d.caption + ": " + d.text + "\n";
        return all;
    }
};

// The value of a record field as text, the way the form shows it.
std::string recordText(const Settings &s, const ParmSetField &field)
{
    const SetupKey &k = *findSetupKey(field.section, field.key);
    return std::visit(
        [&](auto member) -> std::string {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(s.*member)>, std::string>)
                return s.*member;
            else
                return std::to_string(s.*member);
        },
        k.field);
}

// A value for every control that differs from what the dialog showed, what a load of the saved file
// shows for it, and what the record holds then.
struct Edited
{
    std::string shown;
    std::string reloaded;
    std::string record;
};

Edited editedValue(const ParmSetField &f, int index, const std::string &opened)
{
    const std::string n = std::to_string(index);
    switch (f.kind) {
    case FieldKind::Text:
        return {"文字" + n, "文字" + n, "文字" + n};
    case FieldKind::Trimmed:
        return {"  *" + n + " ", "*" + n, "*" + n};
    case FieldKind::Number:
        return {std::to_string(100 + index), std::to_string(100 + index), std::to_string(100 + index)};
    case FieldKind::Spin: {
        const std::string v = std::to_string(opened == std::to_string(f.max) ? f.min : f.max);
        return {v, v, v};
    }
    case FieldKind::Choice:
        for (const ChoiceItem &item : f.items)
            if (item.text != opened)
                return {std::string(item.text), std::string(item.text), std::string(item.value)};
        break;
    case FieldKind::Check: {
        const std::string v = opened == "1" ? "0" : "1";
        return {v, v, v};
    }
    case FieldKind::Memo:
        return {"第一行\n第二行\r\n 第三行 ", "第一行第二行 第三行", "第一行第二行 第三行"};
    case FieldKind::File:
        return {"/srv/voice/通知.voc", "/srv/voice/通知.voc", "/srv/voice/通知.voc"};
    case FieldKind::Time: {
        const std::string t = "0" + std::to_string(index % 10) + ":3" + std::to_string(index % 10);
        return {" " + t + " ", t, t};
    }
    }
    return {};
}

/// Every control of the form edited, each with its value of editedValue.
std::vector<Edited> editAll(ParmSetForm &form)
{
    std::vector<Edited> edits;
    for (const ParmSetField &f : parmSetFields()) {
        edits.push_back(editedValue(f, static_cast<int>(edits.size()), form.value(f.control)));
        form.set(f.control, edits.back().shown);
    }
    return edits;
}

TEST(ParmSetFieldsTest, EveryControlEditsOneKeyOfTheKeyTable)
{
    std::set<std::string_view> controls, keys;
    for (const ParmSetField &f : parmSetFields()) {
        EXPECT_NE(findSetupKey(f.section, f.key), nullptr) << f.control;
        EXPECT_TRUE(controls.insert(f.control).second) << f.control;
        EXPECT_TRUE(keys.insert(f.key).second) << f.key;
        EXPECT_LT(f.page, static_cast<int>(parmSetPages().size())) << f.control;
        EXPECT_EQ(f.kind == FieldKind::Choice, !f.items.empty()) << f.control;
    }
    EXPECT_EQ(parmSetPages().size(), 6u);
    EXPECT_EQ(parmSetFields().size(), 49u);
}

TEST_F(SaveParmSetTest, UnchangedValuesLeaveTheFileByteForByte)
{
    for (const std::string &text : {std::string(kKeptSetup), std::string(), std::string("[Other]\nTitle=x\n")}) {
        settings = Settings{};
        settings.ProgramDir = m_dir.string();
        tables = ChannelTables{};
        writeSetup(text);
        const std::string before = setupBytes();
        ASSERT_TRUE(save(open())) << messages();
        EXPECT_EQ(setupBytes(), before);
        EXPECT_TRUE(dialogs.shown.empty()) << messages();
    }
}

TEST_F(SaveParmSetTest, EveryValueSavedComesBackOnReload)
{
    writeSetup(kKeptSetup);
    ParmSetForm form = open();
    const std::vector<Edited> edits = editAll(form);
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        ParmSetRow &row = form.rows[static_cast<std::size_t>(ch)];
        row.stationId = std::to_string(8100 + ch);
        row.dialPrefix = ch % 2 ? "0" : "";
        row.polarity = ch % 3 == 0 ? "有" : ch % 3 == 1 ? "无" : "";
    }
    ASSERT_TRUE(save(form)) << messages();

    Settings reloaded;
    reloaded.ProgramDir = settings.ProgramDir;
    ChannelTables reloadedTables;
    ASSERT_TRUE(LoadSettings(reloaded, reloadedTables, dialogs));
    const ParmSetForm shown = formFromSettings(reloaded, reloadedTables);
    std::size_t index = 0;
    for (const ParmSetField &f : parmSetFields())
        EXPECT_EQ(shown.value(f.control), edits[index++].reloaded) << f.control;
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        const ParmSetRow &row = shown.rows[static_cast<std::size_t>(ch)];
        EXPECT_EQ(row.stationId, std::to_string(8100 + ch)) << ch;
        EXPECT_EQ(row.dialPrefix, ch % 2 ? "0" : "") << ch;
        EXPECT_EQ(row.polarity, ch % 3 == 0 ? "有" : "无") << ch;
    }

    // What the file holds: the SMS text on one line, every other line where it was.
    const std::string bytes = common::gbkToUtf8(setupBytes());
    EXPECT_NE(bytes.find("SMSContent=第一行第二行 第三行\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("; minutes between attempts\r\ninterval=59\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Extra=kept\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Unknown=value of another program\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[Vendor]\r\nKey=1"), std::string::npos);
    EXPECT_NE(bytes.find("Card1Use=111111111111\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("ChPolarity=100100100100100100100100100100100100100100100100\r\n"), std::string::npos);
}

TEST_F(SaveParmSetTest, AValueThatCannotBeSavedIsNamedAndNothingIsWritten)
{
    const struct
    {
        const char *control;
        const char *text;
        const char *message;
    } cases[] = {
        {"Edit6", "12ab", "“语音合成库播放速度”不是有效的整数！"},
        {"Edit21", "", "“语音播放转人工”不是有效的整数！"},
        {"Edit24", " 70000", "“挂机延迟”必须在-32768到32767之间！"},
        {"Edit18", "4294967296", "“手工呼叫摘机延迟”必须在0到4294967295之间！"},
        {"SpinEdit3", "60", "“重新通知间隔时间”必须在1到59之间！"},
        {"Edit4", "1\n2", "“重听按键”含有不能保存的字符！"},
        {"Memo1", "无法保存😀", "“短信内容”含有不能保存的字符！"},
        {"Edit1", "9:00", "“开始时间”必须是“时:分”形式的时间，从00:00到24:00，例如09:00！"},
        {"Edit2", "24:01", "“终止时间”必须是“时:分”形式的时间，从00:00到24:00，例如09:00！"},
        {"Edit3", "12:60", "“开始时间”必须是“时:分”形式的时间，从00:00到24:00，例如09:00！"},
        {"Edit7", "", "“终止时间”必须是“时:分”形式的时间，从00:00到24:00，例如09:00！"},
    };
    writeSetup(kKeptSetup);
    const std::string before = setupBytes();
    for (const auto &c : cases) {
        ParmSetForm form = open();
        const Settings opened = settings;
        form.set("SpinEdit2", "77"); // a good change before the wrong one is not written either
        form.set(c.control, c.text);
        form.rows[0].polarity = "有";
        dialogs.shown.clear();
        FormProblem problem;
        EXPECT_FALSE(save(form, true, &problem)) << c.control;
        EXPECT_EQ(problem.control, c.control);
        ASSERT_EQ(dialogs.shown.size(), 1u) << messages();
        EXPECT_EQ(dialogs.shown[0].caption, "错误");
        EXPECT_EQ(dialogs.shown[0].text, c.message);
        EXPECT_EQ(setupBytes(), before) << c.control;
        EXPECT_EQ(settings.CallOutCnt, opened.CallOutCnt);
        EXPECT_EQ(tables.Polarity[0], 0);
    }

    // The first wrong value in the dialog's order is the one named; a grid cell names its row.
    ParmSetForm form = open();
    form.set("Edit25", "x");
    form.rows[27].dialPrefix = "9\t😀";
    FormProblem problem;
    EXPECT_FALSE(save(form, true, &problem));
    EXPECT_EQ(problem.control, "StringGridPara");
    EXPECT_EQ(problem.row, 27);
    EXPECT_EQ(problem.column, 2);
    EXPECT_EQ(dialogs.shown.back().text, "通道28的“拨号前缀”含有不能保存的字符！");
}

TEST_F(SaveParmSetTest, EnableDecidesWhatReachesTheRunningRecord)
{
    for (const bool enable : {false, true}) {
        writeSetup(kKeptSetup);
        ParmSetForm form = open();
        const Settings opened = settings;
        const std::vector<Edited> edits = editAll(form);
        form.rows[5].polarity = "有";
        form.rows[5].stationId = "8006";
        ASSERT_TRUE(save(form, enable)) << messages();

        std::size_t index = 0;
        for (const ParmSetField &f : parmSetFields()) {
            const bool applied = f.apply == ApplyWhen::Always || (f.apply == ApplyWhen::Enabled && enable);
            const std::string &edited = edits[index++].record;
            ASSERT_NE(edited, recordText(opened, f)) << f.control;
            EXPECT_EQ(recordText(settings, f), applied ? edited : recordText(opened, f))
                << f.control << " enable " << enable;
        }
        EXPECT_EQ(tables.Polarity[5], 1);       // applied at once
        EXPECT_EQ(tables.StationId[5], "");      // at the next load only
    }
}

TEST_F(SaveParmSetTest, TheRecordTakesTheValuesAsTheFileGivesThem)
{
    writeSetup(kKeptSetup);
    ParmSetForm form = open();
    form.set("Edit1", " 09:30 ");
    form.set("Edit22", "  ");
    form.set("Edit24", "0x10");
    ASSERT_TRUE(save(form)) << messages();
    EXPECT_EQ(settings.BeginTime, "09:30");
    EXPECT_EQ(settings.TeleAddSpecChar, "");
    EXPECT_EQ(settings.HangupDelay, 16);
    EXPECT_NE(common::gbkToUtf8(setupBytes()).find("HangupDelay=16\r\n"), std::string::npos);
}

TEST_F(SaveParmSetTest, AMissingOrUnreadableFileIsReportedAndNothingIsWritten)
{
    writeSetup("");
    const ParmSetForm form = open();
    fs::remove(m_dir / "Setup.ini");
    EXPECT_FALSE(save(form));
    EXPECT_EQ(messages(), "提示: 配置文件Setup.ini不存在！\n");
    EXPECT_FALSE(fs::exists(m_dir / "Setup.ini"));

    fs::create_directory(m_dir / "Setup.ini");
    dialogs.shown.clear();
    EXPECT_FALSE(save(form));
    EXPECT_EQ(messages(), "错误: 打开配置文件Setup.ini文件出错！\n");
}

} // namespace
} // namespace server
