#pragma once

// A set's points as text for other programs (a spreadsheet pastes it as two
// columns), in the form the plain-line reader reads back.

#include "data/DataFileReader.h"
#include "data/DataStore.h"

#include <string>

// The points of set s as lines "X<TAB>Y" ended by a line feed. Each value is
// written with the fewest digits that read back as the same double (an
// exponent where that is shorter); a Y whose shortest text is longer than
// the reader's Y field gets the closest text that fits it.
std::string pointsAsText(const DataStore& store, int s);
