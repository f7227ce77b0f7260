// Test helpers: a program directory with an embedded database, and rows of notice tasks.
#pragma once

#include "server/data/TDM.h"

#include <QSqlDatabase>
#include <QString>

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

/// Runs one statement on the data module's connection and fails the test when it does not run.
void exec(TDM &dm, const QString &sql);
/// The first column of the first row of a query.
QVariant scalar(TDM &dm, const QString &sql);

} // namespace server::testing
