// Compaction of the embedded database: success, a damaged file and a file in use.
#include "server/data/CompactDatabase.h"
#include "server/data/SchemaScript.h"
#include "server/data/tests/TestDatabase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <sys/stat.h>

namespace server {
namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file's inode: a compaction puts a new file in the database's place.
ino_t inode(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

class CompactDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.ProgramDir = dir.path();
        path = embeddedDatabasePath(settings);
        QString error;
        ASSERT_TRUE(createEmbeddedDatabase(path, &error)) << error.toStdString();
    }

    // Names of the files beside the database, to see that no temporary copy is left behind.
    QStringList filesInDir() const { return QDir(QString::fromStdString(dir.path())).entryList(QDir::Files); }

    testing::TempProgramDir dir;
    Settings settings;
    QString path;
};

TEST_F(CompactDatabaseTest, CompactsAndKeepsTheData)
{
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
                                         "INSERT INTO AdNotice (Telphone,Remark) SELECT i, printf('%0200d', i) FROM n"));
        testing::exec(dm, QStringLiteral("DELETE FROM AdNotice WHERE ID>10"));
    }
    const qint64 before = QFileInfo(path).size();
    ASSERT_TRUE(CompactAccessDatabase(path, QString()));
    EXPECT_LT(QFileInfo(path).size(), before);
    EXPECT_EQ(filesInDir(), QStringList{QStringLiteral("BillDB.db")});

    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt(), 10);
}

TEST_F(CompactDatabaseTest, CleanFileWithLittleToReclaimIsNotCopied)
{
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm,
                      QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
                                     "INSERT INTO AdNotice (Telphone,Remark) SELECT i, printf('%0200d', i) FROM n"));
        testing::exec(dm, QStringLiteral("DELETE FROM AdNotice WHERE ID>2990"));
    }
    const ino_t before = inode(path);
    const QByteArray bytes = contents(path);
    ASSERT_TRUE(CompactAccessDatabase(path, QString()));
    EXPECT_EQ(inode(path), before);
    EXPECT_EQ(contents(path), bytes);
    EXPECT_EQ(filesInDir(), QStringList{QStringLiteral("BillDB.db")});
}

// A crash leaves the write-ahead log beside the file: the file is then checked in full, and damage
// that reading the schema would not show is found.
TEST_F(CompactDatabaseTest, FileLeftByACrashIsCheckedInFull)
{
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm,
                      QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
                                     "INSERT INTO AdNotice (Telphone,Remark) SELECT i, printf('%0200d', i) FROM n"));
    }
    const QString crashed = QString::fromStdString(dir.path()) + QStringLiteral("/crashed.db");
    {
        // The files as a crash leaves them: the database and its log, taken while a connection writes.
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase(settings));
        testing::exec(dm, QStringLiteral("INSERT INTO AdNotice (Telphone) VALUES ('last')"));
        ASSERT_TRUE(QFile::copy(path, crashed));
        ASSERT_TRUE(QFile::copy(path + QStringLiteral("-wal"), crashed + QStringLiteral("-wal")));
    }
    const QString whole = QString::fromStdString(dir.path()) + QStringLiteral("/whole.db");
    ASSERT_TRUE(QFile::copy(crashed, whole));
    ASSERT_TRUE(QFile::copy(crashed + QStringLiteral("-wal"), whole + QStringLiteral("-wal")));

    // Pages of the rows damaged; the first page with the schema intact.
    QByteArray bytes = contents(crashed);
    ASSERT_GT(bytes.size(), 40 * 4096);
    for (qsizetype i = 10 * 4096; i < 30 * 4096; i += 7)
        bytes[i] = static_cast<char>(0xA5);
    {
        QFile f(crashed);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Found, and not replaced: opening it has only folded the log in, as any connection would.
    const ino_t before = inode(crashed);
    EXPECT_FALSE(CompactAccessDatabase(crashed, QString()));
    EXPECT_EQ(inode(crashed), before);

    // Undamaged, the same file passes, its log folded in and nothing lost.
    ASSERT_TRUE(CompactAccessDatabase(whole, QString()));
    EXPECT_FALSE(QFile::exists(whole + QStringLiteral("-wal")));
    settings.ProgramDir = dir.path();
    QFile::remove(path);
    ASSERT_TRUE(QFile::rename(whole, path));
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase(settings));
    EXPECT_EQ(testing::scalar(dm, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt(), 3001);
}

TEST_F(CompactDatabaseTest, DamagedFileIsLeftAlone)
{
    QByteArray bytes = contents(path);
    ASSERT_GT(bytes.size(), 4096);
    for (qsizetype i = 100; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(0xA5);
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    EXPECT_FALSE(CompactAccessDatabase(path, QString()));
    EXPECT_EQ(contents(path), bytes);
    EXPECT_EQ(filesInDir(), QStringList{QStringLiteral("BillDB.db")});
}

TEST_F(CompactDatabaseTest, FileInUseIsLeftAlone)
{
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase(settings));
    testing::exec(other, QStringLiteral("INSERT INTO AdNotice (Telphone) VALUES ('1')"));
    const QByteArray bytes = contents(path);
    EXPECT_FALSE(CompactAccessDatabase(path, QString()));
    EXPECT_EQ(contents(path), bytes);
    EXPECT_EQ(testing::scalar(other, QStringLiteral("SELECT COUNT(*) FROM AdNotice")).toInt(), 1);
}

TEST_F(CompactDatabaseTest, MissingFile)
{
    QFile::remove(path);
    EXPECT_FALSE(CompactAccessDatabase(path, QString()));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
} // namespace server
