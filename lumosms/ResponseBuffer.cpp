// The response buffer and the judgement of a modem answer.
#include "lumosms/ResponseBuffer.h"

#include <algorithm>
#include <string>

namespace lumosms {

void ResponseBuffer::clear()
{
    m_text.fill('\0');
    m_held = 0;
    m_received = 0;
    m_tail.fill('\0');
    m_errorBeyond = false;
}

void ResponseBuffer::append(std::string_view bytes)
{
    const std::size_t kept = std::min(bytes.size(), kResponseCapacity - m_held);
    std::copy_n(bytes.data(), kept, m_text.data() + m_held);
    m_held += kept;
    if (kept < bytes.size()) {
        // Look for "ERROR" in the new bytes and across the border to the ones before (the remembered tail).
        const std::size_t tailLength = std::min<std::size_t>(m_received, m_tail.size());
        std::string window(m_tail.end() - static_cast<std::ptrdiff_t>(tailLength), m_tail.end());
        window.append(bytes);
        if (window.find("ERROR") != std::string::npos)
            m_errorBeyond = true;
    }
    m_received += bytes.size();
    for (char c : bytes) {
        std::rotate(m_tail.begin(), m_tail.begin() + 1, m_tail.end());
        m_tail.back() = c;
    }
}

ResponseState ResponseBuffer::judge(std::size_t bytesJustRead) const
{
    if (bytesJustRead == 0 || m_received < 4)
        return ResponseState::Pending;
    if (std::string_view(m_tail.data(), m_tail.size()) == "OK\r\n")
        return ResponseState::Complete;
    if (m_errorBeyond || text().find("ERROR") != std::string_view::npos)
        return ResponseState::Error;
    return ResponseState::Pending;
}

} // namespace lumosms
