// SVG and PDF exports against the raster export of the same plot: both files
// are rendered back to 480 x 480 pixels by the system's own renderers and
// compared with the PNG both ways, so a vector file that loses or moves
// anything the raster draws fails.

#include "commands/ExportCommands.h"
#include "commands/GridText.h"
#include "editor/ImageFile.h"
#include "ops/OpsTestSupport.h"
#include "plot/PlotPainter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

QString outputPath(const QString& name)
{
    return QDir(QStringLiteral(KURVIX_TEST_OUTPUT)).filePath(name);
}

// Runs a renderer; the result is the rendered picture, null on failure.
QImage runRenderer(const QString& program, const QStringList& arguments, const QString& output)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is missing: scripts/install-deps installs it";
        return {};
    }
    QFile::remove(output);
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QImage(output).convertToFormat(QImage::Format_RGB32);
}

QImage renderSvg(const QString& svg)
{
    const QString png = svg + QStringLiteral(".png");
    return runRenderer(QStringLiteral("rsvg-convert"),
                       {QStringLiteral("-w"), QStringLiteral("480"), QStringLiteral("-h"), QStringLiteral("480"),
                        QStringLiteral("-b"), QStringLiteral("white"), svg, QStringLiteral("-o"), png},
                       png);
}

// Poppler's cairo renderer: its sibling pdftoppm samples embedded pictures
// one pixel off.
QImage renderPdf(const QString& pdf)
{
    const QString stem = pdf + QStringLiteral(".render");
    return runRenderer(QStringLiteral("pdftocairo"),
                       {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                        pdf, stem},
                       stem + QStringLiteral(".png"));
}

// A rendered pixel is an opaque colour blended with the white paper; the
// colour is found again by stretching the pixel's distance from white to the
// full range. Pixels closer to white than a fifth are paper.
struct Ink {
    bool present;
    int r, g, b;
};

Ink inkOf(QRgb p)
{
    const int dr = 255 - qRed(p), dg = 255 - qGreen(p), db = 255 - qBlue(p);
    const int m = std::max({dr, dg, db});
    if (m < 51)
        return {false, 0, 0, 0};
    return {true, 255 - dr * 255 / m, 255 - dg * 255 / m, 255 - db * 255 / m};
}

bool nearColour(const Ink& a, const Ink& b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) <= 96;
}

// Of `a`'s ink pixels, the share that has ink of a near colour within one
// pixel in `b`.
double matchedShare(const QImage& a, const QImage& b)
{
    int ink = 0, matched = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const Ink here = inkOf(a.pixel(x, y));
            if (!here.present)
                continue;
            ++ink;
            bool found = false;
            for (int v = std::max(y - 1, 0); v <= std::min(y + 1, b.height() - 1) && !found; ++v)
                for (int u = std::max(x - 1, 0); u <= std::min(x + 1, b.width() - 1) && !found; ++u) {
                    const Ink there = inkOf(b.pixel(u, v));
                    found = there.present && nearColour(here, there);
                }
            matched += found ? 1 : 0;
        }
    }
    return ink == 0 ? 1.0 : double(matched) / ink;
}

// Both ways at least 97 %; the shares go into the failure message.
::testing::AssertionResult agree(const QImage& raster, const QImage& vector)
{
    if (raster.size() != QSize(480, 480) || vector.size() != QSize(480, 480))
        return ::testing::AssertionFailure() << "sizes differ";
    const double there = matchedShare(raster, vector);
    const double back = matchedShare(vector, raster);
    if (there >= 0.97 && back >= 0.97)
        return ::testing::AssertionSuccess() << there << " / " << back;
    return ::testing::AssertionFailure() << "raster found in vector " << there << ", vector found in raster " << back;
}

struct Plot {
    const char* name;
    std::function<void(DataStore&)> setUp;
    commands::ExportDrawing drawing = commands::ExportDrawing::Plot;
};

void wave(DataStore& store, int s, int n, double noise, uint8_t flags, int symbol, int colour)
{
    std::mt19937 rng{static_cast<unsigned>(s)};
    std::uniform_real_distribution<double> jitter(-noise, noise);
    Values xs, ys;
    for (int i = 0; i < n; ++i) {
        const double x = 0.2 + 9.6 * i / (n - 1);
        xs.push_back(x);
        ys.push_back(5 + 3 * std::sin(x * (0.5 + 0.2 * s)) + jitter(rng));
    }
    load(store, s, xs, ys);
    store.sortSet(s);
    store.drawFlags[size_t(s)] = flags;
    store.symbolNumber[size_t(s)] = uint8_t(symbol);
    store.setColour[size_t(s)] = uint8_t(colour);
}

constexpr uint8_t kAll = showSymbols | connectPoints | drawCurve | drawRegressionLine;

const Plot kPlots[] = {
    {"symbols0to7",
     [](DataStore& st) {
         for (int s = 1; s <= 8; ++s)
             wave(st, s, 9, 0, showSymbols, s - 1, s % 6);
     }},
    {"symbols8to14",
     [](DataStore& st) {
         for (int s = 1; s <= 7; ++s)
             wave(st, s, 9, 0, showSymbols | connectPoints, s + 7, s % 6);
     }},
    {"symbolTable", [](DataStore& st) { wave(st, 1, 5, 0, kAll, 1, 0); }, commands::ExportDrawing::SymbolTable},
    {"everySwitch",
     [](DataStore& st) {
         wave(st, 1, 40, 0.3, kAll, 6, 1);
         wave(st, 2, 25, 0.2, connectPoints | drawCurve, 4, 2);
         wave(st, 3, 30, 0.4, drawCurve | drawRegressionLine, 0, 3);
         wave(st, 4, 12, 0, showSymbols | drawRegressionLine, 11, 4);
     }},
    {"bothAxesGridVertical",
     [](DataStore& st) {
         wave(st, 1, 20, 0.1, showSymbols | connectPoints, 3, 0);
         wave(st, 2, 20, 0.1, showSymbols | drawCurve, 12, 2);
         st.yFrom[2] = -20;
         st.yTo[2] = 80.5;
         st.setYLabel(1, "Spannung / mV");
         st.setYLabel(2, "Temperatur / Grad");
         st.setXLabel("Zeit / s");
         st.setHeading("Versuch 12");
         st.setComment("mit Gitter");
         st.plot.plotWithGrid = true;
     }},
    {"mirroredDense",
     [](DataStore& st) {
         st.plot.xFrom = 10;
         st.plot.xTo = 0;
         wave(st, 1, 3000, 0.8, kAll, 9, 5);
         wave(st, 5, 2000, 0.5, kAll, 2, 4);
     }},
};

DataStore storeFor(const Plot& plot)
{
    DataStore store;
    store.plot.showDateTime = false;
    store.currentFileName = "MESSUNG.KWT";
    plot.setUp(store);
    return store;
}

void exportAs(const Plot& plot, const QString& path, const std::function<void(DataStore&)>& change = {})
{
    DataStore store = storeFor(plot);
    if (change)
        change(store);
    GridText grid;
    Workspace ws(store, grid);
    const Outcome outcome = commands::exportPlot(ws, path.toStdString(), plot.drawing);
    ASSERT_EQ(outcome.kind, OutcomeKind::Done) << outcome.message;
}

TEST(VectorExport, RendersLikeTheRaster)
{
    for (const Plot& plot : kPlots) {
        const QString stem = outputPath(QStringLiteral("vector-") + QString::fromLatin1(plot.name));
        exportAs(plot, stem + QStringLiteral(".png"));
        exportAs(plot, stem + QStringLiteral(".svg"));
        exportAs(plot, stem + QStringLiteral(".pdf"));
        const QImage raster = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(agree(raster, renderSvg(stem + QStringLiteral(".svg")))) << plot.name << " SVG";
        EXPECT_TRUE(agree(raster, renderPdf(stem + QStringLiteral(".pdf")))) << plot.name << " PDF";
    }
}

TEST(VectorExport, KindByName)
{
    using commands::ExportKind;
    const std::pair<const char*, ExportKind> rows[] = {
        {"a.png", ExportKind::Png},     {"a.svg.png", ExportKind::Svg}, {"A.BMP.PDF", ExportKind::Bmp},
        {"out.Pdf", ExportKind::Pdf},   {"x.pdf.svg", ExportKind::Svg}, {"a.gif", ExportKind::Jpeg},
        {"a.png.jpg", ExportKind::Png}, {"svg", ExportKind::Jpeg},
    };
    for (const auto& [name, kind] : rows)
        EXPECT_EQ(commands::exportKindOf(name), kind) << name;
}

// The SVG file is well-formed XML whose text elements hold the axis numbers
// and labels as text.
TEST(VectorExport, SvgHoldsTheTextsAsText)
{
    const Plot& plot = kPlots[4];
    const QString path = outputPath(QStringLiteral("texts.svg"));
    exportAs(plot, path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const DataStore store = storeFor(plot);
    QStringList expected = {QStringLiteral("Versuch 12"), QStringLiteral("Zeit / s"), QStringLiteral("mit Gitter"),
                            QStringLiteral("Spannung / mV"), QStringLiteral("Temperatur / Grad"),
                            QStringLiteral("File: MESSUNG.KWT")};
    for (int i = 0; i <= 5; ++i)
        expected << axisNumber(store.plot.xFrom, store.plot.xTo, i) << axisNumber(store.yFrom[1], store.yTo[1], i)
                 << axisNumber(store.yFrom[2], store.yTo[2], i);
    for (const QString& text : expected)
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
}

// A picture with no plot behind it is held as its pixels, losslessly: what
// comes back differs at most by the renderer's colour rounding.
TEST(VectorExport, PictureAloneKeepsItsPixels)
{
    QImage picture(480, 480, QImage::Format_RGB32);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 480; ++x)
            picture.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) & 255));
    const QString stem = outputPath(QStringLiteral("picture"));
    writeImageFile(picture, (stem + QStringLiteral(".svg")).toStdString(), ImageFormat::Svg);
    writeImageFile(picture, (stem + QStringLiteral(".pdf")).toStdString(), ImageFormat::Pdf);
    for (const QImage& back : {renderSvg(stem + QStringLiteral(".svg")), renderPdf(stem + QStringLiteral(".pdf"))}) {
        ASSERT_EQ(back.size(), picture.size());
        int worst = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 480; ++x) {
                const QRgb a = back.pixel(x, y), b = picture.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        EXPECT_LE(worst, 2);
    }
}

// The same comparison fails for a vector file that lost one set, or its
// texts.
TEST(VectorExport, ComparisonCatchesABrokenExport)
{
    const Plot& plot = kPlots[3];
    const QString stem = outputPath(QStringLiteral("broken-") + QString::fromLatin1(plot.name));
    exportAs(plot, stem + QStringLiteral(".png"));
    const QImage raster = QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);

    exportAs(plot, stem + QStringLiteral("-set3.svg"), [](DataStore& store) { store.pointCount[3] = 0; });
    EXPECT_FALSE(agree(raster, renderSvg(stem + QStringLiteral("-set3.svg"))));

    exportAs(plot, stem + QStringLiteral(".svg"));
    QFile svg(stem + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(svg.readAll());
    svg.close();
    const qsizetype before = text.size();
    text.remove(QRegularExpression(QStringLiteral("<text[^>]*>[^<]*</text>")));
    ASSERT_LT(text.size(), before);
    QFile stripped(stem + QStringLiteral("-notext.svg"));
    ASSERT_TRUE(stripped.open(QIODevice::WriteOnly));
    stripped.write(text.toUtf8());
    stripped.close();
    EXPECT_FALSE(agree(raster, renderSvg(stripped.fileName())));
}

} // namespace
