// Reading and writing the board-independent sections through the key table.
#pragma once

#include "common/ProfileFile.h"
#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/ProfileWriter.h"

namespace ktcticonfig {

/// Reads the keys of one group with their rules; repairs and deletions go to `repairs`. The tone
/// group also reads the tone detector items, and each group the numbered lists of its sections.
void readGroup(const common::ProfileFile &file, KeyGroup group, GlobalSettings &settings, ProfileWriter &repairs);

/// Writes the keys of one group in table order, then its tone items or numbered lists. Counts of lists
/// and of tone items are written from what the model holds.
void writeGroup(ProfileWriter &writer, KeyGroup group, const GlobalSettings &settings);

} // namespace ktcticonfig
