// Writing Setup.ini from the key table.
#include "server/settings/SaveSettings.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/SetupKeys.h"

namespace server {

std::string channelDigits(const std::array<std::int16_t, kMaxChannels> &table)
{
    std::string digits;
    for (std::int16_t v : table)
        digits += static_cast<char>('0' + (v >= 0 && v <= 9 ? v : 0));
    return digits;
}

bool SaveSettings(const Settings &settings, const ChannelTables &tables, std::string *error)
{
    common::ProfileFile file(setupPath(settings));
    const auto put = [&file](std::string_view section, std::string_view key, const std::string &utf8) {
        return file.writeString(section, key, common::utf8ToGbk(utf8));
    };
    bool ok = put("CardParm", "Card1", channelDigits(tables.Kind)) &&
              put("CardParm", "Card1Use", channelDigits(tables.InService)) &&
              put("CardParm", "ChPolarity", channelDigits(tables.Polarity));
    for (const SetupKey &k : setupKeys()) {
        if (!ok)
            break;
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(settings.*member)>;
                if constexpr (std::is_same_v<T, std::string>)
                    ok = put(k.section, k.key, settings.*member);
                else if constexpr (std::is_same_v<T, std::uint32_t>)
                    // Read back as a signed 32-bit number: written so, it comes back whole.
                    ok = put(k.section, k.key, std::to_string(static_cast<std::int32_t>(settings.*member)));
                else
                    ok = put(k.section, k.key, std::to_string(settings.*member));
            },
            k.field);
    }
    for (int ch = 0; ok && ch < kMaxChannels; ++ch)
        ok = put("FaxLocalID", stationIdKey(ch), tables.StationId[static_cast<std::size_t>(ch)]);
    for (int ch = 0; ok && ch < kMaxChannels; ++ch)
        ok = put("FaxLocalID", dialPrefixKey(ch), tables.DialPrefix[static_cast<std::size_t>(ch)]);
    if (!ok) {
        if (error)
            *error = "a setting holds a line break and cannot be written to " + file.path();
        return false;
    }
    return file.save(error);
}

} // namespace server
