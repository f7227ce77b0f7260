// Atomic file writes: whole content or the old file, no temporary left behind, failures reported,
// permissions kept and symbolic links followed as asked.
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace common {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("atomic-file-test-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_dir, ignored);
    }

    std::string file(const std::string &name) const { return (m_dir / name).string(); }

    std::string put(const std::string &name, const std::string &content) const
    {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }

    static std::string contents(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static unsigned modeOf(const std::string &path)
    {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    // Names in the folder: a temporary left behind shows here.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto &entry : fs::directory_iterator(m_dir))
            out.push_back(entry.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    static unsigned currentUmask()
    {
        const mode_t mask = ::umask(022);
        ::umask(mask);
        return mask;
    }

    fs::path m_dir;
};

TEST_F(AtomicFileTest, WritesNewFilesAndReplacesOldOnes)
{
    const std::string path = file("Setup.ini");
    std::string error;
    ASSERT_TRUE(writeFileAtomically(path, "first", &error)) << error;
    EXPECT_EQ(contents(path), "first");
    EXPECT_EQ(modeOf(path), 0666u & ~currentUmask()); // a new file as open(2) makes one

    ASSERT_TRUE(writeFileAtomically(path, std::string("\0second\r\n", 9), &error)) << error;
    EXPECT_EQ(contents(path), std::string("\0second\r\n", 9));
    ASSERT_TRUE(writeFileAtomically(path, "", &error)) << error;
    EXPECT_EQ(contents(path), "");
    EXPECT_EQ(names(), std::vector<std::string>{"Setup.ini"});
}

TEST_F(AtomicFileTest, WritesInPieces)
{
    const std::string path = put("VoiceDB.dat", "old");
    AtomicFile out(path);
    ASSERT_TRUE(out.open()) << out.error();
    ASSERT_TRUE(out.write("ab"));
    ASSERT_TRUE(out.write(""));
    ASSERT_TRUE(out.write(std::string(100000, 'c')));
    EXPECT_EQ(contents(path), "old"); // nothing shows before the commit
    EXPECT_EQ(names().size(), 2u);    // the target and the temporary beside it
    ASSERT_TRUE(out.commit()) << out.error();
    EXPECT_EQ(contents(path), "ab" + std::string(100000, 'c'));
    EXPECT_EQ(out.failedStage(), AtomicWriteStage::None);
    EXPECT_TRUE(out.error().empty());
    EXPECT_EQ(names(), std::vector<std::string>{"VoiceDB.dat"});
}

TEST_F(AtomicFileTest, UncommittedWriteLeavesTheTargetAndNoTemporary)
{
    const std::string path = put("KtConfig.ini", "old");
    {
        AtomicFile out(path);
        ASSERT_TRUE(out.open());
        ASSERT_TRUE(out.write("new"));
    }
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"KtConfig.ini"});

    AtomicFile out(path);
    ASSERT_TRUE(out.open());
    ASSERT_TRUE(out.write("new"));
    out.discard();
    EXPECT_FALSE(out.commit()); // nothing left to put in place
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"KtConfig.ini"});
}

TEST_F(AtomicFileTest, FailedWriteRemovesTheTemporary)
{
    const std::string path = put("Setup.ini", "old");
    AtomicFile out(path);
    ASSERT_TRUE(out.open());

    // A file size limit makes the write fail even for root, who may write into read-only folders.
    rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = out.write(std::string(100000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(out.failedStage(), AtomicWriteStage::Write);
    EXPECT_NE(out.error().find("cannot write " + path), std::string::npos) << out.error();
    EXPECT_FALSE(out.write("more"));
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(out.failedStage(), AtomicWriteStage::Write);
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"Setup.ini"});
}

TEST_F(AtomicFileTest, UnwritableFolderIsReported)
{
    const std::string missing = file("no-such-folder/Setup.ini");
    std::string error;
    EXPECT_FALSE(writeFileAtomically(missing, "x", &error));
    EXPECT_NE(error.find("cannot create a temporary file for " + missing), std::string::npos) << error;

    // A folder that is a file: refused to root as well.
    const std::string underFile = put("plain", "") + "/Setup.ini";
    AtomicFile out(underFile);
    EXPECT_FALSE(out.open());
    EXPECT_EQ(out.failedStage(), AtomicWriteStage::Create);
    EXPECT_NE(out.error().find(underFile), std::string::npos) << out.error();

    // A folder without write permission, for anyone but root.
    if (::geteuid() != 0) {
        fs::create_directories(file("locked"));
        const std::string locked = put("locked/Setup.ini", "old");
        fs::permissions(file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(writeFileAtomically(locked, "new", &error));
        EXPECT_NE(error.find(locked), std::string::npos) << error;
        fs::permissions(file("locked"), fs::perms::owner_all);
        EXPECT_EQ(contents(locked), "old");
    }
    const std::vector<std::string> expected =
        ::geteuid() != 0 ? std::vector<std::string>{"locked", "plain"} : std::vector<std::string>{"plain"};
    EXPECT_EQ(names(), expected);
}

TEST_F(AtomicFileTest, TargetThatCannotBeReplacedIsReported)
{
    fs::create_directories(file("Setup.ini/inside"));
    std::string error;
    AtomicFile out(file("Setup.ini"));
    ASSERT_TRUE(out.open());
    ASSERT_TRUE(out.write("new"));
    EXPECT_FALSE(out.commit());
    EXPECT_EQ(out.failedStage(), AtomicWriteStage::Replace);
    EXPECT_NE(out.error().find("cannot replace " + file("Setup.ini")), std::string::npos) << out.error();
    EXPECT_TRUE(fs::is_directory(file("Setup.ini/inside")));
    EXPECT_EQ(names(), std::vector<std::string>{"Setup.ini"});
}

TEST_F(AtomicFileTest, PermissionsAreKeptOrGiven)
{
    const std::string kept = put("kept.ini", "old");
    ::chmod(kept.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(kept, "new"));
    EXPECT_EQ(modeOf(kept), 0640u);
    EXPECT_EQ(contents(kept), "new");

    AtomicWriteOptions given;
    given.newFileMode = 0604;
    ASSERT_TRUE(writeFileAtomically(file("fresh.ini"), "new", nullptr, given));
    EXPECT_EQ(modeOf(file("fresh.ini")), 0604u); // whatever the umask
    ASSERT_TRUE(writeFileAtomically(kept, "newer", nullptr, given));
    EXPECT_EQ(modeOf(kept), 0640u); // an existing file keeps its own

    AtomicWriteOptions notKept;
    notKept.keepPermissions = false;
    ASSERT_TRUE(writeFileAtomically(kept, "newest", nullptr, notKept));
    EXPECT_EQ(modeOf(kept), 0666u & ~currentUmask());
    notKept.newFileMode = 0600;
    ASSERT_TRUE(writeFileAtomically(kept, "last", nullptr, notKept));
    EXPECT_EQ(modeOf(kept), 0600u);
    EXPECT_EQ(contents(kept), "last");
}

TEST_F(AtomicFileTest, SymbolicLinkIsFollowedOrReplaced)
{
    const std::string real = put("real.ini", "old");
    ::chmod(real.c_str(), 0600);
    const std::string link = file("link.ini");
    fs::create_symlink(real, link);

    AtomicFile viaLink(link);
    EXPECT_EQ(viaLink.target(), fs::weakly_canonical(real).string());
    ASSERT_TRUE(viaLink.open());
    ASSERT_TRUE(viaLink.write("new"));
    ASSERT_TRUE(viaLink.commit()) << viaLink.error();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(modeOf(real), 0600u);

    AtomicWriteOptions options;
    options.followLinks = false;
    ASSERT_TRUE(writeFileAtomically(link, "own", nullptr, options));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(contents(link), "own");
    EXPECT_EQ(contents(real), "new");
    EXPECT_EQ(names(), (std::vector<std::string>{"link.ini", "real.ini"}));
}

TEST_F(AtomicFileTest, FinishedFileIsPutInPlace)
{
    const std::string target = put("BillDB.db", "old");
    const std::string copy = put("~CP1234.tmp", "compacted");
    ::chmod(copy.c_str(), 0600);
    std::string error;
    ASSERT_TRUE(replaceFileAtomically(copy, target, &error)) << error;
    EXPECT_EQ(contents(target), "compacted");
    EXPECT_EQ(modeOf(target), 0600u); // the finished file's own bits
    EXPECT_EQ(names(), std::vector<std::string>{"BillDB.db"});

    // A link at the target is replaced itself.
    const std::string link = file("link.db");
    fs::create_symlink(target, link);
    ASSERT_TRUE(replaceFileAtomically(put("~CP5678.tmp", "again"), link, &error)) << error;
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(contents(link), "again");
    EXPECT_EQ(contents(target), "compacted");
}

TEST_F(AtomicFileTest, FailedReplaceRemovesTheFinishedFile)
{
    fs::create_directories(file("BillDB.db/inside"));
    const std::string copy = put("~CP1234.tmp", "compacted");
    std::string error;
    EXPECT_FALSE(replaceFileAtomically(copy, file("BillDB.db"), &error));
    EXPECT_NE(error.find("cannot replace " + file("BillDB.db")), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(file("BillDB.db/inside")));
    EXPECT_EQ(names(), std::vector<std::string>{"BillDB.db"});

    EXPECT_FALSE(replaceFileAtomically(file("missing.tmp"), file("other.db"), &error));
    EXPECT_NE(error.find(file("missing.tmp")), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(file("other.db")));
}

} // namespace
} // namespace common
