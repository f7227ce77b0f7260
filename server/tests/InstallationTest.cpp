// The pristine installation of the damaged-input and cut-short-write tests, and the runs of its
// programs.
#include "server/tests/InstallationTest.h"

#include "server/data/TDM.h"
#include "server/tests/DriverIpc.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <fstream>
#include <unistd.h>

namespace server::testing {

namespace fs = std::filesystem;

const QStringList kTasks = {QStringLiteral("13800000001"), QStringLiteral("13800000002"),
                            QStringLiteral("13800000003")};

TempProgramDir *InstallationTest::s_pristine = nullptr;

const char *programName(Program p)
{
    static const char *const names[] = {"Server --headless", "Server --virtual-time", "Server --import",
                                        "KtCtiConfig |DIR|", "lumosms list"};
    return names[static_cast<int>(p)];
}

std::string readAll(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string InstallationTest::voiceDatabase()
{
    // The one of the voice store's fuzz corpus, after its speed and text.
    const std::string corpus = readAll(fs::path(VN_SOURCE_DIR_PATH) / "fuzz/voxstore/corpus/small-database");
    if (corpus.size() <= 3)
        return {};
    const std::size_t textBytes = static_cast<unsigned char>(corpus[1]) | static_cast<unsigned char>(corpus[2]) << 8;
    return corpus.substr(3 + textBytes);
}

void InstallationTest::SetUpTestSuite()
{
    if (s_pristine)
        return;
    useOwnDriverIpc();
    ::unsetenv("KTSIM_CONFIG");
    s_pristine = new TempProgramDir;
    QDir().mkpath(s_pristine->file("run"));
    QFile::setPermissions(s_pristine->file("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ::setenv("XDG_RUNTIME_DIR", s_pristine->file("run").toLocal8Bit().constData(), 1);
    const QString installation = s_pristine->file("notice");
    QProcess init;
    init.start(QStringLiteral(VN_SERVER_BINARY), {QStringLiteral("--init"), installation});
    ASSERT_TRUE(init.waitForFinished(60000));
    ASSERT_EQ(init.exitCode(), 0) << init.readAllStandardError().toStdString();
    {
        Settings settings;
        settings.ProgramDir = installation.toStdString();
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        for (const QString &number : kTasks)
            exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone,PlanNotice) VALUES ('%1','2026-12-09 10:00:00')")
                         .arg(number));
    }
    const std::string voices = voiceDatabase();
    ASSERT_FALSE(voices.empty());
    writeAll(installation.toStdString() + "/VoiceDB.dat", voices);
    writeAll(installation.toStdString() + "/tasks.txt", "Telephone\n13900000001\n13900000002\n");
    for (const char *extension : {"xls", "xlsx"})
        fs::copy_file(fs::path(VN_SOURCE_DIR_PATH) / "server/workbook/tests/data" /
                          (std::string("people.") + extension),
                      installation.toStdString() + "/tasks." + extension);
    writeAll(installation.toStdString() + "/modem", "\r\nOK\r\n+CMGL: 1,0,,24\r\n0891683108200505F0040D91\r\nOK\r\n");
}

void InstallationTest::TearDownTestSuite()
{
    delete s_pristine;
    s_pristine = nullptr;
}

void InstallationTest::SetUp()
{
    ASSERT_NE(s_pristine, nullptr);
    m_installation = fs::path(m_dir.path()) / "notice";
    fs::copy(s_pristine->path() + "/notice", m_installation, fs::copy_options::recursive);
}

InstallationTest::Outcome InstallationTest::run(Program program, rlim_t fileSizeLimit, const VirtualRun &virtualRun)
{
    const QString dir = QString::fromStdString(m_installation.string());
    QStringList arguments;
    QString binary = QStringLiteral(VN_SERVER_BINARY);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    switch (program) {
    case Program::Headless:
        arguments = {QStringLiteral("--headless"), QStringLiteral("--dir"), dir};
        break;
    case Program::VirtualTime:
        arguments = {QStringLiteral("--dir"),
                     dir,
                     QStringLiteral("--virtual-time"),
                     QStringLiteral("--start-time"),
                     virtualRun.startTime,
                     QStringLiteral("--run-for"),
                     QString::number(virtualRun.seconds)};
        break;
    case Program::Import:
        arguments = {QStringLiteral("--dir"), dir, QStringLiteral("--import"), dir + QLatin1Char('/') + m_importFile};
        break;
    case Program::KtCtiConfig:
        binary = QStringLiteral(VN_KTCTICONFIG_BINARY);
        arguments = {QLatin1Char('|') + dir + QLatin1Char('|')};
        break;
    case Program::LumoSms:
        binary = QStringLiteral(VN_LUMOSMS_BINARY);
        arguments = {QStringLiteral("list"), QStringLiteral("--seconds"), QStringLiteral("2"),
                     QStringLiteral("--time-scale"), QStringLiteral("0.01")};
        environment.insert(QStringLiteral("LUMOSMS_COM1"), dir + QStringLiteral("/modem"));
        break;
    }
    QProcess p;
    if (fileSizeLimit != RLIM_INFINITY)
        p.setChildProcessModifier([fileSizeLimit] {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    p.setProcessEnvironment(environment);
    p.setWorkingDirectory(dir); // as the installation's programs run
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(binary, arguments);
    EXPECT_TRUE(p.waitForStarted());
    // A headless service that started runs until it is stopped: a few seconds up is a start.
    if (!p.waitForFinished(program == Program::Headless ? 4000 : 60000)) {
        EXPECT_EQ(program, Program::Headless) << programName(program) << " hangs";
        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        EXPECT_TRUE(p.waitForFinished(30000)) << "it does not stop on SIGTERM";
    }
    return {p.exitStatus() != QProcess::NormalExit, p.exitCode(), QString::fromUtf8(p.readAll())};
}

int InstallationTest::tasksKept()
{
    Settings settings;
    settings.ProgramDir = m_installation.string();
    TDM dm;
    if (!dm.ConnectDatabase(settings))
        return -1;
    return scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Telphone IN ('%1')")
                          .arg(kTasks.join(QStringLiteral("','"))))
        .toInt();
}

void InstallationTest::restore()
{
    fs::remove_all(m_installation);
    fs::copy(s_pristine->path() + "/notice", m_installation, fs::copy_options::recursive);
}

} // namespace server::testing
