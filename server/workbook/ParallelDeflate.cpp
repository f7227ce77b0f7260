// Chunks deflated apart and ended by a sync flush, joined in order with their CRCs combined.
#include "server/workbook/ParallelDeflate.h"

#include <zlib.h>

#include <algorithm>

namespace server::workbook {

namespace {

constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

// A chunk as raw deflate: the last one ends the stream, the others end with an empty stored block
// that brings them to a byte boundary.
std::string deflateChunk(const std::string &input, int level, bool last, bool *ok)
{
    *ok = false;
    z_stream z{};
    if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    std::string out(deflateBound(&z, static_cast<uLong>(input.size())) + 16, '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.data()));
    z.avail_in = static_cast<uInt>(input.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    *ok = (last ? result == Z_STREAM_END : result == Z_OK) && z.avail_in == 0;
    out.resize(out.size() - z.avail_out);
    deflateEnd(&z);
    return out;
}

} // namespace

ParallelDeflate::ParallelDeflate(int level, int threads)
    : m_level(level), m_threads(static_cast<std::size_t>(std::max(threads, 1)))
{
    m_pending.reserve(kChunkBytes);
}

ParallelDeflate::~ParallelDeflate()
{
    for (auto &f : m_running)
        f.wait();
}

void ParallelDeflate::add(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t take = std::min(bytes.size(), kChunkBytes - m_pending.size());
        m_pending.append(bytes.substr(0, take));
        bytes.remove_prefix(take);
        if (m_pending.size() == kChunkBytes)
            launch(false);
    }
}

void ParallelDeflate::launch(bool last)
{
    // At most twice as many chunks in flight as threads, so that memory stays a few megabytes.
    while (m_running.size() >= 2 * m_threads)
        collect();
    std::string input;
    input.swap(m_pending);
    m_pending.reserve(kChunkBytes);
    const int level = m_level;
    m_running.push_back(std::async(std::launch::async, [input = std::move(input), level, last] {
        Chunk c;
        c.bytes = deflateChunk(input, level, last, &c.ok);
        c.crc = static_cast<std::uint32_t>(
            crc32_z(0, reinterpret_cast<const Bytef *>(input.data()), static_cast<z_size_t>(input.size())));
        c.size = input.size();
        return c;
    }));
}

void ParallelDeflate::collect()
{
    Chunk c = m_running.front().get();
    m_running.pop_front();
    m_ok = m_ok && c.ok;
    m_out += c.bytes;
    m_crc = static_cast<std::uint32_t>(crc32_combine(m_crc, c.crc, static_cast<z_off_t>(c.size)));
    m_size += c.size;
}

bool ParallelDeflate::finish(std::string *compressed, std::uint32_t *crc, std::uint64_t *size)
{
    launch(true);
    while (!m_running.empty())
        collect();
    compressed->swap(m_out);
    *crc = m_crc;
    *size = m_size;
    return m_ok;
}

} // namespace server::workbook
