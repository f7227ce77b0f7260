// Fuzz target: arbitrary bytes as Setup.ini loaded into the settings record and its channel tables,
// saved to a new file and loaded again; saving the second record must write the same file as the
// first, so that a load and save keeps every setting. Blanks and quotes at the ends of a text are the
// exception: the profile rules take them off when the file is read, and the file is written unquoted.
#include "FuzzScratch.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/SaveSettings.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Message boxes answered with their default button, as a headless run does.
class SilentDialogs : public server::Dialogs
{
public:
    server::DialogAnswer show(std::string_view, std::string_view, server::DialogIcon, server::DialogButtons,
                              server::DialogAnswer defaultAnswer) override
    {
        return defaultAnswer;
    }
};

// Loads dir/Setup.ini into a record that starts at the defaults; false when the load refused.
bool load(const std::filesystem::path &dir, server::Settings &settings, server::ChannelTables &tables)
{
    SilentDialogs dialogs;
    server::applyDefaults(settings, tables);
    settings.ProgramDir = dir.string();
    return server::LoadSettings(settings, tables, dialogs);
}

// Saves the record into dir/Setup.ini, a new file, and returns its text.
std::string saveNew(const std::filesystem::path &dir, server::Settings settings, const server::ChannelTables &tables)
{
    std::filesystem::create_directories(dir);
    std::filesystem::remove(dir / "Setup.ini");
    settings.ProgramDir = dir.string();
    std::string error;
    if (!server::SaveSettings(settings, tables, &error))
        std::abort(); // a scratch folder always takes the file
    return fuzz::readBytes(dir / "Setup.ini");
}

// The file with blanks and double quotes taken off the ends of every value.
std::string withBareValues(std::string_view text)
{
    std::string bare;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            bare.append(line.substr(0, equals + 1));
            line.remove_prefix(equals + 1);
            const std::size_t first = line.find_first_not_of(" \t\r\"");
            line = first == std::string_view::npos ? std::string_view() : line.substr(first);
            line = line.substr(0, line.find_last_not_of(" \t\r\"") + 1);
        }
        bare.append(line).push_back('\n');
    }
    return bare;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &scratch = fuzz::scratchFolder("vn_fuzz_setup");
    std::filesystem::create_directories(scratch / "input");
    fuzz::writeBytes(scratch / "input" / "Setup.ini", fuzz::asText(data, size));

    server::Settings first;
    server::ChannelTables firstTables;
    if (!load(scratch / "input", first, firstTables))
        return 0;
    const std::string written = saveNew(scratch / "first", first, firstTables);

    server::Settings second;
    server::ChannelTables secondTables;
    if (!load(scratch / "first", second, secondTables))
        std::abort(); // a file the server wrote always loads
    if (withBareValues(saveNew(scratch / "second", second, secondTables)) != withBareValues(written))
        std::abort();
    return 0;
}
