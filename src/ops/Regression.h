#pragma once

// Least-squares line Y = a X + b and the correlation coefficient of a set,
// from the five running sums in double precision, population form.

#include "data/DataStore.h"

#include <optional>

// The fit of set s, or nothing when it is undefined: fewer than two points,
// all X equal, all Y equal (a variance of exactly 0, or one that rounding
// made negative or NaN, where the square root would be undefined).
std::optional<RegressionResult> fitLine(const DataStore& store, int s);

// Stores the fit of set s in store.regression; an undefined fit leaves the
// record as it was, so it keeps the last successful result.
void computeRegression(DataStore& store, int s);

// The texts of the regression labels of the current set after computing its
// regression: "n = 5", "a = 1.229", "b = -15.41", "r = 0.96212". With no
// points the three value texts are empty.
struct RegressionTexts {
    std::string n, a, b, r;
};
RegressionTexts showRegression(DataStore& store);
// The same texts for set s without storing the fit: an undefined fit shows
// the record as it stands.
RegressionTexts regressionTexts(const DataStore& store, int s);
