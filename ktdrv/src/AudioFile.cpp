// WAV writing through libsndfile; the far end's sounds are synthesised sample by sample.
#include "ktdrv/src/AudioFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

namespace ktdrv {
namespace {

constexpr int kRate = 8000;

// G.711 A-law expansion. spandsp has it, but its header does not compile as C++ (its inline
// helpers clash with <cmath>), and these few lines are the standard's own table-free form.
int alawToLinear(std::uint8_t alaw)
{
    alaw ^= 0x55;
    int exponent = (alaw & 0x70) >> 4;
    int mantissa = (alaw & 0x0F) << 4;
    int value = exponent == 0 ? mantissa + 8 : (mantissa + 0x108) << (exponent - 1);
    return (alaw & 0x80) ? value : -value;
}
constexpr Ms kMaxFileMs = 4ull * 3600 * 1000;
// The smallest header of a WAV file.
constexpr std::size_t kWavHeaderBytes = 44;

double sine(double hz, std::size_t n)
{
    return std::sin(2 * std::numbers::pi * hz * static_cast<double>(n) / kRate);
}

std::pair<double, double> dtmfPair(char d)
{
    static const char keys[] = "123A456B789C*0#D";
    static const double low[] = {697, 770, 852, 941}, high[] = {1209, 1336, 1477, 1633};
    const char *p = std::find(keys, keys + 16, static_cast<char>(std::toupper(static_cast<unsigned char>(d))));
    auto i = static_cast<std::size_t>(p - keys) % 16;
    return {low[i / 4], high[i % 4]};
}

// Adds the far end's sound of one segment over [from, to) of the buffer starting at `origin`.
void synthesise(std::vector<int> &mix, Ms origin, Ms from, Ms to, const SoundSegment &s, const ToneTiming &t)
{
    using K = SoundSegment::Kind;
    for (Ms ms = from; ms < to; ++ms) {
        bool on = true;
        if (s.kind == K::RingBack || s.kind == K::Busy) {
            Ms onMs = s.kind == K::RingBack ? t.ringOnMs : t.busyPeriodMs / 2;
            Ms period = s.kind == K::RingBack ? onMs + t.ringOffMs : t.busyPeriodMs;
            on = ms < s.until && (ms - s.since) % period < onMs;
        }
        if (!on || s.kind == K::Silence)
            continue;
        for (std::size_t k = 0; k < kRate / 1000; ++k) {
            std::size_t n = static_cast<std::size_t>((ms - origin) * (kRate / 1000) + k);
            double v = 0;
            if (s.kind == K::Voice)
                v = 0.5 * sine(140, n) + 0.3 * sine(700, n) + 0.2 * sine(1200, n);
            else if (s.kind == K::Key) {
                auto [lo, hi] = dtmfPair(s.digit);
                v = 0.5 * (sine(lo, n) + sine(hi, n));
            } else
                v = sine(450, n);
            mix[n] += static_cast<int>(6000 * v);
        }
    }
}

} // namespace

bool writeAudioFile(const std::string &path, Ms from, Ms to, const std::vector<PlayedPiece> &pieces,
                    const std::vector<SoundSegment> *farEnd, const ToneTiming &timing, std::string &error)
{
    to = std::max(from, std::min(to, from + kMaxFileMs));
    std::vector<int> mix(static_cast<std::size_t>((to - from) * (kRate / 1000)), 0);
    for (const auto &p : pieces) {
        if (!p.data || p.start >= to)
            continue;
        for (std::size_t i = 0; i < p.length; ++i) {
            Ms at = p.start * (kRate / 1000) + i;
            if (at < from * (kRate / 1000) || at >= to * (kRate / 1000) || p.offset + i >= p.data->size())
                continue;
            mix[static_cast<std::size_t>(at - from * (kRate / 1000))] += alawToLinear((*p.data)[p.offset + i]);
        }
    }
    if (farEnd) {
        for (std::size_t i = 0; i < farEnd->size(); ++i) {
            const auto &s = (*farEnd)[i];
            Ms end = i + 1 < farEnd->size() ? (*farEnd)[i + 1].since : to;
            Ms a = std::max(from, s.since), b = std::min(to, end);
            if (a < b)
                synthesise(mix, from, a, b, s, timing);
        }
    }
    std::vector<short> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [](int v) { return static_cast<short>(std::clamp(v, -32768, 32767)); });
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_ALAW;
    // Written beside the file and renamed into place, so that a full disk or a file size limit never
    // leaves a part of a recording under its name.
    const std::string aside = path + ".writing";
    std::error_code ec;
    SNDFILE *file = sf_open(aside.c_str(), SFM_WRITE, &info);
    if (!file) {
        error = path + ": " + sf_strerror(nullptr);
        std::filesystem::remove(aside, ec); // a header that did not fit leaves the file made
        return false;
    }
    bool ok = sf_write_short(file, samples.data(), static_cast<sf_count_t>(samples.size())) ==
              static_cast<sf_count_t>(samples.size());
    if (!ok)
        error = path + ": " + sf_strerror(file);
    sf_close(file);
    // The header is written last, by sf_close, which does not tell whether it went in: the size does.
    if (ok && std::filesystem::file_size(aside, ec) < samples.size() + kWavHeaderBytes) {
        ok = false;
        error = path + ": the file could not be written whole";
    }
    if (ok)
        std::filesystem::rename(aside, path, ec);
    if (ok && ec) {
        ok = false;
        error = path + ": " + ec.message();
    }
    if (!ok)
        std::filesystem::remove(aside, ec);
    return ok;
}

} // namespace ktdrv
