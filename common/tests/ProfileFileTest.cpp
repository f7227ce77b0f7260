// Profile files: the Windows reading rules, in-place edits that keep the rest of the file, atomic
// saves and hostile input.
#include "common/ProfileFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

namespace fs = std::filesystem;

class ProfileFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("profile-test-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file(const std::string &name = "Setup.ini") const { return (m_dir / name).string(); }

    std::string write(const std::string &content, const std::string &name = "Setup.ini") const
    {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }

    std::string contents(const std::string &name = "Setup.ini") const
    {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path m_dir;
};

const char *const kSetup = "; server settings\r\n"
                           "orphan=before any section\r\n"
                           "[Other]\r\n"
                           "  Interval = 15  \r\n"
                           "Title=\"  自动语音通知系统  \"\r\n"
                           "Quoted=\"\"x\"\"\r\n"
                           "Half=\"open\r\n"
                           ";Commented=1\r\n"
                           "   ;Indented=1\r\n"
                           "NoEquals\r\n"
                           "Interval=99\r\n"
                           "Empty=\r\n"
                           "Timer=100ms\r\n"
                           "Hex=0x1F\r\n"
                           "\r\n"
                           "[ CardParm ]\r\n"
                           "Card1Use=111\r\n"
                           "[other]\r\n"
                           "Second=only in the duplicate\r\n";

TEST_F(ProfileFileTest, ReadingRules)
{
    const ProfileFile f(write(kSetup));
    EXPECT_TRUE(f.exists());
    const struct
    {
        const char *section, *key;
        std::optional<std::string> expected;
    } cases[] = {
        {"Other", "Interval", "15"},                        // blanks trimmed; the first duplicate wins
        {"OTHER", "interval", "15"},                        // case-insensitive section and key
        {"Other", "Title", "  自动语音通知系统  "},           // one pair of quotes removed, inside kept
        {"Other", "Quoted", "\"x\""},                       // only one pair
        {"Other", "Half", "\"open"},                        // no closing quote: kept
        {"Other", "Commented", std::nullopt},               // comments are not keys
        {"Other", "Indented", std::nullopt},
        {"Other", "NoEquals", std::nullopt},
        {"Other", "Empty", ""},
        {"CardParm", "Card1Use", "111"},                    // blanks inside brackets trimmed
        {"Other", "Second", std::nullopt},                  // the first of duplicate sections wins
        {"", "orphan", std::nullopt},                       // keys before any section belong to none
        {"Missing", "Interval", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(f.value(c.section, c.key), c.expected) << c.section << "/" << c.key;

    EXPECT_EQ(f.readString("Other", "Missing", "def"), "def");
    EXPECT_EQ(f.readString("Other", "Title", "", 4), "  \xE8\x87"); // cut to the capacity (UTF-8 here)
    EXPECT_EQ(f.sectionNames(), (std::vector<std::string>{"Other", "CardParm"}));
    const auto entries = f.entries("other");
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0].key, "Interval");
    EXPECT_EQ(entries[0].line, 4);
    EXPECT_EQ(entries[6].key, "Hex");
    EXPECT_EQ(f.sectionLine("other"), 3);
    EXPECT_EQ(f.sectionLine("Missing"), 0);
}

TEST_F(ProfileFileTest, IntegerRules)
{
    const ProfileFile f(write(kSetup));
    EXPECT_EQ(f.readInteger("Other", "Interval", 10), 15);
    EXPECT_EQ(f.readInteger("Other", "Timer", 10), 10);     // strict: not a number, the default
    EXPECT_EQ(f.readInteger("Other", "Hex", 10), 31);
    EXPECT_EQ(f.readInteger("Other", "Empty", 10), 10);
    EXPECT_EQ(f.readInteger("Other", "Missing", -3), -3);
    EXPECT_EQ(f.readProfileInt("Other", "Timer", 7), 100);  // leading number
    EXPECT_EQ(f.readProfileInt("Other", "Title", 7), 0);    // no digits: 0
    EXPECT_EQ(f.readProfileInt("Other", "Empty", 7), 7);    // empty: the default
    EXPECT_EQ(f.readProfileInt("Other", "Missing", -1), -1);
}

TEST_F(ProfileFileTest, MissingFileGivesDefaultsAndIsCreatedOnlyBySavingChanges)
{
    ProfileFile f(file());
    EXPECT_FALSE(f.exists());
    EXPECT_TRUE(f.loadError().empty());
    EXPECT_EQ(f.readInteger("Other", "Interval", 10), 10);
    EXPECT_TRUE(f.save());
    EXPECT_FALSE(fs::exists(file()));
    ASSERT_TRUE(f.writeString("Other", "Interval", "20"));
    ASSERT_TRUE(f.save());
    EXPECT_EQ(contents(), "[Other]\r\nInterval=20\r\n");
}

TEST_F(ProfileFileTest, LineEndings)
{
    const struct
    {
        const char *name, *text;
    } cases[] = {
        {"lf", "[A]\nx=1\ny=2\n"},
        {"cr only", "[A]\rx=1\ry=2\r"},
        {"no newline at the end", "[A]\r\nx=1\r\ny=2"},
        {"mixed", "[A]\rx=1\r\ny=2\n"},
    };
    for (const auto &c : cases) {
        const ProfileFile f(write(c.text));
        EXPECT_EQ(f.value("A", "x"), "1") << c.name;
        EXPECT_EQ(f.value("A", "y"), "2") << c.name;
        EXPECT_EQ(f.text(), c.text) << c.name; // read and unchanged: byte for byte
    }
}

TEST_F(ProfileFileTest, EditsKeepEveryOtherByte)
{
    const std::string original = "; head\r\n[A]\r\n  x = 1 ; not a comment\r\nY=2\r\n\r\n; about B\r\n[B]\r\nz=3";
    const struct
    {
        const char *name;
        std::function<bool(ProfileFile &)> edit;
        std::string expected;
    } cases[] = {
        {"replace in place, spelling of the file kept", [](ProfileFile &f) { return f.writeString("a", "X", "9"); },
         "; head\r\n[A]\r\nx=9\r\nY=2\r\n\r\n; about B\r\n[B]\r\nz=3"},
        {"add after the last key, before the blank line",
         [](ProfileFile &f) { return f.writeString("A", "New", "v"); },
         "; head\r\n[A]\r\n  x = 1 ; not a comment\r\nY=2\r\nNew=v\r\n\r\n; about B\r\n[B]\r\nz=3"},
        {"add to the last section of a file without a final newline",
         [](ProfileFile &f) { return f.writeString("B", "w", "4"); },
         "; head\r\n[A]\r\n  x = 1 ; not a comment\r\nY=2\r\n\r\n; about B\r\n[B]\r\nz=3\r\nw=4\r\n"},
        {"new section at the end", [](ProfileFile &f) { return f.writeString("C", "k", "v"); },
         "; head\r\n[A]\r\n  x = 1 ; not a comment\r\nY=2\r\n\r\n; about B\r\n[B]\r\nz=3\r\n[C]\r\nk=v\r\n"},
        {"delete a key", [](ProfileFile &f) { return f.deleteKey("A", "y"); },
         "; head\r\n[A]\r\n  x = 1 ; not a comment\r\n\r\n; about B\r\n[B]\r\nz=3"},
        {"delete a section", [](ProfileFile &f) { return f.deleteSection("a"); },
         "; head\r\n[B]\r\nz=3"},
        {"deleting a missing key changes nothing", [](ProfileFile &f) { return !f.deleteKey("A", "q"); }, original},
    };
    for (const auto &c : cases) {
        ProfileFile f(write(original));
        EXPECT_TRUE(c.edit(f)) << c.name;
        ASSERT_TRUE(f.save()) << c.name;
        EXPECT_EQ(contents(), c.expected) << c.name;
    }
}

TEST_F(ProfileFileTest, AddedLinesFollowTheFilesLineEnding)
{
    ProfileFile f(write("[A]\nx=1\n"));
    ASSERT_TRUE(f.writeString("A", "y", "2"));
    ASSERT_TRUE(f.writeString("B", "z", "3"));
    EXPECT_EQ(f.text(), "[A]\nx=1\ny=2\n[B]\nz=3\n");
}

TEST_F(ProfileFileTest, EditsAfterDeletionsFindTheRightLines)
{
    ProfileFile f(write("[A]\r\nk=1\r\nk=2\r\nm=3\r\n[A]\r\nn=4\r\n"));
    ASSERT_TRUE(f.deleteKey("A", "k"));
    EXPECT_EQ(f.value("A", "k"), "2"); // the next duplicate takes over
    ASSERT_TRUE(f.writeString("A", "m", "30"));
    ASSERT_TRUE(f.deleteSection("A"));
    EXPECT_EQ(f.value("A", "n"), "4"); // the duplicate section takes over
    EXPECT_EQ(f.text(), "[A]\r\nn=4\r\n");
}

TEST_F(ProfileFileTest, RefusesTextsThatWouldChangeOtherLines)
{
    ProfileFile f(write("[A]\r\nx=1\r\n"));
    const struct
    {
        const char *section, *key, *value;
    } refused[] = {
        {"A", "x", "1\r\n[B]"}, {"A", "x\ny", "1"}, {"A\r", "x", "1"}, {"", "x", "1"},  {"A", "", "1"},
        {"A", "  ", "1"},       {"A", "a=b", "1"},  {"A]", "x", "1"},  {"A", ";x", "1"}, {"A", "[x", "1"},
    };
    for (const auto &r : refused)
        EXPECT_FALSE(f.writeString(r.section, r.key, r.value)) << r.section << "/" << r.key;
    EXPECT_FALSE(f.modified());
    EXPECT_EQ(f.text(), "[A]\r\nx=1\r\n");
}

TEST_F(ProfileFileTest, SaveIsAtomicAndKeepsPermissions)
{
    const std::string path = write("[A]\r\nx=1\r\n");
    ::chmod(path.c_str(), 0640);
    ProfileFile f(path);
    ASSERT_TRUE(f.writeString("A", "x", "2"));
    ASSERT_TRUE(f.save());
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1); // no temporary left

    // Through a symbolic link the target is replaced and the link stays.
    const std::string link = file("link.ini");
    fs::create_symlink(path, link);
    ProfileFile viaLink(link);
    ASSERT_TRUE(viaLink.writeString("A", "x", "3"));
    ASSERT_TRUE(viaLink.save());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(), "[A]\r\nx=3\r\n");
}

TEST_F(ProfileFileTest, FailedSaveIsReportedAndNothingIsLost)
{
    const std::string path = write("[A]\r\nx=1\r\n");
    ProfileFile f(path);
    ASSERT_TRUE(f.writeString("A", "x", std::string(100000, '2')));

    // A file size limit makes the write fail even for root, who may write into read-only folders.
    rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool saved = f.save(&error);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_TRUE(f.modified());
    EXPECT_EQ(contents(), "[A]\r\nx=1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1); // no temporary left
    EXPECT_TRUE(f.save());
    EXPECT_EQ(ProfileFile(path).value("A", "x"), std::string(100000, '2'));
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverReplaced)
{
    fs::create_directories(file("Dir.ini"));
    ProfileFile f(file("Dir.ini"));
    EXPECT_FALSE(f.loadError().empty());
    EXPECT_EQ(f.readInteger("A", "x", 5), 5);
    ASSERT_TRUE(f.writeString("A", "x", "1"));
    std::string error;
    EXPECT_FALSE(f.save(&error));
    EXPECT_NE(error.find("could not be read"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(file("Dir.ini")));
    EXPECT_FALSE(writeProfileString(file("Dir.ini"), "A", "x", "1", &error));
}

TEST_F(ProfileFileTest, OneShotWrite)
{
    const std::string path = write("[CardParm]\r\nCard1Use=000\r\n");
    EXPECT_TRUE(writeProfileString(path, "cardparm", "CARD1USE", "111"));
    EXPECT_TRUE(writeProfileString(path, "CardParm", "Card1", "12"));
    EXPECT_EQ(contents(), "[CardParm]\r\nCard1Use=111\r\nCard1=12\r\n");
    EXPECT_TRUE(writeProfileString(path, "CardParm", "Card1Use", std::nullopt));
    EXPECT_EQ(contents(), "[CardParm]\r\nCard1=12\r\n");
    std::string error;
    EXPECT_FALSE(writeProfileString(path, "CardParm", "Card1", "1\n2", &error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ProfileFileTest, GbkKeysAndValues)
{
    // "语音" in GBK, and a character whose second byte is 'A' next to one whose second byte is 'a'.
    const std::string gbkSection = "\xD3\xEF\xD2\xF4";
    ProfileFile f(write("[" + gbkSection + "]\r\n\x81\x41=upper\r\n\x81\x61=lower\r\n"));
    EXPECT_EQ(f.value(gbkSection, "\x81\x41"), "upper");
    EXPECT_EQ(f.value(gbkSection, "\x81\x61"), "lower");
    ASSERT_TRUE(f.writeString(gbkSection, "\x81\x61", "\xC4\xE3"));
    EXPECT_EQ(f.value(gbkSection, "\x81\x41"), "upper");
    EXPECT_EQ(f.value(gbkSection, "\x81\x61"), "\xC4\xE3");
}

TEST_F(ProfileFileTest, HostileInput)
{
    std::mt19937 rng(42);
    std::string garbage(200000, '\0');
    for (char &c : garbage)
        c = static_cast<char>(rng());
    {
        ProfileFile f(write(garbage));
        EXPECT_EQ(f.text(), garbage);
        f.sectionNames();
        ASSERT_TRUE(f.writeString("Unique Section 7", "key", "value"));
        ASSERT_TRUE(f.save());
        const std::string saved = contents();
        EXPECT_EQ(saved.substr(0, garbage.size()), garbage);
        EXPECT_EQ(ProfileFile(file()).value("unique section 7", "KEY"), "value");
    }
    {
        const std::string longLine = "[A]\r\nbig=" + std::string(10u << 20, 'v') + "\r\nafter=1";
        ProfileFile f(write(longLine));
        EXPECT_EQ(f.readString("A", "big", "", 39), std::string(39, 'v'));
        EXPECT_EQ(f.value("A", "after"), "1");
        ASSERT_TRUE(f.writeString("A", "big", "small"));
        EXPECT_EQ(f.text(), "[A]\r\nbig=small\r\nafter=1");
    }
    {
        const ProfileFile f(write(std::string(3000, '\r') + "[A" + std::string(1000, '[') + "]\rk=v"));
        EXPECT_EQ(f.value("A" + std::string(1000, '['), "k"), "v");
    }
    {
        const ProfileFile f(write(std::string("[A]\r\nk=a\0b\r\n", 12)));
        EXPECT_EQ(f.value("A", "k"), std::string("a\0b", 3));
    }
}

TEST_F(ProfileFileTest, OversizedFileIsRefused)
{
    const std::string path = file();
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(static_cast<std::streamoff>(ProfileFile::maxFileSize) + 1);
        out.put('x');
    }
    ProfileFile f(path);
    EXPECT_NE(f.loadError().find("too large"), std::string::npos);
    ASSERT_TRUE(f.writeString("A", "x", "1"));
    EXPECT_FALSE(f.save());
    EXPECT_GT(fs::file_size(path), ProfileFile::maxFileSize);
}

} // namespace
} // namespace common
