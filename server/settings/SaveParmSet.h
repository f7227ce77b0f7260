// The save of the parameter dialog: check, one write of Setup.ini, then the running record.
#pragma once

#include "server/settings/Dialogs.h"
#include "server/settings/ParmSetForm.h"
#include "server/settings/Settings.h"

namespace server {

/// Saves the form to Setup.ini of settings.ProgramDir. The file must exist and be readable, and every
/// value of the form must pass checkForm, before anything is written; the file is then written once,
/// atomically, and the record and the tables take the saved values (applyForm, with enable for
/// "启用参数"). False after a message when the file is missing, unreadable or cannot be written, or a
/// value cannot be saved (then problem, when given, says which): nothing is written nor changed then.
bool SaveParmSet(const ParmSetForm &form, bool enable, Settings &settings, ChannelTables &tables, Dialogs &dialogs,
                 FormProblem *problem = nullptr);

} // namespace server
