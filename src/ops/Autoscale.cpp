#include "ops/Autoscale.h"

#include "data/Decimal.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::optional<AxisRange> autoscaleRange(double lo, double hi)
{
    std::optional<Decimal> low = Decimal::fromDouble(lo);
    std::optional<Decimal> high = Decimal::fromDouble(hi);
    if (!low || !high || *high < *low)
        return std::nullopt;
    if (*low == *high) {
        const Decimal d = low->isZero() ? Decimal(1) : low->abs().timesPowerOf10(-1);
        *low = *low - d;
        *high = *high + d;
    }
    // Every step below a fifth of the range fails, so the search starts one
    // decade under the range's leading digit and ends at most four
    // candidates later (four steps from any from <= lo already reach hi).
    const Decimal range = *high - *low;
    for (int k = std::max(range.leadingPower() - 1, kFinestStepPower);; ++k) {
        for (const int m : {1, 2, 5}) {
            const Decimal from = low->timesPowerOf10(-k).floorDividedBy(m).timesPowerOf10(k) * m;
            const Decimal to = from + Decimal(m).timesPowerOf10(k) * 5;
            if (to >= *high) {
                const AxisRange axis{from.toDouble(), to.toDouble()};
                if (!std::isfinite(axis.from) || !std::isfinite(axis.to))
                    return std::nullopt;
                return axis;
            }
        }
    }
}

namespace {

struct Extent {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void take(double v)
    {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    std::optional<AxisRange> axis() const { return lo <= hi ? autoscaleRange(lo, hi) : std::nullopt; }
};

} // namespace

bool autoscaleAxes(DataStore& store)
{
    Extent x;
    bool anyPoints = false;
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto si = static_cast<size_t>(s);
        const int n = std::clamp(store.pointCount[si], 0, kSetCapacity);
        if (n == 0)
            continue;
        anyPoints = true;
        Extent y;
        for (int i = 0; i < n; ++i) {
            x.take(store.xs(s)[i]);
            y.take(store.ys(s)[i]);
        }
        if (const auto axis = y.axis()) {
            store.yFrom[si] = axis->from;
            store.yTo[si] = axis->to;
        }
    }
    if (const auto axis = x.axis()) {
        store.plot.xFrom = axis->from;
        store.plot.xTo = axis->to;
    }
    return anyPoints;
}
