#pragma once

// Cleaning up the Y values of the current set in place; both rely on the set
// being sorted by ascending X and use scratch set 0 as working storage.

#include "data/DataStore.h"

// The three-point weighted average that allows for unequal X spacing: every
// inner point whose two neighbours differ in X becomes the mean of its own Y
// and the chord between its neighbours taken at its X (for equal spacing
// Y/2 + Y(-1)/4 + Y(+1)/4). All new values come from the old ones. Returns
// false, changing nothing, for fewer than three points. unsavedChanges is not
// touched; an overflow throws FloatError and leaves the set as it was.
bool smoothSet(DataStore& store);

enum class FilterOutcome { Filtered, TooFewPoints };

// The text the input box shows when the set is too short for the window.
inline constexpr const char* kNoDataToFilter = "No data to filter";

// Replaces spikes: with w = windowEntry - 1 (at least 1), every window of
// w + 1 consecutive points starting at 2, 3, ... up to n - w - 1 finds the
// point that deviates most from the mean of its two neighbours in the
// untouched values (the first of equal deviations) and replaces it by the
// mean of its neighbours in the working copy. The first and last point never
// change. An entry of 0 or below, or a set of at most w + 1 points, gives
// TooFewPoints and changes nothing; otherwise the set is committed and
// unsavedChanges is set.
FilterOutcome filterSpikes(DataStore& store, int windowEntry);
