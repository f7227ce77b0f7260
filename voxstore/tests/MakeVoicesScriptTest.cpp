// make-voices.sh on two characters: a database that speaks them, the demo files, the index and reuse.
#include "FixtureDatabase.h"
#include "voxstore/VoxStore.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace voxstore::test {
namespace {

namespace fs = std::filesystem;

// Runs a command and returns its exit status and what it wrote to both streams.
std::pair<int, std::string> run(const std::string &command)
{
    std::string output;
    std::FILE *pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::array<char, 512> chunk{};
    while (std::fgets(chunk.data(), chunk.size(), pipe) != nullptr)
        output += chunk.data();
    const int status = ::pclose(pipe);
    return {WEXITSTATUS(status), output};
}

TEST(MakeVoicesScriptTest, TwoCharactersMakeASpeakingDatabase)
{
    if (std::system("command -v espeak-ng >/dev/null && command -v sox >/dev/null") != 0)
        GTEST_SKIP() << "espeak-ng or sox is not installed";
    ScratchFolder folder;
    const fs::path out = folder.path("install");
    const std::string command = std::string(VN_SOURCE_DIR_PATH) + "/scripts/make-voices.sh -j 2 --builder " +
                                VOXDB_BUILD_PATH + " --chars \xE5\xBC\xA0\xE4\xB8\x89 " + out.string(); // 张三
    const auto [status, output] = run(command);
    ASSERT_EQ(status, 0) << output;

    // 张 is D5C5, code 3642; 三 is C8FD, code 2476. Each recording is a plausible syllable.
    const auto zhang = fs::file_size(out / "Voice/chars/3642.voc"), san = fs::file_size(out / "Voice/chars/2476.voc");
    for (const auto bytes : {zhang, san}) {
        EXPECT_GT(bytes, 100u * 8);
        EXPECT_LT(bytes, 1500u * 8);
    }
    UnInstallVoxStore();
    ASSERT_EQ(InstallVoxStore((out / "VoiceDB.dat").c_str()), VOXSTORE_OK);
    ASSERT_EQ(TxtToVoc("\xD5\xC5\xC8\xFD", nullptr, folder.path("name.voc").c_str(), 0, 50), VOXSTORE_OK);
    UnInstallVoxStore();
    EXPECT_EQ(fs::file_size(folder.path("name.voc")), zhang + 400 + san + 400);

    for (const char *prompt : {"Voice/pth/Notice.voc", "Voice/pth/Bye.voc", "Voice/pth/FlashWait.voc",
                               "Voice/gdh/Notice.voc", "Voice/gdh/Bye.voc", "Voice/gdh/FlashWait.voc"})
        EXPECT_GT(fs::file_size(out / prompt), 4000u) << prompt;

    // Every named segment the server plays is listed with a file that exists.
    std::ifstream index(out / "KtIndex.ini");
    std::string line, names;
    while (std::getline(index, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        names += line.substr(0, equals) + ",";
        EXPECT_GT(fs::file_size(line.substr(equals + 1)), 0u) << line;
    }
    EXPECT_EQ(names, "music,busymusic,slicbusy,silent,slicno,num0,num1,num2,num3,num4,num5,num6,num7,num8,num9,"
                     "shi,dian,bai,qian,wan,yi,yuan,jiao,fen,");

    const auto again = run(command);
    EXPECT_EQ(again.first, 0);
    EXPECT_NE(again.second.find("complete already"), std::string::npos) << again.second;
}

} // namespace
} // namespace voxstore::test
