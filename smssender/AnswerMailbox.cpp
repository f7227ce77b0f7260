// The mailbox of the modem's answers.
#include "smssender/AnswerMailbox.h"

namespace smssender {

void AnswerMailbox::put(const SendAnswer &answer)
{
    {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(answer);
    }
    m_filled.notify_one();
}

std::optional<SendAnswer> AnswerMailbox::take(std::chrono::milliseconds wait)
{
    std::unique_lock lock(m_mutex);
    if (!m_filled.wait_for(lock, wait, [this] { return !m_answers.empty(); }))
        return std::nullopt;
    const SendAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void AnswerMailbox::clear()
{
    std::lock_guard lock(m_mutex);
    m_answers.clear();
}

} // namespace smssender
