// Loading Setup.ini: every key of the key table, the [CardParm] tables and the per-channel texts.
#include "server/settings/LoadSettings.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "common/Text.h"
#include "server/settings/SetupKeys.h"

#include <filesystem>

namespace server {

namespace {

// The longest text a value keeps, as the platform's profile read into a 2,048-byte buffer does.
constexpr std::size_t kMaxTextLength = 2047;

// Fills table entries from the digits of text, one per channel from channel 1; entries past the text
// keep their values. Returns the first character that is not a digit, if any.
std::optional<char> parseDigits(std::string_view text, std::array<std::int16_t, kMaxChannels> &table)
{
    const std::size_t n = std::min<std::size_t>(text.size(), kMaxChannels);
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return text[i];
        table[i] = static_cast<std::int16_t>(text[i] - '0');
    }
    return std::nullopt;
}

bool parseChannelDigits(std::string_view key, const std::string &text, std::array<std::int16_t, kMaxChannels> &table,
                        Dialogs &dialogs)
{
    const auto bad = parseDigits(common::trimControls(text), table);
    if (!bad)
        return true;
    const std::string shown = static_cast<unsigned char>(*bad) < 0x80 ? std::string(1, *bad) : std::string("非ASCII");
    dialogs.show("错误",
                 "配置文件Setup.ini参数" + std::string(key) + "中含有非数字字符“" + shown + "”，通道设置未能全部读取！",
                 DialogIcon::Error);
    return false;
}

} // namespace

std::string readSetupText(const common::ProfileFile &file, std::string_view section, std::string_view key,
                          std::string_view def, bool trimmed)
{
    const auto raw = file.value(section, key);
    if (!raw)
        return std::string(def);
    const std::string_view cut = common::cutGbk(*raw, kMaxTextLength);
    return common::gbkToUtf8(trimmed ? common::trimControls(cut) : cut);
}

void readSetupKey(const common::ProfileFile &file, const SetupKey &k, Settings &settings)
{
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, std::string>) {
                settings.*member = readSetupText(file, k.section, k.key, k.defaultText, k.trimmed);
            } else {
                // Each value is stored at its field's width: an 8-bit field keeps the low 8 bits.
                settings.*member = static_cast<T>(file.readInteger(k.section, k.key, k.defaultValue));
            }
        },
        k.field);
}

void applyDefaults(Settings &settings, ChannelTables &tables)
{
    const common::ProfileFile empty("");
    for (const SetupKey &k : setupKeys())
        readSetupKey(empty, k, settings);
    parseDigits(kCard1UseDefault, tables.InService);
    tables.Function.fill(2);
}

std::string setupPath(const Settings &settings)
{
    return settings.ProgramDir + "/Setup.ini";
}

bool LoadSettings(Settings &settings, ChannelTables &tables, Dialogs &dialogs)
{
    const std::string path = setupPath(settings);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        dialogs.show("提示", "配置文件Setup.ini不存在！", DialogIcon::Error);
        return false;
    }
    const common::ProfileFile file(path);
    if (!file.loadError().empty()) {
        dialogs.show("错误", "读取配置文件Setup.ini参数错误！", DialogIcon::Error);
        return false;
    }

    // Card1 and ChFunction are read like every key but not used: the board decides the kinds, and
    // every channel has function 2.
    (void)file.readString("CardParm", "Card1", kCard1Default);
    const std::string card1Use = file.readString("CardParm", "Card1Use", kCard1UseDefault);
    (void)file.readString("CardParm", "ChFunction", kChFunctionDefault);
    const std::string chPolarity = file.readString("CardParm", "ChPolarity", "");

    for (const SetupKey &k : setupKeys())
        readSetupKey(file, k, settings);
    for (int ch = 0; ch < kMaxChannels; ++ch)
        tables.StationId[ch] = readSetupText(file, "FaxLocalID", stationIdKey(ch), "", true);
    for (int ch = 0; ch < kMaxChannels; ++ch)
        tables.DialPrefix[ch] = readSetupText(file, "FaxLocalID", dialPrefixKey(ch), "", true);

    if (!parseChannelDigits("Card1Use", card1Use, tables.InService, dialogs))
        return false;
    tables.Function.fill(2);
    return parseChannelDigits("ChPolarity", chPolarity, tables.Polarity, dialogs);
}

} // namespace server
