// Read rules of the board-independent keys.
#include "ktcticonfig/model/KeyRules.h"

#include <cstdlib>
#include <string>

namespace ktcticonfig {

std::int32_t toWidth(KeyType type, std::int64_t value)
{
    switch (type) {
    case KeyType::Int16:
        return static_cast<std::int16_t>(value);
    case KeyType::UInt16:
        return static_cast<std::uint16_t>(value);
    default:
        return static_cast<std::int32_t>(value);
    }
}

namespace {

RuleOutcome replaced(std::int32_t x, RuleAction action)
{
    RuleOutcome out;
    out.value.number = x;
    out.action = action;
    return out;
}

} // namespace

RuleOutcome applyReadRule(const KeyDef &key, KeyValue read, const GlobalSettings &settings)
{
    const std::int32_t v = read.number;
    const bool outside = v < key.a || v > key.b;
    const bool binary = v == 0 || v == 1;
    const RuleOutcome keep{read, RuleAction::Keep};
    switch (key.rule) {
    case ReadRule::None:
        return keep;
    case ReadRule::RangeOr:
        return outside ? replaced(key.x, RuleAction::Keep) : keep;
    case ReadRule::RangeRepair:
        return outside ? replaced(key.x, RuleAction::Repair) : keep;
    case ReadRule::Clamp:
        return replaced(v < key.a ? key.a : (v > key.b ? key.b : v), RuleAction::Keep);
    case ReadRule::BelowOr:
        return v < key.a ? replaced(key.x, RuleAction::Keep) : keep;
    case ReadRule::BelowRepair:
        return v < key.a ? replaced(key.x, RuleAction::Repair) : keep;
    case ReadRule::AboveOr:
        return v > key.a ? replaced(key.x, RuleAction::Keep) : keep;
    case ReadRule::AboveRepair:
        return v > key.a ? replaced(key.x, RuleAction::Repair) : keep;
    case ReadRule::ZeroOr:
        return v == 0 ? replaced(key.x, RuleAction::Keep) : keep;
    case ReadRule::ZeroOrAboveOr:
        return v == 0 || v > key.a ? replaced(key.x, RuleAction::Keep) : keep;
    case ReadRule::ZeroOrAboveRepair:
        return v == 0 || v > key.a ? replaced(key.x, RuleAction::Repair) : keep;
    case ReadRule::BinaryOr:
        return binary ? keep : replaced(key.x, RuleAction::Keep);
    case ReadRule::BinaryRepair:
        return binary ? keep : replaced(key.x, RuleAction::Repair);
    case ReadRule::BinaryDelete:
        return binary ? keep : replaced(0, RuleAction::Delete);
    case ReadRule::BufferSize: {
        const std::int32_t size = v < 4096 ? 4096 : v;
        return replaced(size - size % 512, RuleAction::Keep);
    }
    case ReadRule::BoardIndex:
        return v < 0 || v >= settings.system("TotalBoards") ? replaced(0, RuleAction::Keep) : keep;
    case ReadRule::ClockMaster:
        return v < -1 || v > settings.system("TotalBoards") ? replaced(0, RuleAction::Keep) : keep;
    case ReadRule::PrerecordMode:
        if (settings.system("PrerecordEnable") == 0 || binary)
            return keep;
        return replaced(0, RuleAction::Delete);
    case ReadRule::PrerecordInsert:
        if (settings.system("PrerecordEnable") != 0 && settings.system("RecordBufSize") / 16 < v)
            return replaced(key.x, RuleAction::Repair);
        return keep;
    case ReadRule::ToneItemCount:
        if (v == kBuiltInToneItemsMarker)
            return keep;
        // A negative count reads no items rather than wrapping round to the maximum.
        return replaced(v < 0 ? 0 : (v > kMaxToneDetectorItems ? kMaxToneDetectorItems : v), RuleAction::Keep);
    case ReadRule::HexAboveRepair: {
        const unsigned long parsed = std::strtoul(read.text.c_str(), nullptr, 16);
        if (parsed <= static_cast<unsigned long>(key.a))
            return keep;
        RuleOutcome out;
        out.value.text = std::to_string(key.x);
        out.action = RuleAction::Repair;
        return out;
    }
    }
    return keep;
}

} // namespace ktcticonfig
