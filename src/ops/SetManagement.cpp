#include "ops/SetManagement.h"

#include "data/Errors.h"
#include "data/Messages.h"
#include "ops/FloatCheck.h"

#include <algorithm>
#include <string>

namespace {

bool namesSet(int s) { return s >= kFirstSet && s <= kLastSet; }

int32_t& countOf(DataStore& store, int s) { return store.pointCount[static_cast<size_t>(s)]; }

} // namespace

int firstFreeSet(const DataStore& store)
{
    for (int s = kFirstSet; s <= kLastSet; ++s)
        if (store.pointCount[static_cast<size_t>(s)] == 0)
            return s;
    return 0;
}

bool copyToSet(DataStore& store, int target)
{
    if (!namesSet(target) || countOf(store, target) != 0)
        return false;
    store.copySet(store.currentSet, target);
    return true;
}

bool insertSet(DataStore& store, int source)
{
    const int c = store.currentSet;
    if (namesSet(source)) {
        const int n = countOf(store, c);
        const int m = countOf(store, source);
        if (n + m > kSetCapacity)
            throw KurvixError(Messages::message(
                Messages::InsertTooLarge,
                {std::to_string(c), std::to_string(n), std::to_string(source), std::to_string(m)}));
        // The two blocks never overlap, also when source is c: the count
        // bounding the copy was read before anything was appended.
        std::copy_n(store.xs(source), m, store.xs(c) + n);
        std::copy_n(store.ys(source), m, store.ys(c) + n);
        countOf(store, c) = n + m;
    }
    store.sortSet(c);
    return namesSet(source);
}

bool exchangeSets(DataStore& store, int other)
{
    const int c = store.currentSet;
    if (!namesSet(other) || other == c)
        return false;
    store.copySet(other, 0);
    store.copySet(c, other);
    store.copySet(0, c);
    store.currentSet = other;
    return true;
}

bool addCurve(DataStore& store, int other)
{
    const int c = store.currentSet;
    const int n = countOf(store, c);
    if (!namesSet(other) || other == c || countOf(store, other) != n)
        return false;
    const double* y = store.ys(c);
    const double* add = store.ys(other);
    double* sum = store.ys(0);
    for (int i = 0; i < n; ++i) {
        sum[i] = y[i] + add[i];
        requireFinite(sum[i]);
    }
    std::copy_n(sum, n, store.ys(c));
    store.sortSet(c);
    return true;
}

void swapXY(DataStore& store)
{
    const int c = store.currentSet;
    std::swap_ranges(store.xs(c), store.xs(c) + countOf(store, c), store.ys(c));
    store.sortSet(c);
    store.unsavedChanges = true;
}

bool removeRange(DataStore& store, int from, int to)
{
    const int c = store.currentSet;
    const int n = countOf(store, c);
    if (from < 1 || from > n || from > to)
        return false;
    to = std::min(to, n);
    const int k = to - from + 1;
    double* x = store.xs(c);
    double* y = store.ys(c);
    std::copy(x + to, x + n, x + from - 1);
    std::copy(y + to, y + n, y + from - 1);
    countOf(store, c) = n - k;
    return true;
}

bool thinByFactor(DataStore& store, int factor)
{
    if (factor < 1)
        throw KurvixError(std::string(Messages::ThinningFactor));
    const int c = store.currentSet;
    const int n = countOf(store, c);
    if (n == 0)
        return false;
    const int kept = (n - 1) / factor + 1;
    double* x = store.xs(c);
    double* y = store.ys(c);
    for (int j = 1; j < kept; ++j) {
        x[j] = x[j * factor];
        y[j] = y[j * factor];
    }
    countOf(store, c) = kept;
    return kept < n;
}
