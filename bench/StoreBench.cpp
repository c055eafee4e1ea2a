#include "data/DataStore.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void fill(DataStore& store, int s, int n, int distinctX, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, distinctX - 1);
    store.pointCount[s] = n;
    for (int i = 1; i <= n; ++i) {
        store.x(s, i) = distinctX >= n ? i : pick(rng);
        store.y(s, i) = i;
    }
}

void BM_SortSorted(benchmark::State& state)
{
    DataStore store;
    fill(store, 1, kSetCapacity, kSetCapacity, 1);
    for (auto _ : state) {
        store.sortSet(1);
        benchmark::DoNotOptimize(store.minYIndex[1]);
    }
}
BENCHMARK(BM_SortSorted)->Unit(benchmark::kMicrosecond);

void BM_SortShuffledDistinct(benchmark::State& state)
{
    DataStore store;
    std::vector<double> xs(kSetCapacity);
    for (int i = 0; i < kSetCapacity; ++i)
        xs[static_cast<size_t>(i)] = i;
    std::mt19937 rng(7);
    for (auto _ : state) {
        state.PauseTiming();
        std::shuffle(xs.begin(), xs.end(), rng);
        store.pointCount[1] = kSetCapacity;
        std::copy(xs.begin(), xs.end(), store.xs(1));
        state.ResumeTiming();
        store.sortSet(1);
    }
}
BENCHMARK(BM_SortShuffledDistinct)->Unit(benchmark::kMicrosecond);

void BM_SortManyEqual(benchmark::State& state)
{
    DataStore store;
    const int distinct = static_cast<int>(state.range(0));
    unsigned seed = 3;
    for (auto _ : state) {
        state.PauseTiming();
        fill(store, 1, kSetCapacity, distinct, seed++);
        state.ResumeTiming();
        store.sortSet(1);
    }
}
BENCHMARK(BM_SortManyEqual)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_SortExchangeReference(benchmark::State& state)
{
    DataStore store;
    unsigned seed = 3;
    for (auto _ : state) {
        state.PauseTiming();
        fill(store, 1, kSetCapacity, 100, seed++);
        state.ResumeTiming();
        exchangeSortReference(store.xs(1), store.ys(1), kSetCapacity);
    }
}
BENCHMARK(BM_SortExchangeReference)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
