// voxdb-build run as a program: a database from a folder and a mapping, and a failed build writes nothing.
#include "FixtureDatabase.h"
#include "voxstore/VoxStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace voxstore::test {
namespace {

int runTool(const std::string &arguments)
{
    const std::string command = std::string(VOXDB_BUILD_PATH) + " --quiet " + arguments + " 2>/dev/null";
    return WEXITSTATUS(std::system(command.c_str()));
}

TEST(VoxDbBuildToolTest, BuildsADatabaseTheStoreSpeaks)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path("rec"));
    writeFile(folder.path("rec/1.voc"), Bytes(4, 0x31));
    writeFile(folder.path("rec/a.voc"), Bytes(2, 0x61));
    writeFile(folder.path("rec/unknown.voc"), Bytes(1, 0x3F));
    // 啊 is B0A1; upper- and lower-case A share one recording.
    writeFile(folder.path("map.txt"), std::string("1 1.voc\n\xE5\x95\x8A 1.voc\nA a.voc\na a.voc\n"));
    const auto db = folder.path("VoiceDB.dat");
    ASSERT_EQ(runTool("--unknown " + folder.path("rec/unknown.voc").string() + " " + folder.path("rec").string() +
                      " " + folder.path("map.txt").string() + " " + db.string()),
              0);
    EXPECT_EQ(std::filesystem::file_size(db), 13794u + 6 * 3 + 1 + 4 + 2);

    UnInstallVoxStore();
    ASSERT_EQ(InstallVoxStore(db.c_str()), VOXSTORE_OK);
    ASSERT_EQ(TxtToVoc("1aA\xB0\xA1?", nullptr, folder.path("out.voc").c_str(), 0, -1), VOXSTORE_OK);
    UnInstallVoxStore();
    EXPECT_EQ(readFile(folder.path("out.voc")), (Bytes{0x31, 0x31, 0x31, 0x31, 0x61, 0x61, 0x61, 0x61, 0x31, 0x31,
                                                       0x31, 0x31, 0x3F}));
}

TEST(VoxDbBuildToolTest, FailedBuildKeepsTheOldDatabase)
{
    ScratchFolder folder;
    writeFile(folder.path("VoiceDB.dat"), std::string("old"));
    writeFile(folder.path("map.txt"), std::string("1 missing.wav\n"));
    EXPECT_EQ(runTool(folder.path("").string() + " " + folder.path("map.txt").string() + " " +
                      folder.path("VoiceDB.dat").string()),
              1);
    EXPECT_EQ(readFile(folder.path("VoiceDB.dat")), (Bytes{'o', 'l', 'd'}));
    EXPECT_FALSE(std::filesystem::exists(folder.path("VoiceDB.dat.part")));
    EXPECT_EQ(runTool("only-one-argument"), 2);
}

} // namespace
} // namespace voxstore::test
