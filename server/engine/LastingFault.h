// A fault that may last over many events, such as a file that cannot be written: it is reported when
// it begins and when it ends, not at every event in between.
#pragma once

#include <functional>
#include <string>

namespace server {

class LastingFault
{
public:
    using Report = std::function<void(const std::string &)>;
    explicit LastingFault(Report report) : m_report(std::move(report)) {}

    /// An event failed: reports text when the fault begins, nothing while it lasts.
    void failed(const std::string &text);
    /// An event succeeded: reports text when this ends a fault, nothing otherwise.
    void succeeded(const std::string &text);
    bool active() const { return m_active; }

private:
    Report m_report;
    bool m_active = false;
};

} // namespace server
