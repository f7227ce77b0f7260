// The board model table: one row per model code 0..137 with its name and rule columns, the lookup of
// names (with alternative spellings) and of hardware model identifiers.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ktcticonfig {

enum class BoardClass : std::uint8_t
{
    None,       ///< code 0, the placeholder
    Voice,      ///< analog voice boards, with or without fax or echo canceller
    Recording,  ///< digital phone recording boards
    Monitoring, ///< E1 monitoring boards
    IpFirst,    ///< IP board, first flavour
    IpSecond,   ///< IP board, second flavour
    Digital,    ///< digital trunk boards
    Resource,   ///< voice resource boards without lines
};

struct ModelRow
{
    int code;
    std::string_view name; ///< at most 49 characters
    std::string_view bus;  ///< descriptive; only "ISA" matters to the tool
    BoardClass boardClass;
    std::uint16_t channels;      ///< with CardType "0" (E1)
    std::uint16_t channelsOther; ///< with any other CardType (T1, J1)
    std::uint8_t pcms;
    std::uint16_t used;     ///< the used channel count a detected board starts with
    std::int8_t signalling; ///< default signalling type of every PCM; -1 without PCMs
};

inline constexpr int kMaxModelCode = 137;

/// Rows for codes 0..137, indexed by code.
std::span<const ModelRow> modelRows();
/// The row of a code, or nullptr outside 0..137.
const ModelRow *modelRow(int code);
/// The name written for a code ("" outside the table).
std::string_view modelName(int code);
/// The code of a name or alternative spelling, without regard to case; 0 when there is none
/// (the placeholder "-- Select --" included).
int modelCodeByName(std::string_view name);
/// The model name that a hardware model identifier stands for; "" for an identifier the table lacks.
std::string_view modelNameByHardwareId(std::uint8_t identifier);

} // namespace ktcticonfig
