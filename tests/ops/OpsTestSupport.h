#pragma once

// Filling sets and reading them back for the operation tests.

#include "data/DataStore.h"

#include <vector>

using Values = std::vector<double>;

inline void load(DataStore& store, int s, const Values& xs, const Values& ys)
{
    store.pointCount[static_cast<size_t>(s)] = static_cast<int>(xs.size());
    for (size_t i = 0; i < xs.size(); ++i) {
        store.x(s, static_cast<int>(i) + 1) = xs[i];
        store.y(s, static_cast<int>(i) + 1) = ys[i];
    }
}

inline Values xsOf(const DataStore& store, int s)
{
    const double* p = store.xs(s);
    return Values(p, p + store.pointCount[static_cast<size_t>(s)]);
}

inline Values ysOf(const DataStore& store, int s)
{
    const double* p = store.ys(s);
    return Values(p, p + store.pointCount[static_cast<size_t>(s)]);
}
