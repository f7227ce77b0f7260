// Parsing of far-end and agent-telephone scripts and matching of dialled numbers.
#include "ktdrv/src/Script.h"

#include "common/Text.h"

#include <charconv>

namespace ktdrv {
namespace {

bool parseMs(std::string_view text, Ms &out)
{
    if (text.empty())
        return false;
    std::uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    // A day of virtual time is far more than any call; larger values are typing errors.
    if (ec != std::errc() || end != text.data() + text.size() || value > 86'400'000)
        return false;
    out = value;
    return true;
}

struct Name
{
    std::string_view word;
    ScriptStep::Kind kind;
    bool farEnd;
    bool station;
};

constexpr Name kNames[] = {
    {"ring", ScriptStep::Kind::Ring, true, false},         {"busy", ScriptStep::Kind::Busy, true, false},
    {"answer", ScriptStep::Kind::Answer, true, true},      {"voice", ScriptStep::Kind::Voice, true, false},
    {"silence", ScriptStep::Kind::Silence, true, false},   {"key", ScriptStep::Kind::Key, true, true},
    {"wait", ScriptStep::Kind::Wait, true, true},          {"hangup", ScriptStep::Kind::Hangup, true, true},
    {"drop", ScriptStep::Kind::Drop, true, false},         {"noanswer", ScriptStep::Kind::NoAnswer, false, true},
    {"flash", ScriptStep::Kind::Flash, false, true},       {"at", ScriptStep::Kind::At, false, true},
};

// Reads one step; an empty return means success.
std::string parseStep(std::string_view text, ScriptKind kind, ScriptStep &step)
{
    std::string_view word = text, arg;
    bool hasArg = false;
    if (auto colon = text.find(':'); colon != std::string_view::npos) {
        word = common::trimBlanks(text.substr(0, colon));
        arg = common::trimBlanks(text.substr(colon + 1));
        hasArg = true;
    }
    const Name *name = nullptr;
    for (const auto &n : kNames)
        if (common::equalsIgnoreCase(n.word, word) && (kind == ScriptKind::FarEnd ? n.farEnd : n.station))
            name = &n;
    if (!name)
        return "unknown step '" + std::string(word) + "'";
    step.kind = name->kind;
    using K = ScriptStep::Kind;
    switch (step.kind) {
    case K::Ring:
        if (!hasArg)
            return "ring needs a cycle count (ring:N or ring:forever)";
        if (common::equalsIgnoreCase(arg, "forever")) {
            step.count = 0;
            step.ms = kForever;
        } else if (Ms n; parseMs(arg, n) && n <= 1000) {
            step.count = static_cast<unsigned>(n);
        } else {
            return "ring cycles '" + std::string(arg) + "' is not a number 0..1000 or forever";
        }
        return {};
    case K::Voice:
    case K::Silence:
    case K::Wait:
    case K::At:
        if (!hasArg || !parseMs(arg, step.ms))
            return std::string(name->word) + " needs milliseconds (" + std::string(name->word) + ":MS)";
        return {};
    case K::Answer:
    case K::Hangup:
        // Far ends answer and hang up at once; agent telephones after a delay (0 when omitted).
        if (hasArg && (kind == ScriptKind::FarEnd || !parseMs(arg, step.ms)))
            return std::string(name->word) + (kind == ScriptKind::FarEnd ? " takes no argument" : " needs milliseconds");
        return {};
    case K::Key:
        if (!hasArg || arg.empty())
            return "key needs digits (key:DIGITS)";
        for (char c : arg)
            if (!isDtmfDigit(c))
                return "key '" + std::string(arg) + "' holds a character that is not a DTMF key";
        step.digits = std::string(arg);
        return {};
    default:
        if (hasArg)
            return std::string(name->word) + " takes no argument";
        return {};
    }
}

} // namespace

bool isDtmfDigit(char c)
{
    return (c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'a' && c <= 'd') || (c >= 'A' && c <= 'D');
}

std::optional<Script> parseScript(std::string_view text, ScriptKind kind, std::string &error)
{
    Script script;
    std::size_t pos = 0;
    int index = 0;
    while (pos <= text.size()) {
        auto comma = text.find(',', pos);
        if (comma == std::string_view::npos)
            comma = text.size();
        auto part = common::trimBlanks(text.substr(pos, comma - pos));
        ++index;
        if (part.empty()) {
            error = "step " + std::to_string(index) + " is empty";
            return std::nullopt;
        }
        ScriptStep step;
        if (auto why = parseStep(part, kind, step); !why.empty()) {
            error = "step " + std::to_string(index) + ": " + why;
            return std::nullopt;
        }
        script.push_back(std::move(step));
        pos = comma + 1;
    }
    return script;
}

bool matchNumber(std::string_view pattern, std::string_view digits)
{
    // Iterative wildcard match with one backtrack point: linear for these short texts.
    std::size_t p = 0, d = 0, star = std::string_view::npos, mark = 0;
    while (d < digits.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == digits[d])) {
            ++p;
            ++d;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = d;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            d = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace ktdrv
