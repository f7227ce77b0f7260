// Raw deflate of a long stream on several threads, the way pigz does it.
#pragma once

#include <cstdint>
#include <deque>
#include <future>
#include <string>
#include <string_view>

namespace server::workbook {

/// Compresses bytes given piece by piece into one raw deflate stream (as a zip member holds it). The
/// bytes are cut into chunks of a megabyte; each chunk is compressed on a thread of its own and
/// ended at a byte boundary, so that the outputs joined in order are one stream. The CRC-32 and the
/// size of the input come with the result.
class ParallelDeflate
{
public:
    /// level: zlib's compression level; threads: how many chunks are compressed at once.
    ParallelDeflate(int level, int threads);
    ~ParallelDeflate();
    ParallelDeflate(const ParallelDeflate &) = delete;
    ParallelDeflate &operator=(const ParallelDeflate &) = delete;

    void add(std::string_view bytes);
    /// Compresses what is left and gives the whole stream; false when zlib failed.
    bool finish(std::string *compressed, std::uint32_t *crc, std::uint64_t *size);

private:
    struct Chunk
    {
        std::string bytes;
        std::uint32_t crc = 0;
        std::uint64_t size = 0;
        bool ok = false;
    };

    void launch(bool last);
    void collect();

    int m_level;
    std::size_t m_threads;
    std::string m_pending;
    std::deque<std::future<Chunk>> m_running;
    std::string m_out;
    std::uint32_t m_crc = 0;
    std::uint64_t m_size = 0;
    bool m_ok = true;
};

} // namespace server::workbook
