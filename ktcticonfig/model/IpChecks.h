// The checks of the IP pages (SIP and H.323): ports, lengths and the RTP range and jitter delay pairs.
#pragma once

#include <string>
#include <string_view>

namespace ktcticonfig {

/// The message that refuses an RTP range ("lower,upper", both 1024..65535, upper not below lower), or
/// empty.
std::string checkRtpRange(std::string_view range);
/// The message that refuses a local port outside 1024..65535, or empty.
std::string checkLocalPort(std::string_view port);
/// The message that refuses a SIP heart interval outside 0..1000, or empty.
std::string checkHeartInterval(std::string_view interval);
/// The message that refuses an H.323 jitter delay ("lower,upper": 50..100 and 250..300), or empty.
std::string checkJitterDelay(std::string_view delay);
/// "Network type support UDP only" unless the H.323 network type is 1 (UDP).
std::string checkH323NetworkType(std::string_view type);
/// `message` when the text has `limit` characters or more, else empty.
std::string checkLength(std::string_view text, std::size_t limit, std::string_view message);

} // namespace ktcticonfig
