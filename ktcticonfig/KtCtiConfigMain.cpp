// Entry of the KtCtiConfig program: the window, or unattended detection with "|DIR|".
#include "ktcticonfig/CommandLine.h"
#include "ktcticonfig/UnattendedDetection.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/DriverProbe.h"
#include "ktcticonfig/ui/WindowProgram.h"
#include "vn/Version.h"

#include <QApplication>

#include <csignal>
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

constexpr const char *kUsage =
    "usage: KtCtiConfig [--dir DIR] [1 | 2]\n"
    "       KtCtiConfig \"|DIR|\"\n"
    "       KtCtiConfig --help | --version\n"
    "  --dir DIR  the folder of KtConfig.ini (default: the program's folder)\n"
    "  1          Default, then Apply, then end\n"
    "  2          Default, then OK, then end\n"
    "  \"|DIR|\"    detect the boards without a window and write DIR/KtConfig.ini\n";

} // namespace

int main(int argc, char **argv)
{
    // A file size limit makes a write of KtConfig.ini fail with EFBIG, which is reported, instead of
    // ending the tool while the old file still stands.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "KtCtiConfig " VN_VERSION "\n";
        return 0;
    }
    if (arguments.size() == 1 && arguments[0] == "--help") {
        std::cout << kUsage;
        return 0;
    }
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
