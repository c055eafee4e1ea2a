#pragma once

// The store the fuzz targets start from: it differs from the start-up state
// wherever a reader or a command could write, so a change made by a refused
// input shows.

#include "data/DataStore.h"

#include <string>

namespace fuzzstore {

inline const DataStore& busyStore()
{
    static const DataStore store = [] {
        DataStore s;
        s.plot.heading = "Alt";
        s.plot.comment = "Kommentar";
        s.plot.xFrom = -1;
        for (int set = kFirstSet; set <= kLastSet; ++set) {
            const auto i = static_cast<size_t>(set);
            s.yLabel[i] = "Alt " + std::to_string(set);
            s.yTo[i] = set;
            s.symbolNumber[i] = static_cast<uint8_t>(20 + set);
            s.drawFlags[i] = static_cast<uint8_t>(set);
            s.pointCount[i] = 2;
            s.x(set, 1) = -set;
            s.x(set, 2) = set;
            s.y(set, 2) = 1;
            s.sortSet(set);
        }
        s.currentSet = 4;
        s.unsavedChanges = true;
        s.currentFileName = "VORHER.KWT";
        return s;
    }();
    return store;
}

} // namespace fuzzstore
