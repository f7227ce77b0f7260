// The response buffer: what the modem has answered to the current command, and whether that answer is complete.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lumosms {

inline constexpr std::size_t kResponseCapacity = 16384;

/// Judgement of a response after one more read.
enum class ResponseState
{
    Error = -1,   ///< the text holds "ERROR" and does not end in "OK\r\n"
    Pending = 0,  ///< not complete yet (or nothing new arrived)
    Complete = 1, ///< the last four bytes received are "OK\r\n"
};

class ResponseBuffer
{
public:
    /// Empties the buffer before a new command.
    void clear();

    /// Appends received bytes. Bytes beyond the capacity are not kept, but they still count for the end of
    /// the response and for "ERROR", so that an over-long answer is recognised as complete and the
    /// entries that fitted can be used; overflowed() then tells that the text was cut.
    void append(std::string_view bytes);

    /// The response text held (at most the capacity).
    std::string_view text() const { return std::string_view(m_text.data(), m_held); }

    /// Bytes received since the last clear, the discarded ones included.
    std::size_t received() const { return m_received; }

    bool overflowed() const { return m_received > m_held; }

    /// The judgement after a read that brought bytesJustRead bytes.
    ResponseState judge(std::size_t bytesJustRead) const;

private:
    std::array<char, kResponseCapacity> m_text{};
    std::size_t m_held = 0;
    std::size_t m_received = 0;
    std::array<char, 4> m_tail{}; ///< the last four bytes received, kept or not
    bool m_errorBeyond = false;   ///< "ERROR" seen in bytes that were not kept
};

} // namespace lumosms
