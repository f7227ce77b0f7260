// The table of the parameter dialog's controls.
#include "server/settings/ParmSetFields.h"

namespace server {

namespace {

constexpr ChoiceItem kOnOff[] = {{"开通", "1"}, {"关闭", "0"}};
constexpr ChoiceItem kStartTone[] = {{"启动", "1"}, {"关闭", "0"}};
constexpr ChoiceItem kCallMode[] = {{"自动", "1"}, {"手工", "0"}};
constexpr ChoiceItem kHasPolarity[] = {{"有", "1"}, {"无", "0"}};
constexpr ChoiceItem kAutoAnswer[] = {{"否", "0"}, {"是", "1"}};
constexpr ChoiceItem kTransfer[] = {{"放音转", "0"}, {"按键转", "1"}, {"接通转", "2"}};
constexpr ChoiceItem kLanguage[] = {{"普通话", "普通话"}, {"广东话", "广东话"}};
constexpr ChoiceItem kDatabase[] = {{"Access", "0"}, {"SQL Server", "1"}};

constexpr std::string_view kPages[] = {"线路参数设置", "数据库参数设置", "控制参数设置",
                                       "时间段设置",   "播放语音文件",   "短信参数"};

using K = FieldKind;
using A = ApplyWhen;

constexpr ParmSetField text(std::string_view control, int page, std::string_view label, std::string_view section,
                            std::string_view key, ApplyWhen apply, FieldKind kind = K::Text)
{
    return {control, page, label, {}, section, key, kind, apply};
}

constexpr ParmSetField number(std::string_view control, std::string_view label, std::string_view unit,
                              std::string_view key, ApplyWhen apply = A::Enabled, bool digitsOnly = true)
{
    ParmSetField f{control, 2, label, unit, "Other", key, K::Number, apply};
    f.digitsOnly = digitsOnly;
    return f;
}

constexpr ParmSetField spin(std::string_view control, std::string_view label, std::string_view unit,
                            std::string_view key, int min, int max)
{
    ParmSetField f{control, 2, label, unit, "Other", key, K::Spin, A::Enabled};
    f.min = min;
    f.max = max;
    return f;
}

constexpr ParmSetField choice(std::string_view control, int page, std::string_view label, std::string_view section,
                              std::string_view key, std::span<const ChoiceItem> items, ApplyWhen apply = A::Enabled,
                              int fallbackItem = -1)
{
    ParmSetField f{control, page, label, {}, section, key, K::Choice, apply};
    f.items = items;
    f.fallbackItem = fallbackItem;
    return f;
}

constexpr ParmSetField password()
{
    ParmSetField f = text("EditPassword", 1, "登录口令：", "Database", "Password", A::Never);
    f.secret = true;
    return f;
}

constexpr ParmSetField polarFunction()
{
    ParmSetField f = choice("ComboBox4", 2, "极性反转功能：", "Other", "PolarFunction", kHasPolarity);
    f.enabled = false;
    return f;
}

const ParmSetField kFields[] = {
    // "数据库参数设置": a value other than 0 is a server database.
    choice("ComboBoxDBType", 1, "数据库类型：", "Database", "DBType", kDatabase, A::Never, 1),
    text("EditServerName", 1, "服务器名：", "Database", "ServerName", A::Never),
    text("EditDataBaseName", 1, "数据库名称：", "Database", "DataBaseName", A::Never),
    text("EditAccountName", 1, "用户名称：", "Database", "UserName", A::Never),
    password(),

    // "控制参数设置". The spin edit without limits keeps to the width of its key.
    spin("SpinEdit2", "呼出通道最大数：", "", "CallOutCnt", 0, 65535),
    spin("SpinEdit3", "重新通知间隔时间：", "", "Interval", 1, 59),
    spin("SpinEdit5", "通知失败重试次数：", "", "ReSendTimes", 0, 10),
    number("Edit6", "语音合成库播放速度：", "", "VocDBSpeed"),
    number("Edit8", "有信号音判断时间：", "", "HaveToneTime"),
    number("Edit9", "彩铃无声开始放音时间：", "", "NoSoundTime"),
    number("Edit10", "摘机无声开始放音时间：", "", "ToneDelay"),
    choice("ComboBox2", 2, "是否需要启动信号音模式：", "Other", "NeedCPTone", kStartTone),
    choice("ComboBox1", 2, "座席暂停/恢复功能开关：", "Other", "TalkFlag", kOnOff),
    text("Edit13", 2, "暂停按键：", "Other", "PauseTalk", A::Enabled, K::Trimmed),
    text("Edit14", 2, "恢复按键：", "Other", "ResumeTalk", A::Enabled, K::Trimmed),
    number("Edit17", "座席无人接听时间：", "秒", "WaitMusic"),
    number("Edit20", "呼叫超时时间：", "秒", "CallOutTimeOut"),
    spin("RetSucc", "通知成功重试次数：", "", "RetSucc", 0, 10),
    spin("sePlayTimes", "提示语音播放次数：", "", "PlayTimes", 1, 15),
    choice("ComboBox3", 2, "是否开通日志功能：", "Other", "WriteLogFlag", kOnOff),
    choice("ComboBox5", 2, "呼叫模式：", "Other", "CallMode", kCallMode),
    number("Edit18", "手工呼叫摘机延迟：", "毫秒", "PickDelay"),
    number("Edit19", "发码速度：", "毫秒", "DTMFSpeed"),
    number("Edit11", "振铃次数1：", "", "RingBackCnt1"),
    number("Edit12", "振铃次数2：", "", "RingBackCnt2"),
    polarFunction(),
    text("Edit4", 2, "重听按键：", "Other", "RetListen", A::Enabled),
    text("Edit5", 2, "转人工按键：", "Other", "TranSlic", A::Enabled),
    text("Edit23", 2, "调查按键：", "Other", "OtherDtmf", A::Never),
    number("Edit16", "取数据频率：", "毫秒", "SysTimerValue"),
    spin("SpinEdit1", "语音重播间隔：", "秒", "VocRepeat", 0, 20),
    choice("ComboBox6", 2, "是否自动应答：", "Other", "AutoAnswer", kAutoAnswer),
    spin("SpinEdit4", "自动应答时间：", "秒", "AutoTime", 0, 60),
    number("Edit21", "语音播放转人工：", "秒", "VocPlayTranSlicTime", A::Always, false),
    text("Edit22", 2, "号码添加后缀：", "Other", "TeleAddSpecChar", A::Always),
    number("Edit24", "挂机延迟：", "", "HangupDelay", A::Always),
    number("Edit25", "座席是否录音：", "", "RecordFlag", A::Always),
    choice("ComboBox7", 2, "转人工方式：", "Other", "TranSlicFlag", kTransfer, A::Always),
    // Any language but Mandarin selects the Cantonese voice.
    choice("cb_language", 2, "语言选择：", "Other", "Language", kLanguage, A::Enabled, 1),

    // "时间段设置": the times are written as typed.
    text("Edit1", 3, "开始时间：", "Other", "BeginTime", A::Enabled, K::Time),
    text("Edit2", 3, "终止时间：", "Other", "EndTime", A::Enabled, K::Time),
    text("Edit3", 3, "开始时间：", "Other", "NotNoticeTime1", A::Enabled, K::Time),
    text("Edit7", 3, "终止时间：", "Other", "NotNoticeTime2", A::Enabled, K::Time),
    text("cbsaturday", 3, "星期六是否通知", "Other", "Saturday", A::Enabled, K::Check),
    text("cbsunday", 3, "星期日是否通知", "Other", "Sunday", A::Enabled, K::Check),

    // "播放语音文件".
    text("Edit15", 4, "语音文件选择：", "Voice", "AdNotice", A::Enabled, K::File),

    // "短信参数".
    text("CheckBox2", 5, "是否发送短信", "Other", "SendSMSFlag", A::Never, K::Check),
    text("Memo1", 5, "短信内容：", "Other", "SMSContent", A::Never, K::Memo),
};

} // namespace

std::span<const std::string_view> parmSetPages()
{
    return kPages;
}

std::span<const ParmSetField> parmSetFields()
{
    return kFields;
}

const ParmSetField *findParmSetField(std::string_view control)
{
    for (const ParmSetField &f : kFields)
        if (f.control == control)
            return &f;
    return nullptr;
}

std::string_view fieldName(const ParmSetField &field)
{
    std::string_view name = field.label;
    constexpr std::string_view colon = "：";
    if (name.ends_with(colon))
        name.remove_suffix(colon.size());
    return name;
}

} // namespace server
