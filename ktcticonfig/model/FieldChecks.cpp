// Field checks and store rules of the option pages.
#include "ktcticonfig/model/FieldChecks.h"

#include "ktcticonfig/model/KeyText.h"

#include <cstdlib>
#include <string>

namespace ktcticonfig {

std::optional<std::int64_t> rangeRepair(const RangeCheck &check, std::string_view text)
{
    const long long value = leadingNumber(text);
    if (value < check.low || value > check.high)
        return check.fallback;
    return std::nullopt;
}

void finishGlobalVoiceStore(GlobalSettings &settings, const GlobalSettings &before)
{
    if (settings.system("PrerecordEnable") == 0)
        settings.setSystem("PrerecordMode", before.system("PrerecordMode"));
    const std::int32_t output = settings.system("DefaulteventOutput");
    if (output < 0 || output > 2)
        settings.setSystem("DefaulteventOutput", 1);
    for (std::string_view key : {"MaxPlayFileList", "MaxPlayIndexList", "MaxPlayMemList"})
        settings.setSystem(key, static_cast<std::uint16_t>(settings.system(key)));
}

std::string checkSpyPcmPair(std::string_view pair)
{
    const std::size_t comma = pair.find(',');
    const std::string_view first = pair.substr(0, comma);
    const std::string_view second = comma == std::string_view::npos ? std::string_view() : pair.substr(comma + 1);
    for (std::string_view number : {first, second})
        if (rangeRepair(kSpyPcmCheck, number))
            return std::string(kSpyPcmCheck.message);
    return {};
}

bool spyPcmInUse(std::string_view pair, const std::vector<ListRow> &circuits)
{
    const std::size_t comma = pair.find(',');
    const long long first = leadingNumber(pair.substr(0, comma));
    const long long second = comma == std::string_view::npos ? first : leadingNumber(pair.substr(comma + 1));
    for (const auto &circuit : circuits) {
        if (circuit.empty() || !circuit[0] || circuit[0]->empty())
            continue;
        const long long pcm = leadingNumber(*circuit[0]);
        if (pcm == first || pcm == second)
            return true;
    }
    return false;
}

int selfDefinedToneSwitch(std::string_view text)
{
    const long long value = leadingNumber(text);
    return value >= 0 && value <= 2 ? static_cast<int>(value) : 0;
}

} // namespace ktcticonfig
