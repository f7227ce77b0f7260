// Scripts of the simulated far ends and agent telephones: their steps, parsing and number patterns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ktdrv {

using Ms = std::uint64_t;
inline constexpr Ms kForever = UINT64_MAX;

/// One step of a script. Far ends use ring, busy, answer, voice, silence, key, wait, hangup, drop;
/// agent telephones use answer (after ms of ringing), noanswer, key, flash, wait, hangup (after ms),
/// and at (lift the handset ms after the board started, for an own call).
struct ScriptStep
{
    enum class Kind { Ring, Busy, Answer, Voice, Silence, Key, Wait, Hangup, Drop, NoAnswer, Flash, At };
    Kind kind = Kind::Wait;
    Ms ms = 0;            ///< duration or delay; kForever for ring:forever
    unsigned count = 0;   ///< ring cycles
    std::string digits;   ///< keys
};

using Script = std::vector<ScriptStep>;

/// Which vocabulary a script may use.
enum class ScriptKind { FarEnd, Station };

/// Parses "step,step,..."; on failure returns nothing and sets error to the reason naming the step.
std::optional<Script> parseScript(std::string_view text, ScriptKind kind, std::string &error);

/// Matches dialled digits against a pattern with '*' (any run) and '?' (one character).
bool matchNumber(std::string_view pattern, std::string_view digits);

/// True for a DTMF character: 0-9 * # A-D (either case).
bool isDtmfDigit(char c);

} // namespace ktdrv
