// Entry of the KtCtiConfig program: unattended detection from the command line; the window comes later.
#include "ktcticonfig/CommandLine.h"
#include "ktcticonfig/UnattendedDetection.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/DriverProbe.h"
#include "vn/Version.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

class StderrReporter : public ktcticonfig::Reporter
{
public:
    void report(std::string_view message) override { std::cerr << message << '\n'; }
};

std::string programDirectory()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "KtCtiConfig " VN_VERSION "\n";
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--help") {
        std::cout << "usage: KtCtiConfig [1 | 2]     the window on KtConfig.ini of the current folder; 1: Default\n"
                     "                                then Apply and end; 2: Default then OK and end\n"
                     "       KtCtiConfig \"|DIR|\"    detect the boards and write DIR/KtConfig.ini\n"
                     "       KtCtiConfig --help | --version\n";
        return 0;
    }
    const ktcticonfig::CommandLine commandLine = ktcticonfig::parseCommandLine(arguments);
    StderrReporter reporter;
    if (!commandLine.unattendedDirectory) {
        std::cerr << "KtCtiConfig: the configuration window is not built yet; run KtCtiConfig \"|DIR|\" to "
                     "detect the boards and write DIR/KtConfig.ini.\n";
        return 2;
    }
    std::error_code ec;
    const std::string path = ktcticonfig::configFilePath(commandLine, std::filesystem::current_path(ec).string());
    auto probe = ktcticonfig::DriverProbe::load(programDirectory(), reporter);
    if (!probe) {
        reporter.report(ktcticonfig::kNoBoardText);
        return 1;
    }
    return ktcticonfig::runUnattendedDetection(path, *probe, reporter);
}
