#include "plot/PlotPainter.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "ops/Regression.h"
#include "plot/Canvas.h"
#include "plot/FloatMath.h"
#include "plot/ScopeGuard.h"
#include "plot/Symbols.h"
#include "plot/VectorCanvas.h"

#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

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

// The mapping of the current set's values to the canvas, with the ranges and
// sizes read once for a run of points. Each value goes through the very
// expression a single point does (a division, no reciprocal), so a point maps
// to the same doubles, and fails the same way, however it is drawn.
class SetMapping {
public:
    SetMapping(const DataStore& store, const GraphicState& state)
        : xFrom_(store.plot.xFrom)
        , xTo_(store.plot.xTo)
        , yFrom_(store.yFrom[slot(store.currentSet)])
        , yTo_(store.yTo[slot(store.currentSet)])
        , width_(state.canvasWidth - state.plotMargin)
        , height_(state.canvasHeight - state.plotMargin)
        , left_(state.plotMargin / 2.0)
        , bottom_(state.canvasHeight - state.plotMargin / 2.0)
    {
    }

    bool inside(double x, double y) const { return inRange(x, xFrom_, xTo_) && inRange(y, yFrom_, yTo_); }

    double exactX(double x) const { return FloatMath::divide(x - xFrom_, xTo_ - xFrom_) * width_ + left_; }
    double exactY(double y) const { return bottom_ - FloatMath::divide(y - yFrom_, yTo_ - yFrom_) * height_; }

    CanvasPoint point(double x, double y) const
    {
        const double u = exactX(x);
        const double v = exactY(y);
        const int px = FloatMath::truncToInt(u);
        const int py = FloatMath::truncToInt(v);
        return {px, py + 1, float(u - px), float(v - py)};
    }

private:
    static bool inRange(double v, double from, double to)
    {
        return to > from ? (from <= v && v <= to) : (to <= v && v <= from);
    }

    const double xFrom_, xTo_, yFrom_, yTo_;
    // Pixel counts, held as the doubles they become in the products.
    const double width_, height_;
    const double left_, bottom_;
};

// Paints a stamp with its centre at (cx, cy), clipped to the image.
void paintStamp(QRgb* bits, qsizetype stride, int width, int height, const SymbolStamp& stamp, int cx, int cy)
{
    for (const SymbolStamp::Run& run : stamp.runs) {
        const int64_t y = cy + int64_t(run.dy);
        const int64_t x0 = cx + int64_t(run.dx);
        const int64_t from = std::max<int64_t>(x0, 0);
        const int64_t to = std::min<int64_t>(x0 + run.count, width);
        if (y < 0 || y >= height || from >= to)
            continue;
        const QRgb* colours = stamp.colours.data() + run.first;
        std::copy(colours + (from - x0), colours + (to - x0), bits + y * stride + from);
    }
}

// Copies n pixels. A symbol's rows are a few pixels long: as one or two
// fixed-size moves they cost far less than a loop or a call.
inline void copyPixels(QRgb* to, const QRgb* from, int n)
{
    switch (n) {
    case 1: to[0] = from[0]; return;
    case 2: std::memcpy(to, from, 2 * sizeof(QRgb)); return;
    case 3: std::memcpy(to, from, 2 * sizeof(QRgb)); to[2] = from[2]; return;
    case 4: std::memcpy(to, from, 4 * sizeof(QRgb)); return;
    case 5: std::memcpy(to, from, 4 * sizeof(QRgb)); to[4] = from[4]; return;
    case 6: std::memcpy(to, from, 4 * sizeof(QRgb)); std::memcpy(to + 4, from + 4, 2 * sizeof(QRgb)); return;
    case 7: std::memcpy(to, from, 4 * sizeof(QRgb)); std::memcpy(to + 3, from + 3, 4 * sizeof(QRgb)); return;
    case 8: std::memcpy(to, from, 8 * sizeof(QRgb)); return;
    case 9: std::memcpy(to, from, 8 * sizeof(QRgb)); to[8] = from[8]; return;
    default: std::copy_n(from, n, to);
    }
}

} // namespace

std::optional<QRgb> setPenColour(uint8_t code)
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

QString axisNumber(double from, double to, int i)
{
    const int decimals = displayDecimals((to - from) * 100.1);
    const double v = (to - from) * i / 5 + from;
    return QString::fromStdString(formatValue(v, 1, decimals));
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::setCanvasSize(uint16_t width, uint16_t height)
{
    state_.canvasWidth = width;
    state_.canvasHeight = height;
    if (context_.newCanvas)
        context_.newCanvas(width, height);
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::resetPen()
{
    state_.selectMode = false;
    s_.pen.width = toInteger(state_.lineWidthText.toStdString());
    s_.pen.style = PenStyle::Solid;
    s_.pen.mode = RasterMode::Copy;
    s_.pen.colour = state_.drawingColor;
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::PenFarbe()
{
    if (const auto colour = setPenColour(store_.setColour[slot(store_.currentSet)]))
        s_.pen.colour = *colour;
}

template <DrawingSurface Surface>
double PlotPainter<Surface>::exactX(double x) const
{
    return SetMapping(store_, state_).exactX(x);
}

template <DrawingSurface Surface>
double PlotPainter<Surface>::exactY(double y) const
{
    return SetMapping(store_, state_).exactY(y);
}

template <DrawingSurface Surface>
int PlotPainter<Surface>::mapX(double x) const
{
    return FloatMath::truncToInt(exactX(x));
}

template <DrawingSurface Surface>
int PlotPainter<Surface>::mapY(double y) const
{
    return FloatMath::truncToInt(exactY(y)) + 1;
}

template <DrawingSurface Surface>
CanvasPoint PlotPainter<Surface>::mapPoint(double x, double y) const
{
    return SetMapping(store_, state_).point(x, y);
}

template <DrawingSurface Surface>
bool PlotPainter<Surface>::insideRanges(double x, double y) const
{
    return SetMapping(store_, state_).inside(x, y);
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotSegment(double x1, double y1, double x2, double y2)
{
    const int width = s_.pen.width;
    ScopeGuard restore([this, width] { s_.pen.width = width; });
    s_.pen.width = 1;
    const SetMapping map(store_, state_);
    if (!map.inside(x1, y1) || !map.inside(x2, y2))
        return;
    const CanvasPoint from = map.point(x1, y1);
    const CanvasPoint to = map.point(x2, y2);
    s_.moveTo(from);
    s_.lineTo(to);
}

// Around one symbol: the raster keeps its pixel pointer, the vector surface
// records the symbol as one shape, which it already knows when the same
// symbol was drawn before in the same pen.
template <DrawingSurface Surface>
struct SymbolHold;
template <>
struct SymbolHold<Canvas> : Canvas::RasterHold {
    SymbolHold(Canvas& canvas, CanvasPoint, int) : Canvas::RasterHold(canvas) {}
    bool mustDraw() const { return true; }
};
template <>
struct SymbolHold<VectorCanvas> {
    SymbolHold(VectorCanvas& canvas, CanvasPoint centre, int number)
        : canvas_(canvas), mustDraw_(canvas.beginShape(centre, uint32_t(number) + 1))
    {
    }
    ~SymbolHold() { canvas_.endShape(); }
    SymbolHold(const SymbolHold&) = delete;
    SymbolHold& operator=(const SymbolHold&) = delete;
    bool mustDraw() const { return mustDraw_; }
    VectorCanvas& canvas_;
    bool mustDraw_;
};

template <DrawingSurface Surface>
bool PlotPainter<Surface>::stampsSymbols() const
{
    return std::is_same_v<Surface, Canvas> && s_.pen.mode == RasterMode::Copy && s_.pen.style == PenStyle::Solid;
}

template <DrawingSurface Surface>
const SymbolStamp& PlotPainter<Surface>::symbolStamp(int number, QRgb colour)
{
    for (const SymbolStamp& stamp : context_.stamps)
        if (stamp.number == number && stamp.colour == colour && stamp.brush == s_.brushColour)
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
        scratch.brushColour = s_.brushColour;
        scratch.pen = s_.pen;
        scratch.pen.width = 1;
        scratch.moveTo(untouched.x(), untouched.y());
        drawSymbolShape(scratch, CanvasPoint{kCentre, kCentre}, number, colour);
        renders[i] = scratch.image();
        penAfter = scratch.penPos();
    }
    SymbolStamp stamp{number, colour, s_.brushColour, {}, {}, {}, {}};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (renders[0].pixel(x, y) != renders[1].pixel(x, y))
                continue;
            const int dx = x - kCentre;
            const int dy = y - kCentre;
            SymbolStamp::Run* last = stamp.runs.empty() ? nullptr : &stamp.runs.back();
            if (last && last->dy == dy && last->dx + last->count == dx)
                ++last->count;
            else
                stamp.runs.push_back({dy, dx, 1, int(stamp.colours.size())});
            stamp.colours.push_back(renders[0].pixel(x, y));
            stamp.box |= QRect(dx, dy, 1, 1);
        }
    }
    if (penAfter != untouched)
        stamp.penAfter = penAfter - QPoint(kCentre, kCentre);
    context_.stamps.push_back(std::move(stamp));
    return context_.stamps.back();
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::drawSymbol(CanvasPoint centre, int number)
{
    // A code without a colour keeps the colour found on entry; handing that
    // back after the symbol keeps an open symbol's white from spreading to
    // the rest of the set.
    PenFarbe();
    const QRgb setColour = s_.pen.colour;
    if constexpr (std::is_same_v<Surface, Canvas>) {
        if (stampsSymbols()) {
            const SymbolStamp& stamp = symbolStamp(number, setColour);
            QImage& image = s_.image();
            auto* bits = reinterpret_cast<QRgb*>(image.bits());
            const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
            paintStamp(bits, stride, image.width(), image.height(), stamp, centre.x, centre.y);
            if (stamp.penAfter)
                s_.moveTo(centre.x + stamp.penAfter->x(), centre.y + stamp.penAfter->y());
            return;
        }
    }
    const int width = s_.pen.width;
    s_.pen.width = 1;
    {
        const SymbolHold<Surface> hold(s_, centre, number);
        if (hold.mustDraw())
            drawSymbolShape(s_, centre, number, setColour);
    }
    s_.pen.colour = setColour;
    s_.pen.width = width;
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotSymbolAt(int number, double x, double y)
{
    const SetMapping map(store_, state_);
    if (map.inside(x, y))
        drawSymbol(map.point(x, y), number);
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotSymbols()
{
    const int s = store_.currentSet;
    const int number = store_.symbolNumber[slot(s)];
    const int n = store_.pointCount[slot(s)];
    const double* xs = store_.xs(s);
    const double* ys = store_.ys(s);
    const SetMapping map(store_, state_);
    if constexpr (std::is_same_v<Surface, Canvas>) {
        if (stampsSymbols()) {
            // Stamping leaves the pen's colour and the image's pixel buffer
            // alone, so the set's colour, its stamp and the buffer hold for
            // all the points. A symbol on the pixel of the one just drawn
            // paints the same pixels again, which changes nothing; a full set
            // has dozens of points per pixel column.
            PenFarbe();
            const SymbolStamp& stamp = symbolStamp(number, s_.pen.colour);
            QImage& image = s_.image();
            auto* bits = reinterpret_cast<QRgb*>(image.bits());
            const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
            const int width = image.width();
            const int height = image.height();
            // Where the stamp's rows start from its centre in this image, and
            // the centres for which the whole stamp lies inside it.
            std::vector<qsizetype> rowStarts;
            for (const SymbolStamp::Run& run : stamp.runs)
                rowStarts.push_back(run.dy * stride + run.dx);
            const QRect whole(QPoint(-stamp.box.left(), -stamp.box.top()),
                              QPoint(width - 1 - stamp.box.right(), height - 1 - stamp.box.bottom()));
            const QRgb* colours = stamp.colours.data();
            int lastX = 0, lastY = 0;
            bool drawn = false;
            for (int i = 0; i < n; ++i) {
                if (!map.inside(xs[i], ys[i]))
                    continue;
                const CanvasPoint at = map.point(xs[i], ys[i]);
                if (drawn && at.x == lastX && at.y == lastY)
                    continue;
                if (at.x >= whole.left() && at.x <= whole.right() && at.y >= whole.top() && at.y <= whole.bottom()) {
                    QRgb* centre = bits + at.y * stride + at.x;
                    for (size_t r = 0; r < rowStarts.size(); ++r) {
                        const SymbolStamp::Run& run = stamp.runs[r];
                        copyPixels(centre + rowStarts[r], colours + run.first, run.count);
                    }
                } else {
                    paintStamp(bits, stride, width, height, stamp, at.x, at.y);
                }
                if (stamp.penAfter)
                    s_.moveTo(at.x + stamp.penAfter->x(), at.y + stamp.penAfter->y());
                lastX = at.x;
                lastY = at.y;
                drawn = true;
            }
            return;
        }
    }
    // The vector surface keeps each exact point.
    for (int i = 0; i < n; ++i)
        if (map.inside(xs[i], ys[i]))
            drawSymbol(map.point(xs[i], ys[i]), number);
}

// Holds the raster's pixel pointer over a run of calls; vector surfaces have
// nothing to hold.
template <DrawingSurface Surface>
struct SurfaceHold {
    explicit SurfaceHold(Surface&) {}
};
template <>
struct SurfaceHold<Canvas> : Canvas::RasterHold {
    explicit SurfaceHold(Canvas& canvas) : Canvas::RasterHold(canvas) {}
};

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotConnections()
{
    const int width = s_.pen.width;
    ScopeGuard restore([this, width] { s_.pen.width = width; });
    s_.pen.width = 1;

    const int s = store_.currentSet;
    const int n = store_.pointCount[slot(s)];
    if (n < 1)
        return;
    const SurfaceHold<Surface> hold(s_);
    const double* xs = store_.xs(s);
    const double* ys = store_.ys(s);
    auto X = [xs](int i) { return xs[i - 1]; };
    auto Y = [ys](int i) { return ys[i - 1]; };
    const double span = std::fabs(store_.plot.xFrom - store_.plot.xTo);
    const SetMapping map(store_, state_);

    // An end of the lines, tested against the ranges once and mapped when a
    // line first needs it: the end it shares with the next line is not
    // mapped again. Mapping is a pure function of the point, so the lines,
    // where the pen stops and the first point that fails to map are those of
    // drawing line by line.
    struct End {
        double x;
        double y;
        bool inside;
        std::optional<CanvasPoint> at;
    };
    auto end = [&map](double x, double y) { return End{x, y, map.inside(x, y), std::nullopt}; };
    auto line = [this, &map](End& a, End& b) {
        if (!a.inside || !b.inside)
            return;
        if (!a.at)
            a.at = map.point(a.x, a.y);
        if (!b.at)
            b.at = map.point(b.x, b.y);
        s_.moveTo(*a.at);
        s_.lineTo(*b.at);
    };

    // Collects the run that starts at point i into (x, y), leaving i on its
    // last point, and draws the vertical line through the run's Y values,
    // from its last point up to its first.
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
        if (k > 1) {
            End upper = end(x, Y(i));
            for (int j = i; j >= i - k + 2; --j) {
                End lower = end(x, Y(j - 1));
                line(upper, lower);
                upper = lower;
            }
        }
    };

    int i = 1;
    double x, y;
    collect(i, 0.002 * span, x, y);
    End previous = end(x, y);
    ++i;
    while (i <= n) {
        collect(i, 0.001 * span, x, y);
        End current = end(x, y);
        line(previous, current);
        previous = current;
        ++i;
    }
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotCurve()
{
    const int width = s_.pen.width;
    ScopeGuard restore([this, width] { s_.pen.width = width; });
    s_.pen.width = 1;

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

    std::vector<double>& nodeX = context_.nodeX;
    std::vector<double>& nodeY = context_.nodeY;
    if (nodeX.empty()) {
        nodeX.resize(static_cast<size_t>(curveNodeCount(kSetCapacity)));
        nodeY.resize(nodeX.size());
    }
    const int nodes = buildCurveNodes(store_.xs(0), store_.ys(0), merged, nodeX.data(), nodeY.data());
    const SurfaceHold<Surface> hold(s_);
    forEachCurveSegment(nodeX.data(), nodeY.data(), nodes,
                        [this](double x1, double y1, double x2, double y2) { plotSegment(x1, y1, x2, y2); });
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::plotRegressionLine()
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

    ScopeGuard solid([this] { s_.pen.style = PenStyle::Solid; });
    s_.pen.style = PenStyle::Dotted;
    plotSegment(x1, y1, x2, y2);
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::malrahmen()
{
    resetPen();
    const int w = state_.canvasWidth;
    const int h = state_.canvasHeight;
    const int m = halfMargin();
    Surface& c = s_;

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

template <DrawingSurface Surface>
QString PlotPainter<Surface>::dateTimeText() const
{
    const QDateTime now = context_.clock ? context_.clock() : QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(now.date(), format) + QLatin1String("  ") + now.time().toString(QStringLiteral("hh:mm:ss"));
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::useAxisFont()
{
    s_.font.name = QStringLiteral("arial");
    s_.font.pixelSize = kAxisFontPixels;
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::malXAchse()
{
    Surface& c = s_;
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

template <DrawingSurface Surface>
void PlotPainter<Surface>::malYAchse()
{
    Surface& c = s_;
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
        drawSymbol({x, 116}, store_.symbolNumber[slot(s)]);
        drawSymbol({x, 132}, store_.symbolNumber[slot(s)]);
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

template <DrawingSurface Surface>
bool PlotPainter<Surface>::plotDraws() const
{
    bool anyPoints = false;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        anyPoints = anyPoints || store_.pointCount[slot(s)] > 0;
    return anyPoints || state_.toolState == ToolState::SymbolTable;
}

template <DrawingSurface Surface>
bool PlotPainter<Surface>::plotCommand()
{
    resetPen();
    s_.pen.colour = kBlack;
    if (state_.toolState == ToolState::SymbolTable) {
        symbolTable();
        return true;
    }

    const bool anyPoints = plotDraws();
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
            if (store_.hasFlag(s, showSymbols))
                plotSymbols();
        }
    }
    s_.pen.colour = kBlack;
    s_.font.colour = kBlack;
    return anyPoints;
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::symbolTable()
{
    clear();
    Surface& c = s_;
    c.textOut(150, 20, QStringLiteral("Symbol numbers"));
    const int h = state_.canvasHeight;
    const int m = halfMargin();
    for (int n = 0; n < kSymbolCount; ++n) {
        plotSymbolAt(n, store_.plot.xFrom + 40, h - n * static_cast<double>(h) / 20);
        c.textOut(m + 160, n * plotHeight() / 20 + m - 8, QString::number(n));
    }
}

template <DrawingSurface Surface>
void PlotPainter<Surface>::clear()
{
    s_.brushColour = kWhite;
    s_.fillRect(0, 0, state_.canvasWidth, state_.canvasHeight);
}

template class PlotPainter<Canvas>;
template class PlotPainter<VectorCanvas>;
