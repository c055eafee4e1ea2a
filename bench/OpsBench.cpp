// The whole-set operations on full sets of 10000 points. Operations that
// change the set get a fresh copy before every run, outside the timing.
// Each run starts as a command does, with the vector registers cleared
// (data/VectorState.h); BM_LogarithmUncleared shows what that is worth.

#include "data/DataStore.h"
#include "data/VectorState.h"
#include "ops/Calculus.h"
#include "ops/SetArithmetic.h"
#include "ops/SetManagement.h"
#include "ops/Smoothing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Sorted X with a rising, bumpy Y (so X<=>Y keeps it sorted too) in set s.
void fill(DataStore& store, int s, int n = kSetCapacity, double xOffset = 0)
{
    store.pointCount[static_cast<size_t>(s)] = n;
    for (int i = 1; i <= n; ++i) {
        store.x(s, i) = i * 0.01 + xOffset;
        store.y(s, i) = 1 + i + 0.4 * std::sin(i * 0.3);
    }
}

enum class Entry { Cleared, Uncleared };

// Runs op on a store whose set 1 is restored from `original` before each run.
template <typename Op>
void runRestored(benchmark::State& state, const DataStore& original, Op op, Entry entry = Entry::Cleared)
{
    auto store = std::make_unique<DataStore>(original);
    for (auto _ : state) {
        state.PauseTiming();
        for (int s = 1; s <= 2; ++s) {
            store->pointCount[s] = original.pointCount[s];
            std::copy_n(original.xs(s), kSetCapacity, store->xs(s));
            std::copy_n(original.ys(s), kSetCapacity, store->ys(s));
        }
        state.ResumeTiming();
        if (entry == Entry::Cleared)
            clearUpperVectorState();
        op(*store);
        benchmark::DoNotOptimize(store->ys(1)[1]);
    }
}

std::unique_ptr<DataStore> fullSet()
{
    auto store = std::make_unique<DataStore>();
    fill(*store, 1);
    return store;
}

void BM_ApplyCalculation(benchmark::State& state, const char* formula)
{
    runRestored(state, *fullSet(), [formula](DataStore& s) { applyCalculation(s, formula); });
}
BENCHMARK_CAPTURE(BM_ApplyCalculation, multiply, "Y*1.5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ApplyCalculation, logarithm, "YL")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ApplyCalculation, power, "X^")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ApplyCalculation, reciprocal, "XR")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ApplyCalculation, slope, "S0.001")->Unit(benchmark::kMicrosecond);

// The logarithm entered without clearing what the toolkit left in the vector
// registers: the cost the command entry points avoid.
void BM_LogarithmUncleared(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { applyCalculation(s, "YL"); }, Entry::Uncleared);
}
BENCHMARK(BM_LogarithmUncleared)->Unit(benchmark::kMicrosecond);

void BM_Smooth(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { smoothSet(s); });
}
BENCHMARK(BM_Smooth)->Unit(benchmark::kMicrosecond);

void BM_FilterSpikes(benchmark::State& state)
{
    const int window = static_cast<int>(state.range(0));
    runRestored(state, *fullSet(), [window](DataStore& s) { filterSpikes(s, window); });
}
BENCHMARK(BM_FilterSpikes)->Arg(4)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_Derivative(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { deriveIntoNextSet(s); });
}
BENCHMARK(BM_Derivative)->Unit(benchmark::kMicrosecond);

void BM_Integral(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { integrateIntoNextSet(s); });
}
BENCHMARK(BM_Integral)->Unit(benchmark::kMicrosecond);

// Two halves on the same X grid (every X twice: the sort must keep the
// exchange order of equal X) or interleaved (distinct X).
void BM_InsertHalves(benchmark::State& state)
{
    DataStore original;
    fill(original, 1, kSetCapacity / 2);
    fill(original, 2, kSetCapacity / 2, state.range(0) == 0 ? 0 : 0.005);
    runRestored(state, original, [](DataStore& s) { insertSet(s, 2); });
}
BENCHMARK(BM_InsertHalves)->ArgName("interleaved")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Exchange(benchmark::State& state)
{
    auto store = fullSet();
    fill(*store, 2);
    for (auto _ : state) {
        clearUpperVectorState();
        exchangeSets(*store, store->currentSet == 1 ? 2 : 1);
        benchmark::DoNotOptimize(store->ys(1)[1]);
    }
}
BENCHMARK(BM_Exchange)->Unit(benchmark::kMicrosecond);

void BM_AddCurve(benchmark::State& state)
{
    DataStore original;
    fill(original, 1);
    fill(original, 2);
    runRestored(state, original, [](DataStore& s) { addCurve(s, 2); });
}
BENCHMARK(BM_AddCurve)->Unit(benchmark::kMicrosecond);

void BM_SwapXY(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { swapXY(s); });
}
BENCHMARK(BM_SwapXY)->Unit(benchmark::kMicrosecond);

void BM_RemoveRange(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { removeRange(s, 2, 5000); });
}
BENCHMARK(BM_RemoveRange)->Unit(benchmark::kMicrosecond);

void BM_ThinByFactor(benchmark::State& state)
{
    runRestored(state, *fullSet(), [](DataStore& s) { thinByFactor(s, 2); });
}
BENCHMARK(BM_ThinByFactor)->Unit(benchmark::kMicrosecond);

} // namespace
