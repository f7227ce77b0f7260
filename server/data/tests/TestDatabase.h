// Test helpers: a program directory with an embedded database, and rows of notice tasks.
#pragma once

#include "server/data/TDM.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace server::testing {

/// A fresh program directory under the temporary folder, removed at the end.
class TempProgramDir
{
public:
    TempProgramDir();
    ~TempProgramDir();
    TempProgramDir(const TempProgramDir &) = delete;
    TempProgramDir &operator=(const TempProgramDir &) = delete;

    std::string path() const { return m_path.string(); }
    QString file(const char *name) const { return QString::fromStdString((m_path / name).string()); }

private:
    std::filesystem::path m_path;
};

/// Connects the data module to the PostgreSQL server the test set-up started (its folder in VN_PG_DIR),
/// on a fresh schema; fills settings with the connection. Fails the test and answers false when it
/// cannot.
bool connectTestPostgres(TDM &dm, Settings &settings);

/// Makes the database refuse each INSERT or DELETE (event) of a row of table for which condition,
/// written on NEW or OLD, holds: the statement fails as a lost connection or a full disk would.
void refuseRows(TDM &dm, const QString &table, const QString &event, const QString &condition);

/// A test on a fresh embedded database of the schema, in a program directory of its own, connected.
class EmbeddedDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;

    TempProgramDir dir;
    Settings settings;
    TDM dm;
};

/// Runs one statement on the data module's connection and fails the test when it does not run.
void exec(TDM &dm, const QString &sql);
/// The first column of the first row of a query.
QVariant scalar(TDM &dm, const QString &sql);
/// The rows of table that meet the condition.
int count(TDM &dm, const char *table, const char *where = "1=1");
/// The first column of every row of a query, in its order.
QStringList column(TDM &dm, const QString &sql);

} // namespace server::testing
