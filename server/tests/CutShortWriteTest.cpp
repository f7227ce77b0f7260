// The writes of an installation cut short, each by a file size limit and by a full disk: the file that
// was there stays whole, the failure is reported once, and the calls go on with the results they
// would have had.
#include "server/tests/InstallationTest.h"

#include "server/data/TDM.h"

#include "common/Gbk.h"
#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace server {
namespace {

namespace fs = std::filesystem;
using testing::InstallationTest;
using testing::kTasks;
using testing::Program;
using testing::programName;
using testing::readAll;
using testing::VirtualRun;
using testing::writeAll;

enum class Limit
{
    FileSize, ///< RLIMIT_FSIZE: every file of the process stops growing at kFileSizeLimit
    FullDisk, ///< the folder of the file is a small file system that is full
};

// Above the most the database and its write-ahead log grow to in the runs of the demo.
constexpr rlim_t kFileSizeLimit = 8u << 20;

// When a file is written: as a program starts (and a failure stops it), when the server compacts its
// database at start-up (and a failure leaves the database as it was, the service going on), or while
// the demo installation's calls go on.
enum class When
{
    StartUp,
    Compaction,
    DuringCalls,
};

// One write: the program that makes it, the folder it writes in (where the full file system is
// mounted), the file there before (kept whole: an appended file keeps its lines, a replaced file its
// content), what the report of its failure says, and when it is written.
struct CutShortWrite
{
    const char *name;
    Program program;
    Limit limit;
    const char *folder;
    const char *earlier;
    const char *failure;
    When when;
};

void PrintTo(const CutShortWrite &row, std::ostream *out)
{
    *out << row.name;
}

const CutShortWrite kWrites[] = {
    // The channel kinds written when the board starts; the configuration detection writes.
    {"SetupIni", Program::VirtualTime, Limit::FileSize, "", "Setup.ini", "Setup.ini", When::StartUp},
    {"KtConfigIni", Program::KtCtiConfig, Limit::FileSize, "", "KtConfig.ini", "KtConfig.ini", When::StartUp},
    {"SetupIniOnFullDisk", Program::VirtualTime, Limit::FullDisk, "", "Setup.ini", "Setup.ini", When::StartUp},
    {"KtConfigIniOnFullDisk", Program::KtCtiConfig, Limit::FullDisk, "", "KtConfig.ini", "KtConfig.ini", When::StartUp},
    // The compacted copy of a database with many free pages: a write cut short, not a damaged file.
    {"BillDbCompaction", Program::VirtualTime, Limit::FileSize, "", "BillDB.db", "压缩数据库文件时写入失败",
     When::Compaction},
    {"LogOverSizeLimit", Program::VirtualTime, Limit::FileSize, "Log", "202612090900Log.txt", "写日志文件失败",
     When::DuringCalls},
    {"LogOnFullDisk", Program::VirtualTime, Limit::FullDisk, "Log", "202612090900Log.txt", "写日志文件失败",
     When::DuringCalls},
    {"TalkRecordsOverSizeLimit", Program::VirtualTime, Limit::FileSize, "TalkInfo", "20261209090000.txt",
     "写通话记录文件失败", When::DuringCalls},
    {"TalkRecordsOnFullDisk", Program::VirtualTime, Limit::FullDisk, "TalkInfo", "20261209090000.txt",
     "写通话记录文件失败", When::DuringCalls},
    {"RecordingOverSizeLimit", Program::VirtualTime, Limit::FileSize, "Record/20261209", "earlier.wav",
     "录音文件写入失败", When::DuringCalls},
    {"RecordingOnFullDisk", Program::VirtualTime, Limit::FullDisk, "Record/20261209", "earlier.wav", "录音文件写入失败",
     When::DuringCalls},
    {"ComposedNameOverSizeLimit", Program::VirtualTime, Limit::FileSize, "Temp", "", "合成语音文件写入失败",
     When::DuringCalls},
    {"ComposedNameOnFullDisk", Program::VirtualTime, Limit::FullDisk, "Temp", "", "合成语音文件写入失败",
     When::DuringCalls},
};

// Lines of an earlier run, up to about size bytes.
std::string earlierLines(std::size_t size)
{
    const std::string line = common::utf8ToGbk("08:59:59:000 一行早先的记录") + "\r\n";
    std::string lines;
    lines.reserve(size + line.size());
    while (lines.size() + line.size() <= size)
        lines += line;
    return lines;
}

int occurrences(const QString &text, const QString &part)
{
    return static_cast<int>(text.count(part));
}

// What each task of the demo ended with: status and failure cause by ID.
using Results = std::map<int, std::pair<int, QString>>;

class CutShortWriteTest : public InstallationTest, public ::testing::WithParamInterface<CutShortWrite>
{
protected:
    static void SetUpTestSuite()
    {
        InstallationTest::SetUpTestSuite();
        if (s_demo)
            return;
        s_demo = new testing::TempProgramDir;
        const QString installation = s_demo->file("notice");
        QProcess init;
        init.start(QStringLiteral(VN_SERVER_BINARY),
                   {QStringLiteral("--init"), installation, QStringLiteral("--demo")});
        ASSERT_TRUE(init.waitForFinished(60000));
        ASSERT_EQ(init.exitCode(), 0) << init.readAllStandardError().toStdString();
        const fs::path dir = installation.toStdString();
        writeAll(dir / "VoiceDB.dat", voiceDatabase());
        // The notice after the name: 8 s of sound.
        writeAll(dir / "Notice.voc", std::string(64000, '\xD5'));
        ASSERT_TRUE(common::writeProfileString((dir / "Setup.ini").string(), "Voice", "AdNotice", "Notice.voc"));
        // What each called party heard is of no interest here.
        std::string simulation = readAll(dir / "KtSim.ini");
        const std::size_t heard = simulation.find("HeardDir=");
        ASSERT_NE(heard, std::string::npos);
        simulation.erase(heard, simulation.find('\n', heard) + 1 - heard);
        writeAll(dir / "KtSim.ini", simulation);
    }

    static void TearDownTestSuite()
    {
        delete s_demo;
        s_demo = nullptr;
        InstallationTest::TearDownTestSuite();
    }

    void TearDown() override
    {
        if (!m_mounted.empty() && ::umount2(m_mounted.c_str(), MNT_DETACH) != 0)
            ADD_FAILURE() << "cannot unmount " << m_mounted << ": " << std::strerror(errno);
        m_mounted.clear();
    }

    // A fresh copy of the demo installation in place of the plain one.
    void useDemo()
    {
        fs::remove_all(m_installation);
        fs::copy(s_demo->path() + "/notice", m_installation, fs::copy_options::recursive);
    }

    // The recording's conversations last long enough to outgrow the file size limit: the agents talk
    // for 1,100 s, the callers wait for them that long.
    void useLongConversations()
    {
        std::string simulation = readAll(m_installation / "KtSim.ini");
        const std::pair<std::string, std::string> longer[] = {
            {"key:8,silence:60000", "key:8,silence:1100000"},
            {"answer:3000,wait:8000", "answer:3000,wait:1100000"},
            {"answer:5000,wait:6000", "answer:5000,wait:1100000"},
        };
        for (const auto &[from, to] : longer) {
            const std::size_t at = simulation.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            simulation.replace(at, from.size(), to);
        }
        writeAll(m_installation / "KtSim.ini", simulation);
    }

    // A composed name larger than the file size limit: a long name, each character followed by a
    // pause of 32.767 s.
    void useHugeNames()
    {
        ASSERT_TRUE(
            common::writeProfileString((m_installation / "Setup.ini").string(), "Other", "VocDBSpeed", "32767"));
        Settings settings;
        settings.ProgramDir = m_installation.string();
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm, QStringLiteral("UPDATE AdNotice SET Name='%1'").arg(QString::fromUtf8("张伟").repeated(20)));
    }

    // Makes folder a small file system of its own; false (and the row skipped) when mounting is refused.
    bool mountSmallFileSystem(const fs::path &folder)
    {
        fs::create_directories(folder);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0)
            return false;
        m_mounted = folder.string();
        return true;
    }

    // Moves the installation onto a small file system of its own, all but the database, which stays
    // outside behind a link: the full disk is met by the file of the row, not first by the database.
    // False (the installation left where it was) when mounting is refused.
    bool moveOntoSmallFileSystem()
    {
        const fs::path aside = m_installation.string() + ".aside";
        fs::rename(m_installation, aside);
        if (!mountSmallFileSystem(m_installation)) {
            fs::remove(m_installation);
            fs::rename(aside, m_installation);
            return false;
        }
        for (const auto &entry : fs::directory_iterator(aside))
            if (entry.path().filename() != "BillDB.db")
                fs::copy(entry.path(), m_installation / entry.path().filename(), fs::copy_options::recursive);
        fs::create_symlink(aside / "BillDB.db", m_installation / "BillDB.db");
        return true;
    }

    // Fills the file system of folder to its last byte.
    static void fill(const fs::path &folder)
    {
        const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        ::close(fd);
        struct statvfs info
        {
        };
        ASSERT_EQ(::statvfs(folder.c_str(), &info), 0);
        EXPECT_EQ(info.f_bavail, 0u) << folder;
    }

    Results results()
    {
        Settings settings;
        settings.ProgramDir = m_installation.string();
        TDM dm;
        EXPECT_TRUE(dm.ConnectDatabase(settings));
        Results results;
        const QStringList rows =
            testing::column(dm, QStringLiteral("SELECT ID || '|' || Status || '|' || COALESCE(FailCause,'') "
                                               "FROM AdNotice ORDER BY ID"));
        for (const QString &row : rows) {
            const QStringList fields = row.split(QLatin1Char('|'));
            results[fields[0].toInt()] = {fields[1].toInt(), fields[2]};
        }
        return results;
    }

    // What the demo's tasks end with when nothing is cut short, for each length of conversation.
    const Results &undisturbed(bool longConversations, const VirtualRun &virtualRun)
    {
        Results &kept = s_undisturbed[longConversations];
        if (kept.empty()) {
            useDemo();
            if (longConversations)
                useLongConversations();
            const Outcome outcome = run(Program::VirtualTime, RLIM_INFINITY, virtualRun);
            EXPECT_EQ(outcome.exitCode, 0) << outcome.output.toStdString();
            kept = results();
        }
        return kept;
    }

    // The files a row leaves in its folder: none half written, none under a temporary name.
    void expectNoPartFiles(const fs::path &folder, const std::string &row)
    {
        std::error_code ec;
        for (const auto &entry : fs::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (name == "filler" || name == "earlier.wav" || name == GetParam().earlier)
                continue;
            EXPECT_EQ(name.find(".writing"), std::string::npos) << row << ": " << name;
            EXPECT_FALSE(name.ends_with(".part")) << row << ": " << name;
            if (entry.path().extension() == ".wav" || entry.path().extension() == ".voc") {
                EXPECT_GT(fs::file_size(entry.path(), ec), 44u) << row << ": " << name << " is empty";
            }
        }
    }

    static testing::TempProgramDir *s_demo;
    static std::map<bool, Results> s_undisturbed;
    std::string m_mounted;
};

testing::TempProgramDir *CutShortWriteTest::s_demo = nullptr;
std::map<bool, Results> CutShortWriteTest::s_undisturbed;

TEST_P(CutShortWriteTest, KeepsTheEarlierFileReportsTheFailureAndTheCallsGoOn)
{
    const CutShortWrite &row = GetParam();
    if (row.when == When::Compaction) {
        const fs::path file = m_installation / row.earlier;
        {
            // Rows added and deleted again leave most pages of the file free.
            Settings settings;
            settings.ProgramDir = m_installation.string();
            TDM dm;
            ASSERT_TRUE(dm.ConnectDatabase(settings));
            testing::exec(dm, QStringLiteral("CREATE TABLE Scratch (Text TEXT)"));
            for (int i = 0; i < 400; ++i)
                testing::exec(dm,
                              QStringLiteral("INSERT INTO Scratch VALUES ('%1')").arg(QString(1000, QLatin1Char('x'))));
            testing::exec(dm, QStringLiteral("DROP TABLE Scratch"));
        }
        ASSERT_GT(fs::file_size(file), 400000u);
        // Below the size of the compacted copy.
        const Outcome outcome = run(row.program, 40000);
        const std::string output = outcome.output.toStdString();
        EXPECT_FALSE(outcome.signalled) << output;
        EXPECT_TRUE(outcome.output.contains(QString::fromUtf8(row.failure)) &&
                    outcome.output.contains(QString::fromStdString(file.string())))
            << output;
        EXPECT_FALSE(outcome.output.contains(QString::fromUtf8("严重损坏"))) << output;
        // The service went on with the database as it was (its writes since then included), whole.
        Settings settings;
        settings.ProgramDir = m_installation.string();
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        EXPECT_EQ(testing::scalar(dm, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        EXPECT_EQ(tasksKept(), kTasks.size());
        return;
    }
    if (row.when == When::StartUp) {
        // The file size limit stops the rewrite just below the file's old size, so that the database,
        // whose first writes are smaller, still works until then.
        const fs::path file = m_installation / row.earlier;
        // Notes of the operator make the file larger than anything the start-up writes before it.
        std::string notes;
        for (int line = 0; line < 2000; ++line)
            notes += "; a note of the operator, kept as it is\r\n";
        writeAll(file, notes + readAll(file));
        const std::string before = readAll(file);
        rlim_t limit = before.size() - 1;
        if (row.limit == Limit::FullDisk) {
            if (!moveOntoSmallFileSystem())
                GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno)
                             << "): the tests of a full disk need to run as root";
            fill(m_installation);
            limit = RLIM_INFINITY;
        }
        const Outcome outcome = run(row.program, limit);
        EXPECT_FALSE(outcome.signalled) << outcome.output.toStdString();
        EXPECT_NE(outcome.exitCode, 0) << "the failed write is a failure";
        EXPECT_TRUE(outcome.output.contains(QLatin1String(row.failure))) << outcome.output.toStdString();
        EXPECT_EQ(readAll(file), before);
        EXPECT_EQ(tasksKept(), kTasks.size());
        return;
    }

    const bool recording = std::string_view(row.folder).starts_with("Record");
    const bool composedName = std::string_view(row.folder) == "Temp";
    const bool longConversations = recording && row.limit == Limit::FileSize;
    VirtualRun virtualRun{QStringLiteral("2026-12-09 09:00:00"), longConversations ? 1300 : 180};
    const Results expected = undisturbed(longConversations, virtualRun);
    ASSERT_FALSE(expected.empty());
    useDemo();
    if (longConversations)
        useLongConversations();
    if (composedName && row.limit == Limit::FileSize)
        useHugeNames();

    const fs::path folder = m_installation / row.folder;
    if (row.limit == Limit::FullDisk && !mountSmallFileSystem(folder))
        GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno)
                     << "): the tests of a full disk need to run as root";
    fs::create_directories(folder);
    const fs::path earlier = folder / row.earlier;
    std::string before;
    if (*row.earlier != '\0') {
        // Appended files come close to the file size limit, or to the end of the last block of the full
        // file system, so that the next lines outgrow it.
        const std::size_t end = row.limit == Limit::FileSize ? kFileSizeLimit : 4096;
        before = recording ? earlierLines(5000) : earlierLines(end - 40);
        writeAll(earlier, before);
    }
    if (row.limit == Limit::FullDisk)
        fill(folder);

    const Outcome outcome = run(row.program, row.limit == Limit::FileSize ? kFileSizeLimit : RLIM_INFINITY, virtualRun);
    const std::string output = outcome.output.toStdString();
    EXPECT_FALSE(outcome.signalled) << output;
    for (const char *report : {"Sanitizer", "runtime error:"})
        EXPECT_FALSE(outcome.output.contains(QLatin1String(report))) << output;
    EXPECT_EQ(outcome.exitCode, 0) << "the service runs on\n" << output;

    // Reported once, naming the file or its folder.
    const QString failure = QString::fromUtf8(row.failure);
    EXPECT_EQ(occurrences(outcome.output, failure), 1) << output;
    const qsizetype at = outcome.output.indexOf(failure);
    EXPECT_TRUE(at >= 0 && outcome.output.mid(at, outcome.output.indexOf(QLatin1Char('\n'), at) - at)
                               .contains(QString::fromStdString(folder.string())))
        << output;

    // The earlier file is whole: an appended file holds its lines and then whole lines only.
    if (*row.earlier != '\0') {
        const std::string after = readAll(earlier);
        EXPECT_TRUE(after.starts_with(before)) << row.earlier << " lost its earlier lines";
        if (!recording)
            EXPECT_TRUE(after.ends_with("\r\n")) << row.earlier << " ends in a half line";
        else
            EXPECT_EQ(after, before);
    }
    expectNoPartFiles(folder, row.name);
    if (std::string_view(row.folder) == "TalkInfo") {
        // The talk records that could not be written are shown, not lost unseen.
        EXPECT_GE(occurrences(outcome.output, QString::fromUtf8("通话记录未能写入")), 1) << output;
    }

    // The calls went on: each task has the result it has when nothing is cut short, except that a
    // call whose name could not be composed is a failure to be dialled again, never a notice heard.
    const Results got = results();
    ASSERT_EQ(got.size(), expected.size());
    for (const auto &[id, result] : expected) {
        const bool heard = result.first == 2 || result.first == 4 || result.first == 5;
        const std::pair<int, QString> want =
            composedName && heard ? std::pair<int, QString>{3, QString::fromUtf8("姓名语音写入失败")} : result;
        EXPECT_EQ(got.at(id), want) << "task " << id << " (" << result.first << " " << result.second.toStdString()
                                    << ")";
    }
    if (recording) {
        // A task names no recording that is not there whole.
        Settings settings;
        settings.ProgramDir = m_installation.string();
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        const QStringList files =
            testing::column(dm, QStringLiteral("SELECT COALESCE(RecordFile,'') FROM AdNotice WHERE Status=5"));
        EXPECT_FALSE(files.isEmpty());
        for (const QString &file : files)
            EXPECT_TRUE(file.isEmpty()) << file.toStdString() << ": a recording that could not be written";
    }
    if (composedName) {
        // Once names can be written again, the tasks are dialled again and notified: at least once.
        TearDown();
        ASSERT_TRUE(common::writeProfileString((m_installation / "Setup.ini").string(), "Other", "VocDBSpeed", "50"));
        const Outcome again = run(Program::VirtualTime, RLIM_INFINITY, {QStringLiteral("2026-12-09 09:30:00"), 180});
        EXPECT_EQ(again.exitCode, 0) << again.output.toStdString();
        const Results retried = results();
        for (const auto &[id, result] : expected)
            if (result.first == 2 || result.first == 4 || result.first == 5) {
                EXPECT_EQ(retried.at(id).first, result.first) << "task " << id << " dialled again";
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Writes, CutShortWriteTest, ::testing::ValuesIn(kWrites),
                         [](const ::testing::TestParamInfo<CutShortWrite> &info) { return info.param.name; });

} // namespace
} // namespace server
