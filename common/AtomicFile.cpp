// Atomic file replacement: a temporary file beside the target, flushed, renamed over it.
#include "common/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

namespace {

std::string errnoText(const char *what, const std::string &path)
{
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

// The file a write replaces: with followLinks, the target of a symbolic link rather than the link.
std::string replacedFile(const std::string &path, bool followLinks)
{
    std::error_code ec;
    if (followLinks && std::filesystem::is_symlink(path, ec)) {
        const auto resolved = std::filesystem::weakly_canonical(path, ec);
        if (!ec)
            return resolved.string();
    }
    return path;
}

// A rename is on disk only once its folder is.
void syncFolderOf(const std::string &path)
{
    const std::string dir = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// O_EXCL never follows a planted link; the process id and a counter keep the name free, and a few
// tries step over a stale file of an earlier process with the same id.
int createTemporary(const std::string &target, mode_t mode, std::string &name)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".part";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

AtomicFile::AtomicFile(std::string path, AtomicWriteOptions options)
    : m_target(replacedFile(path, options.followLinks)), m_options(options)
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::open()
{
    discard();
    m_failed = AtomicWriteStage::None;
    m_error.clear();
    std::optional<mode_t> mode;
    struct stat st {};
    if (m_options.keepPermissions && ::stat(m_target.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    else if (m_options.newFileMode)
        mode = static_cast<mode_t>(*m_options.newFileMode);
    // A file with bits of its own is created private and given them before a byte is written; else
    // the umask decides, as for any new file.
    m_fd = createTemporary(m_target, mode ? 0600 : 0666, m_temporary);
    if (m_fd < 0) {
        m_temporary.clear();
        return fail(AtomicWriteStage::Create, "cannot create a temporary file for");
    }
    if (mode && ::fchmod(m_fd, *mode) != 0)
        return fail(AtomicWriteStage::Create, "cannot create a temporary file for");
    return true;
}

bool AtomicFile::write(std::string_view bytes)
{
    if (m_fd < 0) {
        if (m_failed == AtomicWriteStage::None) {
            errno = EBADF;
            return fail(AtomicWriteStage::Write, "cannot write");
        }
        return false;
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return fail(AtomicWriteStage::Write, "cannot write");
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_fd < 0)
        return write({}); // fails as a write to a file that is not open does
    if (m_options.durable && ::fsync(m_fd) != 0)
        return fail(AtomicWriteStage::Write, "cannot write");
    const int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0)
        return fail(AtomicWriteStage::Write, "cannot write");
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return fail(AtomicWriteStage::Replace, "cannot replace");
    m_temporary.clear();
    if (m_options.durable)
        syncFolderOf(m_target);
    return true;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

const std::string &AtomicFile::target() const
{
    return m_target;
}

const std::string &AtomicFile::error() const
{
    return m_error;
}

AtomicWriteStage AtomicFile::failedStage() const
{
    return m_failed;
}

bool AtomicFile::fail(AtomicWriteStage stage, const char *what)
{
    // The reason is taken before closing and removing change errno.
    m_error = errnoText(what, m_target);
    m_failed = stage;
    discard();
    return false;
}

bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *error,
                         const AtomicWriteOptions &options)
{
    AtomicFile file(path, options);
    if (file.open() && file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

bool replaceFileAtomically(const std::string &from, const std::string &to, std::string *error)
{
    std::string why;
    const int fd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0 && ::fsync(fd) == 0;
    if (!ok)
        why = errnoText("cannot write", from);
    if (fd >= 0)
        ::close(fd);
    if (ok && std::rename(from.c_str(), to.c_str()) != 0) {
        why = errnoText("cannot replace", to);
        ok = false;
    }
    if (!ok) {
        ::unlink(from.c_str());
        if (error)
            *error = why;
        return false;
    }
    syncFolderOf(to);
    return true;
}

} // namespace common
