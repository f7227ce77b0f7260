// The driver's own log.
#include "ktdrv/src/DriverLog.h"

#include <filesystem>
#include <fstream>

namespace ktdrv {

void DriverLog::write(unsigned long long tick, const std::string &line)
{
    std::string text = std::to_string(tick) + " " + line;
    m_lines.push_back(text);
    // Enough for a test or a person to read what just happened, bounded for long runs.
    while (m_lines.size() > 500)
        m_lines.pop_front();
    if (!m_folder.empty() && m_folder != "NULL" && m_folder != "null") {
        std::ofstream out(std::filesystem::path(m_folder) / "KtDrv.log", std::ios::app);
        out << text << '\n';
    }
}

std::string DriverLog::recent() const
{
    std::string all;
    for (const auto &l : m_lines)
        all += l + '\n';
    return all;
}

} // namespace ktdrv
