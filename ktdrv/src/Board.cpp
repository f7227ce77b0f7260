// Start and close of the software board, its clock-driven event loop and its state report.
#include "ktdrv/src/Board.h"

#include "ktdrv/src/ControlSocket.h"
#include "ktdrv/src/LiveLogBlock.h"
#include "ktdrv/src/MediaClock.h"
#include "ktdrv/src/SipStack.h"

#include <charconv>
#include <filesystem>
#include <sstream>

namespace ktdrv {

Board::Board() = default;
Board::~Board()
{
    close();
}

int Board::start(const std::string &configPath, const std::string &indexPath)
{
    close();
    std::string error;
    auto config = loadBoardConfig(configPath, error);
    if (!config) {
        m_lastError = error;
        return 1;
    }
    auto index = loadVoiceIndex(indexPath, error);
    if (!index) {
        m_lastError = error;
        return 2;
    }
    // KtSip.ini beside KtConfig.ini makes the lines SIP lines; without it the software board runs. A
    // name there that cannot even be looked at (a link loop, a folder without access) is a file that
    // fails to load, with its name, rather than no file.
    std::error_code sipUnseen;
    if (std::string sipPath = sipConfigPath(configPath); std::filesystem::exists(sipPath, sipUnseen) || sipUnseen) {
        auto sip = loadSipConfig(sipPath, error);
        if (!sip) {
            m_lastError = error;
            return 3;
        }
        if (m_clock.isVirtual()) {
            m_lastError = sipPath + ": SIP lines run in real time, not on virtual time";
            return 7;
        }
        m_config = std::move(*config);
        m_index = std::move(*index);
        m_now = m_startedAt = m_clock.now();
        m_usable = 1;
        if (int r = startSip(*sip))
            return r;
        finishStart({});
        return 0;
    }
    auto sim = loadSimConfig(simConfigPath(configPath), error);
    if (!sim) {
        m_lastError = error;
        return 3;
    }
    // Boards start only when a device with their serial number exists, as on real hardware.
    std::vector<const SimDevice *> devices;
    std::string missing;
    m_usable = 0;
    for (const auto &b : config->boards) {
        const SimDevice *dev = b.hasSerial ? sim->deviceBySerial(b.serialNumber) : nullptr;
        devices.push_back(dev);
        if (dev)
            ++m_usable;
        else if (missing.empty())
            missing = "board " + std::to_string(b.id) + (b.hasSerial ? " (serial number " + std::to_string(b.serialNumber) + ")"
                                                                         : " (addressed by I/O port)") + " not found";
    }
    if (m_usable == 0) {
        m_lastError = configPath + ": no configured board found among the devices of " + sim->path + ": " + missing;
        return 4;
    }
    for (std::size_t n = 0; n < config->channels.size(); ++n) {
        const auto &app = config->channels[n];
        const SimDevice *dev = app.board >= 0 ? devices[static_cast<std::size_t>(app.board)] : nullptr;
        if (dev && app.boardChannel >= static_cast<int>(dev->channelTypes.size())) {
            m_lastError = configPath + ": [AppChToBoardChTable] AppCh[" + std::to_string(n) + "] names channel " +
                          std::to_string(app.boardChannel) + " of board " + std::to_string(app.board) + ", which has " +
                          std::to_string(dev->channelTypes.size()) + " channels";
            return 5;
        }
    }
    if (sim->virtualTime)
        m_clock.setVirtual(true, 0);

    m_config = std::move(*config);
    m_sim = std::move(*sim);
    m_index = std::move(*index);
    m_now = m_startedAt = m_clock.now();
    m_channels.assign(m_config.channels.size(), Channel{});
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        const auto &app = m_config.channels[n];
        const SimDevice *dev = app.board >= 0 ? devices[static_cast<std::size_t>(app.board)] : nullptr;
        if (!dev)
            continue;
        auto bc = static_cast<std::size_t>(app.boardChannel);
        auto &c = m_channels[n];
        c.type = dev->channelTypes[bc];
        c.voltage = c.trunk() ? dev->lineVoltage[bc] : 0;
        c.polarityLine = c.trunk() && dev->polarityReversal[bc];
        c.line.reset(m_now, m_config.tones);
        if (c.station()) {
            if (auto it = m_sim.stations.find(static_cast<int>(n)); it != m_sim.stations.end() && !it->second.ownCalls.empty())
                c.ownCalls.start(it->second.ownCalls, m_now);
        }
    }
    finishStart(missing);
    return 0;
}

void Board::finishStart(const std::string &missing)
{
    std::string error;
    m_log.setFolder(m_config.logFilePath);
    m_log.setEnable(0, m_config.apiLogEnable);
    m_started = true;
    m_lastError.clear();
    m_liveLog = std::make_unique<LiveLogBlock>(m_log);
    if (!m_sim.controlSocket.empty()) {
        m_control = std::make_unique<ControlSocket>();
        if (!m_control->open(m_sim.controlSocket, error))
            m_log.write(m_now, "control socket not available: " + error);
    }
    m_log.write(m_now, "board started: " + std::to_string(m_usable) + " of " + std::to_string(m_config.boards.size()) +
                           " boards, " + std::to_string(m_channels.size()) + " channels" +
                           (missing.empty() ? std::string() : "; " + missing));
    if (!missing.empty())
        m_lastError = missing;
    refreshDue();
}

std::unique_ptr<ControlSocket> Board::detachControl()
{
    return std::move(m_control);
}

void Board::close()
{
    if (!m_started)
        return;
    // The control socket thread takes the board lock itself: stop it before the board goes.
    m_control.reset();
    sync();
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        auto &c = m_channels[n];
        if (c.trunk() && c.seized)
            release(static_cast<int>(n), m_now, "board closed");
    }
    m_liveLog.reset();
    m_mediaClock.reset();
    m_sipStack.reset();
    m_log.write(m_now, "board closed");
    m_channels.clear();
    m_started = false;
}

Channel *Board::channel(int ch)
{
    if (!m_started || ch < 0 || ch >= static_cast<int>(m_channels.size()))
        return nullptr;
    sync();
    return &m_channels[static_cast<std::size_t>(ch)];
}

void Board::sync()
{
    // The tool's requests are rare: looking for one on every 32nd call keeps the polling cheap
    // and still answers within one polling pass of the server.
    if (m_liveLog && (++m_syncCount & 31) == 0)
        m_liveLog->poll();
    if (!m_clock.isVirtual())
        advanceTo(m_clock.now());
    sipEvents(m_now);
}

void Board::pollLiveLog()
{
    if (m_liveLog)
        m_liveLog->poll();
}

void Board::refreshDue()
{
    m_nextDue = kForever;
    for (const auto &c : m_channels)
        m_nextDue = std::min(m_nextDue, c.nextDue());
}

void Board::advanceTo(Ms target)
{
    if (!m_started) {
        m_now = target;
        return;
    }
    // Events run one at a time in time order, so that what one channel does to another (keys into
    // a bridged line, say) happens at the right moment.
    while (m_nextDue <= target) {
        int which = -1;
        Ms due = kForever;
        for (std::size_t n = 0; n < m_channels.size(); ++n)
            if (Ms d = m_channels[n].nextDue(); d < due) {
                due = d;
                which = static_cast<int>(n);
            }
        if (which < 0 || due > target)
            break;
        m_now = std::max(m_now, due);
        process(which, m_now);
        refreshDue();
    }
    m_now = std::max(m_now, target);
}

void Board::process(int ch, Ms t)
{
    auto &c = m_channels[static_cast<std::size_t>(ch)];
    if (c.dialling && c.dialBegin <= t) {
        c.dialBegin = kForever;
        if (c.line.current().kind == SoundSegment::Kind::DialTone)
            c.line.change(SoundSegment::Kind::Silence, t);
    } else if (c.dialling && c.dialDone <= t) {
        c.dialling = false;
        c.dialDone = kForever;
        if (!c.farEndStarted && c.seized)
            startFarEnd(ch, t);
    } else if (c.manualDialDue <= t) {
        c.manualDialDue = kForever;
        if (!c.farEndStarted && c.seized)
            startFarEnd(ch, t);
    } else if (c.farEnd.due <= t) {
        farEndStep(ch, t);
    } else if (c.manualKeys.due <= t) {
        ScriptRunner &r = c.manualKeys;
        if (r.next >= r.steps.size() || !keyStep(ch, r, r.steps[r.next], t))
            r.stop();
    } else if (c.ringScript.due <= t) {
        stationStep(ch, c.ringScript, t);
    } else if (c.ownCalls.due <= t) {
        stationStep(ch, c.ownCalls, t);
    }
}

std::string Board::stateText()
{
    std::ostringstream out;
    for (std::size_t n = 0; n < m_channels.size(); ++n) {
        const auto &c = m_channels[n];
        out << n << ' ';
        if (c.trunk())
            out << "trunk state=" << c.state << " voltage=" << c.voltage << " dialled=" << c.dialled
                << " reversals=" << c.reversals << " play=" << c.player.status(m_now) << " peer=" << c.peer;
        else if (c.station())
            out << "station state=" << c.state << " hook=" << c.hook << " ringing=" << c.ringing
                << " tone=" << c.sentTone << " flashes=" << c.flashCount << " peer=" << c.peer;
        else
            out << "type=" << c.type;
        out << '\n';
    }
    return out.str();
}

std::string Board::command(const std::string &line)
{
    std::istringstream in(line);
    std::string verb, arg;
    int ch = -1;
    in >> verb;
    if (verb == "state")
        return stateText() + "ok\n";
    if (!(in >> ch))
        return "error: " + verb + " needs a channel number\n";
    in >> arg;
    int r = -1;
    if (verb == "offhook")
        r = setHook(ch, true);
    else if (verb == "onhook")
        r = setHook(ch, false);
    else if (verb == "flash")
        r = flash(ch);
    else if (verb == "keys")
        r = arg.empty() ? -1 : pressKeys(ch, arg);
    else if (verb == "voltage") {
        Channel *c = channel(ch);
        int volts = 0;
        auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), volts);
        if (c && c->trunk() && !arg.empty() && ec == std::errc() && end == arg.data() + arg.size() &&
            volts > -1000 && volts < 1000) {
            c->voltage = volts;
            r = 0;
        }
    } else
        return "error: unknown command '" + verb + "'\n";
    return r == 0 ? "ok\n" : "error: " + verb + " refused for channel " + std::to_string(ch) + "\n";
}

} // namespace ktdrv
