// The blacklist as its window keeps it: the numbers of c_blacklist, edited one row at a time, and
// the numbers of a workbook's first column brought in at once.
#pragma once

#include "server/data/TDM.h"
#include "server/data/TaskImport.h"

#include <QString>
#include <QVariant>

#include <functional>

namespace server {

// Each throws DatabaseError when the database refuses it.
void insertForbidTel(TDM &dm, const QString &telephone, const QString &insertDate);
void updateForbidTel(TDM &dm, const QVariant &id, const QString &telephone, const QString &insertDate);
void deleteForbidTel(TDM &dm, const QVariant &id);

/// The workbook import: cell(r) is the text of row r's first cell (r from 1). The rows end at the
/// first whose first cell is blank, or after kMaxWorkbookRows. Each number is stored as read, with
/// the time of its row; nothing checks whether it is on the list already. A row the database refuses
/// is kept in the result's failures and the import goes on. options.planNotice is not used.
ImportResult importForbidTels(TDM &dm, const std::function<QString(int row)> &cell, const ImportOptions &options);

} // namespace server
