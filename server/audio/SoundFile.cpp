// libsndfile reads straight from the file; writing goes into memory through libsndfile's virtual I/O
// and then into place with one atomic write, so that the board never reads half a notice.
#include "server/audio/SoundFile.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <algorithm>
#include <cstring>

namespace server::audio {
namespace {

constexpr sf_count_t kChunkFrames = 16384;

QString extensionOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

QString sndfileError(SNDFILE *file)
{
    return QString::fromUtf8(sf_strerror(file));
}

/// A growing memory file for libsndfile's virtual I/O.
struct MemoryFile
{
    std::string bytes;
    sf_count_t position = 0;
};

sf_count_t memoryLength(void *user)
{
    return static_cast<sf_count_t>(static_cast<MemoryFile *>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->position : memoryLength(user);
    m->position = std::max<sf_count_t>(0, base + offset);
    return m->position;
}

sf_count_t memoryRead(void *ptr, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const sf_count_t available = std::max<sf_count_t>(0, memoryLength(user) - m->position);
    const sf_count_t n = std::min(count, available);
    if (n > 0)
        std::memcpy(ptr, m->bytes.data() + m->position, static_cast<std::size_t>(n));
    m->position += n;
    return n;
}

sf_count_t memoryWrite(const void *ptr, sf_count_t count, void *user)
{
    auto *m = static_cast<MemoryFile *>(user);
    const auto end = static_cast<std::size_t>(m->position + count);
    if (end > m->bytes.size())
        m->bytes.resize(end);
    std::memcpy(m->bytes.data() + m->position, ptr, static_cast<std::size_t>(count));
    m->position += count;
    return count;
}

sf_count_t memoryTell(void *user)
{
    return static_cast<MemoryFile *>(user)->position;
}

int minorOf(RawEncoding encoding)
{
    switch (encoding) {
    case RawEncoding::Pcm16:
        return SF_FORMAT_PCM_16;
    case RawEncoding::MuLaw:
        return SF_FORMAT_ULAW;
    case RawEncoding::ALaw:
        break;
    }
    return SF_FORMAT_ALAW;
}

SF_INFO sfInfo(int format, int rate, int channels)
{
    SF_INFO info{};
    info.format = format;
    info.samplerate = rate;
    info.channels = channels;
    return info;
}

} // namespace

bool isRawName(const QString &path)
{
    const QString e = extensionOf(path);
    return e == QLatin1String("voc") || e == QLatin1String("raw") || e == QLatin1String("pcm");
}

bool isVoxName(const QString &path)
{
    return extensionOf(path) == QLatin1String("vox");
}

FileFormat rawFileFormat(const RawFormat &raw)
{
    return {SF_FORMAT_RAW | minorOf(raw.encoding), raw.rate, raw.channels};
}

FileFormat voxFileFormat(int rate)
{
    return {SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM, rate, 1};
}

FileFormat boardFileFormat()
{
    return {SF_FORMAT_RAW | SF_FORMAT_ALAW, 8000, 1};
}

FileFormat readFormatFor(const QString &path, const RawFormat &raw, int voxRate)
{
    if (isRawName(path))
        return rawFileFormat(raw);
    if (isVoxName(path))
        return voxFileFormat(voxRate);
    return {};
}

std::optional<FileFormat> writeFormatFor(const QString &path, const RawFormat &raw, int voxRate, QString &error)
{
    const QString e = extensionOf(path);
    FileFormat format;
    if (isRawName(path))
        format = rawFileFormat(raw);
    else if (isVoxName(path))
        format = voxFileFormat(voxRate);
    else if (e == QLatin1String("wav"))
        format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    else if (e == QLatin1String("flac"))
        format.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    else if (e == QLatin1String("ogg"))
        format.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    else if (e == QLatin1String("mp3"))
        format.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    else {
        error = QStringLiteral("不能保存为这种格式：") + QFileInfo(path).fileName();
        return std::nullopt;
    }
    // The check needs a rate and channels: those of a usual prompt stand in for the sound's own.
    const SF_INFO info =
        sfInfo(format.format, format.rate > 0 ? format.rate : 8000, format.channels > 0 ? format.channels : 1);
    if (!sf_format_check(&info)) {
        error = QStringLiteral("本机的声音库不能写这种格式：") + QFileInfo(path).fileName();
        return std::nullopt;
    }
    return format;
}

bool hasKnownHeader(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return false;
    sf_close(file);
    return true;
}

bool readSoundFile(const QString &path, const FileFormat &format, Sound &sound, QString &error,
                   const Progress &progress)
{
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("文件不存在：") + path;
        return false;
    }
    SF_INFO info = sfInfo(format.format, format.rate, format.channels);
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        error = QStringLiteral("无法读取这种声音格式：") + path + QStringLiteral("（") + sndfileError(nullptr) +
                QStringLiteral("）");
        return false;
    }
    Sound read{info.samplerate, info.channels, {}};
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames * info.channels));
    int shown = -1;
    for (;;) {
        const sf_count_t got = sf_readf_float(file, chunk.data(), kChunkFrames);
        if (got <= 0)
            break;
        read.samples.insert(read.samples.end(), chunk.begin(), chunk.begin() + got * info.channels);
        if (progress && info.frames > 0) {
            const int percent = static_cast<int>(std::min<sf_count_t>(100, read.frames() * 100 / info.frames));
            if (percent != shown)
                progress(shown = percent);
        }
    }
    const int status = sf_error(file);
    const QString why = sndfileError(file);
    sf_close(file);
    if (status != SF_ERR_NO_ERROR) {
        error = QStringLiteral("读取声音文件出错：") + path + QStringLiteral("（") + why + QStringLiteral("）");
        return false;
    }
    // Decoders may overshoot [-1, 1] by a hair; the editor's samples stay inside.
    for (float &s : read.samples)
        s = std::clamp(s, -1.0f, 1.0f);
    sound = std::move(read);
    return true;
}

bool writeSoundFile(const QString &path, const Sound &sound, const FileFormat &format, QString &error,
                    const Progress &progress)
{
    Sound out = sound;
    if (!convert(out, format.rate > 0 ? format.rate : sound.rate,
                 format.channels > 0 ? format.channels : sound.channels)) {
        error = QStringLiteral("声音转换采样率失败：") + path;
        return false;
    }
    SF_INFO info = sfInfo(format.format, out.rate, out.channels);
    MemoryFile memory;
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SNDFILE *file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file) {
        error = QStringLiteral("不能写这种声音格式：") + path + QStringLiteral("（") + sndfileError(nullptr) +
                QStringLiteral("）");
        return false;
    }
    // Full-scale samples must not wrap round in the integer encodings.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t frames = static_cast<sf_count_t>(out.frames());
    bool ok = true;
    int shown = -1;
    for (sf_count_t done = 0; ok && done < frames; done += kChunkFrames) {
        const sf_count_t n = std::min(kChunkFrames, frames - done);
        // VOX packs two samples a byte and counts an odd last sample as two.
        ok = sf_writef_float(file, out.samples.data() + done * out.channels, n) >= n;
        if (progress) {
            const int percent = static_cast<int>((done + n) * 100 / frames);
            if (percent != shown)
                progress(shown = percent);
        }
    }
    const QString why = sndfileError(file);
    ok = sf_close(file) == 0 && ok;
    if (!ok) {
        error = QStringLiteral("写声音文件出错：") + path + QStringLiteral("（") + why + QStringLiteral("）");
        return false;
    }
    std::string why2;
    if (!common::writeFileAtomically(QFile::encodeName(path).toStdString(), memory.bytes, &why2)) {
        error = QStringLiteral("保存文件失败：") + QString::fromStdString(why2);
        return false;
    }
    return true;
}

} // namespace server::audio
