// A profile (INI) file held in memory and read and written with the Windows private-profile rules.
//
// Reading: sections and keys are matched without regard to case; blanks around section names, keys
// and values are trimmed; one pair of enclosing double quotes is removed from a value; lines whose
// first non-blank character is ';' are comments; the first of duplicate sections, and the first of
// duplicate keys in that section, wins; a missing file, section or key yields the default.
//
// Writing: a key is replaced in place or added after the last key of its section; a missing section
// is created at the end of the file; every other byte of the file stays as it was. Changes stay in
// memory until save(), which replaces the file atomically (temporary file, then rename), so that a
// caller writing thousands of keys writes the file once. Bytes are GBK text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

/// One key of a section as it stands in the file.
struct ProfileEntry
{
    std::string key;   ///< trimmed key text as spelled in the file
    std::string value; ///< trimmed value with one pair of enclosing quotes removed
    int line = 0;      ///< 1-based line number in the file as loaded; 0 for a key added since
};

class ProfileFile
{
public:
    /// Files larger than this are refused rather than loaded: no profile file is that big.
    static constexpr std::size_t maxFileSize = 64u << 20;

    /// Loads path. A missing file is an empty document that save() creates; a file that exists but
    /// cannot be read leaves an empty document, loadError() says why, and save() refuses to replace it.
    explicit ProfileFile(std::string path);
    ~ProfileFile();
    ProfileFile(ProfileFile &&) noexcept;
    ProfileFile &operator=(ProfileFile &&) noexcept;

    const std::string &path() const;
    /// True when the file existed and was read.
    bool exists() const;
    /// Empty when the file was read or did not exist; otherwise the reason it could not be read.
    const std::string &loadError() const;

    /// The value of a key, or nothing when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    /// The value of a key, or the default; at most maxLength bytes are kept (a C buffer's size less
    /// one), never ending in half a GBK character.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t maxLength = std::string::npos) const;

    /// Integer by the strict rule (see parseStrictInteger); a missing or malformed value gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    /// Integer by the private-profile rule (see parseLeadingInteger); a missing or empty value gives the
    /// default, a value without leading digits gives 0.
    std::int32_t readProfileInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const;

    bool hasSection(std::string_view section) const;
    /// Names of the sections in file order, the first of duplicates only.
    std::vector<std::string> sectionNames() const;
    /// Keys of a section in file order, the first of duplicate keys only.
    std::vector<ProfileEntry> entries(std::string_view section) const;
    /// 1-based line number of the section's header as loaded; 0 for a missing section or one added since.
    int sectionLine(std::string_view section) const;

    /// Adds or replaces a key. Refused (false) when a name is empty or any text holds a line break, or
    /// the key holds '=' or the section ']', since those would change other lines of the file.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    /// Deletes a key (the first of duplicates). False when it was not there.
    bool deleteKey(std::string_view section, std::string_view key);
    /// Deletes a section with every line up to the next section. False when it was not there.
    bool deleteSection(std::string_view section);

    /// True when there are changes that save() has not written yet.
    bool modified() const;
    /// Writes the changes: a temporary file beside the target, flushed to disk, renamed over it (the
    /// target keeps its permissions; a symbolic link is followed). Nothing happens when nothing changed.
    /// On failure the file is as it was, the changes stay in memory and error (when given) says why.
    bool save(std::string *error = nullptr);

    /// The whole document as it would be saved.
    std::string text() const;

private:
    struct Document;
    std::unique_ptr<Document> m_doc;
};

/// One-shot write with the semantics of the Windows call: load, add, replace or (no value) delete the
/// key, save. False with error set when the name is refused or the file cannot be read or written.
bool writeProfileString(const std::string &path, std::string_view section, std::string_view key,
                        std::optional<std::string_view> value, std::string *error = nullptr);

} // namespace common
