// Applies a key's read rule to the value read from the file.
#pragma once

#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/KeyDef.h"

#include <cstdint>

namespace ktcticonfig {

enum class RuleAction : std::uint8_t
{
    Keep,   ///< the model holds the (possibly replaced) value; the file is left alone
    Repair, ///< the replacement is also written back to the file
    Delete, ///< the key is deleted from the file
};

struct RuleOutcome
{
    KeyValue value;
    RuleAction action = RuleAction::Keep;
};

/// The stored value of a key whose file value is `read`; `settings` holds the keys read before it.
RuleOutcome applyReadRule(const KeyDef &key, KeyValue read, const GlobalSettings &settings);

/// A number cut to the key's width, as the model's field would hold it.
std::int32_t toWidth(KeyType type, std::int64_t value);

} // namespace ktcticonfig
