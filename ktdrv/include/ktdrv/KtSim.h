// The software board's own functions beyond the server's: simulation control, test queries, the
// configuration tool's extras and the device probe of board detection. C linkage, prefix Tlx/TlxSim.
#pragma once

#include "ktdrv/TlxApi.h"

#ifdef __cplusplus
extern "C" {
#endif

/// SIP registration status of an IP board: 1 registered; otherwise 0 with the reason in buffer
/// (200 bytes). With SIP lines (KtSip.ini) board 0 is their account ("registered", "not registered",
/// "registration refused: 403 Forbidden", ...); the software board simulates no IP boards and answers
/// 0 with a reason.
KTDRV_EXPORT int TlxSipGetBoardRegStatus(int boardId, char *buffer);
/// The UDP port of the SIP lines' signalling (useful with LocalPort=0); 0 without SIP lines.
KTDRV_EXPORT int TlxSimGetSipPort(void);
/// The driver's version text ("KTDRV x.y.z (software board)") into buffer (64 bytes); returns its length.
KTDRV_EXPORT int TlxGetDriverVersion(char *buffer);

/// Probes device index (0..19) as board detection does, PCI before USB. Returns 1 when a device
/// answered (model value, serial number and sub-type filled), 0 when there is none at that index,
/// -1 when the device opened but its model query failed (ModelQueryFails=1), -2 when KtSim.ini is
/// missing or malformed (TlxSimGetProbeError says where and why: no board can be said to be missing).
/// The devices are the [Device<N>] and [UsbDevice<N>] sections of the KtSim.ini named by KTSIM_CONFIG,
/// else of the current directory; detection needs only their HardwareId and SerialNumber.
KTDRV_EXPORT int TlxSimProbeDevice(int index, int *bus, unsigned *modelValue, unsigned *serialNumber,
                                   unsigned *subType);
/// Why the last TlxSimProbeDevice returned -2 ("file:line: reason"), into buffer of size bytes
/// (zero-terminated, cut to fit); empty after a probe that read KtSim.ini. Returns the length copied.
KTDRV_EXPORT int TlxSimGetProbeError(char *buffer, int size);

/// 1: virtual time (the clock stands still but for TlxSimAdvance, and restarts at 0); 0: monotonic clock.
KTDRV_EXPORT int TlxSimSetVirtualTime(int enable);
/// Moves the virtual clock on by ms, running every due event in order. -1 in real time mode.
KTDRV_EXPORT int TlxSimAdvance(unsigned ms);
/// The board's 32-bit millisecond tick.
KTDRV_EXPORT unsigned TlxSimGetTick(void);

/// Station handset: lift (1) or hang up (0); flash; press keys (one at a time, as a person does).
KTDRV_EXPORT int TlxSimSetHook(int ch, int offHook);
KTDRV_EXPORT int TlxSimFlash(int ch);
KTDRV_EXPORT int TlxSimPressKeys(int ch, const char *digits);
/// Changes a trunk's line voltage.
KTDRV_EXPORT int TlxSimSetLineVoltage(int ch, int volts);

/// 1 while a station rings; its caller-ID text into buffer (32 bytes).
KTDRV_EXPORT int TlxSimIsRinging(int ch, char *callerId);
/// Tone kind being sent to a station (0 none).
KTDRV_EXPORT int TlxSimGetSentTone(int ch);
/// The channel bridged to ch, or -1.
KTDRV_EXPORT int TlxSimGetTalkPeer(int ch);
/// The digits dialled on a trunk in its current or last call into buffer (64 bytes).
KTDRV_EXPORT int TlxSimGetDialled(int ch, char *buffer);
/// Path of the heard-audio WAV written for the trunk's last finished call into buffer (260 bytes).
KTDRV_EXPORT int TlxSimGetHeardFile(int ch, char *buffer);
/// One line per channel describing its state (as the control socket's "state"), into buffer.
KTDRV_EXPORT int TlxSimGetStateText(char *buffer, int size);
/// The driver's own log (most recent lines) into buffer; returns the length copied.
KTDRV_EXPORT int TlxSimGetLog(char *buffer, int size);
/// Enable value of a log type as last applied from the live-log block (-1 when never set); a request
/// waiting in the block is applied first.
KTDRV_EXPORT int TlxSimGetLogEnable(int logType);

#ifdef __cplusplus
}
#endif
