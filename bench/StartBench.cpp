// The pieces of the windowed start: building the three windows, the main
// window's first frame, and the graphic window's first frame with a plot of
// nine full sets, as a click on "Graphic ..." gives it.
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataStore.h"
#include "help/TFormHilfe.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

struct Windows {
    DataStore store;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TFormHilfe> help;
    std::unique_ptr<TForm2> graphic;

    Windows()
        : main(std::make_unique<TForm1>(store, nullptr, nullptr))
        , help(std::make_unique<TFormHilfe>())
        , graphic(std::make_unique<TForm2>(store))
    {
        main->setHelpWindow(help.get());
        main->setGraphicWindow(graphic.get());
        graphic->addReplotSource(main.get());
    }

    void fillNineSets()
    {
        for (int s = 1; s <= 9; ++s) {
            store.pointCount[static_cast<size_t>(s)] = kSetCapacity;
            store.drawFlags[static_cast<size_t>(s)] = showSymbols | connectPoints;
            for (int i = 1; i <= kSetCapacity; ++i) {
                const double x = 10.0 * (i - 1) / (kSetCapacity - 1);
                store.x(s, i) = x;
                store.y(s, i) = 5 + 3.5 * std::sin(x * (1 + 0.3 * s)) + 0.3 * std::sin(37 * x * s);
            }
        }
    }
};

// Paints the whole window into an image, as its first expose does.
void paintFrame(QWidget& window)
{
    QImage frame(window.size(), QImage::Format_RGB32);
    QPainter painter(&frame);
    window.render(&painter);
}

void BM_StartCreateThreeWindows(benchmark::State& state)
{
    for (auto _ : state) {
        Windows windows;
        benchmark::DoNotOptimize(windows.main.get());
    }
}
BENCHMARK(BM_StartCreateThreeWindows)->Unit(benchmark::kMillisecond);

void BM_StartMainWindowFirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Windows windows;
        state.ResumeTiming();
        paintFrame(*windows.main);
    }
}
BENCHMARK(BM_StartMainWindowFirstFrame)->Unit(benchmark::kMillisecond);

void BM_StartGraphicWindowFirstPlotNineSets(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Windows windows;
        windows.fillNineSets();
        windows.main->show();
        state.ResumeTiming();
        windows.main->BnPlotstartClick();
        paintFrame(*windows.graphic);
    }
}
BENCHMARK(BM_StartGraphicWindowFirstPlotNineSets)->Unit(benchmark::kMillisecond);

} // namespace
