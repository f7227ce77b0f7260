// A test with a program directory of its own for Setup.ini, and the records that load it.
#pragma once

#include "common/Gbk.h"
#include "server/settings/Settings.h"
#include "server/settings/tests/RecordingDialogs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace server::testing {

class SetupFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("setup-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        settings.ProgramDir = m_dir.string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Writes Setup.ini from UTF-8 text, stored as GBK like every file of the installation.
    void writeSetup(const std::string &utf8) const
    {
        std::ofstream(m_dir / "Setup.ini", std::ios::binary) << common::utf8ToGbk(utf8);
    }
    std::string setupBytes() const
    {
        std::ifstream in(m_dir / "Setup.ini", std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    std::filesystem::path m_dir;
    Settings settings;
    ChannelTables tables;
    RecordingDialogs dialogs;
};

} // namespace server::testing
