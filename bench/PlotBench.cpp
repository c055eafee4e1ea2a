#include "data/DataStore.h"
#include "editor/VectorFile.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"
#include "plot/PlotPainter.h"
#include "plot/VectorCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

enum class Ripple { Noise, Wave };

// Full sets over the default ranges 0..10: X evenly spread, Y a wave inside
// the Y range, so every point is drawn, with noise on it or a faster wave (the
// smooth data a measurement gives, as in the windowed start's plot).
void fillSets(DataStore& store, int sets, uint8_t flags, Ripple ripple = Ripple::Noise)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> noise(-0.5, 0.5);
    for (int s = 1; s <= sets; ++s) {
        store.pointCount[static_cast<size_t>(s)] = kSetCapacity;
        store.drawFlags[static_cast<size_t>(s)] = flags;
        for (int i = 1; i <= kSetCapacity; ++i) {
            const double x = 10.0 * (i - 1) / (kSetCapacity - 1);
            store.x(s, i) = x;
            store.y(s, i) = 5 + 3.5 * std::sin(x * (1 + 0.3 * s))
                            + (ripple == Ripple::Noise ? noise(rng) : 0.3 * std::sin(37 * x * s));
        }
        store.sortSet(s);
    }
}

void runPlot(benchmark::State& state, int sets, uint8_t flags, Ripple ripple = Ripple::Noise)
{
    DataStore store;
    GraphicState graphic;
    PlotCanvas plot(store, graphic);
    plot.clock = [] { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); };
    fillSets(store, sets, flags, ripple);
    for (auto _ : state) {
        plot.plotCommand();
        benchmark::DoNotOptimize(plot.canvas().image().constBits());
    }
}

void BM_PlotNineSetsAllSwitches(benchmark::State& state)
{
    runPlot(state, 9, showSymbols | connectPoints | drawCurve | drawRegressionLine);
}
BENCHMARK(BM_PlotNineSetsAllSwitches)->Unit(benchmark::kMillisecond);

void BM_PlotOneSetSymbolsAndLines(benchmark::State& state)
{
    runPlot(state, 1, showSymbols | connectPoints);
}
BENCHMARK(BM_PlotOneSetSymbolsAndLines)->Unit(benchmark::kMillisecond);

void BM_PlotNineWaveSetsSymbolsAndLines(benchmark::State& state)
{
    runPlot(state, 9, showSymbols | connectPoints, Ripple::Wave);
}
BENCHMARK(BM_PlotNineWaveSetsSymbolsAndLines)->Unit(benchmark::kMillisecond);

// The plot of nine full sets with every switch drawn by the vector canvas
// and written as a file: time, file size and how many outlines and
// interiors survive out of all that were drawn.
void runVectorExport(benchmark::State& state, VectorFormat format,
                     uint8_t flags = showSymbols | connectPoints | drawCurve | drawRegressionLine)
{
    DataStore store;
    fillSets(store, 9, flags);
    const std::string path =
        QDir::temp().filePath(format == VectorFormat::Svg ? "kurvix-bench.svg" : "kurvix-bench.pdf").toStdString();
    size_t recorded = 0;
    size_t paths = 0;
    for (auto _ : state) {
        GraphicState graphic;
        VectorCanvas vector;
        PlotContext context;
        context.clock = [] { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); };
        context.newCanvas = [&vector](uint16_t w, uint16_t h) { vector = VectorCanvas(w, h); };
        PlotPainter<VectorCanvas>(store, graphic, vector, context).plotCommand();
        writeVectorFile(path, format, QSize(480, 480), [&vector](QPainter& p) { vector.paint(p); });
        recorded = vector.recordedCount();
        if (paths == 0)
            paths = vector.census().paths;
    }
    state.counters["bytes"] = double(QFileInfo(QString::fromStdString(path)).size());
    state.counters["recorded"] = double(recorded);
    state.counters["paths"] = double(paths);
}

void BM_ExportSvgNineSetsAllSwitches(benchmark::State& state)
{
    runVectorExport(state, VectorFormat::Svg);
}
BENCHMARK(BM_ExportSvgNineSetsAllSwitches)->Unit(benchmark::kMillisecond);

void BM_ExportPdfNineSetsAllSwitches(benchmark::State& state)
{
    runVectorExport(state, VectorFormat::Pdf);
}
BENCHMARK(BM_ExportPdfNineSetsAllSwitches)->Unit(benchmark::kMillisecond);

void BM_ExportSvgNineSetsLines(benchmark::State& state)
{
    runVectorExport(state, VectorFormat::Svg, connectPoints | drawCurve | drawRegressionLine);
}
BENCHMARK(BM_ExportSvgNineSetsLines)->Unit(benchmark::kMillisecond);

} // namespace
