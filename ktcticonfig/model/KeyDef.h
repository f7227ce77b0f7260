// A key of KtConfig.ini declared once: section, names, stored width, default and read rule. The same
// declaration drives the reader, the writer and the defaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ktcticonfig {

/// How a value is held and written.
enum class KeyType : std::uint8_t
{
    Int32,   ///< signed 32-bit, decimal
    Int16,   ///< kept as a signed 16-bit value
    UInt16,  ///< kept as an unsigned 16-bit value
    UInt32,  ///< unsigned 32-bit, written with %u
    Text,    ///< text up to maxLength bytes
    Char,    ///< the first character of the value, written with %c
    HexText, ///< a hexadecimal number kept as the text the file holds ("0x03")
};

/// What the reader does with a value it has read. "Or" rules replace the value in the model only;
/// "Repair" rules also write the replacement back to the file at once.
enum class ReadRule : std::uint8_t
{
    None,
    RangeOr,           ///< outside a..b becomes x
    RangeRepair,       ///< outside a..b: repair to x
    Clamp,             ///< clamped to a..b
    BelowOr,           ///< below a becomes x
    BelowRepair,       ///< below a: repair to x
    AboveOr,           ///< above a becomes x
    AboveRepair,       ///< above a: repair to x
    ZeroOr,            ///< 0 becomes x
    ZeroOrAboveOr,     ///< 0 or above a becomes x
    ZeroOrAboveRepair, ///< 0 or above a: repair to x
    BinaryOr,          ///< not 0 or 1 becomes x
    BinaryRepair,      ///< not 0 or 1: repair to x
    BinaryDelete,      ///< not 0 or 1: the key is deleted and the value becomes 0
    BufferSize,        ///< below 4096 becomes 4096, then rounded down to a multiple of 512
    BoardIndex,        ///< negative or not below the board count becomes 0
    ClockMaster,       ///< below -1 or above the board count becomes 0
    PrerecordMode,     ///< BinaryDelete, only while PrerecordEnable is set
    PrerecordInsert,   ///< only while PrerecordEnable is set: above RecordBufSize/16, repair to x
    ToneItemCount,     ///< 120 (the built-in set) is kept; otherwise 0..20
    HexAboveRepair,    ///< hexadecimal text above a: repair to the decimal text of x
};

/// Groups of keys that the reader and the writer take in their own orders.
enum class KeyGroup : std::uint8_t
{
    SystemHead,  ///< [SystemConfig] keys written first
    SystemVoice, ///< [SystemConfig] voice, buffer and conference keys
    SystemTone,  ///< [SystemConfig] tone detection keys
    Ss1,
    Isup,
    Tup,
    Ss7,
    Isdn,
    Ss7Spy,
    Fsk,
    Fax,
    DebugView,
    Sip,
    H323,
};

struct KeyDef
{
    KeyGroup group;
    std::string_view section;
    std::string_view name;      ///< the name the reader asks for
    std::string_view writeName; ///< the name the writer uses when it differs, else empty
    KeyType type;
    std::int32_t defaultNumber;
    std::string_view defaultText;
    std::size_t maxLength; ///< texts: the read limit (a C buffer's size less one)
    ReadRule rule;
    std::int32_t a, b, x; ///< rule parameters (see ReadRule)
    bool written;         ///< false for keys the tool reads but never writes

    std::string_view nameToWrite() const { return writeName.empty() ? name : writeName; }
    bool isText() const { return type == KeyType::Text || type == KeyType::HexText; }
};

} // namespace ktcticonfig
