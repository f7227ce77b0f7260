// Fuzz target: arbitrary bytes read as a profile file; what is read must agree with itself, the text
// must stay byte for byte, and a key written and saved must read back with every other key unchanged.
#include "FuzzScratch.h"
#include "common/ProfileFile.h"
#include "common/ProfileInteger.h"
#include "common/Text.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

using Keys = std::map<std::pair<std::string, std::string>, std::string>;

// Every key the file holds by section and key as spelled, after checking that lookups agree with the
// listing.
Keys readAll(const common::ProfileFile &file)
{
    Keys keys;
    for (const std::string &section : file.sectionNames()) {
        if (!file.hasSection(section))
            std::abort();
        for (const common::ProfileEntry &entry : file.entries(section)) {
            if (file.value(section, entry.key) != entry.value)
                std::abort();
            // The two integer rules never crash, whatever the value.
            file.readInteger(section, entry.key, 7);
            file.readProfileInt(section, entry.key, 7);
            keys.emplace(std::pair(section, entry.key), entry.value);
        }
    }
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input = fuzz::asText(data, size);
    const auto path = fuzz::scratchFolder("vn_fuzz_profile") / "Profile.ini";
    fuzz::writeBytes(path, input);
    common::parseStrictInteger(input);
    common::parseLeadingInteger(input);

    common::ProfileFile file(path.string());
    if (!file.loadError().empty())
        return 0;
    if (file.text() != input)
        std::abort(); // loading alone changes no byte
    const Keys before = readAll(file);

    // A key in a section of its own, written, saved and read back.
    const std::string section = "Fuzz Added";
    const std::string value = std::string(input.substr(0, 16));
    if (!file.writeString(section, "Key", value)) {
        if (value.find_first_of("\r\n") == std::string::npos)
            std::abort(); // only line breaks refuse a value
        return 0;
    }
    if (!file.save())
        std::abort();
    const common::ProfileFile again(path.string());
    const auto stored = again.value(section, "Key");
    if (!stored)
        std::abort();
    Keys after = readAll(again);
    for (const auto &[where, text] : before)
        if (!common::equalsIgnoreCase(where.first, section) && after[where] != text)
            std::abort();
    return 0;
}
