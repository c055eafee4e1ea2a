// Following a growing file and the report of how a file is read: one line
// appended to a file that fills nine sets, and the report of a 10000-line
// file.

#include "commands/FollowCommands.h"
#include "commands/GridText.h"
#include "commands/UndoHistory.h"
#include "data/FollowReader.h"
#include "data/ReadExplain.h"
#include "data/VectorState.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

namespace {

class BenchFile {
public:
    explicit BenchFile(const std::string& name)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurvix-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        path_ = dir_ + "/" + name;
    }
    ~BenchFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    BenchFile(const BenchFile&) = delete;
    BenchFile& operator=(const BenchFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string dir_;
    std::string path_;
};

// Measured values as an instrument writes them: time, then a reading with a
// decimal comma.
std::string line(int i, std::mt19937& random)
{
    std::uniform_int_distribution<int> millivolts(-99999, 99999);
    const int v = millivolts(random);
    return std::to_string(i) + ";" + std::to_string(v / 1000) + "," + std::to_string(std::abs(v % 1000)) + "\r\n";
}

constexpr int kStartLines = 8 * kSetCapacity + 9000;

// What the file holds when following starts: sets 1 to 8 full, 9000 points
// of set 9.
std::string startLines(std::mt19937& random)
{
    std::string start;
    for (int i = 0; i < kStartLines; ++i)
        start += line(i, random);
    return start;
}

// Sets 1 to 8 full and set 9 with 9000 points; every iteration appends one
// line (not timed) and lets the follower read it. Once set 9 is full the
// file starts over (not timed).
void followAppendedLine(benchmark::State& state)
{
    BenchFile file("messung.csv");
    std::mt19937 random(3);
    const std::string start = startLines(random);
    DataStore store;
    std::unique_ptr<FileFollower> follower;
    int lines = 0;
    const auto restart = [&] {
        std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << start;
        DataStore empty;
        store = empty;
        store.loadTargetSet = 1;
        follower = std::make_unique<FileFollower>(file.path(), empty);
        follower->start(store);
        lines = kStartLines;
    };
    restart();
    std::ofstream out(file.path(), std::ios::binary | std::ios::app);
    for (auto _ : state) {
        state.PauseTiming();
        if (lines == 9 * kSetCapacity) {
            restart();
            out = std::ofstream(file.path(), std::ios::binary | std::ios::app);
        }
        out << line(lines++, random) << std::flush;
        state.ResumeTiming();
        clearUpperVectorState();
        if (follower->poll())
            follower->apply(store);
    }
    if (store.pointCount[9] < 9000)
        state.SkipWithError("the appended lines were not read");
    state.SetItemsProcessed(state.iterations());
}

// The same through the command, as the window runs it: the undo history
// keeping the step, the set display of the current set.
void followAppendedLineCommand(benchmark::State& state)
{
    BenchFile file("messung.csv");
    std::mt19937 random(3);
    const std::string start = startLines(random);
    std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << start;
    DataStore store;
    GridText grid;
    Workspace ws(store, grid);
    UndoHistory history;
    commands::attachHistory(ws, history);
    Following following;
    commands::attachFollowing(ws, following);
    store.currentSet = 9;
    commands::followFile(ws, following, file.path(), FollowScaling::KeepRanges);
    std::ofstream out(file.path(), std::ios::binary | std::ios::app);
    int lines = kStartLines;
    for (auto _ : state) {
        state.PauseTiming();
        if (lines == 9 * kSetCapacity) {
            std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << start;
            commands::followUpdate(ws, following, FollowScaling::KeepRanges);
            out = std::ofstream(file.path(), std::ios::binary | std::ios::app);
            lines = kStartLines;
        }
        out << line(lines++, random) << std::flush;
        state.ResumeTiming();
        benchmark::DoNotOptimize(commands::followUpdate(ws, following, FollowScaling::KeepRanges));
    }
    state.SetItemsProcessed(state.iterations());
}

void explainTenThousandLines(benchmark::State& state)
{
    std::mt19937 random(11);
    std::string bytes = "Zeit;Spannung\r\n";
    for (int i = 0; i < 10000; ++i)
        bytes += line(i, random);
    size_t size = 0;
    for (auto _ : state) {
        clearUpperVectorState();
        const ReadExplanation report = explainDataBytes(bytes, "messung.csv", 1);
        size = report.text.size();
        benchmark::DoNotOptimize(size);
    }
    state.counters["report_bytes"] = static_cast<double>(size);
    state.SetItemsProcessed(state.iterations() * 10000);
}

} // namespace

BENCHMARK(followAppendedLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(followAppendedLineCommand)->Unit(benchmark::kMicrosecond);
BENCHMARK(explainTenThousandLines)->Unit(benchmark::kMillisecond);
