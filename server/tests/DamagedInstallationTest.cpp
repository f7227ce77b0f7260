// Every input file of an installation damaged in turn, and each program that reads it run on it as a
// process: none may end by a signal or with a sanitizer report, a refusal must name the file, and the
// database must keep every task it had.
#include "server/tests/InstallationTest.h"

#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace server {
namespace {

namespace fs = std::filesystem;
using testing::InstallationTest;
using testing::kTasks;
using testing::Program;
using testing::programName;
using testing::readAll;
using testing::writeAll;

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

// One input file: where it lives in the installation, the programs that read it, the valid value put
// out of range and the GBK text replaced by UTF-8 (section, key, value; empty: a damage the file cannot
// have), what else than its name a refusal may say to name it, the valid file put in place before the
// damage when the pristine installation has none (since its presence changes the installation), a
// message a program may show while it goes on, which must then name the file too, and the suffix of
// the copy a program that writes the file keeps of it when it does not read as what it should be.
struct InputFile
{
    const char *name;
    std::vector<Program> readers;
    std::array<const char *, 3> outOfRange;
    std::array<const char *, 3> utf8;
    const char *alsoNamedAs = nullptr;
    const char *validContent = nullptr;
    const char *shownWith = nullptr;
    const char *keptAs = nullptr;
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
     {"BoardId=0", "BoardModel", "语音板"},
     nullptr,
     nullptr,
     nullptr,
     ".damaged"},
    {"KtIndex.ini", {Program::VirtualTime}, {"Index", "music", ""}, {"Index", "music", "音乐.voc"}},
    // KtSim.ini stands for the hardware: a file without devices is an installation without boards.
    {"KtSim.ini",
     {Program::VirtualTime, Program::KtCtiConfig},
     {"Device0", "ChannelTypes", "0,0,99,-1"},
     {"Numbers", "100", "ring:2,语音"},
     "board not found"},
    {"VoiceDB.dat", {Program::VirtualTime}, {}, {}, nullptr, nullptr, "语音合成库安装失败！"},
    {"BillDB.db", {Program::VirtualTime, Program::Import}, {}, {}, nullptr, nullptr, "操作数据库失败！"},
    {"tasks.txt", {Program::Import}, {}, {}},
    {"modem", {Program::LumoSms}, {}, {}},
    // Workbooks of tasks to import: the same table as an Excel 97 and an Office Open XML file.
    {"tasks.xls", {Program::Import}, {}, {}},
    {"tasks.xlsx", {Program::Import}, {}, {}},
    // SIP lines in place of the software board: to a peer that does not answer, on a port of their own.
    {"KtSip.ini",
     {Program::Headless, Program::VirtualTime, Program::KtCtiConfig},
     {"Sip", "Trunks", "999"},
     {"Sip", "Domain", "通知.test"},
     nullptr,
     "[Sip]\r\nProxy=127.0.0.1:9\r\nLocalAddress=127.0.0.1\r\nLocalPort=0\r\nTrunks=2\r\n"},
};

const Damage kDamages[] = {Damage::Empty, Damage::Truncated, Damage::Garbage,   Damage::OutOfRange,
                           Damage::Utf8,  Damage::Huge,      Damage::Directory, Damage::Unreadable};

class DamagedInputFileTest : public InstallationTest, public ::testing::WithParamInterface<InputFile>
{
protected:
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
};

TEST_P(DamagedInputFileTest, EachProgramSurvivesEachDamage)
{
    const InputFile &input = GetParam();
    const bool database = std::string_view(input.name) == "BillDB.db";
    for (const Damage d : kDamages) {
        if (input.validContent)
            writeAll(m_installation / input.name, input.validContent);
        if (std::string_view(input.name).starts_with("tasks."))
            m_importFile = QString::fromLatin1(input.name);
        if (!damage(input, d)) {
            restore();
            continue;
        }
        const fs::path file = m_installation / input.name;
        std::error_code unseen;
        const std::string damaged = fs::is_regular_file(file, unseen) ? readAll(file) : std::string();
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
            // A message shown on the way names the file on its line.
            if (input.shownWith) {
                for (const QString &line : outcome.output.split(QLatin1Char('\n')))
                    EXPECT_TRUE(!line.contains(QString::fromUtf8(input.shownWith)) ||
                                line.contains(QLatin1String(input.name)))
                        << row << ": " << line.toStdString();
            }
            // Garbage is no configuration: the program that writes the file keeps it aside, and says so.
            if (input.keptAs && d == Damage::Garbage && program == Program::KtCtiConfig) {
                const std::string keptAs = std::string(input.name) + input.keptAs;
                EXPECT_TRUE(readAll(m_installation / keptAs) == damaged) << row << ": not kept as " << keptAs;
                EXPECT_TRUE(outcome.output.contains(QString::fromStdString(keptAs))) << row << "\n"
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

} // namespace
} // namespace server
