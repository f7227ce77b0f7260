// Every input file of an installation damaged in turn, and each program that reads it run on it as a
// process: none may end by a signal or with a sanitizer report, a refusal must name the file, and the
// database must keep every task it had. Then the writes of Setup.ini and KtConfig.ini cut short by a
// file size limit: the old file stays whole and the failure is reported.
#include "server/data/TDM.h"
#include "server/data/tests/TestDatabase.h"
#include "server/tests/DriverIpc.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace server {
namespace {

namespace fs = std::filesystem;

enum class Damage
{
    Empty,
    Truncated,
    Garbage,
    OutOfRange,
    Utf8,
    Huge,
    Directory,
    Unreadable
};

const char *damageName(Damage d)
{
    static const char *const names[] = {"empty", "truncated", "garbage",   "out-of-range",
                                        "utf8",  "100MB",     "directory", "unreadable"};
    return names[static_cast<int>(d)];
}

enum class Program
{
    Headless,
    VirtualTime,
    Import,
    KtCtiConfig,
    LumoSms
};

const char *programName(Program p)
{
    static const char *const names[] = {"Server --headless", "Server --virtual-time", "Server --import",
                                        "KtCtiConfig |DIR|", "lumosms list"};
    return names[static_cast<int>(p)];
}

// One input file: where it lives in the installation, the programs that read it, the valid value put
// out of range and the GBK text replaced by UTF-8 (section, key, value; empty: a damage the file cannot
// have), and what else than its name a refusal may say to name it.
struct InputFile
{
    const char *name;
    std::vector<Program> readers;
    std::array<const char *, 3> outOfRange;
    std::array<const char *, 3> utf8;
    const char *alsoNamedAs = nullptr;
};

void PrintTo(const InputFile &input, std::ostream *out)
{
    *out << input.name;
}

const InputFile kFiles[] = {
    {"Setup.ini",
     {Program::Headless, Program::VirtualTime, Program::Import},
     {"Other", "Interval", "99999"},
     {"Other", "Title", "语音通知"}},
    {"KtConfig.ini",
     {Program::VirtualTime, Program::KtCtiConfig},
     {"SystemConfig", "TotalBoards", "99"},
     {"BoardId=0", "BoardModel", "语音板"}},
    {"KtIndex.ini", {Program::VirtualTime}, {"Index", "music", ""}, {"Index", "music", "音乐.voc"}},
    // KtSim.ini stands for the hardware: a file without devices is an installation without boards.
    {"KtSim.ini",
     {Program::VirtualTime, Program::KtCtiConfig},
     {"Device0", "ChannelTypes", "0,0,99,-1"},
     {"Numbers", "100", "ring:2,语音"},
     "board not found"},
    {"VoiceDB.dat", {Program::VirtualTime}, {}, {}},
    // The server's own texts name the database by its old name.
    {"BillDB.db", {Program::VirtualTime, Program::Import}, {}, {}, "BillDB.mdb"},
    {"tasks.txt", {Program::Import}, {}, {}},
    {"modem", {Program::LumoSms}, {}, {}},
};

const Damage kDamages[] = {Damage::Empty, Damage::Truncated, Damage::Garbage,   Damage::OutOfRange,
                           Damage::Utf8,  Damage::Huge,      Damage::Directory, Damage::Unreadable};

// The numbers of the tasks the installation holds before each run.
const QStringList kTasks = {QStringLiteral("13800000001"), QStringLiteral("13800000002"),
                            QStringLiteral("13800000003")};

std::string readAll(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// A copy of a pristine installation (made once per test suite) with three tasks, a text file to
// import and a modem's answers, and the programs run on it.
class InstallationTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (s_pristine)
            return;
        testing::useOwnDriverIpc();
        ::unsetenv("KTSIM_CONFIG");
        s_pristine = new testing::TempProgramDir;
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
                testing::exec(
                    dm, QStringLiteral("INSERT INTO AdNotice (Telphone,PlanNotice) VALUES ('%1','2026-12-09 10:00:00')")
                            .arg(number));
        }
        // A valid voice database: the one of the voice store's fuzz corpus, after its speed and text.
        const std::string corpus = readAll(fs::path(VN_SOURCE_DIR_PATH) / "fuzz/voxstore/corpus/small-database");
        ASSERT_GT(corpus.size(), 3u);
        const std::size_t textBytes = static_cast<unsigned char>(corpus[1]) | static_cast<unsigned char>(corpus[2])
                                                                                  << 8;
        writeAll(installation.toStdString() + "/VoiceDB.dat", corpus.substr(3 + textBytes));
        writeAll(installation.toStdString() + "/tasks.txt", "Telephone\n13900000001\n13900000002\n");
        writeAll(installation.toStdString() + "/modem",
                 "\r\nOK\r\n+CMGL: 1,0,,24\r\n0891683108200505F0040D91\r\nOK\r\n");
    }

    static void TearDownTestSuite()
    {
        delete s_pristine;
        s_pristine = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(s_pristine, nullptr);
        m_installation = fs::path(m_dir.path()) / "notice";
        fs::copy(s_pristine->path() + "/notice", m_installation, fs::copy_options::recursive);
    }

    // Puts the damage on the file of the installation; false when the file cannot have it.
    bool damage(const InputFile &input, Damage d)
    {
        const fs::path file = m_installation / input.name;
        const std::string valid = readAll(file);
        switch (d) {
        case Damage::Empty:
            writeAll(file, "");
            return true;
        case Damage::Truncated:
            writeAll(file, valid.substr(0, valid.size() / 2));
            return true;
        case Damage::Garbage: {
            std::mt19937 bytes(28);
            std::string garbage(4096, '\0');
            for (char &c : garbage)
                c = static_cast<char>(bytes());
            writeAll(file, garbage);
            return true;
        }
        case Damage::OutOfRange:
            return writeKey(input, input.outOfRange);
        case Damage::Utf8:
            return writeKey(input, input.utf8);
        case Damage::Huge:
            // The valid file, then zero bytes to 100 MB, kept sparse so that the row stays quick.
            fs::resize_file(file, 100u << 20);
            return true;
        case Damage::Directory:
            fs::remove(file);
            fs::create_directory(file);
            return true;
        case Damage::Unreadable:
            if (::geteuid() != 0) {
                fs::permissions(file, fs::perms::none);
                return true;
            }
            // Permissions do not stop root: a link to itself cannot be opened by anyone.
            fs::remove(file);
            fs::create_symlink(input.name, file);
            return true;
        }
        return false;
    }

    bool writeKey(const InputFile &input, const std::array<const char *, 3> &key)
    {
        if (key[0] == nullptr)
            return false;
        const std::string value = *key[2] != '\0' ? key[2] : std::string(5000, 'x') + ".voc";
        return common::writeProfileString((m_installation / input.name).string(), key[0], key[1], value);
    }

    struct Outcome
    {
        bool signalled = false;
        int exitCode = 0;
        QString output; // standard output and error together
    };

    Outcome run(Program program, rlim_t fileSizeLimit = RLIM_INFINITY)
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
                         QStringLiteral("2026-12-09 10:00:00"),
                         QStringLiteral("--run-for"),
                         QStringLiteral("30")};
            break;
        case Program::Import:
            arguments = {QStringLiteral("--dir"), dir, QStringLiteral("--import"), dir + QStringLiteral("/tasks.txt")};
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

    // The tasks of kTasks still in the database.
    int tasksKept()
    {
        Settings settings;
        settings.ProgramDir = m_installation.string();
        TDM dm;
        if (!dm.ConnectDatabase(settings))
            return -1;
        return testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice WHERE Telphone IN ('%1')")
                                       .arg(kTasks.join(QStringLiteral("','"))))
            .toInt();
    }

    // Undoes the damage for the next row: a fresh copy of the pristine installation.
    void restore()
    {
        fs::remove_all(m_installation);
        fs::copy(s_pristine->path() + "/notice", m_installation, fs::copy_options::recursive);
    }

    static testing::TempProgramDir *s_pristine;
    testing::TempProgramDir m_dir;
    fs::path m_installation;
};

testing::TempProgramDir *InstallationTest::s_pristine = nullptr;

class DamagedInputFileTest : public InstallationTest, public ::testing::WithParamInterface<InputFile>
{
};

TEST_P(DamagedInputFileTest, EachProgramSurvivesEachDamage)
{
    const InputFile &input = GetParam();
    const bool database = std::string_view(input.name) == "BillDB.db";
    for (const Damage d : kDamages) {
        if (!damage(input, d)) {
            restore();
            continue;
        }
        for (const Program program : input.readers) {
            const std::string row = std::string(input.name) + " " + damageName(d) + " with " + programName(program);
            QElapsedTimer wall;
            wall.start();
            const Outcome outcome = run(program);
            EXPECT_FALSE(outcome.signalled) << row << ": ended by a signal\n" << outcome.output.toStdString();
            for (const char *report : {"Sanitizer", "runtime error:"})
                EXPECT_FALSE(outcome.output.contains(QLatin1String(report))) << row << "\n"
                                                                             << outcome.output.toStdString();
            if (!outcome.signalled && outcome.exitCode != 0) {
                EXPECT_TRUE(outcome.output.contains(QLatin1String(input.name)) ||
                            (input.alsoNamedAs && outcome.output.contains(QLatin1String(input.alsoNamedAs))))
                    << row << ": a refusal that does not name the file\n"
                    << outcome.output.toStdString();
            }
            if (database) // the damaged database itself is left where it was, for the operator to mend
                EXPECT_NE(fs::symlink_status(m_installation / input.name).type(), fs::file_type::not_found) << row;
            else
                EXPECT_EQ(tasksKept(), kTasks.size()) << row;
            std::fprintf(stderr, "%s: exit %d in %lld ms\n", row.c_str(), outcome.exitCode,
                         static_cast<long long>(wall.elapsed()));
        }
        restore();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedInputFileTest, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<InputFile> &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The file size limit of each row stops the rewrite of the file just below its old size, so that the
// database, whose first writes are smaller, still works until then.
class CutShortWriteTest : public InstallationTest
{
};

TEST_F(CutShortWriteTest, KeepsTheOldFile)
{
    const struct
    {
        Program program;
        const char *file;
    } rows[] = {
        {Program::VirtualTime, "Setup.ini"},    // the channel kinds written when the board starts
        {Program::KtCtiConfig, "KtConfig.ini"}, // the configuration detection writes
    };
    for (const auto &row : rows) {
        const fs::path file = m_installation / row.file;
        // Notes of the operator make the file larger than anything the start-up writes before it.
        std::string notes;
        for (int line = 0; line < 2000; ++line)
            notes += "; a note of the operator, kept as it is\r\n";
        writeAll(file, notes + readAll(file));
        const std::string before = readAll(file);
        const Outcome outcome = run(row.program, before.size() - 1);
        const std::string name = std::string(row.file) + " with " + programName(row.program);
        EXPECT_FALSE(outcome.signalled) << name << "\n" << outcome.output.toStdString();
        EXPECT_NE(outcome.exitCode, 0) << name << ": the failed write is a failure";
        EXPECT_TRUE(outcome.output.contains(QLatin1String(row.file))) << name << "\n" << outcome.output.toStdString();
        EXPECT_EQ(readAll(file), before) << name;
        EXPECT_EQ(tasksKept(), kTasks.size()) << name;
        restore();
    }
}

} // namespace
} // namespace server
