// The one channel through which the configuration model and detection tell the user something.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

/// Receives every message the tool shows. The window shows each in a box; the unattended mode prints
/// it to standard error; tests record it.
class Reporter
{
public:
    virtual ~Reporter() = default;
    virtual void report(std::string_view message) = 0;
};

/// Keeps the messages in order, for tests and for callers that decide later how to show them.
class RecordingReporter : public Reporter
{
public:
    void report(std::string_view message) override { messages.emplace_back(message); }
    std::vector<std::string> messages;
};

} // namespace ktcticonfig
