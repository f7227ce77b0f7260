// Unattended detection and writing of KtConfig.ini.
#include "ktcticonfig/UnattendedDetection.h"

#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/ConfigModel.h"

#include "common/AtomicFile.h"
#include "common/ProfileFile.h"

#include <fstream>
#include <iterator>

namespace ktcticonfig {

namespace {

// A file that is there but does not read as a configuration (no [SystemConfig] section, or binary
// bytes) is copied beside it before the detected configuration is written into it, so that what it
// held can still be looked at. False, with the reason reported, when it cannot be kept: then nothing is
// written.
bool keepDamagedFile(const std::string &path, Reporter &reporter)
{
    const common::ProfileFile file(path);
    if (!file.exists() || !file.loadError().empty())
        return true; // nothing was read, so nothing is written over it either
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty() || (file.hasSection("SystemConfig") && bytes.find('\0') == std::string::npos))
        return true;
    const std::string kept = path + ".damaged";
    std::string why;
    if (!common::writeFileAtomically(kept, bytes, &why)) {
        reporter.report("Error! " + path + " is damaged and cannot be kept as " + kept + ": " + why +
                        ". The file is left as it is.");
        return false;
    }
    reporter.report(path + " is damaged (it does not read as a configuration); it is kept as " + kept + ".");
    return true;
}

} // namespace

int runUnattendedDetection(const std::string &path, DeviceProbe &probe, Reporter &reporter)
{
    ConfigModel model;
    std::string error;
    if (!loadModel(path, true, probe, model, reporter, &error)) {
        // An empty model written over the file would throw away a working configuration.
        reporter.report(error);
        return 1;
    }
    if (!keepDamagedFile(path, reporter))
        return 1;
    return writeModel(path, model, reporter) ? 0 : 1;
}

} // namespace ktcticonfig
