#pragma once

// Reading and writing data files as the main window's File menu does it,
// after its dialogs have given a path. Paths are file-system names.

#include "commands/Workspace.h"

#include <string>
#include <string_view>

namespace commands {

// File / "&Open": the file read from set 1 on as data/DataFile.h says, then
// the set display. Outcome.imageOpenName is the name the image dialog
// proposes next. A failed read changes nothing.
Outcome openFile(Workspace& ws, const std::string& path);

// The set "Open 2nd file" reads into, from the text of its box: a whole
// number 1 to 9. Throws ConversionError or KurvixError otherwise.
int secondFileSet(std::string_view setText);
// "Open 2nd file" with the set typed into its box, then path: read as
// openFile does, from that set on.
Outcome openSecondFile(Workspace& ws, std::string_view setText, const std::string& path);

// How a save names the file it writes.
enum class SaveNaming {
    // File / "Save ": an existing file of the chosen name is replaced under
    // that name, a new file gets its name part upper-cased.
    Dialog,
    // The command line and scripts: exactly the name given.
    Exact,
};
// Writes the store as KWT (the upper-cased name contains ".KWT") or ASCII.
// currentFileName becomes the upper-cased name of the file written;
// Outcome.writtenPath is the path it was written under.
Outcome saveFile(Workspace& ws, const std::string& path, SaveNaming naming);

} // namespace commands
