// The demo of the installation: called parties of every kind, two agents, a few dozen notice tasks,
// and the table of outcomes after a run.
#pragma once

#include <QByteArray>
#include <QString>

namespace server {

class TDM;

struct DemoOptions
{
    /// For a person watching the window in real time: calls at any hour, the control socket
    /// DIR/ktsim.sock, and the second agent telephone left to be answered by hand with ktsim.
    bool live = false;
};

/// Turns an --init installation into the demo: a KtSim.ini whose called parties answer after various
/// rings, are busy, do not answer, replay, say goodbye or ask for an agent; two agent telephones that
/// answer after a few seconds; agent key 8; recording on; and 36 notice tasks with Chinese names.
bool makeDemo(const QString &dir, QString *error, const DemoOptions &options = {});

/// The demo's KtSim.ini text for one device of `trunks` trunk channels followed by `agents` agent
/// telephones (which take turns between two ways of answering). Empty `heardDir` or `controlSocket`
/// leave those options out; `manualAgents` of the last agents ring until answered by hand.
QByteArray demoSimulation(int trunks, int agents, const QString &heardDir, const QString &controlSocket = {},
                          int manualAgents = 0);

/// Adds `count` notice tasks whose numbers go round the demo's kinds of called party.
bool addDemoTasks(TDM &dm, int count, QString *error);

/// The outcomes of the tasks by status and cause, the SMS queue and where the files are, as text.
QString outcomeReport(const QString &dir, QString *error);

} // namespace server
