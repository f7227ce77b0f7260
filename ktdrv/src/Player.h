// Playing of voice files on a channel: durations from the file sizes, ends, stops and what was heard.
#pragma once

#include "ktdrv/src/Script.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ktdrv {

using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

/// A file to play: A-law bytes at 8 bytes per millisecond.
struct PlayItem
{
    std::string path;
    Bytes data;            ///< null when the file could not be read
    std::size_t offset = 0;
    std::size_t length = 0;
};

/// A piece of audio that went out on the channel, for the heard-audio file and recordings.
struct PlayedPiece
{
    Ms start = 0;
    Bytes data;
    std::size_t offset = 0;
    std::size_t length = 0;
};

/// Reads a voice file for playing; a missing or unreadable file gives an item without data.
PlayItem loadPlayItem(const std::string &path, long offset, long length);

class Player
{
public:
    /// Starts a new playing (what still played stops first). Items without data are skipped.
    void start(std::vector<PlayItem> items, Ms now, std::vector<PlayedPiece> &played);
    /// Stops at now; true when something was still playing.
    bool stop(Ms now, std::vector<PlayedPiece> &played);
    /// 0 playing or never played, 1 ended naturally, 2 stopped.
    int status(Ms now) const;
    bool playing(Ms now) const { return m_started && !m_stopped && now < m_start + m_total; }
    /// Hands over the pieces played up to now (call before the record of a call is closed).
    void flush(Ms now, std::vector<PlayedPiece> &played);
    /// Writes the A-law bytes of [from, from + ms) as this playing sends them, A-law silence where it
    /// sends nothing: what a line with real-time media puts into its packets.
    void render(Ms from, Ms ms, std::uint8_t *out) const;

private:
    std::vector<PlayItem> m_items;
    Ms m_start = 0;
    Ms m_total = 0;
    Ms m_stopAt = 0;
    Ms m_flushedTo = 0;
    bool m_started = false;
    bool m_stopped = false;
};

} // namespace ktdrv
