#pragma once

// Data as text, to and from other programs through the clipboard: the main
// window's Edit / "Copy set as text" and "Paste data". The window moves the
// text; these only make and read it.

#include "commands/Workspace.h"

#include <string>
#include <string_view>

namespace commands {

// "Copy set as text": the current set's points as lines "X<TAB>Y".
std::string setAsText(const DataStore& store);

// "Paste data": `text` read with the plain-line reader into the current
// set, whose points it replaces, and past 10000 points into the sets after
// it (after what they hold). Only the points of the sets it fills change;
// they are sorted, unsavedChanges becomes true and the current set is shown.
// Text without a data line is refused with a message and changes nothing; a
// line the reader cannot read fails with its message and changes nothing.
Outcome pasteData(Workspace& ws, std::string_view text);

} // namespace commands
