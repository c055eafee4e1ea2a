// The one-line formula of "X,Y+-*/..." on a random current set: whatever the
// formula and the values, the counts stay, no value becomes NaN or infinite,
// the other sets and the other coordinate stay untouched, and a formula that
// is refused or fails leaves the set as it was (sorted, as the command sorts
// it first).

#include "FuzzCheck.h"
#include "support/StoreChecks.h"

#include "ops/SetArithmetic.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// Eight bytes as a value a set can hold.
double valueFrom(const uint8_t* bytes)
{
    double v = 0;
    std::memcpy(&v, bytes, sizeof v);
    return std::isfinite(v) ? v : static_cast<double>(bytes[0]) - 128;
}

bool sameValues(const double* a, const double* b, int n) { return std::memcmp(a, b, sizeof(double) * n) == 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // Reused: a fresh store per input would cost more than the formula.
    static const DataStore fresh;
    static DataStore store;
    static DataStore sorted;
    store = fresh;
    const int c = 1 + data[0] % 9;
    store.currentSet = c;
    size_t n = data[1] % 33;
    size_t at = 2;
    n = std::min(n, (size - at) / 16);
    store.pointCount[static_cast<size_t>(c)] = static_cast<int32_t>(n);
    for (size_t i = 0; i < n; ++i, at += 16) {
        store.x(c, static_cast<int>(i) + 1) = valueFrom(data + at);
        store.y(c, static_cast<int>(i) + 1) = valueFrom(data + at + 8);
    }
    // Another set with points, which no formula may touch.
    const int other = c == 9 ? 1 : c + 1;
    store.pointCount[static_cast<size_t>(other)] = 2;
    store.x(other, 2) = 1;
    store.y(other, 1) = -1;
    const std::string_view formula(reinterpret_cast<const char*>(data + at), std::min<size_t>(size - at, 80));

    sorted = store;
    sorted.sortSet(c);
    CalculationResult result;
    const bool done = fuzzcheck::attempt([&] { result = applyCalculation(store, formula); });

    fuzzcheck::requireNone(storecheck::invariantBreaks(store), "after a formula");
    for (int s = kFirstSet; s <= kLastSet; ++s)
        fuzzcheck::require(store.pointCount[static_cast<size_t>(s)] == sorted.pointCount[static_cast<size_t>(s)],
                           "a formula changed a count");
    fuzzcheck::require(sameValues(store.xs(other), sorted.xs(other), 2) && sameValues(store.ys(other), sorted.ys(other), 2),
                       "a formula changed another set");
    const int count = static_cast<int>(n);
    const bool xSame = sameValues(store.xs(c), sorted.xs(c), count);
    const bool ySame = sameValues(store.ys(c), sorted.ys(c), count);
    if (!done || result.outcome == CalculationOutcome::Ignored || result.outcome == CalculationOutcome::Refused
        || result.outcome == CalculationOutcome::LogarithmRefused) {
        fuzzcheck::require(xSame && ySame, "a refused or failed formula changed the set");
    } else {
        // X values stay for a formula on Y and a slope change, Y values for
        // a formula on X.
        fuzzcheck::require(xSame || ySame, "a formula changed both X and Y");
    }
    return 0;
}
