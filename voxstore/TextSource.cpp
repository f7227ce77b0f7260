// Reading the text to compose, bounded by the 65,535-byte composition buffer.
#include "voxstore/TextSource.h"

#include "voxstore/VoxStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace voxstore {
namespace {

// The buffer holds the text and its terminating zero.
constexpr std::size_t kBufferBytes = VOXSTORE_MAX_TEXT_BYTES + 1;

// A text that does not fit is refused whole: a cut name would be spoken wrongly without a sign.
ObtainedText bounded(std::string_view text)
{
    if (text.size() > VOXSTORE_MAX_TEXT_BYTES)
        return {VOXSTORE_ERR_TEXT, {}};
    return {VOXSTORE_OK, text};
}

} // namespace

ObtainedText textFromArgument(const char *text)
{
    if (text == nullptr)
        return {VOXSTORE_ERR_TEXT, {}};
    return bounded({text, ::strnlen(text, kBufferBytes)});
}

ObtainedText textFromFile(const char *textFile, std::string &buffer)
{
    if (textFile == nullptr)
        return {VOXSTORE_ERR_FILE, {}};
    const int fd = ::open(textFile, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {VOXSTORE_ERR_FILE, {}};
    // One byte more than fits, so that a text that is too long is seen as such.
    buffer.resize(kBufferBytes);
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return {VOXSTORE_ERR_READ, {}};
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    buffer.resize(done);
    return bounded({buffer.data(), ::strnlen(buffer.data(), done)});
}

} // namespace voxstore
