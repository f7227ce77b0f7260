// The parameter dialog's values: record to form, the check, form to file, file to record.
#include "server/settings/ParmSetForm.h"

#include "common/DateTime.h"
#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "common/ProfileInteger.h"
#include "common/Text.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/ParmSetFields.h"
#include "server/settings/SetupKeys.h"

#include <charconv>
#include <limits>
#include <vector>

namespace server {

namespace {

const SetupKey &setupKeyOf(const ParmSetField &field)
{
    // Every control of the table edits a key of the key table; a test walks them all.
    return *findSetupKey(field.section, field.key);
}

// The field's value as text: a text as it is, an integer in decimal.
std::string fieldText(const Settings &settings, const SetupKey &k)
{
    return std::visit(
        [&](auto member) -> std::string {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, std::string>)
                return settings.*member;
            else
                return std::to_string(settings.*member);
        },
        k.field);
}

// The item of a drop-down that shows a value: the one with that value, else the fallback item, else
// none (empty).
std::string shownItem(const ParmSetField &field, const std::string &value)
{
    for (const ChoiceItem &item : field.items)
        if (item.value == value)
            return std::string(item.text);
    if (field.fallbackItem >= 0)
        return std::string(field.items[static_cast<std::size_t>(field.fallbackItem)].text);
    return {};
}

struct Range
{
    std::int64_t min, max;
};

Range fieldRange(const SetupKey &k)
{
    return std::visit(
        [](auto member) -> Range {
            using T = std::remove_cvref_t<decltype(Settings{}.*member)>;
            if constexpr (std::is_same_v<T, std::string>)
                return {0, 0};
            else
                return {std::numeric_limits<T>::min(), std::numeric_limits<T>::max()};
        },
        k.field);
}

bool isUnsigned32(const SetupKey &k)
{
    return std::holds_alternative<std::uint32_t Settings::*>(k.field);
}

// An integer as the dialog takes it from a field: the trimmed text in decimal with an optional sign,
// or in one of the hexadecimal forms the file allows.
std::optional<std::int64_t> parseInteger(std::string_view shown)
{
    std::string_view t = common::trimControls(shown);
    if (t.empty())
        return std::nullopt;
    const bool negative = t.front() == '-';
    if (t.front() == '-' || t.front() == '+')
        t.remove_prefix(1);
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (!t.empty() && ec == std::errc() && end == t.data() + t.size() && v <= (std::uint64_t{1} << 40))
        return negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    if (const auto hex = common::parseStrictInteger(common::trimControls(shown)))
        return *hex;
    return std::nullopt;
}

// The text a control writes (UTF-8), or nothing when it writes nothing.
std::optional<std::string> writtenText(const ParmSetField &field, const std::string &shown)
{
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::File:
        return shown;
    case FieldKind::Trimmed:
    case FieldKind::Time:
        return std::string(common::trimControls(shown));
    case FieldKind::Number:
    case FieldKind::Spin: {
        const auto v = parseInteger(shown);
        if (!v)
            return std::nullopt;
        // The file's integers are read as signed 32-bit numbers; an unsigned value above that range
        // is written so that it comes back whole.
        if (isUnsigned32(setupKeyOf(field)))
            return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(*v)));
        return std::to_string(*v);
    }
    case FieldKind::Choice:
        for (const ChoiceItem &item : field.items)
            if (item.text == shown)
                return std::string(item.value);
        return std::nullopt;
    case FieldKind::Check:
        return std::string(shown == "1" ? "1" : "0");
    case FieldKind::Memo: {
        // The message is one line: the line breaks go, then the blanks at both ends.
        std::string line;
        for (char c : shown)
            if (c != '\r' && c != '\n')
                line += c;
        return std::string(common::trimControls(line));
    }
    }
    return std::nullopt;
}

// A text Setup.ini can hold: one line, every character in GBK.
bool storable(const std::string &utf8)
{
    if (utf8.find_first_of("\r\n") != std::string::npos)
        return false;
    return common::isValidUtf8(utf8) && common::gbkToUtf8(common::utf8ToGbk(utf8)) == utf8;
}

std::string quoted(std::string_view name)
{
    return "“" + std::string(name) + "”";
}

std::optional<FormProblem> checkField(const ParmSetField &field, const std::string &shown)
{
    const std::string name = quoted(fieldName(field));
    if (field.kind == FieldKind::Number || field.kind == FieldKind::Spin) {
        const auto v = parseInteger(shown);
        if (!v)
            return FormProblem{std::string(field.control), -1, -1, name + "不是有效的整数！"};
        const Range r = field.kind == FieldKind::Spin ? Range{field.min, field.max} : fieldRange(setupKeyOf(field));
        if (*v < r.min || *v > r.max)
            return FormProblem{std::string(field.control), -1, -1,
                               name + "必须在" + std::to_string(r.min) + "到" + std::to_string(r.max) + "之间！"};
        return std::nullopt;
    }
    const auto text = writtenText(field, shown);
    // The calling window compares the times as texts: "9:00" would sort after "10:00" and hold back
    // every call of the day without a word.
    if (field.kind == FieldKind::Time && !common::isTimeOfDay(*text))
        return FormProblem{std::string(field.control), -1, -1,
                           name + "必须是“时:分”形式的时间，从00:00到24:00，例如09:00！"};
    if (text && !storable(*text))
        return FormProblem{std::string(field.control), -1, -1, name + "含有不能保存的字符！"};
    return std::nullopt;
}

// The polarity digits as the loader fills the table from a file that was just started.
std::string loadedPolarity(const common::ProfileFile &file)
{
    std::array<std::int16_t, kMaxChannels> table{};
    const std::string text = file.readString("CardParm", "ChPolarity", "");
    const std::string_view digits = common::trimControls(text);
    for (std::size_t i = 0; i < digits.size() && i < table.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9')
            return "not digits: " + text;
        table[i] = static_cast<std::int16_t>(digits[i] - '0');
    }
    std::string out;
    for (std::int16_t v : table)
        out += static_cast<char>('0' + v);
    return out;
}

// One key to write: its text (GBK) and how a load of the file gives its value.
struct KeyWrite
{
    std::string_view section;
    std::string key;
    std::string gbk;
    std::string (*loaded)(const common::ProfileFile &, const KeyWrite &);
    const ParmSetField *field = nullptr;
};

// A drop-down's value counts by the item it shows: a value that shows as the fallback item means
// what that item means.
std::string loadedField(const common::ProfileFile &file, const KeyWrite &w)
{
    Settings s;
    const SetupKey &k = setupKeyOf(*w.field);
    readSetupKey(file, k, s);
    const std::string text = fieldText(s, k);
    return w.field->kind == FieldKind::Choice ? shownItem(*w.field, text) : text;
}

std::string loadedChannelText(const common::ProfileFile &file, const KeyWrite &w)
{
    return readSetupText(file, w.section, w.key, "", true);
}

std::string loadedPolarityKey(const common::ProfileFile &file, const KeyWrite &)
{
    return loadedPolarity(file);
}

std::vector<KeyWrite> keyWrites(const ParmSetForm &form)
{
    std::vector<KeyWrite> writes;
    std::string polarity;
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        const ParmSetRow &row = form.rows[static_cast<std::size_t>(ch)];
        writes.push_back({"FaxLocalID", stationIdKey(ch), common::utf8ToGbk(row.stationId), loadedChannelText});
        writes.push_back({"FaxLocalID", dialPrefixKey(ch), common::utf8ToGbk(row.dialPrefix), loadedChannelText});
        polarity += row.polarity == kPolarityYes ? '1' : '0';
    }
    writes.push_back({"CardParm", "ChPolarity", polarity, loadedPolarityKey});
    for (const ParmSetField &field : parmSetFields())
        if (const auto text = writtenText(field, form.value(field.control)))
            writes.push_back({field.section, std::string(field.key), common::utf8ToGbk(*text), loadedField, &field});
    return writes;
}

} // namespace

const std::string &ParmSetForm::value(std::string_view control) const
{
    static const std::string empty;
    const auto it = values.find(control);
    return it == values.end() ? empty : it->second;
}

ParmSetForm formFromSettings(const Settings &settings, const ChannelTables &tables)
{
    ParmSetForm form;
    for (const ParmSetField &field : parmSetFields()) {
        std::string text = fieldText(settings, setupKeyOf(field));
        if (field.kind == FieldKind::Check)
            text = text == "1" ? "1" : "0";
        else if (field.kind == FieldKind::Choice)
            text = shownItem(field, text);
        form.set(field.control, std::move(text));
    }
    for (std::size_t ch = 0; ch < form.rows.size(); ++ch) {
        ParmSetRow &row = form.rows[ch];
        row.stationId = tables.StationId[ch];
        row.dialPrefix = tables.DialPrefix[ch];
        row.polarity = tables.Polarity[ch] == 1   ? std::string(kPolarityYes)
                       : tables.Polarity[ch] == 0 ? std::string(kPolarityNo)
                                                  : std::string();
    }
    return form;
}

std::optional<FormProblem> checkForm(const ParmSetForm &form)
{
    static constexpr const char *kColumns[] = {"", "座席号码", "拨号前缀"};
    for (int ch = 0; ch < kMaxChannels; ++ch) {
        const ParmSetRow &row = form.rows[static_cast<std::size_t>(ch)];
        for (int column : {1, 2}) {
            if (!storable(column == 1 ? row.stationId : row.dialPrefix))
                return FormProblem{"StringGridPara", ch, column,
                                   "通道" + std::to_string(ch + 1) + "的" + quoted(kColumns[column]) +
                                       "含有不能保存的字符！"};
        }
    }
    for (const ParmSetField &field : parmSetFields())
        if (auto problem = checkField(field, form.value(field.control)))
            return problem;
    return std::nullopt;
}

void writeForm(const ParmSetForm &form, common::ProfileFile &file)
{
    // The wanted file holds only the keys written, so that each one loads from it as it would load
    // from Setup.ini once written there.
    common::ProfileFile wanted("");
    const std::vector<KeyWrite> writes = keyWrites(form);
    for (const KeyWrite &w : writes)
        wanted.writeString(w.section, w.key, w.gbk);
    for (const KeyWrite &w : writes)
        if (w.loaded(file, w) != w.loaded(wanted, w))
            file.writeString(w.section, w.key, w.gbk);
}

void applyForm(const ParmSetForm &form, const common::ProfileFile &file, bool enable, Settings &settings,
               ChannelTables &tables)
{
    for (std::size_t ch = 0; ch < form.rows.size(); ++ch)
        tables.Polarity[ch] = form.rows[ch].polarity == kPolarityYes ? 1 : 0;
    for (const ParmSetField &field : parmSetFields())
        if (field.apply == ApplyWhen::Always || (field.apply == ApplyWhen::Enabled && enable))
            readSetupKey(file, setupKeyOf(field), settings);
}

} // namespace server
