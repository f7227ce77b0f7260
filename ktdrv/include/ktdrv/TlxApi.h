// The board driver functions the server calls, with C linkage; libKTDRV implements them.
//
// Channel functions take the application channel number (0..TlxGetMaxCh()-1) first. Every function
// returns a 32-bit integer; a channel number out of range, or a call before TlxStartCti succeeded,
// returns -1. Text buffers are filled with zero-terminated GBK text.
#pragma once

/// Marks the functions that leave libKTDRV.so; everything else in the library stays hidden.
#if defined(__GNUC__)
#define KTDRV_EXPORT __attribute__((visibility("default")))
#else
#define KTDRV_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/// Starts the board: reads the configuration file, the voice index file and the simulated
/// installation. 0 started; otherwise non-zero and TlxGetLastErrMsg says why (file, line, reason).
KTDRV_EXPORT int TlxStartCti(const char *configPath, const char *indexPath);
/// Copies the last error text into buffer (at most 200 bytes with the terminating zero); returns its length.
KTDRV_EXPORT int TlxGetLastErrMsg(char *buffer);
/// Boards named by the configuration file.
KTDRV_EXPORT int TlxGetMaxCfgBoard(void);
/// Boards that started (a configured board starts only when its device exists).
KTDRV_EXPORT int TlxGetMaxUsableBoard(void);
/// Channel count N of the application channel table.
KTDRV_EXPORT int TlxGetMaxCh(void);
/// Stops the board: every line is released and every open recording is written.
KTDRV_EXPORT int TlxCloseCti(void);

/// Driver channel type: 0 trunk, 2 station (SLIC), other values for other kinds.
KTDRV_EXPORT int TlxGetChType(int ch);
/// Barge-in sensitivity (kept, no effect on the simulated line).
KTDRV_EXPORT int TlxSetBargeInSens(int ch, int value);
/// Duration of each transmitted DTMF tone and of the pause after it, in ms (both 1..1000).
KTDRV_EXPORT int TlxSetTxDtmfPara(int ch, int toneMs, int pauseMs);

/// Line voltage of a trunk in volts; 0 for a station.
KTDRV_EXPORT int TlxGetLineVoltage(int ch);
/// Channel state: 0 idle, 1 off-hook (line seized / handset lifted), 2 ringing.
KTDRV_EXPORT int TlxGetChState(int ch);
/// Caller-ID text of the ringing call into a 32-byte buffer; returns its length.
KTDRV_EXPORT int TlxGetCallerId(int ch, char *buffer);
/// Hook state of a station's handset: 0 on-hook, 1 off-hook. A trunk always reports 0: its
/// hang-ups are reported through the channel state only.
KTDRV_EXPORT int TlxGetHookState(int ch);
/// Number of hook flashes of a station since the board started.
KTDRV_EXPORT int TlxGetFlashCount(int ch);
/// Digits still to send by TlxAutoDial (including the wait for dial tone); 0 when all are out.
KTDRV_EXPORT int TlxChkAutoDial(int ch);
/// Digits still to send by TlxTxDtmf or TlxAutoDial; 0 when all are out.
KTDRV_EXPORT int TlxChkTxDtmf(int ch);
/// Milliseconds of the silence now heard on the line; 0 while something sounds.
KTDRV_EXPORT int TlxGetNoSoundTime(int ch);
/// Bit 15 clear: a sound is heard, set: silence; the low 14 bits give its length so far in ms.
KTDRV_EXPORT int TlxGetToneValue(int ch);
/// First tone analyser: 0 nothing, 1 dial tone, 2 busy tone, 3 ring-back (during each ring), 6 answer cue.
KTDRV_EXPORT int TlxGetToneAnalyzeResult(int ch);
/// Second tone analyser (only with Enable2ndToneAnalyzer): 0 nothing, 1 dial tone, 2 busy tone.
KTDRV_EXPORT int TlxGet2ndToneAnalyzeResult(int ch);
KTDRV_EXPORT int TlxClearToneAnalyzeResult(int ch);
KTDRV_EXPORT int TlxClear2ndToneAnalyzeResult(int ch);
/// Polarity reversals of the line in this call: 1 after the answer, 2 after the far end hung up.
KTDRV_EXPORT int TlxGetPolarRvrsCount(int ch);
/// Takes the oldest received key into a 32-byte buffer (empty text when none); returns 1 or 0.
KTDRV_EXPORT int TlxGet1stDtmfClr(int ch, char *buffer);
/// Drops every received key still waiting.
KTDRV_EXPORT int TlxClearRxDtmfBuf(int ch);

/// Plays one A-law file (format 6) from offset for length bytes (-1: to the end).
KTDRV_EXPORT int TlxPlayFile(int ch, const char *path, int format, int offset, int length);
KTDRV_EXPORT int TlxClearFileList(int ch);
/// Appends a file to the channel's play list (kept for replays until cleared).
KTDRV_EXPORT int TlxAddToFileList(int ch, const char *path, int format, int offset, int length);
/// Plays the channel's play list in order.
KTDRV_EXPORT int TlxPlayFileList(int ch);
/// Plays the voice segments named (comma-separated) in the voice index file.
KTDRV_EXPORT int TlxPlayIndexString(int ch, const char *names);
/// 0 playing or never played, 1 ended at its natural end, 2 stopped or cut short by a key.
KTDRV_EXPORT int TlxCheckPlay(int ch);
KTDRV_EXPORT int TlxStopPlay(int ch);
/// 1: a received key stops the playing; 0: keys do not.
KTDRV_EXPORT int TlxSetDtmfStopPlay(int ch, int enable);
/// 1: what a station plays is heard by the channel bridged to it as well; 0: by the station only.
KTDRV_EXPORT int TlxSetPlayDest(int ch, int destination);

/// Seizes a trunk line (off-hook); dial tone follows.
KTDRV_EXPORT int TlxPickup(int ch);
/// Releases a trunk line (on-hook); the channel state becomes 0.
KTDRV_EXPORT int TlxHangup(int ch);
/// Seizes the line if needed, waits for dial tone and dials the digits.
KTDRV_EXPORT int TlxAutoDial(int ch, const char *digits);
/// Sends the digits as DTMF on a seized line.
KTDRV_EXPORT int TlxTxDtmf(int ch, const char *digits);

/// Rings a station.
KTDRV_EXPORT int TlxStartRing(int ch);
/// Rings a station showing the caller-ID text (length bytes of it); ringMs is the ring cadence.
KTDRV_EXPORT int TlxStartRingWithCIDStr(int ch, const char *callerId, int length, int ringMs);
KTDRV_EXPORT int TlxStopRing(int ch);
/// Sends a tone to a station: 1 busy tone, 2 ring-back tone, 3 disconnect tone.
KTDRV_EXPORT int TlxSendTone(int ch, int kind);
KTDRV_EXPORT int TlxStopSendTone(int ch);

/// Bridges two channels (both hear each other); 0 done.
KTDRV_EXPORT int TlxTalkWith(int ch, int other);
KTDRV_EXPORT int TlxStopTalkWith(int ch, int other);

/// Recording mixer: whether the recording holds both directions (kept; recordings always mix).
KTDRV_EXPORT int TlxSetRecMixer(int ch, int mixBoth, int reserved);
/// Records the channel's conversation into a WAV file (A-law, 8 kHz) until TlxStopRecToFile or hang-up.
/// The file is written when the recording ends, beside its name and then renamed into place, so that
/// a full disk never leaves a part of it. -1 when the file cannot be written at all (TlxGetLastErrMsg).
KTDRV_EXPORT int TlxRecToFile(int ch, const char *path, int format, int offset, int maxBytes, int maxMs, int flags);
/// Ends the recording. 0 done (or nothing was recorded); -1 when the recording, ended here or by the
/// hang-up before, could not be written (TlxGetLastErrMsg says why; the file is not there).
KTDRV_EXPORT int TlxStopRecToFile(int ch);

#ifdef __cplusplus
}
#endif
