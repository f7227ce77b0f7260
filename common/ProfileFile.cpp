// Profile (INI) files in memory: parsing into sections, lookups, in-place edits and atomic saves.
#include "common/ProfileFile.h"

#include "common/AtomicFile.h"
#include "common/ProfileInteger.h"
#include "common/Text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace common {

namespace {

enum class Eol : std::uint8_t { None, Lf, CrLf, Cr };

std::string_view eolText(Eol eol)
{
    switch (eol) {
    case Eol::Lf:
        return "\n";
    case Eol::CrLf:
        return "\r\n";
    case Eol::Cr:
        return "\r";
    case Eol::None:
        break;
    }
    return {};
}

struct Line
{
    std::string text; // without its line ending
    Eol eol = Eol::None;
    int sourceLine = 0;
};

enum class LineKind { Other, Header, Key };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key
    std::string_view value; // raw text after '=' (keys only)
};

ParsedLine parseLine(std::string_view text)
{
    const std::string_view t = trimBlanks(text);
    if (t.empty() || t.front() == ';')
        return {};
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == std::string_view::npos)
            return {};
        return {LineKind::Header, trimBlanks(t.substr(1, close - 1)), {}};
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return {};
    const std::string_view key = trimBlanks(t.substr(0, eq));
    if (key.empty())
        return {};
    return {LineKind::Key, key, t.substr(eq + 1)};
}

std::string_view cleanValue(std::string_view raw)
{
    std::string_view v = trimBlanks(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.substr(1, v.size() - 2);
    return v;
}

bool hasLineBreak(std::string_view text)
{
    // A plain loop: find_first_of searches the set once per character, which shows in bulk writes.
    for (char c : text)
        if (c == '\r' || c == '\n')
            return true;
    return false;
}

using NameIndex = std::unordered_map<std::string, std::size_t, IgnoreCaseHash, IgnoreCaseEqual>;

struct Section
{
    bool hasHeader = false; // false only for the lines before the first section
    std::string name;
    std::vector<Line> lines; // lines[0] is the header when there is one
    std::size_t keyEnd = 0;  // index after the last key line (after the header when there is none)
    NameIndex keys;          // first occurrence of every key

    void reindex()
    {
        keys.clear();
        keyEnd = hasHeader ? 1 : 0;
        for (std::size_t i = keyEnd; i < lines.size(); ++i) {
            const ParsedLine p = parseLine(lines[i].text);
            if (p.kind != LineKind::Key)
                continue;
            keys.try_emplace(std::string(p.name), i);
            keyEnd = i + 1;
        }
    }
};

std::string errnoText(const std::string &what, const std::string &path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

// Reads a whole file; nullopt with error set when it exists but cannot be read.
std::optional<std::string> readWholeFile(const std::string &path, bool &exists, std::string &error)
{
    exists = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::string();
        error = errnoText("cannot open", path);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = "not a regular file: " + path;
        ::close(fd);
        return std::nullopt;
    }
    if (static_cast<std::size_t>(st.st_size) > ProfileFile::maxFileSize) {
        error = "file too large for a profile file: " + path;
        ::close(fd);
        return std::nullopt;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errnoText("cannot read", path);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        data.append(buffer, static_cast<std::size_t>(n));
        if (data.size() > ProfileFile::maxFileSize) {
            error = "file too large for a profile file: " + path;
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    exists = true;
    return data;
}

bool replaceFile(const std::string &path, std::string_view data, std::string &error)
{
    // A profile the save creates is readable by all, whatever the umask; one it replaces keeps its bits.
    AtomicWriteOptions options;
    options.newFileMode = 0644;
    return writeFileAtomically(path, data, &error, options);
}

} // namespace

struct ProfileFile::Document
{
    std::string path;
    bool exists = false;
    bool readable = true;
    std::string loadError;
    Eol eol = Eol::CrLf; // line ending of added lines: the file's first one, else the Windows one
    std::vector<Section> sections; // sections[0] holds the lines before the first header
    NameIndex sectionIndex;        // first occurrence of every section
    bool modified = false;

    void parse(std::string_view data);
    void reindexSections();
    const Section *find(std::string_view name) const;
    Section *find(std::string_view name);
    const Line *findKey(std::string_view section, std::string_view key) const;
    void ensureLastLineEnds();
};

void ProfileFile::Document::parse(std::string_view data)
{
    sections.clear();
    sections.emplace_back();
    bool eolSeen = false;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < data.size()) {
        std::size_t end = pos;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        Line line;
        line.sourceLine = ++lineNo;
        line.text.assign(data.substr(pos, end - pos));
        if (end == data.size()) {
            pos = end;
        } else {
            if (data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n') {
                line.eol = Eol::CrLf;
                pos = end + 2;
            } else {
                line.eol = data[end] == '\r' ? Eol::Cr : Eol::Lf;
                pos = end + 1;
            }
            if (!eolSeen) {
                eol = line.eol;
                eolSeen = true;
            }
        }
        const ParsedLine p = parseLine(line.text);
        if (p.kind == LineKind::Header) {
            Section s;
            s.hasHeader = true;
            s.name.assign(p.name);
            s.keyEnd = 1;
            sections.push_back(std::move(s));
        }
        Section &current = sections.back();
        if (p.kind == LineKind::Key) {
            current.keys.try_emplace(std::string(p.name), current.lines.size());
            current.keyEnd = current.lines.size() + 1;
        }
        current.lines.push_back(std::move(line));
    }
    reindexSections();
}

void ProfileFile::Document::reindexSections()
{
    sectionIndex.clear();
    for (std::size_t i = 1; i < sections.size(); ++i)
        sectionIndex.try_emplace(sections[i].name, i);
}

const Section *ProfileFile::Document::find(std::string_view name) const
{
    const auto it = sectionIndex.find(name);
    return it == sectionIndex.end() ? nullptr : &sections[it->second];
}

Section *ProfileFile::Document::find(std::string_view name)
{
    const auto it = sectionIndex.find(name);
    return it == sectionIndex.end() ? nullptr : &sections[it->second];
}

const Line *ProfileFile::Document::findKey(std::string_view section, std::string_view key) const
{
    const Section *s = find(section);
    if (!s)
        return nullptr;
    const auto it = s->keys.find(key);
    return it == s->keys.end() ? nullptr : &s->lines[it->second];
}

void ProfileFile::Document::ensureLastLineEnds()
{
    for (auto it = sections.rbegin(); it != sections.rend(); ++it) {
        if (it->lines.empty())
            continue;
        if (it->lines.back().eol == Eol::None)
            it->lines.back().eol = eol;
        return;
    }
}

ProfileFile::ProfileFile(std::string path) : m_doc(std::make_unique<Document>())
{
    m_doc->path = std::move(path);
    const auto data = readWholeFile(m_doc->path, m_doc->exists, m_doc->loadError);
    m_doc->readable = data.has_value();
    m_doc->parse(data ? std::string_view(*data) : std::string_view());
}

ProfileFile::~ProfileFile() = default;
ProfileFile::ProfileFile(ProfileFile &&) noexcept = default;
ProfileFile &ProfileFile::operator=(ProfileFile &&) noexcept = default;

const std::string &ProfileFile::path() const
{
    return m_doc->path;
}

bool ProfileFile::exists() const
{
    return m_doc->exists;
}

const std::string &ProfileFile::loadError() const
{
    return m_doc->loadError;
}

std::optional<std::string> ProfileFile::value(std::string_view section, std::string_view key) const
{
    const Line *line = m_doc->findKey(section, key);
    if (!line)
        return std::nullopt;
    return std::string(cleanValue(parseLine(line->text).value));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                    std::size_t maxLength) const
{
    const Line *line = m_doc->findKey(section, key);
    const std::string_view v = line ? cleanValue(parseLine(line->text).value) : defaultValue;
    return std::string(cutGbk(v, maxLength));
}

std::int32_t ProfileFile::readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const
{
    const Line *line = m_doc->findKey(section, key);
    if (!line)
        return defaultValue;
    return parseStrictInteger(cleanValue(parseLine(line->text).value)).value_or(defaultValue);
}

std::int32_t ProfileFile::readProfileInt(std::string_view section, std::string_view key,
                                         std::int32_t defaultValue) const
{
    const Line *line = m_doc->findKey(section, key);
    if (!line)
        return defaultValue;
    const std::string_view v = cleanValue(parseLine(line->text).value);
    return v.empty() ? defaultValue : parseLeadingInteger(v);
}

bool ProfileFile::hasSection(std::string_view section) const
{
    return m_doc->find(section) != nullptr;
}

std::vector<std::string> ProfileFile::sectionNames() const
{
    std::vector<std::string> names;
    for (std::size_t i = 1; i < m_doc->sections.size(); ++i) {
        const Section &s = m_doc->sections[i];
        if (m_doc->find(s.name) == &s)
            names.push_back(s.name);
    }
    return names;
}

std::vector<ProfileEntry> ProfileFile::entries(std::string_view section) const
{
    std::vector<ProfileEntry> out;
    const Section *s = m_doc->find(section);
    if (!s)
        return out;
    for (std::size_t i = 0; i < s->lines.size(); ++i) {
        const ParsedLine p = parseLine(s->lines[i].text);
        if (p.kind != LineKind::Key)
            continue;
        const auto it = s->keys.find(p.name);
        if (it == s->keys.end() || it->second != i)
            continue; // a later duplicate
        out.push_back({std::string(p.name), std::string(cleanValue(p.value)), s->lines[i].sourceLine});
    }
    return out;
}

int ProfileFile::sectionLine(std::string_view section) const
{
    const Section *s = m_doc->find(section);
    return s && s->hasHeader && !s->lines.empty() ? s->lines[0].sourceLine : 0;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sec = trimBlanks(section);
    const std::string_view k = trimBlanks(key);
    if (sec.empty() || k.empty() || hasLineBreak(sec) || hasLineBreak(k) || hasLineBreak(value) ||
        sec.find(']') != std::string_view::npos || k.find('=') != std::string_view::npos || k.front() == ';' ||
        k.front() == '[')
        return false;
    Document &d = *m_doc;
    d.modified = true;
    Section *s = d.find(sec);
    if (!s) {
        d.ensureLastLineEnds();
        Section fresh;
        fresh.hasHeader = true;
        fresh.name.assign(sec);
        fresh.lines.push_back({"[" + fresh.name + "]", d.eol, 0});
        fresh.lines.push_back({std::string(k) + "=" + std::string(value), d.eol, 0});
        fresh.reindex();
        d.sections.push_back(std::move(fresh));
        d.sectionIndex.try_emplace(d.sections.back().name, d.sections.size() - 1);
        return true;
    }
    const auto it = s->keys.find(k);
    if (it != s->keys.end()) {
        std::string &text = s->lines[it->second].text;
        text.assign(it->first);
        text += '=';
        text.append(value);
        return true;
    }
    // A new key goes after the last key of the section, before the blank lines and comments that
    // separate it from the next one. Lines from keyEnd on hold no keys, so no index moves.
    if (s->keyEnd > 0 && s->lines[s->keyEnd - 1].eol == Eol::None)
        s->lines[s->keyEnd - 1].eol = d.eol;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(s->keyEnd),
                    Line{std::string(k) + "=" + std::string(value), d.eol, 0});
    s->keys.try_emplace(std::string(k), s->keyEnd);
    ++s->keyEnd;
    return true;
}

bool ProfileFile::deleteKey(std::string_view section, std::string_view key)
{
    Section *s = m_doc->find(trimBlanks(section));
    if (!s)
        return false;
    const auto it = s->keys.find(trimBlanks(key));
    if (it == s->keys.end())
        return false;
    s->lines.erase(s->lines.begin() + static_cast<std::ptrdiff_t>(it->second));
    s->reindex();
    m_doc->modified = true;
    return true;
}

bool ProfileFile::deleteSection(std::string_view section)
{
    Document &d = *m_doc;
    const auto it = d.sectionIndex.find(trimBlanks(section));
    if (it == d.sectionIndex.end())
        return false;
    d.sections.erase(d.sections.begin() + static_cast<std::ptrdiff_t>(it->second));
    d.reindexSections();
    d.modified = true;
    return true;
}

bool ProfileFile::modified() const
{
    return m_doc->modified;
}

std::string ProfileFile::text() const
{
    std::size_t size = 0;
    for (const Section &s : m_doc->sections)
        for (const Line &l : s.lines)
            size += l.text.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Section &s : m_doc->sections) {
        for (const Line &l : s.lines) {
            out += l.text;
            out += eolText(l.eol);
        }
    }
    return out;
}

bool ProfileFile::save(std::string *error)
{
    Document &d = *m_doc;
    if (!d.modified)
        return true;
    std::string why;
    if (!d.readable) {
        why = "not saved, the file could not be read: " + d.loadError;
    } else if (replaceFile(d.path, text(), why)) {
        d.modified = false;
        d.exists = true;
        return true;
    }
    if (error)
        *error = why;
    return false;
}

bool writeProfileString(const std::string &path, std::string_view section, std::string_view key,
                        std::optional<std::string_view> value, std::string *error)
{
    ProfileFile file(path);
    if (!file.loadError().empty()) {
        if (error)
            *error = file.loadError();
        return false;
    }
    if (value) {
        if (!file.writeString(section, key, *value)) {
            if (error)
                *error = "refused: a section, key or value that would change other lines of " + path;
            return false;
        }
    } else {
        file.deleteKey(section, key);
    }
    return file.save(error);
}

} // namespace common
