// Edits of the board list made by the system and board pages, the used channel count of a board and
// the clock-master rules; every structural change rebuilds the default channel table and PCM list.
#pragma once

#include "ktcticonfig/model/ConfigModel.h"

#include <cstdint>

namespace ktcticonfig {

/// The channel table and PCM list a board list starts with, rebuilt after Add, Delete, Exchange and
/// Modify so that application channels follow the boards in order.
void rebuildBoardDefaults(ConfigModel &model);

/// The used channel count of a board: from its PCMs for the later digital families, else its
/// channel count.
std::uint16_t usedChannelCount(const BoardRecord &board);

/// Resets a board record to a model chosen on the board page: the family's default options, the
/// class flags and counts of the model, fresh PCMs and the used channel count. The serial number,
/// I/O base and sub-type stay. Code 0 ("-- Select --") leaves a record without class.
void chooseBoardModel(BoardRecord &board, int code);

/// Appends a board of model 0 ("-- Select --") and serial number 0. Returns its ID, or -1 when the
/// list already holds kMaxBoards boards.
int addBoard(ConfigModel &model);

/// Removes board k. The boards after it move up one place; the clock master follows its board, and
/// a removed clock master passes to the first remaining board with PCM links (else board 0).
void deleteBoard(ConfigModel &model, int k);

/// Exchanges two boards as a whole. The clock master stays with the board that supplies the clock.
void exchangeBoards(ConfigModel &model, int a, int b);

/// False when WhoSupplySysClock names no board: above the board count (the count itself means
/// every board).
bool clockMasterValid(const ConfigModel &model);

/// When the clock master names a voice, recording or IP board, it moves to the first board in list
/// order that can supply the clock (a digital trunk model); without such a board it stays. Returns
/// true when it moved.
bool moveClockMasterOffAnalogBoard(ConfigModel &model);

/// The clock master a detected board list starts with: the first digital trunk board, else the
/// first IP board, else 0.
int defaultClockMaster(const ConfigModel &model);

} // namespace ktcticonfig
