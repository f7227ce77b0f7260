// Playing of voice files: a playing's end follows from its start and the items' byte counts.
#include "ktdrv/src/Player.h"

#include <algorithm>
#include <fstream>

namespace ktdrv {
namespace {

constexpr std::size_t kBytesPerMs = 8;
constexpr std::uintmax_t kMaxFile = 256u << 20;

Ms itemMs(const PlayItem &item)
{
    return item.data ? item.length / kBytesPerMs : 0;
}

} // namespace

PlayItem loadPlayItem(const std::string &path, long offset, long length)
{
    PlayItem item;
    item.path = path;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return item;
    in.seekg(0, std::ios::end);
    auto size = static_cast<std::uintmax_t>(std::max<std::streamoff>(0, in.tellg()));
    if (size > kMaxFile)
        return item;
    auto data = std::make_shared<std::vector<std::uint8_t>>(size);
    in.seekg(0);
    in.read(reinterpret_cast<char *>(data->data()), static_cast<std::streamsize>(size));
    if (!in)
        return item;
    item.offset = std::min<std::size_t>(offset > 0 ? static_cast<std::size_t>(offset) : 0, data->size());
    std::size_t rest = data->size() - item.offset;
    item.length = length < 0 ? rest : std::min<std::size_t>(static_cast<std::size_t>(length), rest);
    item.data = std::move(data);
    return item;
}

void Player::start(std::vector<PlayItem> items, Ms now, std::vector<PlayedPiece> &played)
{
    stop(now, played);
    flush(now, played);
    std::erase_if(items, [](const PlayItem &i) { return !i.data; });
    m_items = std::move(items);
    m_total = 0;
    for (const auto &i : m_items)
        m_total += itemMs(i);
    m_start = m_flushedTo = now;
    m_started = true;
    m_stopped = false;
}

bool Player::stop(Ms now, std::vector<PlayedPiece> &played)
{
    if (!playing(now))
        return false;
    flush(now, played);
    m_stopped = true;
    m_stopAt = now;
    return true;
}

int Player::status(Ms now) const
{
    if (!m_started)
        return 0;
    if (m_stopped)
        return 2;
    return now >= m_start + m_total ? 1 : 0;
}

void Player::flush(Ms now, std::vector<PlayedPiece> &played)
{
    if (!m_started)
        return;
    Ms end = std::min(now, m_stopped ? m_stopAt : m_start + m_total);
    Ms at = m_start;
    for (const auto &item : m_items) {
        Ms from = std::max(at, m_flushedTo), to = std::min(at + itemMs(item), end);
        if (to > from)
            played.push_back({from, item.data, item.offset + (from - at) * kBytesPerMs, (to - from) * kBytesPerMs});
        at += itemMs(item);
    }
    m_flushedTo = std::max(m_flushedTo, end);
}

void Player::render(Ms from, Ms ms, std::uint8_t *out) const
{
    constexpr std::uint8_t kAlawSilence = 0xD5;
    std::fill(out, out + ms * kBytesPerMs, kAlawSilence);
    if (!m_started)
        return;
    Ms end = std::min(from + ms, m_stopped ? m_stopAt : m_start + m_total);
    Ms at = m_start;
    for (const auto &item : m_items) {
        Ms lo = std::max(at, from), hi = std::min(at + itemMs(item), end);
        if (hi > lo)
            std::copy_n(item.data->data() + item.offset + (lo - at) * kBytesPerMs, (hi - lo) * kBytesPerMs,
                        out + (lo - from) * kBytesPerMs);
        at += itemMs(item);
    }
}

} // namespace ktdrv
