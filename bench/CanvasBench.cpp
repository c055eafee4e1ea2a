#include "plot/Canvas.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// 10000 short 1-pixel lines in pseudo-random directions, the load of a set of
// 10000 points joined by lines.
void BM_CanvasShortLines(benchmark::State& state)
{
    Canvas canvas(480, 480);
    canvas.pen.width = int(state.range(0));
    for (auto _ : state) {
        uint32_t seed = 12345;
        canvas.moveTo(240, 240);
        for (int i = 0; i < 10000; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const int x = 65 + int(seed >> 8) % 350;
            const int y = 65 + int(seed >> 20) % 350;
            canvas.moveTo(x, y);
            canvas.lineTo(x + int(seed % 9) - 4, y + int((seed >> 4) % 9) - 4);
        }
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_CanvasShortLines)->Arg(1)->Arg(3);

// The rubber band of a figure drag: erase and redraw in not-xor.
void BM_CanvasRubberBand(benchmark::State& state)
{
    Canvas canvas(480, 480);
    canvas.pen.mode = RasterMode::NotXor;
    canvas.pen.width = int(state.range(0));
    int step = 0;
    for (auto _ : state) {
        const int size = 100 + step++ % 200;
        canvas.ellipse(40, 40, 40 + size, 40 + size);
        canvas.ellipse(40, 40, 40 + size, 40 + size);
        canvas.rectangle(60, 60, 60 + size, 60 + size);
        canvas.rectangle(60, 60, 60 + size, 60 + size);
    }
}
BENCHMARK(BM_CanvasRubberBand)->Arg(1)->Arg(4);

// A text-heavy 480x480 canvas: axis numbers, labels and upward Y labels.
void BM_CanvasText(benchmark::State& state)
{
    Canvas canvas(480, 480);
    canvas.font.name = QStringLiteral("Arial");
    canvas.font.pixelSize = 11;
    for (auto _ : state) {
        canvas.font.escapement = 0;
        for (int i = 0; i < 40; ++i)
            canvas.textOut(10 + (i % 6) * 70, 420 + (i / 6) * 8, QStringLiteral("%1").arg(i * 0.25, 0, 'f', 2));
        canvas.font.escapement = 900;
        for (int i = 0; i < 10; ++i)
            canvas.textOut(10 + i * 12, 300, QStringLiteral("Y label %1").arg(i));
    }
    state.SetItemsProcessed(state.iterations() * 50);
}
BENCHMARK(BM_CanvasText);

} // namespace
