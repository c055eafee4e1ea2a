#pragma once

// The command line: `kurvix [FILE]` starts the windows (with FILE opened as
// File / Open does); the other modes run the same routines as the windows and
// exit without opening one (no display is needed):
//   --convert IN OUT [--into N]   read IN, write OUT in the layout its name chooses
//   --export OUT FILE [options]   plot FILE and write the canvas as BMP, PNG or JPEG
//   --run SCRIPT [FILE ...]       run a command script over files (ScriptCommandLine.h)
//   --listing FILE [options]      the data listing of a set, as text or PDF
//   --explain FILE [--into N]     print how FILE is read, line by line
//   --help                        list the options
//   --version                     print the program's version
// A failure prints the message the message box would show on standard error
// and exits with status 1, writing no output; bad usage exits with status 2.

#include <optional>
#include <string>
#include <vector>

struct StartRequest {
    std::optional<int> exitStatus; // set: exit with it, open no window
    std::string fileToOpen;        // for the windowed start; may be empty
};

StartRequest runCommandLine(const std::vector<std::string>& args);

std::string usageText();
