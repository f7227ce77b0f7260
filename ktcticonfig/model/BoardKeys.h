// The keys of a [BoardId=n] section by model family, with the defaults that depend on the board's
// channel count; one table drives reading, writing and the defaults of a new board.
#pragma once

#include "ktcticonfig/model/BoardRecord.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ktcticonfig {

/// The reader/writer families of the board section.
enum class BoardFamily
{
    Analog,      ///< the full channel option table
    Analog2,     ///< option table, PhoneType, DSTRecRawData, DEventUpdates
    Isa1,        ///< code 1
    Isa2,        ///< code 2
    ChannelBank, ///< 46, 52 and trunk boards in channel-bank use; values prefixed "[0,n]:"
    Recording,   ///< 61, 93..96, 133 with up- and down-link AGC keys
    Voice24,     ///< 82..85
    Ip,          ///< 75, 88..92
    Plain,       ///< 4, 5, 7: no keys beyond the common set
    Digital,     ///< every other code: single-value channel options
};

/// How a default value is built.
enum class DefaultKind
{
    Fixed,      ///< the element as it stands
    PerChannel, ///< the element once per channel, separated by commas
    CharSets,   ///< the element once per channel, separated by commas, the whole in braces
    Sixteen,    ///< sixteen elements, separated by commas
    Sixteen61,  ///< sixteen elements, but the element alone for model code 61
};

struct BoardKeyDef
{
    std::string_view name;
    DefaultKind kind;
    std::string_view element;
    bool integer;          ///< read by the leading-number rule and written in decimal
    std::size_t maxLength; ///< texts: the read limit
    /// A key that a board holds only when its file has it or the user set it: a board without it
    /// reads, writes and is given none, so that its section stays as it was.
    bool optional = false;
};

BoardFamily boardFamily(const BoardRecord &board);

/// Keys written first in every section (after BoardModel).
const std::vector<BoardKeyDef> &headKeys();
/// Keys written last in every section, in writing order.
const std::vector<BoardKeyDef> &tailKeys();
/// The family's own keys, without those of the head and tail sets.
std::vector<BoardKeyDef> familyKeys(const BoardRecord &board);

/// The default text of a key for this board (its channel count and family decide lists and prefixes).
std::string boardKeyDefault(const BoardKeyDef &key, const BoardRecord &board);

/// Fills every option of the board's family, head and tail sets that it does not hold with its default
/// (optional keys excepted).
void fillBoardDefaults(BoardRecord &board);

/// True when the family writes [SystemConfig] DEventUpdates.
bool familyWritesDEventUpdates(BoardFamily family);

} // namespace ktcticonfig
