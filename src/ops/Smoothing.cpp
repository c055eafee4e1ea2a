#include "ops/Smoothing.h"

#include "ops/FloatCheck.h"
#include "ops/VectorState.h"

#include <cmath>

bool smoothSet(DataStore& store)
{
    clearUpperVectorState();
    const int c = store.currentSet;
    const int n = store.pointCount[static_cast<size_t>(c)];
    if (n < 3)
        return false;
    const double* x = store.xs(c);
    double* y = store.ys(c);
    double* s = store.ys(0);
    for (int k = 1; k < n - 1; ++k) {
        if (x[k + 1] == x[k - 1])
            continue;
        double q = (y[k + 1] - y[k - 1]) / (x[k + 1] - x[k - 1]);
        q = q * (x[k] - x[k - 1]);
        q = q + y[k - 1];
        s[k] = q * 0.5 + y[k] * 0.5;
        requireFinite(s[k]);
    }
    for (int k = 1; k < n - 1; ++k)
        if (x[k + 1] != x[k - 1])
            y[k] = s[k];
    return true;
}

FilterOutcome filterSpikes(DataStore& store, int windowEntry)
{
    clearUpperVectorState();
    // Entries of 0 or below ask for a window wider than any set.
    if (windowEntry <= 0)
        return FilterOutcome::TooFewPoints;
    const int w = windowEntry == 1 ? 1 : windowEntry - 1;
    const int c = store.currentSet;
    const int n = store.pointCount[static_cast<size_t>(c)];
    if (n <= w + 1)
        return FilterOutcome::TooFewPoints;

    store.copySet(c, 0, MarkUnsaved::No);
    // Detection reads the untouched set (y), replacements the working copy
    // (y0), so a replacement is seen by the neighbours of later windows.
    // Indices are 0-based here: window starts 1 .. n - w - 2.
    const double* y = store.ys(c);
    double* y0 = store.ys(0);
    for (int i = 1; i <= n - w - 2; ++i) {
        double best = 0;
        int pos = i;
        for (int j = i; j <= i + w; ++j) {
            const double d = std::fabs((y[j - 1] + y[j + 1]) / 2 - y[j]);
            if (d > best) {
                best = d;
                pos = j;
            }
        }
        const double mean = (y0[pos - 1] + y0[pos + 1]) / 2;
        requireFinite(mean);
        y0[pos] = mean;
    }
    store.copySet(0, c);
    return FilterOutcome::Filtered;
}
