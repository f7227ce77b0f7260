// Files replaced whole: the new content is written beside the target and renamed over it, so that a
// reader, or a crash, finds the old file or the new one and never a part of either.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

/// How an atomic write treats the file it replaces.
struct AtomicWriteOptions
{
    /// The new file takes the permission bits of the file it replaces, when there is one.
    bool keepPermissions = true;
    /// Permission bits of a file that did not exist (or whose bits are not kept); nothing: 0666 less
    /// the umask, as open(2) gives.
    std::optional<unsigned> newFileMode;
    /// A symbolic link at the path: true replaces the file it points to and the link stays; false
    /// replaces the link itself.
    bool followLinks = true;
    /// Flushes the file to disk before the rename and the folder after it, so that the new content
    /// outlives a crash of the machine; false for files that are cheap to make again.
    bool durable = true;
};

/// The step of an atomic write that failed.
enum class AtomicWriteStage
{
    None,    ///< nothing failed
    Create,  ///< the temporary file could not be created
    Write,   ///< the content could not be written or flushed
    Replace, ///< the finished file could not be renamed over the target
};

/// A file written in pieces under a temporary name in the target's folder and put in place by
/// commit(). Until then, and after any failure, the target is as it was; the temporary is removed on
/// failure, by discard() and by the destructor of an uncommitted file.
class AtomicFile
{
public:
    explicit AtomicFile(std::string path, AtomicWriteOptions options = {});
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    /// Creates the temporary file. False when it cannot be created.
    bool open();
    /// Appends bytes to the temporary file. False when they cannot be written (or open() failed).
    bool write(std::string_view bytes);
    /// Flushes and closes the temporary file and renames it over the target. False on failure.
    bool commit();
    /// Drops what was written: the temporary file is removed, the target stays as it was.
    void discard();

    /// The file commit() replaces: the path given, or the file a symbolic link there points to.
    const std::string &target() const;
    /// Why the failed step failed, naming the target; empty while nothing failed.
    const std::string &error() const;
    /// The step that failed, or None.
    AtomicWriteStage failedStage() const;

private:
    bool fail(AtomicWriteStage stage, const char *what);

    std::string m_target;
    AtomicWriteOptions m_options;
    std::string m_temporary;
    int m_fd = -1;
    AtomicWriteStage m_failed = AtomicWriteStage::None;
    std::string m_error;
};

/// Writes bytes as the whole content of path through an AtomicFile. On failure path is as it was, no
/// temporary file is left and error (when given) says why.
bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *error = nullptr,
                         const AtomicWriteOptions &options = {});

/// Puts the finished file `from` in place of `to` with one rename: `from` is flushed to disk first and
/// the folder after the rename. Both must lie on one file system (in one folder, as a rule). `from`
/// keeps its own permissions, and a symbolic link at `to` is replaced itself. On failure `from` is
/// removed, `to` is as it was and error (when given) says why.
bool replaceFileAtomically(const std::string &from, const std::string &to, std::string *error = nullptr);

} // namespace common
