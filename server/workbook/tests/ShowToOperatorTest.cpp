// Handing a workbook to the spreadsheet program: opened without waiting for it, or no program at all.
#include "server/workbook/ShowToOperator.h"
#include "server/workbook/Reader.h"
#include "server/workbook/tests/TestFiles.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

namespace server::workbook {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedVariable
{
public:
    ScopedVariable(const char *name, const std::optional<QByteArray> &value)
        : m_name(name), m_old(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt)
    {
        set(value);
    }
    ~ScopedVariable() { set(m_old); }

private:
    void set(const std::optional<QByteArray> &value)
    {
        if (value)
            qputenv(m_name, *value);
        else
            qunsetenv(m_name);
    }
    const char *m_name;
    std::optional<QByteArray> m_old;
};

class ShowToOperatorTest : public ::testing::Test
{
protected:
    testing::TempDir m_temp;
    testing::TempDir m_seen;
    // Workbooks for the operator go to the user's temporary folder: this one, for the test.
    ScopedVariable m_tmpdir{"TMPDIR", m_temp.path().toLocal8Bit()};
};

TEST_F(ShowToOperatorTest, OpensTheWorkbookWithoutWaitingForTheProgram)
{
    // The "program" takes two seconds, then copies what it was given where the test sees it.
    const QString seen = m_seen.file(QStringLiteral("shown.xlsx"));
    const QString program = m_seen.file(QStringLiteral("calc program"));
    ASSERT_TRUE(testing::writeFile(program, "#!/bin/sh\nsleep 2\ncp \"$2\" \"$1.part\" && mv \"$1.part\" \"$1\"\n"));
    ASSERT_TRUE(
        QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    // A program whose name has a blank, with an argument of its own before the file.
    const ScopedVariable opener(kOpenerVariable, QStringLiteral("\"%1\" \"%2\"").arg(program, seen).toLocal8Bit());
    EXPECT_TRUE(spreadsheetProgramInstalled());
    QElapsedTimer timer;
    timer.start();
    QString error;
    QString path;
    ASSERT_TRUE(showToOperator(testing::sampleWorkbook(), &error, &path)) << error.toStdString();
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(m_temp.path()).absoluteFilePath());
    EXPECT_TRUE(path.endsWith(QLatin1StringView(".xlsx")));

    while (!QFileInfo::exists(seen) && timer.elapsed() < 30000)
        QThread::msleep(50);
    Reader reader;
    ASSERT_TRUE(reader.open(seen)) << reader.error().toStdString();
    EXPECT_EQ(reader.utf8(4, 1), "13800000000");
    EXPECT_EQ(reader.utf8(4, 2), "007");

    // Each hand-over has a file of its own.
    QString second;
    ASSERT_TRUE(showToOperator(testing::sampleWorkbook(), &error, &second)) << error.toStdString();
    EXPECT_NE(second, path);
}

TEST_F(ShowToOperatorTest, NoSpreadsheetProgram)
{
    const struct
    {
        const char *name;
        std::optional<QByteArray> opener;
        std::optional<QByteArray> path;
        const char *error;
    } cases[] = {
        {"opener set empty", QByteArray(), std::nullopt, "no spreadsheet program"},
        {"no xdg-open on the path", std::nullopt, QByteArray("/nonexistent"), "no spreadsheet program"},
        {"opener that cannot start", QByteArray("/nonexistent/calc"), std::nullopt, "cannot start"},
    };
    for (const auto &c : cases) {
        const ScopedVariable opener(kOpenerVariable, c.opener);
        const ScopedVariable path("PATH", c.path ? c.path : std::optional(qgetenv("PATH")));
        QString error;
        EXPECT_FALSE(showToOperator(testing::sampleWorkbook(), &error)) << c.name;
        EXPECT_NE(error.indexOf(QString::fromLatin1(c.error)), -1) << c.name << ": " << error.toStdString();
        EXPECT_TRUE(m_temp.files().isEmpty()) << c.name;
    }
}

} // namespace
} // namespace server::workbook
