// Every write of KtConfig.ini goes through here: keys are changed in memory and reach the disk once
// per write of the model (or read-time repair batch), and a failure is reported in one place.
#pragma once

#include "common/ProfileFile.h"
#include "ktcticonfig/model/Reporter.h"

#include <optional>
#include <string>
#include <string_view>

namespace ktcticonfig {

class ProfileWriter
{
public:
    ProfileWriter(common::ProfileFile &file, Reporter &reporter) : m_file(file), m_reporter(reporter) {}

    /// Sets a key, or deletes it when value is empty (std::nullopt).
    void write(std::string_view section, std::string_view key, std::optional<std::string_view> value);
    void writeInt(std::string_view section, std::string_view key, long long value);

    /// Puts the changes on disk. False, with the failure reported, when a write was refused or the
    /// file could not be replaced; once failed the writer stays failed.
    bool commit();
    bool failed() const { return m_failed; }

    /// The message shown for a failed write (errno-style code and the file name).
    static std::string failureMessage(int code, const std::string &path);

private:
    void fail(int code);

    common::ProfileFile &m_file;
    Reporter &m_reporter;
    bool m_failed = false;
};

} // namespace ktcticonfig
