// The database busy or gone during call handling: the writes that could not reach it kept in order and
// written when it is back, no new task taken meanwhile, the outage and its end reported once each.
#pragma once

#include "server/data/TDM.h"
#include "server/engine/Clock.h"
#include "server/settings/Settings.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace server {

class DatabaseOutage
{
public:
    using Write = std::function<void()>;
    using Report = std::function<void(const std::string &)>;

    /// Watches every statement of dm; report shows a line to the operator and writes it to the log.
    DatabaseOutage(TDM &dm, const Settings &settings, const Clock &clock, Report report);
    ~DatabaseOutage();
    DatabaseOutage(const DatabaseOutage &) = delete;
    DatabaseOutage &operator=(const DatabaseOutage &) = delete;

    /// Runs a write of a call's result now or, during an outage, keeps it behind those already kept.
    /// A write that cannot reach the database is kept too; one the database refuses is dropped, and
    /// the row keeps its values.
    void write(const Write &statement);
    /// True while the database is out of reach or writes wait for it: no new task may be taken.
    bool active() const { return m_active; }
    /// Writes that wait for the database.
    std::size_t kept() const { return m_kept.size(); }
    /// During an outage: connects a server database again when its connection is gone, then writes
    /// what was kept, in order. True when the outage is over (or there was none).
    bool retry();

    /// How long an outage that ended without a kept write to prove it must stay over before its end
    /// is reported; one that comes back within it goes on unreported.
    static constexpr std::uint32_t kQuietMs = 30000;

private:
    void begin(const DatabaseError &error);

    TDM &m_dm;
    const Settings &m_settings;
    const Clock &m_clock;
    Report m_report;
    std::deque<Write> m_kept;
    bool m_active = false;
    std::size_t m_written = 0; // kept writes that went through since the outage began
    // An end not yet reported: the database answered a read, but nothing written proved it back (a
    // full disk lets reads through and fails every claim). The tick it ended at.
    bool m_endUnconfirmed = false;
    std::uint32_t m_endedAt = 0;
};

} // namespace server
