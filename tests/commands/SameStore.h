#pragma once

// Two stores compared in everything the user can see or save: points of
// sets 1..9 bit for bit, labels, ranges, switches, symbols, colours, the
// plot-wide settings, the current set, the file name and the unsaved flag.
// Returns the first difference, empty when there is none.

#include "data/DataStore.h"

#include <cstring>
#include <string>

inline std::string storeDifference(const DataStore& a, const DataStore& b)
{
    auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        const std::string set = "set " + std::to_string(s) + ": ";
        if (a.pointCount[i] != b.pointCount[i])
            return set + "point count " + std::to_string(a.pointCount[i]) + " vs " + std::to_string(b.pointCount[i]);
        for (int p = 1; p <= a.pointCount[i]; ++p)
            if (!same(a.x(s, p), b.x(s, p)) || !same(a.y(s, p), b.y(s, p)))
                return set + "point " + std::to_string(p);
        if (a.yLabel[i] != b.yLabel[i])
            return set + "label '" + a.yLabel[i] + "' vs '" + b.yLabel[i] + "'";
        if (!same(a.yFrom[i], b.yFrom[i]) || !same(a.yTo[i], b.yTo[i]))
            return set + "Y range";
        if (a.drawFlags[i] != b.drawFlags[i] || a.symbolNumber[i] != b.symbolNumber[i] || a.setColour[i] != b.setColour[i])
            return set + "flags, symbol or colour";
    }
    const PlotSettings& p = a.plot;
    const PlotSettings& q = b.plot;
    if (p.xLabel != q.xLabel || !same(p.xFrom, q.xFrom) || !same(p.xTo, q.xTo))
        return "X axis";
    if (p.heading != q.heading || p.comment != q.comment)
        return "heading or comment: '" + p.heading + "' '" + p.comment + "' vs '" + q.heading + "' '" + q.comment + "'";
    if (p.showDateTime != q.showDateTime || p.showFileName != q.showFileName || p.plotWithGrid != q.plotWithGrid)
        return "plot switches";
    if (a.currentSet != b.currentSet)
        return "current set " + std::to_string(a.currentSet) + " vs " + std::to_string(b.currentSet);
    if (a.currentFileName != b.currentFileName)
        return "file name '" + a.currentFileName + "' vs '" + b.currentFileName + "'";
    if (a.unsavedChanges != b.unsavedChanges)
        return "unsaved changes";
    return {};
}
