// A second start of the program shows the running copy's window and ends.
#include "ktcticonfig/app/SingleInstance.h"
#include "ktcticonfig/tests/TempDirectory.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>

namespace ktcticonfig::test {
namespace {

TEST(SecondStart, RaisesTheRunningCopyAndEnds)
{
    TempDirectory dir;
    SingleInstance running(QString::fromStdString(dir.path()));
    ASSERT_TRUE(running.claim());
    QSignalSpy raised(&running, &SingleInstance::activationRequested);

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.file("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(dir.path()));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(KTCTICONFIG_PROGRAM_PATH),
                 {QStringLiteral("--dir"), QString::fromStdString(dir.path())});
    ASSERT_TRUE(raised.wait(10000));
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // The second copy read nothing and wrote nothing.
    EXPECT_FALSE(std::filesystem::exists(dir.file("KtConfig.ini")));

    // Another installation is another copy.
    TempDirectory other;
    SingleInstance elsewhere(QString::fromStdString(other.path()));
    EXPECT_TRUE(elsewhere.claim());
}

} // namespace
} // namespace ktcticonfig::test
