// The program with its window: start-up checks, the read of KtConfig.ini, the window and its run.
#pragma once

#include "ktcticonfig/CommandLine.h"

#include <string>

namespace ktcticonfig {

/// Runs the tool's window in the program directory; a QApplication exists. Returns the exit code.
int runWindowProgram(const CommandLine &commandLine, const std::string &programDirectory);

} // namespace ktcticonfig
