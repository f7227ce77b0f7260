// The SIP lines described by KtSip.ini: the peer, the account, the trunks and the agents' telephones.
#pragma once

#include <map>
#include <optional>
#include <string>

namespace ktdrv {

enum class SipCodec
{
    Pcma = 8,
    Pcmu = 0
};

struct SipConfig
{
    std::string path;
    std::string proxyHost; ///< where every request goes (the PBX or trunk)
    int proxyPort = 5060;
    std::string localAddress = "0.0.0.0";
    int localPort = 5060; ///< 0: any free port
    std::string user;
    std::string password;
    std::string domain; ///< the host part of the called URIs; the proxy's host when empty
    bool registerAccount = false;
    int registerExpires = 3600; ///< seconds
    int trunks = 0;
    SipCodec codec = SipCodec::Pcma;
    int rtpTimeoutMs = 30000;            ///< an answered call without RTP for this long has lost its far end; 0: never
    std::string heardDir;                ///< optional: one WAV per trunk call of everything sent to the line
    std::map<int, std::string> stations; ///< channel number → SIP URI of the agent's telephone
    bool stationsViaProxy = true;        ///< false: the agents' telephones are called at their URIs directly

    /// The number of channels: the trunks first, then up to the last station channel.
    int channelCount() const;
};

/// KtSip.ini beside the given configuration file (or in the current directory when that is empty).
std::string sipConfigPath(const std::string &besideFile);

/// Reads the whole file; on failure nothing, and error says file, line and reason.
std::optional<SipConfig> loadSipConfig(const std::string &path, std::string &error);

} // namespace ktdrv
