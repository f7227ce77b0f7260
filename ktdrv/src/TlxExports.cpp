// The exported Tlx functions: thin wrappers that check arguments and call the board under its lock.
#include "ktdrv/KtSim.h"
#include "ktdrv/src/BoardAccess.h"
#include "ktdrv/src/ControlSocket.h"
#include "ktdrv/src/DeviceProbe.h"
#include "ktdrv/src/MediaClock.h"

#include <cstring>

using namespace ktdrv;

namespace ktdrv {

std::mutex &boardMutex()
{
    static std::mutex m;
    return m;
}

Board &theBoard()
{
    static Board board;
    return board;
}

std::string runBoardCommand(const std::string &line)
{
    std::lock_guard lock(boardMutex());
    if (!theBoard().started())
        return "error: the board is not started\n";
    return theBoard().command(line);
}

} // namespace ktdrv

namespace {

using Lock = std::lock_guard<std::mutex>;

int copyText(char *buffer, std::size_t size, const std::string &text)
{
    if (!buffer || size == 0)
        return -1;
    std::size_t n = std::min(text.size(), size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return static_cast<int>(n);
}

// Runs f on the channel; -1 when the board is not started or the channel does not exist.
template <typename F> int onChannel(int ch, F f)
{
    Lock lock(boardMutex());
    Channel *c = theBoard().channel(ch);
    return c ? f(*c) : -1;
}

// Errors begin with the file they are about; when a long folder would push the reason out of the
// caller's buffer, the file name alone stands for the path.
std::string fitErrorText(const std::string &error, std::size_t room)
{
    if (error.size() <= room)
        return error;
    auto colon = error.find(':');
    auto slash = error.rfind('/', colon);
    if (colon == std::string::npos || slash == std::string::npos)
        return error;
    return error.substr(slash + 1);
}

// The control socket's and the media clock's threads take the board lock themselves: they are
// stopped before the board is closed or started again under the lock.
void stopBoardThreads()
{
    std::unique_ptr<ControlSocket> control;
    std::unique_ptr<MediaClock> media;
    {
        Lock lock(boardMutex());
        control = theBoard().detachControl();
        media = theBoard().detachMedia();
    }
}

std::string text(const char *p)
{
    return p ? std::string(p) : std::string();
}

} // namespace

extern "C" {

int TlxStartCti(const char *configPath, const char *indexPath)
{
    stopBoardThreads();
    Lock lock(boardMutex());
    if (!configPath || !indexPath) {
        theBoard().lastError() = "TlxStartCti needs the paths of KtConfig.ini and KtIndex.ini";
        return 1;
    }
    return theBoard().start(configPath, indexPath);
}

int TlxGetLastErrMsg(char *buffer)
{
    Lock lock(boardMutex());
    return copyText(buffer, 200, fitErrorText(theBoard().lastError(), 199));
}

int TlxGetMaxCfgBoard(void)
{
    Lock lock(boardMutex());
    return theBoard().configuredBoards();
}

int TlxGetMaxUsableBoard(void)
{
    Lock lock(boardMutex());
    return theBoard().usableBoards();
}

int TlxGetMaxCh(void)
{
    Lock lock(boardMutex());
    return theBoard().channelCount();
}

int TlxCloseCti(void)
{
    stopBoardThreads();
    Lock lock(boardMutex());
    theBoard().close();
    return 0;
}

int TlxGetChType(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.type; });
}

int TlxSetBargeInSens(int ch, int value)
{
    return onChannel(ch, [&](Channel &c) { return c.bargeInSens = value, 0; });
}

int TlxSetTxDtmfPara(int ch, int toneMs, int pauseMs)
{
    if (toneMs < 1 || toneMs > 1000 || pauseMs < 1 || pauseMs > 1000)
        return -1;
    return onChannel(ch, [&](Channel &c) {
        c.txToneMs = toneMs;
        c.txPauseMs = pauseMs;
        return 0;
    });
}

int TlxGetLineVoltage(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.trunk() ? c.voltage : 0; });
}

int TlxGetChState(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.state; });
}

int TlxGetCallerId(int ch, char *buffer)
{
    return onChannel(ch, [&](Channel &c) { return copyText(buffer, 32, c.ringing ? c.callerId : std::string()); });
}

int TlxGetHookState(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.station() ? c.hook : 0; });
}

int TlxGetFlashCount(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.flashCount; });
}

int TlxChkAutoDial(int ch)
{
    return onChannel(ch, [](Channel &c) {
        if (!c.dialling || !c.autoDial)
            return 0;
        Ms now = theBoard().now();
        return static_cast<int>(std::count_if(c.digitEnds.begin(), c.digitEnds.end(), [&](Ms e) { return e > now; })) +
               (c.digitEnds.empty() ? 1 : 0);
    });
}

int TlxChkTxDtmf(int ch)
{
    return onChannel(ch, [](Channel &c) {
        if (!c.dialling)
            return 0;
        Ms now = theBoard().now();
        return static_cast<int>(std::count_if(c.digitEnds.begin(), c.digitEnds.end(), [&](Ms e) { return e > now; })) +
               (c.digitEnds.empty() ? 1 : 0);
    });
}

int TlxGetNoSoundTime(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.trunk() && c.seized ? c.line.noSoundTime(theBoard().now()) : 0; });
}

int TlxGetToneValue(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.trunk() && c.seized ? c.line.toneValue(theBoard().now()) : 0x8000; });
}

int TlxGetToneAnalyzeResult(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.trunk() && c.seized ? c.line.firstAnalyzer(theBoard().now()) : 0; });
}

int TlxGet2ndToneAnalyzeResult(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.trunk() && c.seized ? c.line.secondAnalyzer(theBoard().now()) : 0; });
}

int TlxClearToneAnalyzeResult(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.line.clearFirst(theBoard().now()), 0; });
}

int TlxClear2ndToneAnalyzeResult(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.line.clearSecond(theBoard().now()), 0; });
}

int TlxGetPolarRvrsCount(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.reversals; });
}

int TlxGet1stDtmfClr(int ch, char *buffer)
{
    return onChannel(ch, [&](Channel &c) {
        std::string key;
        if (!c.rxDtmf.empty()) {
            key = c.rxDtmf.substr(0, 1);
            c.rxDtmf.erase(0, 1);
        }
        copyText(buffer, 32, key);
        return key.empty() ? 0 : 1;
    });
}

int TlxClearRxDtmfBuf(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.rxDtmf.clear(), 0; });
}

int TlxPlayFile(int ch, const char *path, int /*format*/, int offset, int length)
{
    Lock lock(boardMutex());
    if (!theBoard().channel(ch))
        return -1;
    return theBoard().play(ch, {loadPlayItem(text(path), offset, length)});
}

int TlxClearFileList(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.fileList.clear(), 0; });
}

int TlxAddToFileList(int ch, const char *path, int /*format*/, int offset, int length)
{
    Lock lock(boardMutex());
    Channel *c = theBoard().channel(ch);
    if (!c || static_cast<int>(c->fileList.size()) >= theBoard().tones().maxPlayFileList)
        return -1;
    c->fileList.push_back(loadPlayItem(text(path), offset, length));
    return 0;
}

int TlxPlayFileList(int ch)
{
    Lock lock(boardMutex());
    Channel *c = theBoard().channel(ch);
    return c ? theBoard().play(ch, c->fileList) : -1;
}

int TlxPlayIndexString(int ch, const char *names)
{
    Lock lock(boardMutex());
    return theBoard().playIndex(ch, text(names));
}

int TlxCheckPlay(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.player.status(theBoard().now()); });
}

int TlxStopPlay(int ch)
{
    Lock lock(boardMutex());
    return theBoard().stopPlay(ch);
}

int TlxSetDtmfStopPlay(int ch, int enable)
{
    return onChannel(ch, [&](Channel &c) { return c.dtmfStopPlay = enable != 0, 0; });
}

int TlxSetPlayDest(int ch, int destination)
{
    Lock lock(boardMutex());
    return theBoard().setPlayDest(ch, destination);
}

int TlxPickup(int ch)
{
    Lock lock(boardMutex());
    return theBoard().pickup(ch);
}

int TlxHangup(int ch)
{
    Lock lock(boardMutex());
    return theBoard().hangup(ch);
}

int TlxAutoDial(int ch, const char *digits)
{
    Lock lock(boardMutex());
    return theBoard().dial(ch, text(digits), true);
}

int TlxTxDtmf(int ch, const char *digits)
{
    Lock lock(boardMutex());
    return theBoard().dial(ch, text(digits), false);
}

int TlxStartRing(int ch)
{
    Lock lock(boardMutex());
    return theBoard().startRing(ch, "");
}

int TlxStartRingWithCIDStr(int ch, const char *callerId, int length, int /*ringMs*/)
{
    std::string cid = text(callerId);
    if (length >= 0 && static_cast<std::size_t>(length) < cid.size())
        cid.resize(static_cast<std::size_t>(length));
    Lock lock(boardMutex());
    return theBoard().startRing(ch, cid);
}

int TlxStopRing(int ch)
{
    Lock lock(boardMutex());
    return theBoard().stopRing(ch);
}

int TlxSendTone(int ch, int kind)
{
    Lock lock(boardMutex());
    return theBoard().sendTone(ch, kind);
}

int TlxStopSendTone(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.sentTone = 0, 0; });
}

int TlxTalkWith(int ch, int other)
{
    Lock lock(boardMutex());
    return theBoard().talkWith(ch, other);
}

int TlxStopTalkWith(int ch, int other)
{
    Lock lock(boardMutex());
    return theBoard().stopTalkWith(ch, other);
}

int TlxSetRecMixer(int ch, int /*mixBoth*/, int /*reserved*/)
{
    return onChannel(ch, [](Channel &) { return 0; });
}

int TlxRecToFile(int ch, const char *path, int /*format*/, int /*offset*/, int /*maxBytes*/, int /*maxMs*/, int /*flags*/)
{
    Lock lock(boardMutex());
    return theBoard().recordToFile(ch, text(path));
}

int TlxStopRecToFile(int ch)
{
    Lock lock(boardMutex());
    return theBoard().stopRecord(ch);
}

int TlxSipGetBoardRegStatus(int boardId, char *buffer)
{
    Lock lock(boardMutex());
    if (theBoard().sipMode() && boardId == 0) {
        std::string status = theBoard().sipRegistration();
        copyText(buffer, 200, status);
        return status == "registered" ? 1 : 0;
    }
    copyText(buffer, 200, "board " + std::to_string(boardId) + " is not an IP board of the software board");
    return 0;
}

int TlxSimGetSipPort(void)
{
    Lock lock(boardMutex());
    return theBoard().started() ? theBoard().sipLocalPort() : 0;
}

int TlxGetDriverVersion(char *buffer)
{
    return copyText(buffer, 64, "KTDRV 1.0.0 (software board)");
}

int TlxSimProbeDevice(int index, int *bus, unsigned *modelValue, unsigned *serialNumber, unsigned *subType)
{
    DeviceAnswer a;
    int r = probeDevice(index, a);
    if (r == 1) {
        if (bus)
            *bus = a.bus;
        if (modelValue)
            *modelValue = a.modelValue;
        if (serialNumber)
            *serialNumber = a.serialNumber;
        if (subType)
            *subType = a.subType;
    }
    return r;
}

int TlxSimGetProbeError(char *buffer, int size)
{
    if (size <= 0)
        return -1;
    const auto room = static_cast<std::size_t>(size);
    return copyText(buffer, room, fitErrorText(probeError(), room - 1));
}

int TlxSimSetVirtualTime(int enable)
{
    Lock lock(boardMutex());
    Board &b = theBoard();
    if (b.started())
        b.sync();
    b.clock().setVirtual(enable != 0, b.started() ? b.now() : 0);
    return 0;
}

int TlxSimAdvance(unsigned ms)
{
    Lock lock(boardMutex());
    Board &b = theBoard();
    if (!b.clock().isVirtual())
        return -1;
    b.clock().advance(ms);
    b.advanceTo(b.clock().now());
    return 0;
}

unsigned TlxSimGetTick(void)
{
    Lock lock(boardMutex());
    return static_cast<unsigned>(theBoard().clock().now() & 0xFFFFFFFFu);
}

int TlxSimSetHook(int ch, int offHook)
{
    Lock lock(boardMutex());
    return theBoard().setHook(ch, offHook != 0);
}

int TlxSimFlash(int ch)
{
    Lock lock(boardMutex());
    return theBoard().flash(ch);
}

int TlxSimPressKeys(int ch, const char *digits)
{
    Lock lock(boardMutex());
    return theBoard().pressKeys(ch, text(digits));
}

int TlxSimSetLineVoltage(int ch, int volts)
{
    return onChannel(ch, [&](Channel &c) { return c.trunk() ? (c.voltage = volts, 0) : -1; });
}

int TlxSimIsRinging(int ch, char *callerId)
{
    return onChannel(ch, [&](Channel &c) {
        if (callerId)
            copyText(callerId, 32, c.callerId);
        return c.ringing ? 1 : 0;
    });
}

int TlxSimGetSentTone(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.sentTone; });
}

int TlxSimGetTalkPeer(int ch)
{
    return onChannel(ch, [](Channel &c) { return c.peer; });
}

int TlxSimGetDialled(int ch, char *buffer)
{
    return onChannel(ch, [&](Channel &c) { return copyText(buffer, 64, c.dialled); });
}

int TlxSimGetHeardFile(int ch, char *buffer)
{
    return onChannel(ch, [&](Channel &c) { return copyText(buffer, 260, c.heardFile); });
}

int TlxSimGetStateText(char *buffer, int size)
{
    Lock lock(boardMutex());
    if (size <= 0)
        return -1;
    theBoard().sync();
    return copyText(buffer, static_cast<std::size_t>(size), theBoard().stateText());
}

int TlxSimGetLog(char *buffer, int size)
{
    Lock lock(boardMutex());
    if (size <= 0)
        return -1;
    std::string all = theBoard().log().recent();
    // The most recent lines matter most when the buffer is small.
    if (all.size() >= static_cast<std::size_t>(size))
        all.erase(0, all.size() - static_cast<std::size_t>(size) + 1);
    return copyText(buffer, static_cast<std::size_t>(size), all);
}

int TlxSimGetLogEnable(int logType)
{
    Lock lock(boardMutex());
    theBoard().pollLiveLog();
    return theBoard().log().enable(logType);
}

} // extern "C"
