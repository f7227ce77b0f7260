// Entry of the KtCtiConfig program: the window, or unattended detection with "|DIR|".
#include "ktcticonfig/CommandLine.h"
#include "ktcticonfig/UnattendedDetection.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/DriverProbe.h"
#include "ktcticonfig/ui/WindowProgram.h"

#include <QApplication>

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

int runUnattended(const ktcticonfig::CommandLine &commandLine)
{
    StderrReporter reporter;
    std::error_code ec;
    const std::string path = ktcticonfig::configFilePath(commandLine, std::filesystem::current_path(ec).string());
    auto probe = ktcticonfig::DriverProbe::load(programDirectory(), reporter);
    if (!probe) {
        reporter.report(ktcticonfig::kNoBoardText);
        return 1;
    }
    return ktcticonfig::runUnattendedDetection(path, *probe, reporter);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ktcticonfig::CommandLine commandLine = ktcticonfig::parseCommandLine(arguments);
    if (commandLine.unattendedDirectory)
        return runUnattended(commandLine);
    QApplication app(argc, argv);
    std::error_code ec;
    const std::string directory = commandLine.programDirectory
                                      ? std::filesystem::absolute(*commandLine.programDirectory, ec).string()
                                      : programDirectory();
    return ktcticonfig::runWindowProgram(commandLine, directory);
}
