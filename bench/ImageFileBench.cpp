#include "data/DataStore.h"
#include "editor/ImageFile.h"
#include "editor/ImagePrint.h"
#include "editor/JpegFile.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"
#include "print/DataListing.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The plot of one full set with symbols and lines: what the window saves.
QImage plotImage()
{
    DataStore store;
    GraphicState graphic;
    PlotCanvas plot(store, graphic);
    plot.clock = [] { return QDateTime(QDate(2024, 1, 1), QTime(12, 0)); };
    store.pointCount[1] = kSetCapacity;
    store.drawFlags[1] = showSymbols | connectPoints;
    for (int i = 1; i <= kSetCapacity; ++i) {
        store.x(1, i) = 10.0 * (i - 1) / (kSetCapacity - 1);
        store.y(1, i) = 5 + 4 * ((i * 37) % 100) / 100.0;
    }
    plot.plotCommand();
    return plot.canvas().image();
}

void fullSet(DataStore& store)
{
    store.pointCount[1] = kSetCapacity;
    for (int i = 1; i <= kSetCapacity; ++i) {
        store.x(1, i) = i * 0.37;
        store.y(1, i) = 1000.0 / i;
    }
}

void BM_JpegEncodePlot(benchmark::State& state)
{
    const QImage image = plotImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeJpeg(image).size());
}
BENCHMARK(BM_JpegEncodePlot)->Unit(benchmark::kMillisecond);

void BM_JpegDecodePlot(benchmark::State& state)
{
    const QByteArray jpeg = encodeJpeg(plotImage());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeJpeg(jpeg, "plot.jpg").constBits());
}
BENCHMARK(BM_JpegDecodePlot)->Unit(benchmark::kMillisecond);

void BM_BitmapWriteAndRead(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("plot.bmp")).toStdString();
    const QImage image = plotImage();
    for (auto _ : state) {
        writeImageFile(image, path, ImageFormat::Bmp);
        benchmark::DoNotOptimize(readImageFile(path, ImageFormat::Bmp).constBits());
    }
}
BENCHMARK(BM_BitmapWriteAndRead)->Unit(benchmark::kMillisecond);

// The 480 x 480 canvas as 3 x 3 blocks, onto a raster device and into a PDF.
void BM_PrintImageRaster(benchmark::State& state)
{
    const QImage image = plotImage();
    QImage device(2100, 1900, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&device);
        printImagePixels(image, painter);
    }
}
BENCHMARK(BM_PrintImageRaster)->Unit(benchmark::kMillisecond);

void BM_PrintImagePdf(benchmark::State& state)
{
    const QImage image = plotImage();
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setResolution(600);
        QPainter painter(&writer);
        printImagePixels(image, painter);
        painter.end();
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_PrintImagePdf)->Unit(benchmark::kMillisecond);

void BM_DataListingText(benchmark::State& state)
{
    DataStore store;
    fullSet(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(dataListing(store, QStringLiteral("01.01.2024"), QStringLiteral("12:00:00")).size());
}
BENCHMARK(BM_DataListingText)->Unit(benchmark::kMillisecond);

// 10000 points: 40 pages.
void BM_DataListingPdf(benchmark::State& state)
{
    DataStore store;
    fullSet(store);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QPdfWriter writer(&out);
        writer.setResolution(600);
        printDataListing(store, writer, QDateTime(QDate(2024, 1, 1), QTime(12, 0)));
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_DataListingPdf)->Unit(benchmark::kMillisecond);

} // namespace
