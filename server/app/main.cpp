// The server program: command line, --init, the single-instance rule, then the service in its window,
// headless or on virtual time.
#include "server/app/CommandLine.h"
#include "server/app/ImportCommand.h"
#include "server/app/SingleInstance.h"
#include "server/app/StandardErrorDisplay.h"
#include "server/app/StatReportCommand.h"
#include "server/board/TlxBoard.h"
#include "server/board/VirtualTime.h"
#include "server/engine/Clock.h"
#include "server/engine/Service.h"
#include "server/engine/ServiceTimers.h"
#include "server/install/DemoInstallation.h"
#include "server/install/InitInstallation.h"
#include "server/ui/FrmServer.h"
#include "server/ui/MessageDialogs.h"

#include "ktdrv/KtSim.h"
#include "vn/Version.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM run the action on the event loop.
void onSignals(QObject &context, std::function<void()> action)
{
    if (::pipe(signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &context);
    QObject::connect(notifier, &QSocketNotifier::activated, &context, [action = std::move(action)] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[0], &byte, 1);
        action();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

// SIGINT and SIGTERM end a run on virtual time early, as the end of its time does.
volatile std::sig_atomic_t virtualRunStopped = 0;

void onVirtualRunSignal(int)
{
    virtualRunStopped = 1;
}

} // namespace

int main(int argc, char **argv)
{
    // A file size limit makes a write fail with EFBIG, which the writer reports and survives, instead
    // of ending the service in the middle of its calls.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (arguments.contains(QStringLiteral("--help"))) {
        std::fputs(server::commandLineUsage().toUtf8().constData(), stdout);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        std::printf("Server %s\n", VN_VERSION);
        return 0;
    }
    QString error;
    const auto cl = server::parseCommandLine(arguments, &error);
    if (!cl) {
        std::fprintf(stderr, "Server: %s\n%s", error.toUtf8().constData(), server::commandLineUsage().toUtf8().constData());
        return 2;
    }
    if (cl->headless || cl->virtualTime || cl->report || !cl->initDir.isEmpty() || !cl->importFile.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("自动语音通知系统"));
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei")));

    if (!cl->initDir.isEmpty()) {
        if (!server::initInstallation(cl->initDir, cl->voicesDir, &error) ||
            (cl->demo && !server::makeDemo(QDir(cl->initDir).absolutePath(), &error, {cl->live}))) {
            std::fprintf(stderr, "Server --init: %s\n", error.toUtf8().constData());
            return 1;
        }
        std::printf("Server --init: program directory ready in %s\n",
                    QDir(cl->initDir).absolutePath().toUtf8().constData());
        return 0;
    }

    const QString programDir =
        QDir(cl->programDir.isEmpty() ? QApplication::applicationDirPath() : cl->programDir).absolutePath();
    if (!cl->importFile.isEmpty())
        return server::runImport(programDir, cl->importFile, cl->planNotice);
    if (cl->report && (!cl->reportFrom.isEmpty() || !cl->reportTo.isEmpty()))
        return server::runStatReport(
            programDir, cl->reportFrom, cl->reportTo,
            QString::fromStdString(common::formatDateTime("yyyy-mm-dd", common::DateTime::now())));
    if (cl->report) {
        const QString report = server::outcomeReport(programDir, &error);
        if (report.isEmpty()) {
            std::fprintf(stderr, "Server --report: %s\n", error.toUtf8().constData());
            return 1;
        }
        std::fputs(report.toUtf8().constData(), stdout);
        return 0;
    }
    server::SingleInstance instance(programDir);
    if (!instance.claim())
        return 0; // the running copy was asked to come to the front

    server::HeadlessDialogs headlessDialogs;
    server::MessageBoxDialogs screenDialogs;
    const bool headless = cl->headless || cl->virtualTime;
    server::Dialogs &dialogs = headless ? static_cast<server::Dialogs &>(headlessDialogs) : screenDialogs;
    server::TlxBoard board;

    if (cl->virtualTime) {
        // The whole run happens here, on the board's clock: no event loop, no wall time.
        TlxSimSetVirtualTime(1);
        std::signal(SIGINT, onVirtualRunSignal);
        std::signal(SIGTERM, onVirtualRunSignal);
        const common::DateTime start =
            cl->startTime.isEmpty() ? common::DateTime::now() : *common::parseDateTime(cl->startTime.toStdString());
        server::BoardClock clock(start);
        server::StandardErrorDisplay display;
        server::Service service(programDir.toStdString(), board, display, clock, dialogs);
        const bool started = service.start();
        const std::uint32_t seconds = cl->runForSeconds ? cl->runForSeconds : 3600u;
        server::runVirtualTime(service, seconds * 1000u, &virtualRunStopped);
        std::printf("Server: %s; %u s of virtual time from %s\n", started ? "service ran" : "service did not start",
                    seconds, common::formatDateTime("yyyy-mm-dd hh:mm:ss", start).c_str());
        service.shutdown();
        return started ? 0 : 1;
    }

    server::SystemClock clock;
    if (headless) {
        // No window. A service manager learns of a start-up that ends without service by the exit
        // status, and stops the service with a signal, which closes it as the exit command does.
        server::StandardErrorDisplay display;
        server::Service service(programDir.toStdString(), board, display, clock, dialogs);
        server::ServiceTimers timers(service);
        const auto close = [&service, &timers] {
            service.shutdown();
            timers.sync();
            QCoreApplication::exit(0);
        };
        onSignals(timers, close);
        // --run-for in real time: the run closes by itself after so many seconds, as on a signal
        // (lines that call real telephones, such as SIP lines, cannot run on virtual time).
        QTimer stopTimer;
        stopTimer.setSingleShot(true);
        QObject::connect(&stopTimer, &QTimer::timeout, &timers, close);
        if (cl->runForSeconds)
            stopTimer.start(std::chrono::seconds(cl->runForSeconds));
        const bool started = service.start();
        timers.sync();
        if (!started) {
            service.shutdown();
            return 1;
        }
        return app.exec();
    }

    server::TFrmServer window(programDir, board, clock, dialogs);
    QObject::connect(&instance, &server::SingleInstance::activationRequested, &window, &server::TFrmServer::activate);
    onSignals(window, [&window] { window.close(); });
    screenDialogs.setParent(&window);
    window.showAtStart();
    return app.exec();
}
