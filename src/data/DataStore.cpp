#include "data/DataStore.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// First j >= from with xs[j] < c, or n. Eight values are compared per step
// where SSE2 is there: most of an exchange sort is this search.
int findLess(const double* xs, int from, int n, double c)
{
    int j = from;
#ifdef __SSE2__
    const __m128d cc = _mm_set1_pd(c);
    for (; j + 8 <= n; j += 8) {
        const __m128d a = _mm_cmplt_pd(_mm_loadu_pd(xs + j), cc);
        const __m128d b = _mm_cmplt_pd(_mm_loadu_pd(xs + j + 2), cc);
        const __m128d d = _mm_cmplt_pd(_mm_loadu_pd(xs + j + 4), cc);
        const __m128d e = _mm_cmplt_pd(_mm_loadu_pd(xs + j + 6), cc);
        if (_mm_movemask_pd(_mm_or_pd(_mm_or_pd(a, b), _mm_or_pd(d, e))) != 0)
            break;
    }
#endif
    for (; j < n; ++j)
        if (xs[j] < c)
            return j;
    return n;
}

// Follows the exchange sort exactly, pass by pass. Pass i swaps every later X
// below the running value into place i; once the running value equals the
// smallest X of the rest (known from a sorted copy, since the rest always
// holds the same values), no later X can be below it and the pass ends early.
// With few distinct values the swaps are rare and the search dominates; with
// many, swaps come every few places and the plain loop is quicker.
void exactExchangeSort(double* xs, double* ys, int n, const std::vector<double>& sortedX)
{
    int distinctValues = n > 0 ? 1 : 0;
    for (int i = 1; i < n; ++i)
        if (sortedX[static_cast<size_t>(i)] != sortedX[static_cast<size_t>(i - 1)])
            ++distinctValues;
    const bool manySwaps = distinctValues > n / 20;
    for (int i = 0; i < n; ++i) {
        const double smallest = sortedX[static_cast<size_t>(i)];
        double c = xs[i];
        if (manySwaps) {
            for (int j = i + 1; j < n && c != smallest; ++j)
                if (xs[j] < c) {
                    std::swap(xs[i], xs[j]);
                    std::swap(ys[i], ys[j]);
                    c = xs[i];
                }
        } else {
            int p = i;
            while (c != smallest) {
                const int j = findLess(xs, p + 1, n, c);
                if (j == n)
                    break;
                std::swap(xs[i], xs[j]);
                std::swap(ys[i], ys[j]);
                c = xs[i];
                p = j;
            }
        }
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
            std::vector<double> sortedX(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i)
                sortedX[static_cast<size_t>(i)] = xp[order[static_cast<size_t>(i)]];
            exactExchangeSort(xp, yp, n, sortedX);
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
