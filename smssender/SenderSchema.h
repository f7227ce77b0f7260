// The sender's tables beside the server's: the key of SmsSendTask, the bookkeeping and the inbox.
#pragma once

#include "server/data/TDM.h"

#include <QString>

namespace smssender {

/// Makes the database ready for the sender, changing nothing the server writes or reads:
/// - SmsSendTask gets its key column id (auto-increment) when it has none; existing rows are numbered
///   in the order they were inserted;
/// - SmsSendState (what became of each row) and SmsReceived (messages the modem received) are created
///   when missing.
/// False with error set when the database refuses; nothing half-done stays then.
bool prepareSenderTables(server::TDM &dm, QString *error);

/// The statements that create the sender's two tables on the engine: SmsSendState with its index,
/// then SmsReceived.
QStringList senderTableStatements(server::SqlEngine engine);

} // namespace smssender
