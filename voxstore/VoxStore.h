/* Public C interface of libVoxStore: loads the voice-segment database VoiceDB.dat and composes voice files from text. */
#ifndef VOXSTORE_VOXSTORE_H
#define VOXSTORE_VOXSTORE_H

#include <stdint.h>

#if defined(__GNUC__)
#define VOXSTORE_EXPORT __attribute__((visibility("default")))
#else
#define VOXSTORE_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*! \page voxstore_page Voice-segment store

    The store holds one voice-segment database in memory. The database file VoiceDB.dat is, with all
    integers little-endian:

    - bytes 0..13,791: the character index table, 6,896 unsigned 16-bit segment numbers, one per
      character code;
    - bytes 13,792..13,793: the segment count N, unsigned 16-bit;
    - then N segment entries of 6 bytes: an unsigned 32-bit offset relative to the start of the audio
      area and an unsigned 16-bit length in bytes;
    - then the audio area: headerless 8-bit A-law at 8,000 samples per second (8 bytes per ms).

    Text is GBK (GB2312) bytes, read one character at a time:
    - a byte below 0x80 is its own code (0..127);
    - a byte of 0x80 or above that ends the text has code 0;
    - otherwise the byte and the one after it form a pair: lead 0xB0..0xF7 with trail 0xA1..0xFE gives
      lead * 94 + trail - 16,577 (0xB0A1 is 128, 0xF7FE is 6,895); every other pair (symbols,
      full-width punctuation and digits, GBK extension characters) gives code 0.

    A composed file is, for every character, the bytes of the segment its code names followed by a
    pause of A-law silence (0x55). It has no header.

    There is one store per loaded library and no lock: calls must not overlap.
*/

/*! Result codes of InstallVoxStore. */
#define VOXSTORE_OK 0                /*!< The database is loaded (or was loaded already). */
#define VOXSTORE_ERR_OPEN -1         /*!< The file cannot be opened or read, or is not a regular file. */
#define VOXSTORE_ERR_MEMORY -2       /*!< Not enough memory for the file image. */
#define VOXSTORE_ERR_SHORT -3        /*!< The file is shorter than its tables and segments need. */

/*! Result codes of TxtToVoc (0 is VOXSTORE_OK: the file was written). */
#define VOXSTORE_ERR_NOT_LOADED -101 /*!< No database is loaded. */
#define VOXSTORE_ERR_TEXT -103       /*!< No text, an empty or too long text, a character whose segment
                                          number is N or more, or a composed length of zero. */
#define VOXSTORE_ERR_NO_MEMORY -201  /*!< Not enough memory for the composed audio. */
#define VOXSTORE_ERR_FILE -202       /*!< The text file cannot be opened, or the output file cannot be
                                          created. */
#define VOXSTORE_ERR_READ -204       /*!< The text file cannot be read. */
#define VOXSTORE_ERR_WRITE -205      /*!< Writing the output file failed. */

/*! The longest text TxtToVoc composes, in bytes: the text with its terminating zero fills the
    65,535-byte composition buffer. */
#define VOXSTORE_MAX_TEXT_BYTES 65534

/*! \brief Load a voice-segment database into memory.

    When a database is loaded already the call does nothing and returns VOXSTORE_OK: the file is not
    read again, so a new database takes effect only after UnInstallVoxStore.

    The whole file is read into one memory block. A database whose segment table or any segment
    reaches past the end of the file is refused with VOXSTORE_ERR_SHORT, so composition never reads
    outside the image. Bytes after the last segment are allowed. Index entries naming a segment N or
    beyond are kept: composing a text with such a character fails with VOXSTORE_ERR_TEXT.

    \param path The path of VoiceDB.dat, a zero-terminated string. NULL gives VOXSTORE_ERR_OPEN.
    \return VOXSTORE_OK, VOXSTORE_ERR_OPEN, VOXSTORE_ERR_MEMORY or VOXSTORE_ERR_SHORT. On failure the
            store stays empty. */
VOXSTORE_EXPORT int32_t InstallVoxStore(const char *path);

/*! \brief Release the loaded database, if any, and mark the store empty.
    \return Always 0. */
VOXSTORE_EXPORT int16_t UnInstallVoxStore(void);

/*! \brief Compose a voice file from a text.

    Every character of the text gives its segment followed by a pause. The output file is created
    (an existing file is replaced) and holds only the audio bytes. It is written under a temporary
    name beside it and renamed into place, so on any failure an existing file of that name is left as
    it was. A symbolic link, device or pipe of that name is written through in place instead.

    \param text The text, zero-terminated GBK. Used unless source is 1; ignored (may be NULL) when
           source is 1.
    \param textFile The name of a file whose content is the text; read when source is 1, ignored
           otherwise. The text ends at the file's first zero byte.
    \param outFile The name of the file to write.
    \param source Only the low 16 bits count: 1 takes the text from textFile, any other value from
           text.
    \param speed Only the low 16 bits count, as a signed value: the pause after each character in
           milliseconds (speed * 8 bytes); 0 gives the default pause of 35 ms (280 bytes); a negative
           value gives no pause.
    \return VOXSTORE_OK when the file was written;
            VOXSTORE_ERR_NOT_LOADED when no database is loaded (the output file is not touched);
            VOXSTORE_ERR_TEXT for a NULL text (source not 1), an empty text, a text longer than
            VOXSTORE_MAX_TEXT_BYTES (refused whole, never cut), a character whose segment number is
            N or more, or a composed length of zero;
            VOXSTORE_ERR_NO_MEMORY when the composed audio cannot be allocated or would exceed
            2 GiB;
            VOXSTORE_ERR_FILE when the text file cannot be opened or the output file cannot be
            created (also for a NULL file name);
            VOXSTORE_ERR_READ when the text file cannot be read;
            VOXSTORE_ERR_WRITE when writing the output file failed. */
VOXSTORE_EXPORT int32_t TxtToVoc(const char *text, const char *textFile, const char *outFile, int32_t source,
                                 int32_t speed);

#ifdef __cplusplus
}
#endif

#endif /* VOXSTORE_VOXSTORE_H */
