#pragma once

// Moving points between sets and reshaping the current set. Set numbers
// typed by the user name a set only when they are 1 to 9; other numbers make
// the command do nothing, as do the other conditions below.

#include "data/DataStore.h"

// The text the copy command proposes when every set holds points.
inline constexpr const char* kNoFreeSet = "No free set found!";

// The lowest set 1..9 without points (possibly the current set), or 0.
int firstFreeSet(const DataStore& store);

// Copies the current set into set `target` when that set holds no points
// (copySet: symbol and colour stay the target's; unsavedChanges is set).
// Returns whether it copied.
bool copyToSet(DataStore& store, int target);

// Appends the points of set `source` (the current set itself doubles it)
// behind the current set's points, then sorts the current set; a source
// outside 1..9 only sorts. A combined count beyond a set's capacity throws
// KurvixError and changes nothing. unsavedChanges is not touched. Returns
// whether source named a set.
bool insertSet(DataStore& store, int source);

// Exchanges the current set with set `other` (everything copySet copies; the
// symbol and colour stay with the numbers) and makes `other` current. Uses
// scratch set 0. Nothing happens for the current set itself or a number
// outside 1..9. Returns whether it exchanged.
bool exchangeSets(DataStore& store, int other);

// Adds the Y values of set `other` position by position, whatever the X,
// when it is another set with the same number of points, then sorts.
// unsavedChanges is not touched; an overflow throws FloatError and leaves
// the set as it was. Returns whether it added.
bool addCurve(DataStore& store, int other);

// Exchanges X and Y of every point of the current set, sorts it and sets
// unsavedChanges. Labels and axis ranges stay.
void swapXY(DataStore& store);

// Removes positions from..to (to is cut to the last point) of the current
// set; nothing when from < 1, from is behind the last point or to < from.
// Returns whether it removed.
bool removeRange(DataStore& store, int from, int to);

// Keeps points 1, 1 + f, 1 + 2f, ... of the current set. A factor below 1
// throws KurvixError and changes nothing. Returns whether a point went.
bool thinByFactor(DataStore& store, int factor);
