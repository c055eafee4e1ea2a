// The data grid with a full set: the parse of all 10020 rows that runs on
// every key release, and the set display that refills every cell.

#include "app/GridModel.h"
#include "app/TForm1.h"
#include "data/DataStore.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

void fillFullSet(DataStore& store, int s)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> value(-5000, 5000);
    for (int i = 1; i <= kSetCapacity; ++i) {
        store.x(s, i) = i * 0.37;
        store.y(s, i) = value(random);
    }
    store.pointCount[static_cast<size_t>(s)] = kSetCapacity;
}

// A shown main window on a store whose set 1 is full, its grid holding the
// 10000 points and 19 empty rows.
struct FullWindow {
    DataStore store;
    std::unique_ptr<TForm1> form;

    FullWindow()
    {
        fillFullSet(store, 1);
        form = std::make_unique<TForm1>(store, nullptr, nullptr);
        form->show();
        QApplication::processEvents();
    }
};

bool haveWidgets(benchmark::State& state)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        return true;
    state.SkipWithError("needs a QApplication");
    return false;
}

void BM_ReadGridIntoSet(benchmark::State& state)
{
    if (!haveWidgets(state))
        return;
    FullWindow window;
    for (auto _ : state) {
        window.form->readGridIntoSet();
        benchmark::DoNotOptimize(window.store.pointCount[1]);
    }
    state.counters["rows"] = window.form->gridModel().gridRowCount();
}
BENCHMARK(BM_ReadGridIntoSet)->Unit(benchmark::kMillisecond);

void BM_ShowCurrentSet(benchmark::State& state)
{
    if (!haveWidgets(state))
        return;
    FullWindow window;
    for (auto _ : state) {
        window.form->showCurrentSet();
        state.PauseTiming();
        QApplication::processEvents(); // the repaint belongs to the next frame
        state.ResumeTiming();
    }
    state.counters["points"] = window.store.pointCount[1];
}
BENCHMARK(BM_ShowCurrentSet)->Unit(benchmark::kMillisecond);

// The parse alone, without the window around it.
void BM_GridModelReadPoints(benchmark::State& state)
{
    DataStore store;
    fillFullSet(store, 1);
    GridModel model;
    model.showPoints(store.xs(1), store.ys(1), kSetCapacity);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.readPoints(store.xs(2), store.ys(2), kSetCapacity));
}
BENCHMARK(BM_GridModelReadPoints)->Unit(benchmark::kMillisecond);

} // namespace
