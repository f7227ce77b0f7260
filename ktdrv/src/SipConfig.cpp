// Reading of KtSip.ini with an error that names file, line and reason for anything malformed.
#include "ktdrv/src/SipConfig.h"

#include "common/ProfileFile.h"
#include "common/Text.h"

#include <charconv>
#include <filesystem>

namespace ktdrv {
namespace {

constexpr int kMaxChannels = 48;

bool parseInt(std::string_view text, int low, int high, int &out)
{
    text = common::trimBlanks(text);
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || v < low || v > high)
        return false;
    out = v;
    return true;
}

bool plainHost(std::string_view host)
{
    return !host.empty() && host.find_first_of(" \t;,@:<>\"") == std::string_view::npos;
}

// host:port with the port optional.
bool parseHostPort(std::string_view text, std::string &host, int &port)
{
    auto colon = text.rfind(':');
    std::string_view h = text.substr(0, colon);
    if (!plainHost(h))
        return false;
    if (colon != std::string_view::npos && !parseInt(text.substr(colon + 1), 1, 65535, port))
        return false;
    host = std::string(h);
    return true;
}

// sip:user@host[:port][;params]: enough to be sure an INVITE can be addressed to it.
bool plausibleSipUri(std::string_view uri)
{
    if (uri.size() < 5 || !common::equalsIgnoreCase(uri.substr(0, 4), "sip:"))
        return false;
    uri.remove_prefix(4);
    uri = uri.substr(0, uri.find(';'));
    auto at = uri.find('@');
    std::string_view hostPort = at == std::string_view::npos ? uri : uri.substr(at + 1);
    if (at != std::string_view::npos &&
        (at == 0 || uri.substr(0, at).find_first_of(" \t<>\"") != std::string_view::npos))
        return false;
    std::string host;
    int port = 0;
    return parseHostPort(hostPort, host, port);
}

struct Reader
{
    const common::ProfileFile &file;
    std::string &error;

    bool fail(int line, const std::string &why)
    {
        error = file.path() + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + why;
        return false;
    }

    bool number(const common::ProfileEntry &e, int low, int high, int &out)
    {
        if (parseInt(e.value, low, high, out))
            return true;
        return fail(e.line, "[Sip] " + e.key + ": '" + e.value + "' is not a number from " + std::to_string(low) +
                                " to " + std::to_string(high));
    }

    bool sip(SipConfig &c)
    {
        bool haveProxy = false, haveTrunks = false;
        for (const auto &e : file.entries("Sip")) {
            auto is = [&](std::string_view key) { return common::equalsIgnoreCase(e.key, key); };
            if (is("Proxy")) {
                if (!parseHostPort(e.value, c.proxyHost, c.proxyPort))
                    return fail(e.line, "[Sip] Proxy: '" + e.value + "' is not host:port");
                haveProxy = true;
            } else if (is("LocalAddress")) {
                if (!plainHost(e.value))
                    return fail(e.line, "[Sip] LocalAddress: '" + e.value + "' is not an address");
                c.localAddress = e.value;
            } else if (is("LocalPort")) {
                if (!number(e, 0, 65535, c.localPort))
                    return false;
            } else if (is("User")) {
                c.user = e.value;
            } else if (is("Password")) {
                c.password = e.value;
            } else if (is("Domain")) {
                if (!e.value.empty() && !plainHost(e.value))
                    return fail(e.line, "[Sip] Domain: '" + e.value + "' is not a host name");
                c.domain = e.value;
            } else if (is("Register")) {
                int v = 0;
                if (!number(e, 0, 1, v))
                    return false;
                c.registerAccount = v == 1;
            } else if (is("RegisterExpires")) {
                if (!number(e, 60, 86400, c.registerExpires))
                    return false;
            } else if (is("Trunks")) {
                if (!number(e, 1, kMaxChannels, c.trunks))
                    return false;
                haveTrunks = true;
            } else if (is("Codec")) {
                if (common::equalsIgnoreCase(e.value, "PCMA"))
                    c.codec = SipCodec::Pcma;
                else if (common::equalsIgnoreCase(e.value, "PCMU"))
                    c.codec = SipCodec::Pcmu;
                else
                    return fail(e.line, "[Sip] Codec: '" + e.value + "' is neither PCMA nor PCMU");
            } else if (is("RtpTimeout")) {
                int seconds = 0;
                if (!number(e, 0, 3600, seconds))
                    return false;
                c.rtpTimeoutMs = seconds * 1000;
            } else if (is("StationsViaProxy")) {
                int v = 1;
                if (!number(e, 0, 1, v))
                    return false;
                c.stationsViaProxy = v == 1;
            } else if (is("HeardDir")) {
                c.heardDir = e.value;
            } else {
                return fail(e.line, "[Sip] unknown key '" + e.key + "'");
            }
        }
        int sectionLine = file.sectionLine("Sip");
        if (!haveProxy)
            return fail(sectionLine, "[Sip] lacks Proxy");
        if (!haveTrunks)
            return fail(sectionLine, "[Sip] lacks Trunks");
        if (c.registerAccount && c.user.empty())
            return fail(sectionLine, "[Sip] Register=1 needs a User");
        if (c.domain.empty())
            c.domain = c.proxyHost;
        return true;
    }

    bool stations(SipConfig &c)
    {
        for (const auto &e : file.entries("Stations")) {
            int ch = 0;
            if (!parseInt(e.key, 0, kMaxChannels - 1, ch))
                return fail(e.line, "[Stations] '" + e.key + "' is not a channel number 0.." +
                                        std::to_string(kMaxChannels - 1));
            if (ch < c.trunks)
                return fail(e.line,
                            "[Stations] channel " + e.key + " is a trunk (Trunks=" + std::to_string(c.trunks) + ")");
            if (!plausibleSipUri(e.value))
                return fail(e.line,
                            "[Stations] " + e.key + ": '" + e.value + "' is not a SIP URI (sip:user@host:port)");
            if (!c.stations.emplace(ch, e.value).second)
                return fail(e.line, "[Stations] channel " + e.key + " is given twice");
        }
        return true;
    }
};

} // namespace

int SipConfig::channelCount() const
{
    return stations.empty() ? trunks : std::max(trunks, stations.rbegin()->first + 1);
}

std::string sipConfigPath(const std::string &besideFile)
{
    std::filesystem::path dir = std::filesystem::path(besideFile).parent_path();
    return (dir.empty() ? std::filesystem::path("KtSip.ini") : dir / "KtSip.ini").string();
}

std::optional<SipConfig> loadSipConfig(const std::string &path, std::string &error)
{
    common::ProfileFile file(path);
    if (!file.exists()) {
        error = path + ": " + (file.loadError().empty() ? "file not found" : file.loadError());
        return std::nullopt;
    }
    Reader reader{file, error};
    SipConfig config;
    config.path = path;
    if (!file.hasSection("Sip")) {
        reader.fail(0, "the file has no [Sip] section");
        return std::nullopt;
    }
    for (const auto &name : file.sectionNames())
        if (!common::equalsIgnoreCase(name, "Sip") && !common::equalsIgnoreCase(name, "Stations")) {
            reader.fail(file.sectionLine(name), "unknown section [" + name + "]");
            return std::nullopt;
        }
    if (!reader.sip(config) || !reader.stations(config))
        return std::nullopt;
    return config;
}

} // namespace ktdrv
