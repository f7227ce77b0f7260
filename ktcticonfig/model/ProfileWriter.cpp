// Writes of KtConfig.ini with one failure report.
#include "ktcticonfig/model/ProfileWriter.h"

#include <cerrno>
#include <cstdio>

namespace ktcticonfig {

std::string ProfileWriter::failureMessage(int code, const std::string &path)
{
    char head[96];
    std::snprintf(head, sizeof head, "Error! WritePrivateProfileString failed, error code is %d\n. File Name is:", code);
    return head + path;
}

void ProfileWriter::fail(int code)
{
    // Only the first failure is shown: the rest of a failed write would repeat the same message.
    if (!m_failed)
        m_reporter.report(failureMessage(code, m_file.path()));
    m_failed = true;
}

void ProfileWriter::write(std::string_view section, std::string_view key, std::optional<std::string_view> value)
{
    if (m_failed)
        return;
    if (!m_file.loadError().empty()) {
        fail(EIO);
        return;
    }
    if (!value) {
        m_file.deleteKey(section, key);
        return;
    }
    if (!m_file.writeString(section, key, *value))
        fail(EINVAL);
}

void ProfileWriter::writeInt(std::string_view section, std::string_view key, long long value)
{
    write(section, key, std::to_string(value));
}

bool ProfileWriter::commit()
{
    if (m_failed)
        return false;
    errno = 0;
    std::string error;
    if (!m_file.save(&error)) {
        fail(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

} // namespace ktcticonfig
