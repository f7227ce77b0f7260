// Reading of KtSim.ini with an error that names file, line and reason for anything malformed.
#include "ktdrv/src/SimConfig.h"

#include "common/ProfileFile.h"
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace ktdrv {
namespace {

constexpr int kMaxDevices = 20;

bool parseUnsigned(std::string_view text, unsigned &out)
{
    text = common::trimBlanks(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size();
}

bool parseList(std::string_view text, std::vector<int> &out)
{
    out.clear();
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto comma = text.find(',', pos);
        if (comma == std::string_view::npos)
            comma = text.size();
        auto part = common::trimBlanks(text.substr(pos, comma - pos));
        int value = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || ec != std::errc() || end != part.data() + part.size())
            return false;
        out.push_back(value);
        pos = comma + 1;
    }
    return true;
}

struct Reader
{
    const common::ProfileFile &file;
    std::string &error;
    /// Board detection reads only what identifies a device: its channels may be left out.
    bool detectionOnly = false;

    bool fail(int line, const std::string &why)
    {
        error = file.path() + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + why;
        return false;
    }
    const common::ProfileEntry *find(const std::vector<common::ProfileEntry> &entries, std::string_view key)
    {
        for (const auto &e : entries)
            if (common::equalsIgnoreCase(e.key, key))
                return &e;
        return nullptr;
    }

    // A per-channel list: one value for every channel, or one value per channel. Without a channel
    // count (a device without ChannelTypes, read for detection) only the list itself is checked.
    bool perChannel(const std::vector<common::ProfileEntry> &entries, std::string_view key, std::size_t channels,
                    int fallback, std::vector<int> &out, const std::string &section)
    {
        const auto *e = find(entries, key);
        if (!e) {
            out.assign(channels, fallback);
            return true;
        }
        if (!parseList(e->value, out))
            return fail(e->line, "[" + section + "] " + std::string(key) + ": '" + e->value + "' is not a list of numbers");
        if (channels == 0) {
            out.clear();
            return true;
        }
        if (out.size() == 1)
            out.assign(channels, out[0]);
        if (out.size() != channels)
            return fail(e->line, "[" + section + "] " + std::string(key) + " has " + std::to_string(out.size()) +
                                     " values for " + std::to_string(channels) + " channels");
        return true;
    }

    bool device(const std::string &section, int index, SimDevice &dev)
    {
        auto entries = file.entries(section);
        dev.index = index;
        for (const char *key : {"HardwareId", "SerialNumber", "ChannelTypes"})
            if (!find(entries, key) && !(detectionOnly && std::string_view(key) == "ChannelTypes"))
                return fail(file.sectionLine(section), "[" + section + "] lacks " + key);
        if (const auto *e = find(entries, "Bus")) {
            if (common::equalsIgnoreCase(e->value, "pci"))
                dev.bus = Bus::Pci;
            else if (common::equalsIgnoreCase(e->value, "usb"))
                dev.bus = Bus::Usb;
            else
                return fail(e->line, "[" + section + "] Bus: '" + e->value + "' is neither pci nor usb");
        }
        struct { const char *key; unsigned *out; } numbers[] = {
            {"HardwareId", &dev.hardwareId}, {"SerialNumber", &dev.serialNumber}, {"SubType", &dev.subType}};
        for (auto &n : numbers)
            if (const auto *e = find(entries, n.key); e && !parseUnsigned(e->value, *n.out))
                return fail(e->line, "[" + section + "] " + n.key + ": '" + e->value + "' is not an unsigned number");
        if (const auto *e = find(entries, "ModelQueryFails")) {
            unsigned v = 0;
            if (!parseUnsigned(e->value, v) || v > 1)
                return fail(e->line, "[" + section + "] ModelQueryFails must be 0 or 1");
            dev.modelQueryFails = v == 1;
        }
        if (dev.hardwareId > 255)
            return fail(find(entries, "HardwareId")->line, "[" + section + "] HardwareId must be 0..255");
        const auto *types = find(entries, "ChannelTypes");
        if (types &&
            (!parseList(types->value, dev.channelTypes) || dev.channelTypes.empty() || dev.channelTypes.size() > 480))
            return fail(types->line, "[" + section + "] ChannelTypes: '" + types->value +
                                         "' is not a list of 1..480 channel types");
        std::vector<int> polarity;
        if (!perChannel(entries, "LineVoltage", dev.channelTypes.size(), 48, dev.lineVoltage, section) ||
            !perChannel(entries, "PolarityReversal", dev.channelTypes.size(), 0, polarity, section))
            return false;
        dev.polarityReversal.assign(polarity.begin(), polarity.end());
        for (const auto &e : entries) {
            static const char *known[] = {"Bus", "HardwareId", "SerialNumber", "SubType", "ChannelTypes",
                                          "LineVoltage", "PolarityReversal", "ModelQueryFails"};
            bool ok = false;
            for (const char *k : known)
                ok = ok || common::equalsIgnoreCase(e.key, k);
            if (!ok)
                return fail(e.line, "[" + section + "] unknown key '" + e.key + "'");
        }
        return true;
    }

    static bool startsWithWord(const std::string &name, std::string_view word)
    {
        return name.size() > word.size() && common::equalsIgnoreCase(std::string_view(name).substr(0, word.size()), word);
    }

    bool devices(std::vector<SimDevice> &out)
    {
        for (const auto &name : file.sectionNames()) {
            // [UsbDevice<N>] is a USB box at index N; it may share the index with a PCI [Device<N>],
            // which detection then finds first.
            const bool usbSection = startsWithWord(name, "UsbDevice");
            const std::string_view prefix = usbSection ? "UsbDevice" : "Device";
            if (!startsWithWord(name, prefix))
                continue;
            unsigned index = 0;
            if (!parseUnsigned(std::string_view(name).substr(prefix.size()), index) || index >= kMaxDevices)
                return fail(file.sectionLine(name), "[" + name + "]: device index must be 0..19");
            SimDevice dev;
            if (usbSection)
                dev.bus = Bus::Usb;
            if (!device(name, static_cast<int>(index), dev))
                return false;
            if (usbSection && dev.bus != Bus::Usb)
                return fail(file.sectionLine(name), "[" + name + "]: a UsbDevice section is on the usb bus");
            for (const auto &other : out) {
                if (other.index == dev.index && other.bus == dev.bus)
                    return fail(file.sectionLine(name), "[" + name + "]: device index given twice on one bus");
                if (other.serialNumber == dev.serialNumber)
                    return fail(file.sectionLine(name), "[" + name + "]: serial number " + std::to_string(dev.serialNumber) +
                                       " already belongs to [" + (other.bus == Bus::Usb ? "UsbDevice" : "Device") +
                                       std::to_string(other.index) + "]");
            }
            out.push_back(std::move(dev));
        }
        std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) {
            return a.index != b.index ? a.index < b.index : a.bus < b.bus;
        });
        return true;
    }
};

} // namespace

const SimDevice *SimConfig::deviceBySerial(unsigned serial) const
{
    for (const auto &d : devices)
        if (d.serialNumber == serial)
            return &d;
    return nullptr;
}

const SimDevice *SimConfig::deviceByIndex(int index) const
{
    for (const auto &d : devices)
        if (d.index == index)
            return &d;
    return nullptr;
}

Script SimConfig::scriptFor(std::string digits) const
{
    if (!digits.empty() && digits.back() == '#')
        digits.pop_back();
    for (const auto &rule : numbers)
        if (matchNumber(rule.pattern, digits))
            return rule.script;
    // Nobody answers a number the installation does not know.
    return {ScriptStep{ScriptStep::Kind::Ring, kForever, 0, {}}};
}

std::string simConfigPath(const std::string &besideFile)
{
    if (const char *env = std::getenv("KTSIM_CONFIG"); env && *env)
        return env;
    std::filesystem::path dir = std::filesystem::path(besideFile).parent_path();
    return (dir.empty() ? std::filesystem::path("KtSim.ini") : dir / "KtSim.ini").string();
}

std::optional<std::vector<SimDevice>> loadSimDevices(const std::string &path, std::string &error)
{
    common::ProfileFile file(path);
    if (!file.exists()) {
        error = path + ": " + (file.loadError().empty() ? "file not found" : file.loadError());
        return std::nullopt;
    }
    Reader reader{file, error, true};
    std::vector<SimDevice> devices;
    if (!reader.devices(devices))
        return std::nullopt;
    return devices;
}

std::optional<SimConfig> loadSimConfig(const std::string &path, std::string &error)
{
    common::ProfileFile file(path);
    if (!file.exists()) {
        error = path + ": " + (file.loadError().empty() ? "file not found" : file.loadError());
        return std::nullopt;
    }
    Reader reader{file, error};
    SimConfig config;
    config.path = path;
    if (!reader.devices(config.devices))
        return std::nullopt;

    for (const auto &e : file.entries("Simulator")) {
        if (common::equalsIgnoreCase(e.key, "TimeMode")) {
            if (common::equalsIgnoreCase(e.value, "virtual"))
                config.virtualTime = true;
            else if (!common::equalsIgnoreCase(e.value, "real")) {
                reader.fail(e.line, "[Simulator] TimeMode: '" + e.value + "' is neither real nor virtual");
                return std::nullopt;
            }
        } else if (common::equalsIgnoreCase(e.key, "HeardDir")) {
            config.heardDir = e.value;
        } else if (common::equalsIgnoreCase(e.key, "ControlSocket")) {
            config.controlSocket = e.value;
        } else {
            reader.fail(e.line, "[Simulator] unknown key '" + e.key + "'");
            return std::nullopt;
        }
    }

    for (const auto &e : file.entries("Numbers")) {
        std::string why;
        auto script = parseScript(e.value, ScriptKind::FarEnd, why);
        if (!script) {
            reader.fail(e.line, "[Numbers] " + e.key + ": " + why);
            return std::nullopt;
        }
        config.numbers.push_back({e.key, std::move(*script)});
    }

    for (const auto &e : file.entries("Stations")) {
        std::string_view key = e.key;
        bool ownCall = key.size() > 4 && common::equalsIgnoreCase(key.substr(0, 4), "Call");
        if (ownCall)
            key.remove_prefix(4);
        unsigned ch = 0;
        if (!parseUnsigned(key, ch) || ch > 20000) {
            reader.fail(e.line, "[Stations] '" + e.key + "' is neither a channel number nor Call<channel>");
            return std::nullopt;
        }
        std::string why;
        auto script = parseScript(e.value, ScriptKind::Station, why);
        if (script && ownCall && (*script)[0].kind != ScriptStep::Kind::At)
            why = "an own call starts with at:MS", script.reset();
        // The script is let go as soon as a step is refused: the loop must not go on over it.
        if (script && !ownCall)
            for (const auto &step : *script)
                if (step.kind == ScriptStep::Kind::At) {
                    why = "at:MS belongs to Call<channel>";
                    script.reset();
                    break;
                }
        if (!script) {
            reader.fail(e.line, "[Stations] " + e.key + ": " + why);
            return std::nullopt;
        }
        auto &plan = config.stations[static_cast<int>(ch)];
        (ownCall ? plan.ownCalls : plan.onRing) = std::move(*script);
    }
    return config;
}

} // namespace ktdrv
