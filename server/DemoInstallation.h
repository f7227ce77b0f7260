// The demo of the installation: called parties of every kind, two agents, a few dozen notice tasks,
// and the table of outcomes after a run.
#pragma once

#include <QString>

namespace server {

/// Turns an --init installation into the demo: a KtSim.ini whose called parties answer after various
/// rings, are busy, do not answer, replay, say goodbye or ask for an agent; two agent telephones that
/// answer after a few seconds; agent key 8; recording on; and 36 notice tasks with Chinese names.
bool makeDemo(const QString &dir, QString *error);

/// The outcomes of the tasks by status and cause, the SMS queue and where the files are, as text.
QString outcomeReport(const QString &dir, QString *error);

} // namespace server
