// Reading and writing of the board-independent sections.
#include "ktcticonfig/model/GlobalSettingsIo.h"

#include "common/Text.h"
#include "ktcticonfig/model/KeyRules.h"

#include <cstdio>

namespace ktcticonfig {

namespace {

KeyValue readRaw(const common::ProfileFile &file, const KeyDef &key)
{
    KeyValue v;
    switch (key.type) {
    case KeyType::Text:
    case KeyType::HexText:
        v.text = file.readString(key.section, key.name, key.defaultText, key.maxLength);
        break;
    case KeyType::Char: {
        const std::string s = file.readString(key.section, key.name, key.defaultText);
        // An empty value would be written back as a zero byte: keep the default character instead.
        v.text = s.empty() ? std::string(key.defaultText) : s.substr(0, 1);
        break;
    }
    default:
        v.number = toWidth(key.type, file.readProfileInt(key.section, key.name, key.defaultNumber));
        break;
    }
    return v;
}

std::string valueText(const KeyDef &key, const KeyValue &v)
{
    switch (key.type) {
    case KeyType::Text:
    case KeyType::HexText:
    case KeyType::Char:
        return v.text;
    case KeyType::UInt32:
        return std::to_string(static_cast<std::uint32_t>(v.number));
    default:
        return std::to_string(v.number);
    }
}

std::string itemKey(std::string_view pattern, int index)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, std::string(pattern).c_str(), index);
    return buffer;
}

void readLists(const common::ProfileFile &file, KeyGroup group, GlobalSettings &settings)
{
    const auto lists = indexedLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        const IndexedListDef &def = lists[i];
        if (def.group != group)
            continue;
        int count = settings.number(def.section, def.countKey);
        count = count < 0 ? 0 : (count > kMaxListItems ? kMaxListItems : count);
        auto &rows = settings.list(i);
        rows.assign(static_cast<std::size_t>(count), {});
        for (int n = 0; n < count; ++n)
            for (std::size_t k = 0; k < def.itemCount(); ++k) {
                // An item the file does not have stays absent, so that writing the list adds nothing.
                const std::string key = itemKey(def.itemKeys[k], n);
                rows[n].push_back(file.value(def.section, key)
                                      ? std::optional(file.readString(def.section, key, "", def.maxLength))
                                      : std::nullopt);
            }
    }
}

void readToneItems(const common::ProfileFile &file, GlobalSettings &settings)
{
    const int count = settings.system("MaxToneDetectorItem");
    if (count == kBuiltInToneItemsMarker) {
        settings.toneItems = builtInToneDetectorItems();
        return;
    }
    settings.toneItems.clear();
    for (int u = 0; u < count; ++u)
        settings.toneItems.push_back(parseToneDetectorItem(file.readString(
            "SystemConfig", itemKey("ToneDetectorItem[%d]", u), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0")));
}

// The count a list's count key is written with: the rows the model holds, except that a negative
// count with no rows ("no rules") stays as it is.
std::optional<std::int32_t> listCount(const KeyDef &key, const GlobalSettings &settings)
{
    const auto lists = indexedLists();
    for (std::size_t i = 0; i < lists.size(); ++i)
        if (lists[i].group == key.group && common::equalsIgnoreCase(lists[i].section, key.section) &&
            common::equalsIgnoreCase(lists[i].countKey, key.name)) {
            const auto &rows = settings.list(i);
            if (rows.empty() && settings.number(key.section, key.name) < 0)
                return std::nullopt;
            return static_cast<std::int32_t>(rows.size());
        }
    return std::nullopt;
}

// The SIP keys that fall back on an older spelling while they hold their "unset" value.
void readSipFallbacks(const common::ProfileFile &file, GlobalSettings &settings)
{
    if (settings.text("SIP", "LocalSipIp") == "0.0.0.0")
        settings.setText("SIP", "LocalSipIp", file.readString("SIP", "LocalIp", "0.0.0.0", 19));
    if (settings.number("SIP", "LocalSipPort") == 0)
        settings.setNumber("SIP", "LocalSipPort", file.readProfileInt("SIP", "LocalPort", 5060));
    if (settings.number("SIP", "HeartInterval") == 0)
        settings.setNumber("SIP", "HeartInterval", file.readProfileInt("SIP", "UdpHeartTime", 0));
}

} // namespace

void readGroup(const common::ProfileFile &file, KeyGroup group, GlobalSettings &settings, ProfileWriter &repairs)
{
    const auto keys = globalKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyDef &key = keys[i];
        if (key.group != group)
            continue;
        RuleOutcome out = applyReadRule(key, readRaw(file, key), settings);
        if (out.action == RuleAction::Repair)
            repairs.write(key.section, key.name,
                          out.value.text.empty() ? std::to_string(out.value.number) : out.value.text);
        else if (out.action == RuleAction::Delete)
            repairs.write(key.section, key.name, std::nullopt);
        settings.at(i) = std::move(out.value);
    }
    if (group == KeyGroup::SystemTone)
        readToneItems(file, settings);
    if (group == KeyGroup::Sip)
        readSipFallbacks(file, settings);
    readLists(file, group, settings);
}

void writeGroup(ProfileWriter &writer, KeyGroup group, const GlobalSettings &settings)
{
    const auto keys = globalKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyDef &key = keys[i];
        if (key.group != group || !key.written)
            continue;
        if (common::equalsIgnoreCase(key.name, "MaxToneDetectorItem")) {
            writer.writeInt(key.section, key.nameToWrite(), static_cast<long long>(settings.toneItems.size()));
            continue;
        }
        if (const auto count = listCount(key, settings)) {
            writer.writeInt(key.section, key.nameToWrite(), *count);
            continue;
        }
        writer.write(key.section, key.nameToWrite(), valueText(key, settings.at(i)));
    }
    if (group == KeyGroup::SystemTone)
        for (std::size_t u = 0; u < settings.toneItems.size(); ++u)
            writer.write("SystemConfig", itemKey("ToneDetectorItem[%d]", static_cast<int>(u)),
                         formatToneDetectorItem(settings.toneItems[u]));
    const auto lists = indexedLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (lists[i].group != group)
            continue;
        const auto &rows = settings.list(i);
        // An absent item is deleted: the key may hold the item of a row that stood here before.
        for (std::size_t n = 0; n < rows.size(); ++n)
            for (std::size_t k = 0; k < rows[n].size() && k < lists[i].itemCount(); ++k)
                writer.write(lists[i].section, itemKey(lists[i].itemKeys[k], static_cast<int>(n)), rows[n][k]);
    }
}

} // namespace ktcticonfig
