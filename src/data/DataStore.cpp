#include "data/DataStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

DataStore::DataStore()
{
    ln10 = std::log(10.0);
    currentFileName.clear();
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        pointCount[s] = 0;
        symbolNumber[s] = static_cast<uint8_t>(s);
        drawFlags[s] = connectPoints | showSymbols;
        setColour[s] = static_cast<uint8_t>(s - 1);
    }
    setColour[0] = kNoColour;
    currentSet = 1;
    xValues.assign(static_cast<size_t>(kSetSlots) * kSetCapacity, 0.0);
    yValues.assign(static_cast<size_t>(kSetSlots) * kSetCapacity, 0.0);
    resetPlotDefaults();
    plot.showDateTime = true;
    plot.showFileName = true;
}

void DataStore::setYLabel(int s, std::string_view text)
{
    yLabel[static_cast<size_t>(s)] = std::string(text.substr(0, kLabelLength));
}

void DataStore::setXLabel(std::string_view text) { plot.xLabel = std::string(text.substr(0, kLabelLength)); }
void DataStore::setHeading(std::string_view text) { plot.heading = std::string(text.substr(0, kTextLength)); }
void DataStore::setComment(std::string_view text) { plot.comment = std::string(text.substr(0, kTextLength)); }

void exchangeSortReference(double* xs, double* ys, int n)
{
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            if (xs[j] < xs[i]) {
                std::swap(xs[i], xs[j]);
                std::swap(ys[i], ys[j]);
            }
}

namespace {

// Follows the exchange sort exactly. Pass i walks the chain of strict running
// minima of the rest: the first later X below the current one is swapped into
// place i, and the search goes on after it with the new, smaller value. A
// min-tree over the positions finds each next link in O(log n).
void exactExchangeSort(double* xs, double* ys, int n)
{
    int size = 1;
    while (size < n)
        size <<= 1;
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> tree(static_cast<size_t>(2 * size), inf);
    for (int i = 0; i < n; ++i)
        tree[static_cast<size_t>(size + i)] = xs[i];
    for (int k = size - 1; k >= 1; --k)
        tree[static_cast<size_t>(k)] = std::min(tree[static_cast<size_t>(2 * k)], tree[static_cast<size_t>(2 * k + 1)]);

    auto update = [&](int pos, double value) {
        size_t k = static_cast<size_t>(size + pos);
        tree[k] = value;
        for (k >>= 1; k >= 1; k >>= 1)
            tree[k] = std::min(tree[2 * k], tree[2 * k + 1]);
    };
    // First position > p whose value is < c, or -1.
    auto firstLess = [&](int p, double c) -> int {
        int lo = p + 1;
        if (lo >= n)
            return -1;
        // Walk up from leaf lo, then down into the first subtree holding a smaller value.
        size_t k = static_cast<size_t>(size + lo);
        if (tree[k] < c)
            return lo;
        while (true) {
            // Move to the next subtree to the right.
            while (k & 1)
                k >>= 1;
            if (k == 0)
                return -1;
            ++k;
            if (tree[k] < c)
                break;
        }
        while (k < static_cast<size_t>(size))
            k = tree[2 * k] < c ? 2 * k : 2 * k + 1;
        const int pos = static_cast<int>(k) - size;
        return pos < n ? pos : -1;
    };

    for (int i = 0; i < n; ++i) {
        double c = xs[i];
        int p = i;
        while (true) {
            const int j = firstLess(p, c);
            if (j < 0)
                break;
            std::swap(xs[i], xs[j]);
            std::swap(ys[i], ys[j]);
            update(j, xs[j]);
            c = xs[i];
            p = j;
        }
        update(i, inf);
    }
}

} // namespace

void DataStore::sortSet(int s)
{
    const int n = pointCount[static_cast<size_t>(s)];
    double* xp = xs(s);
    double* yp = ys(s);

    bool sorted = true;
    for (int i = 1; i < n; ++i)
        if (xp[i] < xp[i - 1]) {
            sorted = false;
            break;
        }

    if (!sorted) {
        std::vector<int> order(static_cast<size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [xp](int a, int b) { return xp[a] < xp[b]; });
        bool distinct = true;
        for (int i = 1; i < n; ++i)
            if (!(xp[order[static_cast<size_t>(i - 1)]] < xp[order[static_cast<size_t>(i)]])) {
                distinct = false;
                break;
            }
        if (distinct) {
            // Only one order is possible, so any sort gives the exchange sort's result.
            std::vector<double> tmp(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i)
                tmp[static_cast<size_t>(i)] = xp[order[static_cast<size_t>(i)]];
            std::copy(tmp.begin(), tmp.end(), xp);
            for (int i = 0; i < n; ++i)
                tmp[static_cast<size_t>(i)] = yp[order[static_cast<size_t>(i)]];
            std::copy(tmp.begin(), tmp.end(), yp);
        } else {
            exactExchangeSort(xp, yp, n);
        }
    }

    int minIndex = 1;
    int maxIndex = 1;
    for (int i = 2; i <= n; ++i) {
        if (yp[i - 1] < yp[minIndex - 1])
            minIndex = i;
        if (yp[i - 1] > yp[maxIndex - 1])
            maxIndex = i;
    }
    minYIndex[static_cast<size_t>(s)] = minIndex;
    maxYIndex[static_cast<size_t>(s)] = maxIndex;
}

void DataStore::copySet(int from, int to, MarkUnsaved mark)
{
    const auto f = static_cast<size_t>(from);
    const auto t = static_cast<size_t>(to);
    yLabel[t] = yLabel[f].substr(0, kLabelLength);
    yFrom[t] = yFrom[f];
    yTo[t] = yTo[f];
    minYIndex[t] = minYIndex[f];
    maxYIndex[t] = maxYIndex[f];
    pointCount[t] = pointCount[f];
    drawFlags[t] = drawFlags[f];
    const int n = std::clamp(pointCount[f], 0, kSetCapacity);
    if (from != to) {
        std::copy_n(xs(from), n, xs(to));
        std::copy_n(ys(from), n, ys(to));
    }
    if (mark == MarkUnsaved::Yes)
        unsavedChanges = true;
}

void DataStore::resetPlotDefaults()
{
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        yLabel[static_cast<size_t>(s)] = "Y";
        yFrom[static_cast<size_t>(s)] = 0;
        yTo[static_cast<size_t>(s)] = 10;
    }
    plot.xLabel = "X";
    plot.xFrom = 0;
    plot.xTo = 10;
    unsavedChanges = false;
}
