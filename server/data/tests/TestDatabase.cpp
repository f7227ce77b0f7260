// Test helpers for the data module.
#include "server/data/tests/TestDatabase.h"

#include "server/data/SchemaScript.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cstdlib>
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

void EmbeddedDatabaseTest::SetUp()
{
    settings.ProgramDir = dir.path();
    ASSERT_TRUE(createEmbeddedDatabase(embeddedDatabasePath(settings)));
    ASSERT_TRUE(dm.ConnectDatabase(settings));
}

namespace {

QString readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

bool connectTestPostgres(TDM &dm, Settings &settings)
{
    const char *dir = std::getenv("VN_PG_DIR");
    if (!dir) {
        ADD_FAILURE() << "VN_PG_DIR is set by the test set-up";
        return false;
    }
    const QString port = readFile(QString::fromLocal8Bit(dir) + QStringLiteral("/port")).trimmed();
    if (port.isEmpty()) {
        ADD_FAILURE() << "the PostgreSQL fixture did not start";
        return false;
    }
    settings.DBType = 1;
    settings.OdbcDriver = "PostgreSQL Unicode";
    settings.ServerName = "127.0.0.1," + port.toStdString();
    settings.DataBaseName = "postgres";
    settings.UserName = "vn";
    QString error;
    if (!dm.ConnectDatabase(settings, &error)) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    QSqlDatabase db = dm.DBConnection();
    QSqlQuery(db).exec(QStringLiteral(
        "DROP TABLE IF EXISTS AdNotice, c_blacklist, t_statdata, SmsSendTask, SmsSendState, SmsReceived"));
    const char *source = std::getenv("VN_SOURCE_DIR");
    const QString schema =
        readFile(QString::fromLocal8Bit(source ? source : VN_SOURCE_DIR_PATH) + QStringLiteral("/db/postgresql.sql"));
    if (!runSchemaScript(db, schema, &error)) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    return true;
}

void refuseRows(TDM &dm, const QString &table, const QString &event, const QString &condition)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("refuse_%1").arg(counter++);
    if (dm.engine() == SqlEngine::SQLite) {
        exec(dm, QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 WHEN %4 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                     .arg(name, event, table, condition));
        return;
    }
    exec(dm, QStringLiteral("CREATE OR REPLACE FUNCTION vn_refuse() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION "
                            "'refused'; END $$ LANGUAGE plpgsql"));
    exec(dm, QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW WHEN (%4) EXECUTE FUNCTION vn_refuse()")
                 .arg(name, event, table, condition));
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

int count(TDM &dm, const char *table, const char *where)
{
    return scalar(dm,
                  QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(QLatin1String(table), QLatin1String(where)))
        .toInt();
}

QStringList column(TDM &dm, const QString &sql)
{
    QStringList values;
    QSqlQuery q(dm.DBConnection());
    EXPECT_TRUE(q.exec(sql)) << q.lastError().text().toStdString() << " in " << sql.toStdString();
    while (q.next())
        values << q.value(0).toString();
    return values;
}

} // namespace server::testing
