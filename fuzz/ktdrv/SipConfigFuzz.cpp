// Fuzz target: KtSip.ini as the board reads it when the SIP lines are chosen. A file is either refused
// with a message that names it and a line, or read into lines the board can start: trunks 1..48, agents'
// channels after the trunks and below 48, ports in range; reading the same file again gives the same.
#include "FuzzScratch.h"
#include "ktdrv/src/SipConfig.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool same(const ktdrv::SipConfig &a, const ktdrv::SipConfig &b)
{
    return a.proxyHost == b.proxyHost && a.proxyPort == b.proxyPort && a.localAddress == b.localAddress &&
           a.localPort == b.localPort && a.user == b.user && a.password == b.password && a.domain == b.domain &&
           a.registerAccount == b.registerAccount && a.registerExpires == b.registerExpires && a.trunks == b.trunks &&
           a.codec == b.codec && a.rtpTimeoutMs == b.rtpTimeoutMs && a.heardDir == b.heardDir &&
           a.stations == b.stations && a.stationsViaProxy == b.stationsViaProxy;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto &scratch = fuzz::scratchFolder("vn_fuzz_ktsip");
    const auto path = (scratch / "KtSip.ini").string();
    fuzz::writeBytes(path, fuzz::asText(data, size));
    std::string error;
    const auto config = ktdrv::loadSipConfig(path, error);
    if (!config) {
        // Every refusal names the file, so that the installer knows which one to mend.
        if (error.find("KtSip.ini") == std::string::npos)
            std::abort();
        return 0;
    }
    if (config->trunks < 1 || config->trunks > 48 || config->channelCount() > 48 || config->proxyHost.empty() ||
        config->domain.empty() || config->proxyPort < 1 || config->proxyPort > 65535 || config->localPort < 0 ||
        config->localPort > 65535 || (config->registerAccount && config->user.empty()))
        std::abort();
    for (const auto &[channel, uri] : config->stations)
        if (channel < config->trunks || channel > 47 || uri.empty())
            std::abort();
    std::string again;
    const auto reread = ktdrv::loadSipConfig(path, again);
    if (!reread || !same(*config, *reread))
        std::abort();
    return 0;
}
