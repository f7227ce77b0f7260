// A copy of a pristine installation for each test, and the installation's programs run on it as
// processes: the fixture of the tests that damage input files or cut writes short.
#pragma once

#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace server::testing {

/// The programs of an installation, as the tests run them.
enum class Program
{
    Headless,
    VirtualTime,
    Import,
    KtCtiConfig,
    LumoSms
};

const char *programName(Program p);

std::string readAll(const std::filesystem::path &file);
void writeAll(const std::filesystem::path &file, const std::string &bytes);

/// The numbers of the tasks the installation holds before each run.
extern const QStringList kTasks;

/// How a run on virtual time starts and how long it lasts.
struct VirtualRun
{
    QString startTime = QStringLiteral("2026-12-09 10:00:00");
    int seconds = 30;
};

/// A copy of a pristine installation (made with Server --init once per test suite) with the tasks of
/// kTasks, a valid voice database, files to import (tasks.txt, tasks.xls, tasks.xlsx) and a modem's
/// answers (modem).
class InstallationTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    /// What a run of a program gave: whether a signal ended it, its exit code, its standard output and
    /// error together.
    struct Outcome
    {
        bool signalled = false;
        int exitCode = 0;
        QString output;
    };

    /// Runs a program on the installation under a file size limit, from its folder as the
    /// installation's programs run.
    Outcome run(Program program, rlim_t fileSizeLimit = RLIM_INFINITY, const VirtualRun &virtualRun = {});
    /// The tasks of kTasks still in the database; -1 when it cannot be opened.
    int tasksKept();
    /// Undoes what a row did: a fresh copy of the pristine installation.
    void restore();

    /// The valid voice database the installation is given.
    static std::string voiceDatabase();

    static TempProgramDir *s_pristine;
    TempProgramDir m_dir;
    std::filesystem::path m_installation;
    /// The file of the installation that Server --import reads.
    QString m_importFile = QStringLiteral("tasks.txt");
};

} // namespace server::testing
