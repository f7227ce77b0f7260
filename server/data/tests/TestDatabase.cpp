// Test helpers for the data module.
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <unistd.h>

namespace server::testing {

TempProgramDir::TempProgramDir()
{
    static std::atomic<int> counter{0};
    m_path = std::filesystem::temp_directory_path() /
             ("vn-server-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
}

TempProgramDir::~TempProgramDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void exec(TDM &dm, const QString &sql)
{
    QSqlQuery q(dm.DBConnection());
    EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString() << " in " << sql.toStdString();
}

QVariant scalar(TDM &dm, const QString &sql)
{
    QSqlQuery q(dm.DBConnection());
    if (!q.exec(sql) || !q.next()) {
        ADD_FAILURE() << q.lastError().text().toStdString() << " in " << sql.toStdString();
        return {};
    }
    return q.value(0);
}

} // namespace server::testing
