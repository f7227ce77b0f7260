// A started software board in virtual time over a copy of the test installation in a temporary folder.
#pragma once

#include "ktdrv/KtSim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ktdrv::test {

/// What one polling pass of the server reads from a channel.
struct Pass
{
    int state, hook, autoDial, txDtmf, noSound, tone, first, second, play, reversals;
    std::string key;
};

class BoardTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// Replaces KtSim.ini (before start()).
    void writeSim(const std::string &text);
    void writeFile(const std::string &name, const std::string &text);
    /// A voice file of ms milliseconds of A-law bytes.
    std::string voice(const std::string &name, int ms, unsigned char value = 0x55);
    int start();
    /// Moves virtual time on in 100 ms passes, as the server polls.
    void advance(unsigned ms);
    Pass pass(int ch);
    /// Advances pass by pass until pred holds or limit ms passed; returns the ms it took or -1.
    template <typename P> int until(P pred, unsigned limit)
    {
        for (unsigned t = 0; t <= limit; t += 100) {
            if (pred())
                return static_cast<int>(t);
            TlxSimAdvance(100);
        }
        return -1;
    }
    std::string log();

    std::filesystem::path m_dir;
};

} // namespace ktdrv::test
