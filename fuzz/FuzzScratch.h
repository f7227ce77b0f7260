// Scratch files of a fuzz target: a folder of the process's own under /tmp that the target writes its
// input into, since the readers under test take paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fuzz {

/// The process's own scratch folder for the target, created on first use and removed at exit: below
/// $VN_FUZZ_SCRATCH when set (scripts/fuzz.sh sets it and removes it afterwards, since libFuzzer ends
/// its runs without the exit handlers), else in /dev/shm where there is one, since the writers under
/// test flush their files to disk.
inline const std::filesystem::path &scratchFolder(const char *target)
{
    struct Folder
    {
        std::filesystem::path path;
        explicit Folder(const char *name)
            : path((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                              : std::filesystem::temp_directory_path()) /
                   (std::string(name) + "-" + std::to_string(::getpid())))
        {
            std::filesystem::create_directories(path);
        }
        static std::filesystem::path root()
        {
            if (const char *chosen = std::getenv("VN_FUZZ_SCRATCH"))
                return chosen;
            return std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                             : std::filesystem::temp_directory_path();
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Folder folder(target);
    return folder.path;
}

/// Replaces the file with the bytes.
inline void writeBytes(const std::filesystem::path &file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

/// The whole file, or an empty text when it cannot be read.
inline std::string readBytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The input as text.
inline std::string_view asText(const std::uint8_t *data, std::size_t size)
{
    return std::string_view(reinterpret_cast<const char *>(data), size);
}

/// The part of text before the first NUL byte, removed from text; the whole text when it has none.
inline std::string_view takePart(std::string_view &text)
{
    const std::size_t end = text.find('\0');
    const std::string_view part = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return part;
}

} // namespace fuzz
