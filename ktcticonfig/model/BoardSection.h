// Reading and writing one [BoardId=n] section.
#pragma once

#include "common/ProfileFile.h"
#include "ktcticonfig/model/BoardRecord.h"
#include "ktcticonfig/model/GlobalSettings.h"
#include "ktcticonfig/model/ProfileWriter.h"
#include "ktcticonfig/model/Reporter.h"

#include <string>

namespace ktcticonfig {

std::string boardSectionName(int boardId);

/// The I/O base ports an ISA board may use; any other reads as 0x240.
bool isAcceptedIoBasePort(std::int32_t port);

/// Reads board n into `board`. An unknown BoardModel is reported and leaves model code 0 (true is
/// returned: the read goes on); a PcmNumber outside 0..16 is reported and fails the read (false).
bool readBoardSection(const common::ProfileFile &file, int boardId, BoardRecord &board, Reporter &reporter);

/// Writes board n. A board without a model code (its name was not recognised) is not written, so
/// that the section keeps what the file holds.
void writeBoardSection(ProfileWriter &writer, int boardId, const BoardRecord &board, const GlobalSettings &settings);

} // namespace ktcticonfig
