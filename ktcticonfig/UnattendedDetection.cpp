// Unattended detection and writing of KtConfig.ini.
#include "ktcticonfig/UnattendedDetection.h"

#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/model/ConfigModel.h"

namespace ktcticonfig {

int runUnattendedDetection(const std::string &path, DeviceProbe &probe, Reporter &reporter)
{
    ConfigModel model;
    std::string error;
    if (!loadModel(path, true, probe, model, reporter, &error)) {
        // An empty model written over the file would throw away a working configuration.
        reporter.report(error);
        return 1;
    }
    return writeModel(path, model, reporter) ? 0 : 1;
}

} // namespace ktcticonfig
