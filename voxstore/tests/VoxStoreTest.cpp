// The exported functions: loading, refusing damaged databases, composing text and every result code.
#include "voxstore/VoxStore.h"

#include "FixtureDatabase.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>

namespace voxstore::test {
namespace {

// Segment s is s + 2 bytes of the value 0x10 + s, so the output shows which segment was spoken.
Bytes fixtureSegment(std::uint16_t s)
{
    return Bytes(s + 2u, static_cast<std::uint8_t>(0x10 + s));
}

constexpr std::uint16_t kSegments = 5;
constexpr std::uint16_t kCodeZ = 'Z'; // sent to segment N, which does not exist

Bytes fixtureImage()
{
    std::vector<Bytes> segments;
    for (std::uint16_t s = 0; s < kSegments; ++s)
        segments.push_back(fixtureSegment(s));
    return databaseImage({{'1', 1}, {'2', 2}, {128, 3}, {6895, 4}, {kCodeZ, kSegments}}, segments);
}

Bytes spoken(std::initializer_list<std::uint16_t> segments, std::size_t pause)
{
    Bytes out;
    for (const auto s : segments) {
        const Bytes audio = fixtureSegment(s);
        out.insert(out.end(), audio.begin(), audio.end());
        out.insert(out.end(), pause, 0x55);
    }
    return out;
}

class VoxStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UnInstallVoxStore();
        writeFile(database, fixtureImage());
    }
    void TearDown() override { UnInstallVoxStore(); }

    int32_t compose(const char *text, int32_t speed = 50) { return TxtToVoc(text, nullptr, out.c_str(), 0, speed); }

    ScratchFolder folder;
    std::filesystem::path database = folder.path("VoiceDB.dat");
    std::filesystem::path out = folder.path("TxtVoc3.voc");
};

TEST_F(VoxStoreTest, EveryCharacterGivesItsSegmentAndAPause)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    const struct
    {
        const char *text;
        Bytes expected;
    } cases[] = {
        {"12", spoken({1, 2}, 400)},
        {"\xB0\xA1", spoken({3}, 400)},            // the first hanzi is code 128
        {"\xF7\xFE", spoken({4}, 400)},            // the last is 6,895
        {"\xA3\xAC" "1", spoken({0, 1}, 400)},     // full-width comma: entry 0, both bytes taken
        {"1\xB0", spoken({1, 0}, 400)},            // a lead byte at the end: entry 0
        {"\xB0" "1", spoken({0}, 400)},            // a lead byte takes the next byte with it
        {"\x81\x40", spoken({0}, 400)},            // GBK extension character
        {"a ", spoken({0, 0}, 400)},               // unmapped ASCII uses what its entry gives
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(compose(c.text), VOXSTORE_OK);
        EXPECT_EQ(readFile(out), c.expected);
    }
}

TEST_F(VoxStoreTest, SpeedSetsThePauseFromItsLow16Bits)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    const struct
    {
        int32_t speed;
        std::size_t pause;
    } cases[] = {{0, 280}, {50, 400}, {1, 8}, {0x10000 + 50, 400}, {0x10000, 280}, {-5, 0}, {0x7FFF, 0x7FFF * 8}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.speed);
        ASSERT_EQ(compose("1", c.speed), VOXSTORE_OK);
        EXPECT_EQ(readFile(out), spoken({1}, c.pause));
    }
}

TEST_F(VoxStoreTest, NameDurationIsOneSegmentPerCharacterPlusThePauses)
{
    // 张 (D5C5) and 三 (C8FD) recorded as 300 ms and 400 ms.
    const std::uint16_t zhang = 0xD5 * 94 + 0xC5 - 16577, san = 0xC8 * 94 + 0xFD - 16577;
    writeFile(database, databaseImage({{zhang, 1}, {san, 2}}, {{}, Bytes(2400, 1), Bytes(3200, 2)}));
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    ASSERT_EQ(compose("\xD5\xC5\xC8\xFD", 50), VOXSTORE_OK);
    EXPECT_EQ(std::filesystem::file_size(out) / 8, 300u + 50u + 400u + 50u);
}

TEST_F(VoxStoreTest, RefusedTextsWriteNothing)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    writeFile(out, std::string("old"));
    const std::string longest(VOXSTORE_MAX_TEXT_BYTES + 1, '1');
    const struct
    {
        const char *text;
        int32_t speed;
        int32_t result;
    } cases[] = {
        {nullptr, 50, VOXSTORE_ERR_TEXT},
        {"", 50, VOXSTORE_ERR_TEXT},
        {"12Z", 50, VOXSTORE_ERR_TEXT},                // Z is sent to segment N
        {longest.c_str(), -1, VOXSTORE_ERR_TEXT},      // refused whole, not cut
        {"1", 0x7FFF, VOXSTORE_OK},                    // control: the file is written
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text ? std::string(c.text).substr(0, 8) : "null");
        EXPECT_EQ(compose(c.text, c.speed), c.result);
        EXPECT_EQ(readFile(out) == Bytes({'o', 'l', 'd'}), c.result != VOXSTORE_OK);
    }
    // 65,534 characters with 4 s pauses would be 17 GB: refused before anything is allocated.
    EXPECT_EQ(compose(longest.substr(1).c_str(), 0x7FFF), VOXSTORE_ERR_NO_MEMORY);
    EXPECT_EQ(compose(longest.substr(1).c_str(), -1), VOXSTORE_OK); // the longest text that fits
    EXPECT_EQ(readFile(out).size(), VOXSTORE_MAX_TEXT_BYTES * 3u);
}

TEST_F(VoxStoreTest, ZeroComposedLengthIsRefused)
{
    writeFile(database, databaseImage({}, {{}}));
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    EXPECT_EQ(compose("ab", -1), VOXSTORE_ERR_TEXT);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(compose("ab", 1), VOXSTORE_OK);
}

TEST_F(VoxStoreTest, CallsWithoutADatabaseLeaveTheOutputAlone)
{
    writeFile(out, std::string("old"));
    EXPECT_EQ(compose("12"), VOXSTORE_ERR_NOT_LOADED);
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    EXPECT_EQ(UnInstallVoxStore(), 0);
    EXPECT_EQ(UnInstallVoxStore(), 0);
    EXPECT_EQ(compose("12"), VOXSTORE_ERR_NOT_LOADED);
    EXPECT_EQ(readFile(out), Bytes({'o', 'l', 'd'}));
}

TEST_F(VoxStoreTest, InstallTwiceKeepsTheFirstDatabase)
{
    const auto second = folder.path("Other.dat");
    writeFile(second, databaseImage({{'1', 1}}, {{}, Bytes(100, 0x77)}));
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    EXPECT_EQ(InstallVoxStore(second.c_str()), VOXSTORE_OK);
    ASSERT_EQ(compose("1"), VOXSTORE_OK);
    EXPECT_EQ(readFile(out), spoken({1}, 400));
    UnInstallVoxStore();
    ASSERT_EQ(InstallVoxStore(second.c_str()), VOXSTORE_OK);
    ASSERT_EQ(compose("1", -1), VOXSTORE_OK);
    EXPECT_EQ(readFile(out), Bytes(100, 0x77));
}

TEST_F(VoxStoreTest, InstallRefusesFilesItCannotUseWhole)
{
    const Bytes good = fixtureImage();
    Bytes tableTooLong = good;
    tableTooLong.resize(13794 + 6 * kSegments - 1); // the segment table is cut
    Bytes segmentOutside = good;
    segmentOutside.resize(good.size() - 1);         // the last segment lacks one byte
    Bytes offsetOutside = good;
    offsetOutside[13794 + 3] = 0x80;                // segment 0 starts 2 GiB into the audio
    Bytes withTail = good;
    withTail.resize(good.size() + 10, 0);
    const struct
    {
        const char *name;
        Bytes image;
        int32_t result;
    } cases[] = {
        {"short", Bytes(13793, 0), VOXSTORE_ERR_SHORT},
        {"empty", Bytes(), VOXSTORE_ERR_SHORT},
        {"no segments", Bytes(13794, 0), VOXSTORE_OK},
        {"table past end", tableTooLong, VOXSTORE_ERR_SHORT},
        {"segment past end", segmentOutside, VOXSTORE_ERR_SHORT},
        {"offset past end", offsetOutside, VOXSTORE_ERR_SHORT},
        {"bytes after the audio", withTail, VOXSTORE_OK},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(database, c.image);
        EXPECT_EQ(InstallVoxStore(database.c_str()), c.result);
        // A refused database leaves the store empty.
        EXPECT_EQ(compose("1"), c.result == VOXSTORE_OK ? (c.image.size() > 13794 ? VOXSTORE_OK : VOXSTORE_ERR_TEXT)
                                                         : VOXSTORE_ERR_NOT_LOADED);
        UnInstallVoxStore();
    }
    EXPECT_EQ(InstallVoxStore(folder.path("missing.dat").c_str()), VOXSTORE_ERR_OPEN);
    EXPECT_EQ(InstallVoxStore(folder.path("").c_str()), VOXSTORE_ERR_OPEN); // a directory
    EXPECT_EQ(InstallVoxStore(nullptr), VOXSTORE_ERR_OPEN);
}

TEST_F(VoxStoreTest, SourceOneReadsTheTextFile)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    const auto text = folder.path("name.txt");
    writeFile(text, std::string("21\0" "2", 4)); // the text ends at its first zero byte
    const auto tooLong = folder.path("long.txt");
    writeFile(tooLong, std::string(VOXSTORE_MAX_TEXT_BYTES + 1, '1'));
    const std::string missing = folder.path("none.txt"), directory = folder.path("");
    const struct
    {
        const char *textFile;
        int32_t source;
        int32_t result;
    } cases[] = {
        {text.c_str(), 1, VOXSTORE_OK},
        {text.c_str(), 0x10001, VOXSTORE_OK},             // only the low 16 bits count
        {missing.c_str(), 1, VOXSTORE_ERR_FILE},
        {nullptr, 1, VOXSTORE_ERR_FILE},
        {directory.c_str(), 1, VOXSTORE_ERR_READ},         // a directory opens but cannot be read
        {tooLong.c_str(), 1, VOXSTORE_ERR_TEXT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.textFile ? c.textFile : "null");
        std::filesystem::remove(out);
        EXPECT_EQ(TxtToVoc(nullptr, c.textFile, out.c_str(), c.source, 50), c.result);
        if (c.result == VOXSTORE_OK) {
            EXPECT_EQ(readFile(out), spoken({2, 1}, 400));
        }
    }
    // Any other source takes the text argument and ignores the file.
    ASSERT_EQ(TxtToVoc("1", text.c_str(), out.c_str(), 2, 50), VOXSTORE_OK);
    EXPECT_EQ(readFile(out), spoken({1}, 400));
}

TEST_F(VoxStoreTest, OutputFailuresKeepWhatWasThere)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    EXPECT_EQ(TxtToVoc("1", nullptr, folder.path("no/such/dir.voc").c_str(), 0, 50), VOXSTORE_ERR_FILE);
    EXPECT_EQ(TxtToVoc("1", nullptr, nullptr, 0, 50), VOXSTORE_ERR_FILE);
    std::filesystem::create_directory(folder.path("taken"));
    EXPECT_EQ(TxtToVoc("1", nullptr, folder.path("taken").c_str(), 0, 50), VOXSTORE_ERR_FILE);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path("taken")));

    // A write cut short by the file size limit reports the failure and keeps the old file.
    writeFile(out, std::string("old"));
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int32_t result = compose("1", 0x7FFF);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(result, VOXSTORE_ERR_WRITE);
    EXPECT_EQ(readFile(out), Bytes({'o', 'l', 'd'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path("")), {}), 3); // no leftovers
}

TEST_F(VoxStoreTest, LinksAndDevicesAreWrittenThrough)
{
    ASSERT_EQ(InstallVoxStore(database.c_str()), VOXSTORE_OK);
    std::filesystem::create_symlink(out, folder.path("link.voc"));
    ASSERT_EQ(TxtToVoc("1", nullptr, folder.path("link.voc").c_str(), 0, 50), VOXSTORE_OK);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("link.voc")));
    EXPECT_EQ(readFile(out), spoken({1}, 400));
    EXPECT_EQ(TxtToVoc("1", nullptr, "/dev/null", 0, 50), VOXSTORE_OK);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

} // namespace
} // namespace voxstore::test
