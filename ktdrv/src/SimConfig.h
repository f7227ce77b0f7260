// The simulated installation described by KtSim.ini: devices, called numbers, agent telephones, options.
#pragma once

#include "ktdrv/src/Script.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ktdrv {

enum class Bus { Pci = 0, Usb = 1 };

/// One simulated board device ([Device<N>]).
struct SimDevice
{
    int index = 0;
    Bus bus = Bus::Pci;
    unsigned hardwareId = 0;
    unsigned serialNumber = 0;
    unsigned subType = 0;
    bool modelQueryFails = false;         ///< the device opens but does not answer the model query
    std::vector<int> channelTypes;        ///< driver channel type per board channel (empty: not given, detection only)
    std::vector<int> lineVoltage;         ///< per board channel
    std::vector<bool> polarityReversal;   ///< per board channel
};

struct NumberRule
{
    std::string pattern;
    Script script;
};

struct StationPlan
{
    Script onRing;            ///< what the telephone does when it rings
    Script ownCalls;          ///< at:MS groups: lift the handset for an own call
};

struct SimConfig
{
    std::string path;
    bool virtualTime = false;
    std::string heardDir;
    std::string controlSocket;
    std::vector<SimDevice> devices;              ///< in index order
    std::vector<NumberRule> numbers;             ///< in file order: first match wins
    std::map<int, StationPlan> stations;         ///< by application channel

    const SimDevice *deviceBySerial(unsigned serial) const;
    const SimDevice *deviceByIndex(int index) const;
    /// The script for dialled digits (a trailing '#' ignored); ring:forever when no pattern matches.
    Script scriptFor(std::string digits) const;
};

/// Where KtSim.ini is: $KTSIM_CONFIG, else beside the given configuration file (or in the current
/// directory when that is empty).
std::string simConfigPath(const std::string &besideFile);

/// Reads the whole file; on failure nothing, and error says file, line and reason.
std::optional<SimConfig> loadSimConfig(const std::string &path, std::string &error);

/// Reads only the [Device<N>] sections (board detection), where ChannelTypes may be left out: a device
/// is found by its hardware model and serial number alone. On failure error says file, line and reason.
std::optional<std::vector<SimDevice>> loadSimDevices(const std::string &path, std::string &error);

} // namespace ktdrv
