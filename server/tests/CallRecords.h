// Reading what a run left behind call by call: the log lines of each call, and audio as its runs.
#pragma once

#include <QByteArray>

#include <map>
#include <string>
#include <vector>

namespace server::testing {

/// The log lines of one call, from the dial ("摘机呼叫") to its trunk's return to idle ("延迟设置为空闲").
struct LoggedCall
{
    int channel = -1; ///< the trunk, a board channel number
    std::vector<std::string> lines;

    bool has(const char *text) const;
};

/// The trunk a log line speaks of, or -1: "外线通道：N" where a line names trunk and station, else
/// "通道：N" or "通道N".
int trunkOfLogLine(const std::string &line);

/// The calls of a log by the number called, in the order they were dialled; channels from `trunks`
/// on are stations and their lines are left out.
std::map<std::string, std::vector<LoggedCall>> callsInLog(const std::string &log, int trunks);

/// Audio as its runs of one byte, " hh*count" each, ending with a blank: the few dozen sounds of a
/// call in a line that reads well in a failure and is searched in no time.
std::string audioRuns(const QByteArray &audio);
/// The runs of ms milliseconds of one A-law byte; with its closing blank it means "heard whole".
std::string audioRun(char byte, int ms);
/// The start of a run of the byte, of any length.
std::string audioRunBegun(char byte);

/// How often `part` occurs in `text`, without overlaps.
std::size_t occurrences(const std::string &text, const std::string &part);

} // namespace server::testing
