#pragma once

// The command-line modes that read and write data files only: they need no
// Qt, so the lean front runs them without loading it, and the full program
// runs the very same functions.

#include <string>
#include <vector>

struct PlainOutcome {
    int status = 0;
    // Not empty: bad usage, to be reported with the usage text (status 2).
    std::string usageMistake;
};

// --convert IN OUT [--into N]
PlainOutcome runConvertMode(const std::vector<std::string>& args);
// --explain FILE [--into N]
PlainOutcome runExplainMode(const std::vector<std::string>& args);

struct DataStore;
// Reads path into the store from set firstSet onward, as the command line
// does for every mode.
void readIntoSet(DataStore& store, const std::string& path, int firstSet);
