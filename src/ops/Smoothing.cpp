#include "ops/Smoothing.h"

#include "ops/FloatCheck.h"

#include <cmath>
#include <vector>

bool smoothSet(DataStore& store)
{
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
    // Entries of 0 or below ask for a window wider than any set.
    if (windowEntry <= 0)
        return FilterOutcome::TooFewPoints;
    const int w = windowEntry == 1 ? 1 : windowEntry - 1;
    const int c = store.currentSet;
    const int n = store.pointCount[static_cast<size_t>(c)];
    if (n <= w + 1)
        return FilterOutcome::TooFewPoints;

    // Deviations from the untouched set; the working copy in scratch set 0
    // takes the replacements, so a replacement is seen by the neighbours of
    // later windows. Indices are 0-based: windows start at 1 .. n - w - 2.
    const double* y = store.ys(c);
    std::vector<double> deviation(static_cast<size_t>(n));
    for (int j = 1; j < n - 1; ++j)
        deviation[static_cast<size_t>(j)] = std::fabs((y[j - 1] + y[j + 1]) / 2 - y[j]);

    store.copySet(c, 0, MarkUnsaved::No);
    double* y0 = store.ys(0);
    // The windows slide by one point, so the largest deviation of each comes
    // from a queue of candidates in falling order of deviation; an equal
    // deviation never displaces an earlier one, so the first of equal
    // deviations wins (and the window start when all are 0).
    std::vector<int> queue(static_cast<size_t>(n));
    size_t head = 0, tail = 0;
    const int lastStart = n - w - 2;
    for (int j = 1; j <= lastStart + w; ++j) {
        const double d = deviation[static_cast<size_t>(j)];
        while (tail > head && deviation[static_cast<size_t>(queue[tail - 1])] < d)
            --tail;
        queue[tail++] = j;
        const int i = j - w; // the window that ends at j
        if (i < 1)
            continue;
        if (queue[head] < i)
            ++head;
        const int pos = queue[head];
        const double mean = (y0[pos - 1] + y0[pos + 1]) / 2;
        requireFinite(mean);
        y0[pos] = mean;
    }
    store.copySet(0, c);
    return FilterOutcome::Filtered;
}
