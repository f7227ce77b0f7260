// The dials an installation made, read from the "摘机呼叫" lines of its log files.
#pragma once

#include <QString>

#include <map>

namespace server::testing {

/// How often each number was dialled, from every log file of the installation's Log folder.
std::map<QString, int> dialsByNumber(const QString &installation);

} // namespace server::testing
