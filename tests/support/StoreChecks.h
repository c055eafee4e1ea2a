#pragma once

// What must hold of the store whatever the user or a file did to it, for the
// tests, the random-use test and the fuzz targets alike. Each check returns
// an empty text when all is well, else what is wrong.

#include "data/DataStore.h"

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

namespace storecheck {

// Counts 0..10000, the current set 1..9, no NaN or infinity in a set's
// points or in an axis range, texts within their limits.
inline std::string invariantBreaks(const DataStore& store)
{
    std::ostringstream why;
    if (store.currentSet < kFirstSet || store.currentSet > kLastSet)
        why << "currentSet=" << store.currentSet << ' ';
    if (store.plot.heading.size() > kTextLength || store.plot.comment.size() > kTextLength
        || store.plot.xLabel.size() > kLabelLength)
        why << "plot texts ";
    if (!std::isfinite(store.plot.xFrom) || !std::isfinite(store.plot.xTo))
        why << "x range ";
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        const int n = store.pointCount[i];
        if (n < 0 || n > kSetCapacity) {
            why << "count[" << s << "]=" << n << ' ';
            continue;
        }
        if (store.yLabel[i].size() > kLabelLength)
            why << "label[" << s << "] ";
        if (!std::isfinite(store.yFrom[i]) || !std::isfinite(store.yTo[i]))
            why << "range[" << s << "] ";
        for (int k = 1; k <= n; ++k)
            if (!std::isfinite(store.x(s, k)) || !std::isfinite(store.y(s, k))) {
                why << "value[" << s << "," << k << "]=(" << store.x(s, k) << "," << store.y(s, k) << ") ";
                break;
            }
    }
    return why.str();
}

// Set s in ascending order of X, its extreme positions within it.
inline std::string sortBreaks(const DataStore& store, int s)
{
    std::ostringstream why;
    const auto i = static_cast<size_t>(s);
    const int n = store.pointCount[i];
    for (int k = 2; k <= n; ++k)
        if (store.x(s, k) < store.x(s, k - 1)) {
            why << "set " << s << " unsorted at " << k << ' ';
            break;
        }
    if (n > 0 && (store.minYIndex[i] < 1 || store.minYIndex[i] > n || store.maxYIndex[i] < 1 || store.maxYIndex[i] > n))
        why << "extremes[" << s << "]=(" << store.minYIndex[i] << "," << store.maxYIndex[i] << ") of " << n << ' ';
    return why.str();
}

inline bool sameBytes(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The points of sets 1..9 byte for byte, up to their counts.
inline std::string pointDifference(const DataStore& a, const DataStore& b)
{
    std::ostringstream why;
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        const auto n = static_cast<size_t>(a.pointCount[i] > 0 ? a.pointCount[i] : 0);
        if (a.pointCount[i] != b.pointCount[i] || std::memcmp(a.xs(s), b.xs(s), n * sizeof(double)) != 0
            || std::memcmp(a.ys(s), b.ys(s), n * sizeof(double)) != 0)
            why << "points of set " << s << ' ';
    }
    return why.str();
}

// Whether difference() compares the whole value arrays or only the points
// the counts hold (a place past the count is no state the user can see).
enum class Values { AllBytes, Points };

// Every field of two stores, values byte for byte (so -0 and 0 differ).
inline std::string difference(const DataStore& a, const DataStore& b, Values values = Values::AllBytes)
{
    std::ostringstream why;
    for (size_t s = 0; s < kSetSlots; ++s) {
        if (a.pointCount[s] != b.pointCount[s])
            why << "pointCount[" << s << "] ";
        if (a.yLabel[s] != b.yLabel[s])
            why << "yLabel[" << s << "] ";
        if (std::memcmp(&a.yFrom[s], &b.yFrom[s], sizeof(double)) != 0
            || std::memcmp(&a.yTo[s], &b.yTo[s], sizeof(double)) != 0)
            why << "range[" << s << "] ";
        if (a.drawFlags[s] != b.drawFlags[s] || a.symbolNumber[s] != b.symbolNumber[s]
            || a.setColour[s] != b.setColour[s])
            why << "display[" << s << "] ";
        if (a.minYIndex[s] != b.minYIndex[s] || a.maxYIndex[s] != b.maxYIndex[s])
            why << "extremes[" << s << "] ";
    }
    if (values == Values::AllBytes ? !sameBytes(a.xValues, b.xValues) || !sameBytes(a.yValues, b.yValues)
                                   : !pointDifference(a, b).empty())
        why << "values ";
    if (a.plot.xLabel != b.plot.xLabel || std::memcmp(&a.plot.xFrom, &b.plot.xFrom, sizeof(double)) != 0
        || std::memcmp(&a.plot.xTo, &b.plot.xTo, sizeof(double)) != 0 || a.plot.heading != b.plot.heading
        || a.plot.comment != b.plot.comment || a.plot.showDateTime != b.plot.showDateTime
        || a.plot.showFileName != b.plot.showFileName || a.plot.plotWithGrid != b.plot.plotWithGrid)
        why << "plot ";
    if (a.currentSet != b.currentSet || a.unsavedChanges != b.unsavedChanges)
        why << "state ";
    if (a.currentFileName != b.currentFileName)
        why << "file name '" << a.currentFileName << "' vs '" << b.currentFileName << "' ";
    if (a.loadTargetSet != b.loadTargetSet)
        why << "read target " << int{a.loadTargetSet} << " vs " << int{b.loadTargetSet} << ' ';
    return why.str();
}

// What an undo or redo step restores: difference() but for the unsaved
// flag, which undo and redo set, the current set, whose choice is no step,
// the read target, which every read sets before it begins, the scratch set 0,
// and the extreme positions, which the display of a set computes afresh
// from its points whether a step or the choice of a set shows it.
inline std::string stepDifference(const DataStore& a, DataStore b)
{
    b.unsavedChanges = a.unsavedChanges;
    b.currentSet = a.currentSet;
    b.loadTargetSet = a.loadTargetSet;
    b.pointCount[0] = a.pointCount[0];
    b.yLabel[0] = a.yLabel[0];
    b.yFrom[0] = a.yFrom[0];
    b.yTo[0] = a.yTo[0];
    b.drawFlags[0] = a.drawFlags[0];
    b.symbolNumber[0] = a.symbolNumber[0];
    b.setColour[0] = a.setColour[0];
    b.minYIndex = a.minYIndex;
    b.maxYIndex = a.maxYIndex;
    return difference(a, b, Values::Points);
}

} // namespace storecheck
