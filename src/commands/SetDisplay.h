#pragma once

// The set display and the grid, store side: what the main window's
// showCurrentSet and readGridIntoSet do with the store and the grid's texts.
// The window then only paints what these leave in the workspace.

#include "commands/Workspace.h"

namespace commands {

// For the current set s, in this order: the X axis ends shown with the
// decimals their range calls for and written back as shown (the lower end
// first, so the upper end's decimals follow from the rounded lower end), the
// same for the Y axis of s, the regression and its texts, sortSet(s), the
// extreme texts, and the grid rows showing the points. Leaves the texts in
// ws.display.
void showCurrentSet(Workspace& ws);

// The same texts for the store as it is, writing nothing back and leaving
// the points unsorted: for showing a state exactly as it was kept.
SetDisplay describeCurrentSet(const DataStore& store);

// Replaces the current set's points by the grid's valid rows, numbers every
// row and sets the header to "[k]" and the row count to k + 20.
void readGridIntoSet(Workspace& ws);

} // namespace commands
