// The driver's own log: recent lines kept in memory, and appended to a file when a folder is set.
#pragma once

#include <array>
#include <deque>
#include <string>

namespace ktdrv {

class DriverLog
{
public:
    static constexpr int kLogTypes = 8;

    /// Folder for KtDrv.log; empty or "NULL" writes no file.
    void setFolder(const std::string &folder) { m_folder = folder; }
    void write(unsigned long long tick, const std::string &line);
    std::string recent() const;
    void setEnable(int type, int value)
    {
        if (type >= 0 && type < kLogTypes)
            m_enable[static_cast<std::size_t>(type)] = value;
    }
    int enable(int type) const
    {
        return type >= 0 && type < kLogTypes ? m_enable[static_cast<std::size_t>(type)] : -1;
    }

private:
    std::string m_folder;
    std::deque<std::string> m_lines;
    std::array<int, kLogTypes> m_enable{-1, -1, -1, -1, -1, -1, -1, -1};
};

} // namespace ktdrv
