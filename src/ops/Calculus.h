#pragma once

// The current set as a sampled curve Y(X), sorted by ascending X: difference
// quotients and the running trapezoid integral into the next set, and the
// tilt of the set about its first point.

#include "data/DataStore.h"

#include <string_view>

// The difference quotient of every interval of the current set c, placed at
// the middle of the interval, into set c + 1 with the label "Derivative from
// set # c". Only when c < 9, set c + 1 is empty and c holds more than two
// points; an interval of two equal X values has no quotient and is left out,
// so the result holds one point per interval of distinct X. Sets
// unsavedChanges in every case; an overflowing quotient throws FloatError
// and writes nothing. Returns whether set c + 1 was written.
bool deriveIntoNextSet(DataStore& store);

// The running trapezoid integral, one point at the right end of every
// interval (the start point (X1, 0) is not part of it), into set c + 1 with
// the label "INTEGRAL from set # c". Only when c < 9, set c + 1 is empty and
// c holds more than one point. Sets unsavedChanges in every case; an
// overflowing sum throws FloatError and writes nothing. Returns whether set
// c + 1 was written.
bool integrateIntoNextSet(DataStore& store);

struct SlopeChange {
    // Position (from 1) of the first character of the number text that could
    // not be taken, 1 for an empty text, one past the end for a number beyond
    // the range of doubles; 0 when the whole text was read.
    int errorPosition = 0;
};

// Reads the slope change k from the typed text ("S-0.02", "S 0,5": the first
// comma becomes a point, then leading characters other than digits, "-" and
// "." are dropped), stores k as the regression slope whether or not it was
// read whole, and when it was and the set holds two points or more, adds
// k * (X - X1) to every Y. unsavedChanges is not touched.
SlopeChange changeSlope(DataStore& store, std::string_view text);

// The position changeSlope reports for a number text (see SlopeChange).
int numberErrorPosition(std::string_view text);
