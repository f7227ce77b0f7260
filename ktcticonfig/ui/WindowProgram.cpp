// Start-up of the window: one copy per installation, the marker, the model, the shared block, the
// driver's version and the window.
#include "ktcticonfig/ui/WindowProgram.h"

#include "ktcticonfig/app/InstanceRegistry.h"
#include "ktcticonfig/app/SharedLogBlock.h"
#include "ktcticonfig/app/SingleInstance.h"
#include "ktcticonfig/detect/DetectionPass.h"
#include "ktcticonfig/detect/DriverLibrary.h"
#include "ktcticonfig/detect/DriverProbe.h"
#include "ktcticonfig/ui/KtCtiConfigDlg.h"
#include "ktcticonfig/ui/MessageBoxDialogs.h"
#include "ktcticonfig/ui/Translations.h"

#include <QApplication>
#include <QSettings>

#include <dlfcn.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace ktcticonfig {

namespace {

// The model at start-up: the file when there is one, else the boards detection finds.
ConfigModel startModel(const std::string &path, const std::string &programDirectory, Dialogs &dialogs)
{
    ConfigModel model;
    std::string error;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (!readModel(path, model, dialogs, &error))
            dialogs.show(error);
        return model;
    }
    auto probe = DriverProbe::load(programDirectory, dialogs);
    if (probe && !loadModel(path, true, *probe, model, dialogs, &error))
        dialogs.show(error);
    return model;
}

void showDriverVersion(KtCtiConfigDlg &window, const std::string &programDirectory, Dialogs &dialogs)
{
    std::string error;
    void *library = openDriverLibrary(programDirectory, &error);
    if (!library) {
        dialogs.showError("Error", "Filename: KTDRV.dll " + error);
        return;
    }
    window.showDriverVersion(driverLibraryVersion(library));
    dlclose(library);
}

} // namespace

int runWindowProgram(const CommandLine &commandLine, const std::string &programDirectory)
{
    const Language language = languageOf(QLocale::system());
    installTranslators(language);
    MessageBoxDialogs dialogs;

    // A second start shows the running copy and ends before it reads anything.
    SingleInstance instance(QString::fromStdString(programDirectory));
    if (!instance.claim())
        return 0;
    InstanceRegistry registry("/KtCtiConfig_" + SingleInstance::nameFor(QString::fromStdString(programDirectory))
                                                    .section(QLatin1Char(' '), 1)
                                                    .toStdString(),
                              InstanceRegistry::defaultMarkerPath());
    registry.open();
    if (registry.markerPresent()) {
        dialogs.show("KtCtiConfig has already loaded!");
        return 0;
    }
    registry.resetToThisCopy();

    WindowSetup setup;
    setup.programDirectory = programDirectory;
    setup.configPath = programDirectory + "/KtConfig.ini";
    setup.indexPath = programDirectory + "/KtIndex.ini";
    std::error_code ec;
    setup.logDirectory = std::filesystem::current_path(ec).string();
    setup.autoAction = commandLine.autoAction;
    setup.language = language;
    setup.openProbe = [programDirectory](Reporter &reporter) -> std::unique_ptr<DeviceProbe> {
        return DriverProbe::load(programDirectory, reporter);
    };
    setup.openDriver = [programDirectory](std::string &error) -> std::unique_ptr<DriverFunctions> {
        return DriverLibraryFunctions::load(programDirectory, error);
    };
    setup.waitOneSecond = [] { std::this_thread::sleep_for(std::chrono::seconds(1)); };
    setup.quit = [](int code) { QCoreApplication::exit(code); };

    ConfigModel model = startModel(setup.configPath, programDirectory, dialogs);
    SharedLogBlock block;
    std::string error;
    if (!block.open(&error)) {
        dialogs.show(error);
        return 1;
    }
    QSettings settings(QStringLiteral("KtCtiConfig"), QStringLiteral("KtCtiConfig"));
    if (!settings.contains(QStringLiteral("HideKtCtiConfigDlg")))
        settings.setValue(QStringLiteral("HideKtCtiConfigDlg"), 1);
    settings.sync();

    setup.logBlock = &block;
    KtCtiConfigDlg window(setup, std::move(model), dialogs);
    dialogs.setParent(&window);
    QObject::connect(&instance, &SingleInstance::activationRequested, &window, &KtCtiConfigDlg::showAndRaise);
    window.show();
    showDriverVersion(window, programDirectory, dialogs);
    window.hideIfWanted();
    window.startAutoAction();
    return QApplication::exec();
}

} // namespace ktcticonfig
