// Reading and writing data files at full size: nine sets of 10000 points as
// KWT, and a plain X;Y file of 10000 lines.

#include "data/DataFile.h"
#include "data/DataStore.h"
#include "data/VectorState.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace {

// A private folder for one benchmark, removed afterwards.
class BenchDir {
public:
    BenchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurvix-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~BenchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchDir(const BenchDir&) = delete;
    BenchDir& operator=(const BenchDir&) = delete;
    std::string path(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Nine full sets of values with varied magnitudes, sorted as a read leaves them.
DataStore fullStore()
{
    DataStore store;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-5000, 5000);
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        store.pointCount[static_cast<size_t>(s)] = kSetCapacity;
        for (int i = 1; i <= kSetCapacity; ++i) {
            store.x(s, i) = i * 0.01 * s;
            store.y(s, i) = value(random) / s;
        }
    }
    return store;
}

void readFullKwt(benchmark::State& state)
{
    BenchDir dir;
    DataStore source = fullStore();
    const std::string path = writeDataFile(source, dir.path("full.kwt"));
    DataStore store;
    for (auto _ : state) {
        clearUpperVectorState(); // as every command starts
        store.loadTargetSet = 1;
        benchmark::DoNotOptimize(readDataFile(store, path));
    }
    state.SetItemsProcessed(state.iterations() * 9 * kSetCapacity);
}

void writeFullKwt(benchmark::State& state)
{
    BenchDir dir;
    DataStore store = fullStore();
    const std::string path = dir.path("FULL.KWT");
    for (auto _ : state) {
        clearUpperVectorState();
        benchmark::DoNotOptimize(writeDataFile(store, path));
    }
    state.SetItemsProcessed(state.iterations() * 9 * kSetCapacity);
}

// The save without clearing what the toolkit left in the vector registers.
void writeFullKwtUncleared(benchmark::State& state)
{
    BenchDir dir;
    DataStore store = fullStore();
    const std::string path = dir.path("FULL.KWT");
    for (auto _ : state)
        benchmark::DoNotOptimize(writeDataFile(store, path));
    state.SetItemsProcessed(state.iterations() * 9 * kSetCapacity);
}

void readPlainLines(benchmark::State& state)
{
    BenchDir dir;
    const std::string path = dir.path("messung.csv");
    {
        std::ofstream out(path, std::ios::binary);
        out << "Zeit;Spannung\r\n";
        std::mt19937 random(11);
        std::uniform_int_distribution<int> millivolts(-99999, 99999);
        for (int i = 0; i < 10000; ++i)
            out << i / 10 << ',' << i % 10 << "; " << millivolts(random) / 1000 << ','
                << std::abs(millivolts(random) % 1000) << "\r\n";
    }
    DataStore store;
    for (auto _ : state) {
        clearUpperVectorState(); // as every command starts
        store.loadTargetSet = 1;
        benchmark::DoNotOptimize(readDataFile(store, path));
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

} // namespace

BENCHMARK(readFullKwt)->Unit(benchmark::kMillisecond);
BENCHMARK(writeFullKwt)->Unit(benchmark::kMillisecond);
BENCHMARK(writeFullKwtUncleared)->Unit(benchmark::kMillisecond);
BENCHMARK(readPlainLines)->Unit(benchmark::kMillisecond);
