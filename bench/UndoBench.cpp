// The undo history on the store side, without the window's refresh: what
// keeping a step costs a command, undo and redo of a step, and the bytes a
// step holds. Smooth of a full set is the one-set step; a KWT read of nine
// full sets over nine full sets is the largest step there is.

#include "commands/FileCommands.h"
#include "commands/GridText.h"
#include "commands/UndoHistory.h"
#include "data/DataFile.h"
#include "ops/Smoothing.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

namespace {

// Sets 1..fullSets with 10000 points each, the values shifted by `shift`.
std::unique_ptr<DataStore> storeWith(int fullSets, double shift = 0)
{
    auto store = std::make_unique<DataStore>();
    for (int s = kFirstSet; s <= fullSets; ++s) {
        store->pointCount[static_cast<size_t>(s)] = kSetCapacity;
        for (int i = 1; i <= kSetCapacity; ++i) {
            store->x(s, i) = i * 0.01 + shift;
            store->y(s, i) = std::sin(i * 0.003 * s) + shift;
        }
    }
    return store;
}

struct Recorded {
    std::unique_ptr<DataStore> store;
    GridText grid;
    Workspace ws;
    UndoHistory history;
    explicit Recorded(std::unique_ptr<DataStore> s)
        : store(std::move(s))
        , ws(*store, grid)
    {
        commands::attachHistory(ws, history);
    }
};

// Smooth through the command layer's run() but without the set display, so
// the figure is the operation plus what the history adds to it.
Outcome smoothOnly(Workspace& ws)
{
    return commands::run(ws, CommandId::Smooth, {}, [&] {
        smoothSet(ws.store);
        return Outcome::done();
    });
}

// range(0): sets in the store (the before-image copies all of them);
// range(1): 1 with the history attached, 0 without.
void BM_SmoothKept(benchmark::State& state)
{
    Recorded r(storeWith(static_cast<int>(state.range(0))));
    if (state.range(1) == 0)
        r.ws.observers.clear();
    for (auto _ : state)
        smoothOnly(r.ws);
    if (r.history.undoSteps() > 0) {
        state.counters["steps"] = static_cast<double>(r.history.undoSteps());
        state.counters["bytesPerStep"] = static_cast<double>(r.history.bytes()) / r.history.undoSteps();
        state.counters["bytesOf200Steps"] = static_cast<double>(r.history.bytes()) * 200 / r.history.undoSteps();
    }
}
BENCHMARK(BM_SmoothKept)->Args({1, 0})->Args({1, 1})->Args({9, 0})->Args({9, 1})->Unit(benchmark::kMicrosecond);

// One undo and one redo per iteration; the time per step is half of it.
void undoRedo(benchmark::State& state, Recorded& r)
{
    for (auto _ : state) {
        r.history.undo(*r.store);
        r.history.redo(*r.store);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["bytesPerStep"] = static_cast<double>(r.history.bytes()) / r.history.undoSteps();
}

void BM_UndoRedoSmooth(benchmark::State& state)
{
    Recorded r(storeWith(static_cast<int>(state.range(0))));
    smoothOnly(r.ws);
    undoRedo(state, r);
}
BENCHMARK(BM_UndoRedoSmooth)->Arg(1)->Arg(9)->Unit(benchmark::kMicrosecond);

// A private copy of nine full sets as a KWT file.
class FullFile {
public:
    FullFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kurvix-undo-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            dir_ = pattern;
        path_ = writeDataFile(*storeWith(kLastSet, 1), dir_ + "/FULL.KWT");
    }
    ~FullFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    FullFile(const FullFile&) = delete;
    FullFile& operator=(const FullFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string dir_;
    std::string path_;
};

// The read of nine full sets over nine other full sets, kept or not
// (range(0) 1 or 0); the set display of the command is part of it.
void BM_FileReadKept(benchmark::State& state)
{
    const FullFile file;
    Recorded r(storeWith(kLastSet));
    if (state.range(0) == 0)
        r.ws.observers.clear();
    for (auto _ : state)
        commands::openFile(r.ws, file.path());
    if (r.history.undoSteps() > 0)
        state.counters["bytesPerStep"] = static_cast<double>(r.history.bytes()) / r.history.undoSteps();
}
BENCHMARK(BM_FileReadKept)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_UndoRedoFileRead(benchmark::State& state)
{
    const FullFile file;
    Recorded r(storeWith(kLastSet));
    commands::openFile(r.ws, file.path());
    undoRedo(state, r);
}
BENCHMARK(BM_UndoRedoFileRead)->Unit(benchmark::kMicrosecond);

} // namespace
