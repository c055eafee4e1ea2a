#pragma once

// Axis ranges chosen from the data: ends that are round numbers, so the six
// axis numbers of the plot (from, from + step, ..., to) read well and the
// fields show the ends exactly.

#include "data/DataStore.h"

#include <optional>

struct AxisRange {
    double from = 0;
    double to = 0;
};

// The finest step an axis gets: the fields show at most four decimals, and
// an end they cannot show would be rounded on the next set display.
constexpr int kFinestStepPower = -4;

// The axis for the data range lo..hi (lo <= hi), worked out exactly on the
// shortest decimal texts of lo and hi:
// - lo = hi is first widened by d = |lo| / 10 each way (d = 1 for 0);
// - step is the smallest m * 10^k (m of 1, 2, 5; at least 10^-4) for which
//   from + 5 * step >= hi, where from = floor(lo / step) * step;
// - to = from + 5 * step.
// The result holds the doubles nearest to from and to. Nothing for a range
// with an end that is not finite or an axis end beyond the range of doubles.
std::optional<AxisRange> autoscaleRange(double lo, double hi);

// The X range from the smallest and largest X of all sets 1..9 that hold
// points, the Y range of each such set from its own Y values; empty sets keep
// their ranges. Returns false, changing nothing, when no set holds a point.
bool autoscaleAxes(DataStore& store);
