// Reading the sender's settings from the installation's Setup.ini.
#include "smssender/SenderSettings.h"

#include "common/ProfileFile.h"
#include "server/settings/LoadSettings.h"
#include "server/settings/SetupKeys.h"

#include <filesystem>

namespace smssender {

namespace {

int readInRange(const common::ProfileFile &file, const char *key, int def, int lowest, int highest)
{
    const int value = file.readInteger(kSenderSection, key, def);
    return value >= lowest && value <= highest ? value : def;
}

std::chrono::milliseconds readSeconds(const common::ProfileFile &file, const char *key, std::chrono::milliseconds def)
{
    const int seconds = static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(def).count());
    return std::chrono::seconds(readInRange(file, key, seconds, 1, 3600));
}

} // namespace

bool loadSenderSettings(server::Settings &database, SenderSettings &sender, std::string *error)
{
    const std::string path = server::setupPath(database);
    if (!std::filesystem::is_regular_file(path)) {
        *error = "no settings file " + path;
        return false;
    }
    const common::ProfileFile file(path);
    if (!file.loadError().empty()) {
        *error = "cannot read " + path + ": " + file.loadError();
        return false;
    }
    // The database keys through the server's own key table, so that both read them alike.
    for (const server::SetupKey &key : server::setupKeys())
        if (key.section == "Database")
            server::readSetupKey(file, key, database);

    const SenderSettings defaults;
    sender.port = readInRange(file, "Port", defaults.port, 1, 255);
    sender.baud = readInRange(file, "Baud", defaults.baud, 1, 921600);
    sender.serviceCentre = server::readSetupText(file, kSenderSection, "ServiceCentre", "", true);
    sender.pollPeriod = readSeconds(file, "PollSeconds", defaults.pollPeriod);
    sender.attempts = readInRange(file, "Attempts", defaults.attempts, 1, 100);
    sender.answerTimeout = readSeconds(file, "AnswerSeconds", defaults.answerTimeout);
    return true;
}

} // namespace smssender
