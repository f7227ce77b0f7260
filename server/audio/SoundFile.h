// Sound files read and written through libsndfile: raw A-law, µ-law and PCM, VOX ADPCM, and the
// containers that name their own format (WAV, FLAC, Ogg, MP3 where the installed libsndfile has it).
#pragma once

#include "server/audio/Sound.h"

#include <QString>

#include <functional>
#include <optional>

namespace server::audio {

/// The compressions of a headerless file, by the codes the raw format dialog passes.
enum class RawEncoding
{
    Pcm16 = 1,
    ALaw = 2,
    MuLaw = 3,
};

/// What a headerless file holds: it cannot say it itself.
struct RawFormat
{
    RawEncoding encoding = RawEncoding::ALaw;
    int rate = 8000;
    int channels = 1;
};

/// A file's layout for libsndfile: format 0 reads the layout from the file's own header; otherwise
/// the major and minor format with the rate and channels (0 on writing: those of the sound).
struct FileFormat
{
    int format = 0;
    int rate = 0;
    int channels = 0;
};

/// Percent done of a long read or write.
using Progress = std::function<void(int percent)>;

/// Headerless files are known by their extension: .voc, .raw and .pcm.
bool isRawName(const QString &path);
/// VOX ADPCM files: .vox.
bool isVoxName(const QString &path);

/// The layout of a headerless file, of a VOX file at a rate, and of the file the board plays: A-law at
/// 8 kHz, mono, without a header.
FileFormat rawFileFormat(const RawFormat &raw);
FileFormat voxFileFormat(int rate);
FileFormat boardFileFormat();

/// The layout a file of that name is read with: raw and VOX files by the formats given, the others by
/// their header.
FileFormat readFormatFor(const QString &path, const RawFormat &raw, int voxRate);
/// The layout a file of that name is written with, by its extension; nothing, with error set, when
/// there is no such format or the installed libsndfile cannot write it.
std::optional<FileFormat> writeFormatFor(const QString &path, const RawFormat &raw, int voxRate, QString &error);

/// The file's header names a format libsndfile reads.
bool hasKnownHeader(const QString &path);

/// Reads the whole file. False, with error set and sound unchanged, when it cannot be read.
bool readSoundFile(const QString &path, const FileFormat &format, Sound &sound, QString &error,
                   const Progress &progress = {});
/// Writes the sound in that layout (converting rate and channels as it says) beside the file and
/// renames it into place. False, with error set and the file as it was, when it cannot be written.
bool writeSoundFile(const QString &path, const Sound &sound, const FileFormat &format, QString &error,
                    const Progress &progress = {});

} // namespace server::audio
