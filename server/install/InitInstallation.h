// Making a ready program directory for the software board: settings, database, board files, folders.
#pragma once

#include <QString>

namespace server {

/// Creates dir (when missing) as a program directory: Setup.ini with every key at its default and the
/// eight simulated channels in service, an empty BillDB.db with the schema, KtConfig.ini, KtIndex.ini
/// and KtSim.ini of a simulated board with six trunk and two station channels, and the folders the
/// server writes into. Refuses, touching nothing, when dir already holds any of those files. False with
/// error set on failure.
bool initInstallation(const QString &dir, QString *error);

/// As initInstallation, with the voices of voicesDir (the output of make-voices.sh): VoiceDB.dat, the
/// prompt folders Voice/pth and Voice/gdh, the named segments of Voice/Index listed in KtIndex.ini,
/// and the Mandarin notice as AdNotice. Nothing is made when voicesDir lacks any of them.
bool initInstallation(const QString &dir, const QString &voicesDir, QString *error);

} // namespace server
