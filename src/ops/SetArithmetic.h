#pragma once

// The one-line formulas for all X or all Y values of the current set:
// "X+2", "y-1,5", "Y*-2", "X/4", "XL" (base-10 logarithm), "Y^" (ten to the
// power), "XR" (reciprocal); a formula whose first operation letter is S
// changes the slope instead (see Calculus.h).

#include "data/DataStore.h"

#include <string_view>

enum class CalculationOutcome {
    Ignored,          // both or neither of X and Y named, or no operation letter: nothing refreshed
    Applied,          // every target value replaced
    Refused,          // an unusable number or value: the set is unchanged
    LogarithmRefused, // a logarithm of a value <= 1e-37: unchanged, the user is told
    SlopeChanged,     // the formula was a slope change
};

struct CalculationResult {
    CalculationOutcome outcome = CalculationOutcome::Ignored;
    int slopeErrorPosition = 0; // for SlopeChanged: 0 when the number was read whole
};

// Sorts the current set, then carries out the formula on its X values when
// the (upper-cased) formula names X, otherwise on its Y values. The first
// character of "+-*/L^SR" in the formula is the operation; the number is what
// remains of the formula after its first comma became a point and everything
// but digits, "-" and "." was removed ("X*1E3" multiplies by 13). Checks:
// "/" by less than 1e-37 in magnitude, "^" of a value above 1000 or of 0, "R"
// of an X of 0 or of a Y below 1e-100 in magnitude are refused; "L" of a
// value <= 1e-37 is refused as LogarithmRefused. A result beyond the range of
// doubles throws FloatError and leaves the set as it was. unsavedChanges is
// not touched. The caller refreshes the window unless the outcome is Ignored.
CalculationResult applyCalculation(DataStore& store, std::string_view formula);
