#include "plot/PlotCanvas.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "ops/Regression.h"
#include "plot/FloatMath.h"
#include "plot/ScopeGuard.h"
#include "plot/Symbols.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr uint16_t kPlotSize = 480;
// "arial" at 8 points on a 96 dpi canvas.
constexpr int kAxisFontPixels = 11;

QString fromStore(const std::string& bytes)
{
    return QString::fromUtf8(utf8FromCp1252(bytes));
}

size_t slot(int s)
{
    return static_cast<size_t>(s);
}

} // namespace

PlotCanvas::PlotCanvas(DataStore& store, GraphicState& state)
    : store_(store), state_(state), canvas_(state.canvasWidth, state.canvasHeight)
{
}

void PlotCanvas::setCanvasSize(uint16_t width, uint16_t height, WindowFit fit)
{
    state_.canvasWidth = width;
    state_.canvasHeight = height;
    canvas_ = Canvas(width, height);
    if (onCanvasReplaced)
        onCanvasReplaced(fit);
}

void PlotCanvas::resetPen()
{
    state_.selectMode = false;
    canvas_.pen.width = toInteger(state_.lineWidthText.toStdString());
    canvas_.pen.style = PenStyle::Solid;
    canvas_.pen.mode = RasterMode::Copy;
    canvas_.pen.colour = state_.drawingColor;
}

std::optional<QRgb> PlotCanvas::setPenColour(uint8_t code)
{
    switch (code) {
    case 0: return qRgb(0, 0, 0);
    case 1: return qRgb(255, 0, 0);
    case 2: return qRgb(0, 0, 255);
    case 3: return qRgb(0, 128, 0);
    case 4: return qRgb(255, 0, 255);
    case 5: return qRgb(0, 255, 0);
    default: return std::nullopt;
    }
}

void PlotCanvas::PenFarbe()
{
    if (const auto colour = setPenColour(store_.setColour[slot(store_.currentSet)]))
        canvas_.pen.colour = *colour;
}

int PlotCanvas::mapX(double x) const
{
    const double from = store_.plot.xFrom;
    const double t = FloatMath::divide(x - from, store_.plot.xTo - from);
    return FloatMath::truncToInt(t * plotWidth() + state_.plotMargin / 2.0);
}

int PlotCanvas::mapY(double y) const
{
    const size_t s = slot(store_.currentSet);
    const double from = store_.yFrom[s];
    const double t = FloatMath::divide(y - from, store_.yTo[s] - from);
    return FloatMath::truncToInt(state_.canvasHeight - state_.plotMargin / 2.0 - t * plotHeight()) + 1;
}

bool PlotCanvas::inRange(double v, double from, double to)
{
    return to > from ? (from <= v && v <= to) : (to <= v && v <= from);
}

bool PlotCanvas::insideRanges(double x, double y) const
{
    const size_t s = slot(store_.currentSet);
    return inRange(x, store_.plot.xFrom, store_.plot.xTo) && inRange(y, store_.yFrom[s], store_.yTo[s]);
}

void PlotCanvas::plotSegment(double x1, double y1, double x2, double y2)
{
    const int width = canvas_.pen.width;
    ScopeGuard restore([this, width] { canvas_.pen.width = width; });
    canvas_.pen.width = 1;
    if (!insideRanges(x1, y1) || !insideRanges(x2, y2))
        return;
    const int px1 = mapX(x1);
    const int py1 = mapY(y1);
    const int px2 = mapX(x2);
    const int py2 = mapY(y2);
    canvas_.moveTo(px1, py1);
    canvas_.lineTo(px2, py2);
}

const PlotCanvas::SymbolStamp& PlotCanvas::symbolStamp(int number, QRgb colour)
{
    for (const SymbolStamp& stamp : stamps_)
        if (stamp.number == number && stamp.colour == colour && stamp.brush == canvas_.brushColour)
            return stamp;
    // Drawn on two backgrounds: a pixel the symbol paints has its colour on
    // both, one it leaves alone shows two different backgrounds.
    constexpr int kSize = 32;
    constexpr int kCentre = kSize / 2;
    const QPoint untouched(-1000, -1000);
    const QRgb backgrounds[] = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
    QImage renders[2];
    QPoint penAfter = untouched;
    for (int i = 0; i < 2; ++i) {
        Canvas scratch(kSize, kSize);
        scratch.brushColour = backgrounds[i];
        scratch.fillRect(0, 0, kSize, kSize);
        scratch.brushColour = canvas_.brushColour;
        scratch.pen = canvas_.pen;
        scratch.pen.width = 1;
        scratch.moveTo(untouched.x(), untouched.y());
        drawSymbolShape(scratch, kCentre, kCentre, number, colour);
        renders[i] = scratch.image();
        penAfter = scratch.penPos();
    }
    SymbolStamp stamp{number, colour, canvas_.brushColour, {}, {}};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            if (renders[0].pixel(x, y) == renders[1].pixel(x, y))
                stamp.pixels.emplace_back(QPoint(x - kCentre, y - kCentre), renders[0].pixel(x, y));
    if (penAfter != untouched)
        stamp.penAfter = penAfter - QPoint(kCentre, kCentre);
    stamps_.push_back(std::move(stamp));
    return stamps_.back();
}

void PlotCanvas::drawSymbol(int x, int y, int number)
{
    // A code without a colour keeps the colour found on entry; handing that
    // back after the symbol keeps an open symbol's white from spreading to
    // the rest of the set.
    PenFarbe();
    const QRgb setColour = canvas_.pen.colour;
    if (canvas_.pen.mode == RasterMode::Copy && canvas_.pen.style == PenStyle::Solid) {
        const SymbolStamp& stamp = symbolStamp(number, setColour);
        QImage& image = canvas_.image();
        const int w = image.width();
        const int h = image.height();
        auto* bits = reinterpret_cast<QRgb*>(image.bits());
        const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        for (const auto& [offset, colour] : stamp.pixels) {
            const int px = x + offset.x();
            const int py = y + offset.y();
            if (px >= 0 && py >= 0 && px < w && py < h)
                bits[py * stride + px] = colour;
        }
        if (stamp.penAfter)
            canvas_.moveTo(x + stamp.penAfter->x(), y + stamp.penAfter->y());
        return;
    }
    const int width = canvas_.pen.width;
    canvas_.pen.width = 1;
    const Canvas::RasterHold hold(canvas_);
    drawSymbolShape(canvas_, x, y, number, setColour);
    canvas_.pen.colour = setColour;
    canvas_.pen.width = width;
}

void PlotCanvas::plotSymbolAt(int number, double x, double y)
{
    if (insideRanges(x, y))
        drawSymbol(mapX(x), mapY(y), number);
}

void PlotCanvas::plotConnections()
{
    const int width = canvas_.pen.width;
    ScopeGuard restore([this, width] { canvas_.pen.width = width; });
    canvas_.pen.width = 1;

    const int s = store_.currentSet;
    const int n = store_.pointCount[slot(s)];
    if (n < 1)
        return;
    const Canvas::RasterHold hold(canvas_);
    const double* xs = store_.xs(s);
    const double* ys = store_.ys(s);
    auto X = [xs](int i) { return xs[i - 1]; };
    auto Y = [ys](int i) { return ys[i - 1]; };
    const double span = std::fabs(store_.plot.xFrom - store_.plot.xTo);

    // Collects the run that starts at point i into (x, y), leaving i on its
    // last point, and draws the vertical line through the run's Y values.
    auto collect = [&](int& i, double tolerance, double& x, double& y) {
        x = X(i);
        y = Y(i);
        int k = 1;
        while (i < n && std::fabs(x - X(i + 1)) < tolerance) {
            ++i;
            ++k;
            y += Y(i);
        }
        y /= k;
        if (k > 1)
            for (int j = i; j >= i - k + 2; --j)
                plotSegment(x, Y(j), x, Y(j - 1));
    };

    int i = 1;
    double px, py;
    collect(i, 0.002 * span, px, py);
    ++i;
    while (i <= n) {
        double cx, cy;
        collect(i, 0.001 * span, cx, cy);
        plotSegment(px, py, cx, cy);
        px = cx;
        py = cy;
        ++i;
    }
}

void PlotCanvas::plotCurve()
{
    const int width = canvas_.pen.width;
    ScopeGuard restore([this, width] { canvas_.pen.width = width; });
    canvas_.pen.width = 1;

    const int s = store_.currentSet;
    const int n = store_.pointCount[slot(s)];
    if (n < 4)
        return;
    store_.copySet(s, 0, MarkUnsaved::No);
    const double tolerance = std::fabs((store_.plot.xTo - store_.plot.xFrom) / 200);
    const int merged = mergeCurvePoints(store_.xs(0), store_.ys(0), n, tolerance);
    store_.pointCount[0] = merged;
    if (merged <= 3)
        return;

    if (nodeX_.empty()) {
        nodeX_.resize(static_cast<size_t>(curveNodeCount(kSetCapacity)));
        nodeY_.resize(nodeX_.size());
    }
    const int nodes = buildCurveNodes(store_.xs(0), store_.ys(0), merged, nodeX_.data(), nodeY_.data());
    const Canvas::RasterHold hold(canvas_);
    forEachCurveSegment(nodeX_.data(), nodeY_.data(), nodes,
                        [this](double x1, double y1, double x2, double y2) { plotSegment(x1, y1, x2, y2); });
}

void PlotCanvas::plotRegressionLine()
{
    const int s = store_.currentSet;
    const int n = store_.pointCount[slot(s)];
    if (n < 1)
        return;
    const double* xs = store_.xs(s);
    const double* ys = store_.ys(s);
    const double xFrom = store_.plot.xFrom;
    const double xTo = store_.plot.xTo;
    const double yFrom = store_.yFrom[slot(s)];
    const double yTo = store_.yTo[slot(s)];

    // The extremes sortSet recorded; positions it has not set yet are found
    // by looking.
    int minIndex = store_.minYIndex[slot(s)];
    int maxIndex = store_.maxYIndex[slot(s)];
    if (minIndex < 1 || minIndex > n || maxIndex < 1 || maxIndex > n) {
        minIndex = static_cast<int>(std::min_element(ys, ys + n) - ys) + 1;
        maxIndex = static_cast<int>(std::max_element(ys, ys + n) - ys) + 1;
    }
    if (xs[0] < std::min(xFrom, xTo) || xs[n - 1] > std::max(xFrom, xTo)
        || ys[maxIndex - 1] > std::max(yFrom, yTo) || ys[minIndex - 1] < std::min(yFrom, yTo))
        return;

    const auto fit = fitLine(store_, s);
    if (!fit)
        return;
    const double a = fit->a;
    const double b = fit->b;
    store_.regression = RegressionResult{a, b, 0};

    // Each end is moved back along the line to where it leaves the Y range,
    // with yFrom taken as the lower and yTo as the upper end.
    auto end = [&](double x, double& ex, double& ey) {
        ex = x;
        ey = a * x + b;
        if (ey < yFrom) {
            ey = yFrom;
            ex = FloatMath::divide(yFrom - b, a);
        } else if (ey > yTo) {
            ey = yTo;
            ex = FloatMath::divide(yTo - b, a);
        }
    };
    double x1, y1, x2, y2;
    end(xFrom, x1, y1);
    end(xTo, x2, y2);

    ScopeGuard solid([this] { canvas_.pen.style = PenStyle::Solid; });
    canvas_.pen.style = PenStyle::Dotted;
    plotSegment(x1, y1, x2, y2);
}

void PlotCanvas::malrahmen()
{
    resetPen();
    const int w = state_.canvasWidth;
    const int h = state_.canvasHeight;
    const int m = halfMargin();
    Canvas& c = canvas_;

    c.moveTo(m, m);
    c.lineTo(w - m, m);
    c.lineTo(w - m, h - m);
    c.lineTo(m, h - m);
    c.lineTo(m, m);

    auto tick = [&](int i) { return FloatMath::truncToInt(m + i * plotWidth() / 10.0); };
    for (int i = 0; i <= 10; ++i) {
        const int p = tick(i);
        c.moveTo(m - 6, p);
        c.lineTo(m, p);
        c.moveTo(w - m + 6, p);
        c.lineTo(w - m, p);
        c.moveTo(p, m - 6);
        c.lineTo(p, m);
        c.moveTo(p, h - m + 6);
        c.lineTo(p, h - m);
    }

    if (!store_.plot.plotWithGrid)
        return;
    c.pen.style = PenStyle::Dotted;
    for (int i = 1; i <= 9; ++i) {
        const int p = tick(i);
        c.moveTo(p, m);
        c.lineTo(p, h - m);
        c.moveTo(m, p);
        c.lineTo(w - m, p);
    }
    c.pen.style = PenStyle::Solid;
}

QString PlotCanvas::axisNumber(double from, double to, int i)
{
    const int decimals = displayDecimals((to - from) * 100.1);
    const double v = (to - from) * i / 5 + from;
    return QString::fromStdString(formatValue(v, 1, decimals));
}

QString PlotCanvas::dateTimeText() const
{
    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(now.date(), format) + QLatin1String("  ") + now.time().toString(QStringLiteral("hh:mm:ss"));
}

void PlotCanvas::useAxisFont()
{
    canvas_.font.name = QStringLiteral("arial");
    canvas_.font.pixelSize = kAxisFontPixels;
}

void PlotCanvas::malXAchse()
{
    Canvas& c = canvas_;
    useAxisFont();
    c.font.colour = kBlack;
    const PlotSettings& plot = store_.plot;

    c.textOut(64, 22, fromStore(plot.heading));
    if (plot.showDateTime)
        c.textOut(340, 6, dateTimeText());
    c.textOut(200, 444, fromStore(plot.xLabel));
    c.textOut(10, 462, fromStore(plot.comment));
    if (plot.showFileName) {
        const std::string& name = store_.currentFileName;
        const size_t slash = name.rfind('\\');
        const std::string bare = slash == std::string::npos ? name : name.substr(slash + 1);
        // The file name is the file system's, not one of the store's texts.
        c.textOut(340, 462, QStringLiteral("File: ") + QFile::decodeName(QByteArray::fromStdString(bare)));
    }
    for (int i = 0; i <= 5; ++i) {
        const QString number = axisNumber(plot.xFrom, plot.xTo, i);
        c.textOut(68 + 70 * i - 4 * static_cast<int>(number.size()), 424, number);
    }
}

void PlotCanvas::malYAchse()
{
    Canvas& c = canvas_;
    const int s = store_.currentSet;
    const int w = state_.canvasWidth;
    useAxisFont();
    PenFarbe();
    c.font.colour = c.pen.colour;

    const int offset = s == 1 ? 0 : w - halfMargin() - 12;
    for (int i = 0; i <= 5; ++i) {
        const QString number = axisNumber(store_.yFrom[slot(s)], store_.yTo[slot(s)], i);
        c.textOut(offset + 56 - 7 * static_cast<int>(number.size()), 406 - 70 * i, number);
    }

    c.font.escapement = 900;
    c.textOut(s == 1 ? 4 : w - 18, 270, fromStore(store_.yLabel[slot(s)]));

    if (store_.hasFlag(s, showSymbols)) {
        const int x = s == 1 ? 12 : w - 12;
        drawSymbol(x, 116, store_.symbolNumber[slot(s)]);
        drawSymbol(x, 132, store_.symbolNumber[slot(s)]);
    }

    // The same as switching the writing direction back by hand: the editor's
    // text tool writes horizontally after every plot with a Y axis. Only name
    // and size come from the text box; style and colour stay the canvas's.
    state_.verticalWriting = false;
    c.font.name = state_.textFont.name;
    c.font.pixelSize = state_.textFont.pixelSize;
    c.font.escapement = 0;
    state_.vertHorizCaption = QStringLiteral("&Horiz. Writ.");
}

void PlotCanvas::plotCommand()
{
    resetPen();
    canvas_.pen.colour = kBlack;
    if (state_.toolState == ToolState::SymbolTable) {
        symbolTable();
        return;
    }

    bool anyPoints = false;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        anyPoints = anyPoints || store_.pointCount[slot(s)] > 0;
    if (anyPoints) {
        setCanvasSize(kPlotSize, kPlotSize);
        const int remembered = store_.currentSet;
        ScopeGuard restore([this, remembered] { store_.currentSet = remembered; });
        malrahmen();
        for (int s = kFirstSet; s <= kLastSet; ++s) {
            store_.currentSet = s;
            if (store_.pointCount[slot(s)] <= 0)
                continue;
            if (s == 1)
                malXAchse();
            if (s == 1 || s == 2)
                malYAchse();
            PenFarbe();
            if (store_.hasFlag(s, connectPoints))
                plotConnections();
            if (store_.hasFlag(s, drawCurve))
                plotCurve();
            if (store_.hasFlag(s, drawRegressionLine))
                plotRegressionLine();
            if (store_.hasFlag(s, showSymbols)) {
                const int number = store_.symbolNumber[slot(s)];
                const double* xs = store_.xs(s);
                const double* ys = store_.ys(s);
                // A symbol on the pixel of the one just drawn paints the same
                // pixels again, which in copy mode with a solid pen changes
                // nothing; a full set has dozens of points per pixel column.
                const bool repeatsChangeNothing =
                    canvas_.pen.mode == RasterMode::Copy && canvas_.pen.style == PenStyle::Solid;
                int lastX = 0, lastY = 0;
                bool drawn = false;
                for (int i = 0, n = store_.pointCount[slot(s)]; i < n; ++i) {
                    if (!insideRanges(xs[i], ys[i]))
                        continue;
                    const int x = mapX(xs[i]);
                    const int y = mapY(ys[i]);
                    if (repeatsChangeNothing && drawn && x == lastX && y == lastY)
                        continue;
                    drawSymbol(x, y, number);
                    lastX = x;
                    lastY = y;
                    drawn = true;
                }
            }
        }
    }
    canvas_.pen.colour = kBlack;
    canvas_.font.colour = kBlack;
}

void PlotCanvas::symbolTable()
{
    clear();
    Canvas& c = canvas_;
    c.textOut(150, 20, QStringLiteral("Symbol numbers"));
    const int h = state_.canvasHeight;
    const int m = halfMargin();
    for (int n = 0; n < kSymbolCount; ++n) {
        plotSymbolAt(n, store_.plot.xFrom + 40, h - n * static_cast<double>(h) / 20);
        c.textOut(m + 160, n * plotHeight() / 20 + m - 8, QString::number(n));
    }
}

void PlotCanvas::clear()
{
    canvas_.brushColour = kWhite;
    canvas_.fillRect(0, 0, state_.canvasWidth, state_.canvasHeight);
}

void showSymbolTable(DataStore& store, GraphicState& state, const std::function<void()>& showGraphicWindow)
{
    const ToolState toolState = state.toolState;
    const int32_t currentSet = store.currentSet;
    const double xFrom = store.plot.xFrom;
    const double xTo = store.plot.xTo;
    ScopeGuard restore([&] {
        state.toolState = toolState;
        store.currentSet = currentSet;
        store.plot.xFrom = xFrom;
        store.plot.xTo = xTo;
    });
    state.toolState = ToolState::SymbolTable;
    store.yFrom[0] = 0;
    store.yTo[0] = state.canvasHeight;
    store.plot.xFrom = 0;
    store.plot.xTo = 100;
    store.currentSet = 0;
    showGraphicWindow();
}
