// Recordings decoded by libsndfile and resampled to 8 kHz by libsoxr.
#include "voxstore/builder/RecordingReader.h"

#include "voxstore/VoiceDbFormat.h"

#include "voxstore/builder/AlawEncoder.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

namespace voxstore {
namespace {

std::runtime_error failure(const std::filesystem::path &file, const std::string &why)
{
    return std::runtime_error(file.string() + ": " + why);
}

bool isRawAlaw(const std::filesystem::path &file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".voc" || extension == ".alaw";
}

std::vector<std::uint8_t> readRaw(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw failure(file, "cannot be opened");
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        throw failure(file, "cannot be read");
    return bytes;
}

std::vector<float> readMono(const std::filesystem::path &file, int &rate)
{
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> sound(sf_open(file.c_str(), SFM_READ, &info), sf_close);
    if (!sound)
        throw failure(file, std::string("cannot be read as sound: ") + sf_strerror(nullptr));
    if (info.channels < 1 || info.samplerate < 1)
        throw failure(file, "has no channels or no sample rate");
    std::vector<float> frames(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
    const sf_count_t got = sf_readf_float(sound.get(), frames.data(), info.frames);
    if (got < 0)
        throw failure(file, "cannot be decoded");
    std::vector<float> mono(static_cast<std::size_t>(got));
    for (std::size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < info.channels; ++c)
            sum += frames[i * static_cast<std::size_t>(info.channels) + static_cast<std::size_t>(c)];
        mono[i] = sum / static_cast<float>(info.channels);
    }
    rate = info.samplerate;
    return mono;
}

std::vector<float> resampled(const std::filesystem::path &file, const std::vector<float> &in, int rate)
{
    if (rate == kSampleRate || in.empty())
        return in;
    std::vector<float> out(static_cast<std::size_t>(
        std::ceil(static_cast<double>(in.size()) * kSampleRate / rate) + 16));
    std::size_t produced = 0;
    const soxr_io_spec_t spec = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_error_t error = soxr_oneshot(rate, kSampleRate, 1, in.data(), in.size(), nullptr, out.data(),
                                            out.size(), &produced, &spec, &quality, nullptr);
    if (error)
        throw failure(file, std::string("cannot be resampled: ") + error);
    out.resize(produced);
    return out;
}

} // namespace

std::vector<std::uint8_t> readRecordingAsAlaw(const std::filesystem::path &file)
{
    if (isRawAlaw(file))
        return readRaw(file);
    int rate = 0;
    const std::vector<float> mono = readMono(file, rate);
    return encodeAlaw(resampled(file, mono, rate));
}

} // namespace voxstore
