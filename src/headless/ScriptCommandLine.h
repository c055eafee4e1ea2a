#pragma once

// The command line's script and listing modes (see CommandLine.h):
//   --run SCRIPT [FILE ...] [--jobs N]   run SCRIPT once per FILE, N at a time
//   --listing FILE [--set N] [--pdf OUT] the data listing of set N of FILE
// Both return the process's exit status: 0 done, 1 a failure (its message on
// standard error), 2 bad usage.

#include <string>
#include <vector>

int runScriptMode(const std::vector<std::string>& args);
int runListingMode(const std::vector<std::string>& args);

// The usage lines of the two modes.
std::string scriptUsageText();
// The script commands with their arguments, three a line.
std::string scriptCommandsText();
