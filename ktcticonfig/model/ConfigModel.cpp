// Reading and writing the whole configuration model.
#include "ktcticonfig/model/ConfigModel.h"

#include "common/ProfileFile.h"
#include "ktcticonfig/model/BoardSection.h"
#include "ktcticonfig/model/GlobalSettingsIo.h"
#include "ktcticonfig/model/ProfileWriter.h"

namespace ktcticonfig {

namespace {

constexpr const char *kPcmInfo = "PcmInfo";
// Every PCM of the largest board list.
constexpr int kMaxPcmListItems = kMaxBoards * kMaxPcmsPerBoard;

std::string pcmKey(std::size_t i)
{
    return "Pcm[" + std::to_string(i) + "]";
}

void readPcmList(const common::ProfileFile &file, ConfigModel &model)
{
    int total = file.readProfileInt(kPcmInfo, "TotalPcm", 0);
    total = total < 0 ? 0 : (total > kMaxPcmListItems ? kMaxPcmListItems : total);
    model.pcmList.clear();
    for (int i = 0; i < total; ++i)
        model.pcmList.push_back(file.readString(kPcmInfo, pcmKey(i), "", 9));
}

} // namespace

std::string missingFileMessage(const std::string &path)
{
    return "Error: KtConfig.ini not found on specified path " + path + ".";
}

bool readModel(const std::string &path, ConfigModel &model, Reporter &reporter, std::string *error)
{
    common::ProfileFile file(path);
    if (!file.exists() || !file.loadError().empty())
        reporter.report(missingFileMessage(path));
    model = ConfigModel{};
    ProfileWriter repairs(file, reporter);
    for (KeyGroup group : readOrder())
        readGroup(file, group, model.settings, repairs);
    readPcmList(file, model);
    // Repairs reach the file right after the batch that found them.
    if (file.modified() && !repairs.commit()) {
        if (error)
            *error = kReadFailedText;
        return false;
    }

    model.boards.resize(static_cast<std::size_t>(model.settings.system("TotalBoards")));
    for (std::size_t n = 0; n < model.boards.size(); ++n) {
        if (!readBoardSection(file, static_cast<int>(n), model.boards[n], reporter)) {
            if (error)
                *error = kReadFailedText;
            return false;
        }
        if (model.boards[n].modelCode == 75)
            model.ipBoardPresent = true;
    }
    if (!readChannelTable(file, model.boards, model.channels, reporter)) {
        if (error)
            *error = kReadFailedText;
        return false;
    }
    return true;
}

bool writeModel(const std::string &path, const ConfigModel &model, Reporter &reporter)
{
    common::ProfileFile file(path);
    ProfileWriter w(file, reporter);
    GlobalSettings settings = model.settings;
    settings.setSystem("TotalBoards", static_cast<std::int32_t>(model.boards.size()));

    writeGroup(w, KeyGroup::SystemHead, settings);
    for (std::size_t i = 0; i < model.pcmList.size(); ++i)
        w.write(kPcmInfo, pcmKey(i), model.pcmList[i]);
    w.writeInt(kPcmInfo, "TotalPcm", static_cast<long long>(model.pcmList.size()));
    writeChannelTable(w, model.channels, model.boards);
    for (std::size_t n = 0; n < model.boards.size(); ++n)
        writeBoardSection(w, static_cast<int>(n), model.boards[n], settings);
    writeGroup(w, KeyGroup::DebugView, settings);
    for (KeyGroup group : {KeyGroup::Isdn, KeyGroup::SystemVoice, KeyGroup::SystemTone, KeyGroup::Ss1,
                           KeyGroup::Ss7Spy, KeyGroup::Tup, KeyGroup::Ss7, KeyGroup::Fsk, KeyGroup::Fax,
                           KeyGroup::Isup})
        writeGroup(w, group, settings);
    return w.commit();
}

} // namespace ktcticonfig
