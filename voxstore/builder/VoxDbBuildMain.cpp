// voxdb-build: writes VoiceDB.dat from a folder of per-character recordings and a mapping file.
#include "common/AtomicFile.h"
#include "voxstore/builder/CharacterMapping.h"
#include "voxstore/builder/RecordingReader.h"
#include "voxstore/builder/VoiceDbWriter.h"
#include "vn/Version.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char *const kUsage =
    "usage: voxdb-build [--unknown FILE] [--quiet] RECORDINGS_DIR MAPPING_FILE OUTPUT_FILE\n"
    "       voxdb-build --help | --version\n"
    "\n"
    "Writes the voice-segment database OUTPUT_FILE (VoiceDB.dat) from recordings in RECORDINGS_DIR.\n"
    "MAPPING_FILE (UTF-8) has one line per character: the character (an ASCII character, a GB2312\n"
    "hanzi, or code:N for table entry N in 0..6895) and, after blanks, the recording's file name\n"
    "relative to RECORDINGS_DIR. Recordings may be in any format libsndfile reads; *.voc and *.alaw\n"
    "files are taken as headerless 8-bit A-law at 8 kHz. Everything is stored as 8-bit A-law at\n"
    "8 kHz. Characters not in the mapping are spoken with segment 0: silence, or the recording given\n"
    "by --unknown. Lines naming the same file share one segment.\n";

struct Options
{
    fs::path recordings, mapping, output, unknown;
    bool quiet = false;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quiet")
            options.quiet = true;
        else if (arg == "--unknown" && i + 1 < argc)
            options.unknown = argv[++i];
        else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            std::exit(0);
        } else if (arg == "--version") {
            std::cout << "voxdb-build " VN_VERSION "\n";
            std::exit(0);
        } else if (arg.starts_with("-"))
            throw std::invalid_argument("unknown option " + arg);
        else
            positional.push_back(arg);
    }
    if (positional.size() != 3)
        throw std::invalid_argument("three arguments are needed");
    options.recordings = positional[0];
    options.mapping = positional[1];
    options.output = positional[2];
    return options;
}

std::string readText(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error(file.string() + ": cannot be opened");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// On a terminal one line that updates in place; in a log a line every tenth of the work.
class Progress
{
public:
    Progress(std::size_t total, bool quiet) : m_total(total), m_quiet(quiet), m_terminal(::isatty(2) != 0) {}

    void step(std::size_t done)
    {
        if (m_quiet || m_total == 0)
            return;
        const std::size_t tenth = done * 10 / m_total;
        if (m_terminal && (done % 100 == 0 || done == m_total))
            std::fprintf(stderr, "\rvoxdb-build: %zu/%zu recordings", done, m_total);
        else if (!m_terminal && tenth != m_lastTenth)
            std::fprintf(stderr, "voxdb-build: %zu/%zu recordings\n", done, m_total);
        m_lastTenth = tenth;
        if (m_terminal && done == m_total)
            std::fputc('\n', stderr);
    }

private:
    std::size_t m_total;
    bool m_quiet;
    bool m_terminal;
    std::size_t m_lastTenth = 0;
};

// Written beside the target and renamed, so that a failed build never leaves a broken database. The
// new file has the bits open(2) gives it, and a symbolic link at the output is replaced itself.
void writeAtomically(const fs::path &output, const std::vector<std::uint8_t> &image)
{
    common::AtomicWriteOptions options;
    options.keepPermissions = false;
    options.followLinks = false;
    const std::string_view bytes(reinterpret_cast<const char *>(image.data()), image.size());
    if (!common::writeFileAtomically(output.string(), bytes, nullptr, options))
        throw std::runtime_error(output.string() + ": cannot be written");
}

int run(const Options &options)
{
    const std::vector<voxstore::MappingEntry> entries = voxstore::parseMapping(readText(options.mapping));
    voxstore::VoiceDbWriter writer;
    if (!options.unknown.empty())
        writer.setSegmentZero(voxstore::readRecordingAsAlaw(options.unknown));

    std::map<std::string, std::uint16_t> segmentOfFile;
    Progress progress(entries.size(), options.quiet);
    std::size_t done = 0;
    for (const auto &entry : entries) {
        auto known = segmentOfFile.find(entry.file);
        if (known == segmentOfFile.end()) {
            try {
                const auto audio = voxstore::readRecordingAsAlaw(options.recordings / entry.file);
                known = segmentOfFile.emplace(entry.file, writer.addSegment(audio)).first;
            } catch (const std::exception &e) {
                throw std::runtime_error("mapping line " + std::to_string(entry.line) + ": " + entry.file + ": " +
                                         e.what());
            }
        }
        writer.mapCode(entry.code, known->second);
        progress.step(++done);
    }
    const std::vector<std::uint8_t> image = writer.image();
    writeAtomically(options.output, image);
    if (!options.quiet)
        std::fprintf(stderr, "voxdb-build: wrote %s: %zu characters, %zu segments, %zu bytes\n",
                     options.output.c_str(), entries.size(), writer.segmentCount(), image.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    try {
        options = parseOptions(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "voxdb-build: %s\n%s", e.what(), kUsage);
        return 2;
    }
    try {
        return run(options);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "voxdb-build: %s; nothing written\n", e.what());
        return 1;
    }
}
