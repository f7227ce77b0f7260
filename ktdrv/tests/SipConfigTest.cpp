// Reading of KtSip.ini: the peer, the account, trunks and stations, and an error with file, line and
// reason for anything that is not sound.
#include "ktdrv/src/SipConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ktdrv {
namespace {

std::string writeTemp(const std::string &text)
{
    auto path = std::filesystem::temp_directory_path() / ("ktdrv-sip-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path) << text;
    return path.string();
}

TEST(ktdrvSipConfigTest, ReadsThePeerTheAccountAndTheChannels)
{
    std::string error;
    auto path = writeTemp("[Sip]\nProxy=pbx.example.net:5080\nLocalAddress=192.0.2.7\nLocalPort=0\nUser=notice\n"
                          "Password=pw\nDomain=example.net\nRegister=1\nTrunks=4\nCodec=pcmu\nRtpTimeout=20\n"
                          "[Stations]\n6=sip:201@example.net\n4=sip:agent@192.0.2.9:5062;transport=udp\n");
    auto c = loadSipConfig(path, error);
    ASSERT_TRUE(c) << error;
    EXPECT_EQ(c->proxyHost, "pbx.example.net");
    EXPECT_EQ(c->proxyPort, 5080);
    EXPECT_EQ(c->localAddress, "192.0.2.7");
    EXPECT_EQ(c->localPort, 0);
    EXPECT_EQ(c->user, "notice");
    EXPECT_TRUE(c->registerAccount);
    EXPECT_EQ(c->codec, SipCodec::Pcmu);
    EXPECT_EQ(c->rtpTimeoutMs, 20000);
    EXPECT_EQ(c->stations.at(4), "sip:agent@192.0.2.9:5062;transport=udp");
    EXPECT_EQ(c->channelCount(), 7) << "four trunks, then up to the last station";

    // What is left out: port 5060, PCMA, the proxy's host as the domain, no registration.
    c = loadSipConfig(writeTemp("[Sip]\nProxy=10.0.0.1\nTrunks=2\n"), error);
    ASSERT_TRUE(c) << error;
    EXPECT_EQ(c->proxyPort, 5060);
    EXPECT_EQ(c->codec, SipCodec::Pcma);
    EXPECT_EQ(c->domain, "10.0.0.1");
    EXPECT_FALSE(c->registerAccount);
    EXPECT_EQ(c->channelCount(), 2);
    std::filesystem::remove(path);
}

TEST(ktdrvSipConfigTest, RefusesWhatIsNotSoundWithLineAndReason)
{
    struct Case
    {
        const char *text;
        const char *error;
    } cases[] = {
        {"[Sip]\nProxy=pbx\nTrunks=2\nCodecs=PCMA\n", ":4: [Sip] unknown key 'Codecs'"},
        {"[Sip]\nProxy=pbx:port\nTrunks=2\n", ":2: [Sip] Proxy: 'pbx:port' is not host:port"},
        {"[Sip]\nProxy=pbx:70000\nTrunks=2\n", ":2: [Sip] Proxy: 'pbx:70000' is not host:port"},
        {"[Sip]\nProxy=pbx\nTrunks=0\n", ":3: [Sip] Trunks: '0' is not a number from 1 to 48"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nCodec=G729\n", ":4: [Sip] Codec: 'G729' is neither PCMA nor PCMU"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nRegister=yes\n", ":4: [Sip] Register: 'yes' is not a number from 0 to 1"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nLocalPort=-1\n", ":4: [Sip] LocalPort: '-1' is not a number from 0 to 65535"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nLocalAddress=a b\n", ":4: [Sip] LocalAddress: 'a b' is not an address"},
        {"[Sip]\nTrunks=2\n", ":1: [Sip] lacks Proxy"},
        {"[Sip]\nProxy=pbx\n", ":1: [Sip] lacks Trunks"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nRegister=1\n", ":1: [Sip] Register=1 needs a User"},
        {"[Sip]\nProxy=pbx\nTrunks=2\n[Stations]\n1=sip:a@pbx\n", ":5: [Stations] channel 1 is a trunk (Trunks=2)"},
        {"[Sip]\nProxy=pbx\nTrunks=2\n[Stations]\nx=sip:a@pbx\n", ":5: [Stations] 'x' is not a channel number 0..47"},
        {"[Sip]\nProxy=pbx\nTrunks=2\n[Stations]\n3=tel:201\n", ":5: [Stations] 3: 'tel:201' is not a SIP URI"},
        {"[Sip]\nProxy=pbx\nTrunks=2\n[Station]\n3=sip:a@b\n", ":4: unknown section [Station]"},
        {"[Sip]\nProxy=pbx\nTrunks=2\nRtpTimeout=soon\n", ":4: [Sip] RtpTimeout: 'soon' is not a number"},
        {"; nothing here\n", ": the file has no [Sip] section"},
    };
    for (const auto &c : cases) {
        std::string error;
        auto path = writeTemp(c.text);
        EXPECT_FALSE(loadSipConfig(path, error)) << c.text;
        EXPECT_EQ(error.rfind(path, 0), 0u) << error;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << " gave: " << error;
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace ktdrv
