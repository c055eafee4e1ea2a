#include "plot/PlotCanvas.h"

#include "plot/ScopeGuard.h"

#include <utility>

PlotCanvas::PlotCanvas(DataStore& store, GraphicState& state)
    : clock(context_.clock), store_(store), state_(state), canvas_(state.canvasWidth, state.canvasHeight)
{
    context_.newCanvas = [this](uint16_t width, uint16_t height) { setCanvasSize(width, height); };
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
    painter().resetPen();
}

void PlotCanvas::PenFarbe()
{
    painter().PenFarbe();
}

int PlotCanvas::mapX(double x) const
{
    return painter().mapX(x);
}

int PlotCanvas::mapY(double y) const
{
    return painter().mapY(y);
}

bool PlotCanvas::inRange(double v, double from, double to)
{
    return to > from ? (from <= v && v <= to) : (to <= v && v <= from);
}

bool PlotCanvas::insideRanges(double x, double y) const
{
    return painter().insideRanges(x, y);
}

void PlotCanvas::plotSegment(double x1, double y1, double x2, double y2)
{
    painter().plotSegment(x1, y1, x2, y2);
}

void PlotCanvas::drawSymbol(int x, int y, int number)
{
    painter().drawSymbol({x, y}, number);
}

void PlotCanvas::plotSymbolAt(int number, double x, double y)
{
    painter().plotSymbolAt(number, x, y);
}

void PlotCanvas::plotConnections()
{
    painter().plotConnections();
}

void PlotCanvas::plotCurve()
{
    painter().plotCurve();
}

void PlotCanvas::plotRegressionLine()
{
    painter().plotRegressionLine();
}

void PlotCanvas::malrahmen()
{
    painter().malrahmen();
}

void PlotCanvas::malXAchse()
{
    painter().malXAchse();
}

void PlotCanvas::malYAchse()
{
    painter().malYAchse();
}

struct PlotCanvas::PlotInputs {
    DataStore store;
    GraphicState state;
    Pen pen;
    QRgb brush;
    CanvasFont font;
    QDateTime time;
    QImage raster;
};

void PlotCanvas::setPlotMemory(PlotMemory memory)
{
    memory_ = memory;
    if (memory == PlotMemory::Off)
        lastPlot_.reset();
}

void PlotCanvas::forgetPlot()
{
    lastPlot_.reset();
}

void PlotCanvas::plotCommand()
{
    // A plot without points leaves the canvas, and the plot behind it, alone.
    if (memory_ == PlotMemory::Off || !painter().plotDraws()) {
        painter().plotCommand();
        return;
    }
    // The date line must read the same when the plot is drawn again.
    const QDateTime time = clock ? clock() : QDateTime::currentDateTime();
    // The last plot's copy is refilled in place when nothing else holds it:
    // a fresh copy of nine full sets costs hundreds of page faults per plot.
    if (!lastPlot_ || lastPlot_.use_count() > 1)
        lastPlot_ = std::make_shared<const PlotInputs>();
    const auto inputs = std::const_pointer_cast<PlotInputs>(std::exchange(lastPlot_, nullptr));
    inputs->store = store_;
    inputs->state = state_;
    inputs->pen = canvas_.pen;
    inputs->brush = canvas_.brushColour;
    inputs->font = canvas_.font;
    inputs->time = time;
    inputs->raster = QImage(); // held, it would make the plot copy the canvas
    std::function<QDateTime()> ownClock = std::exchange(clock, [time] { return time; });
    ScopeGuard restoreClock([&] { clock = std::move(ownClock); });
    // What a failed plot left on the canvas is no plot to draw again: the
    // copy is only kept once the plot is drawn.
    painter().plotCommand();
    inputs->raster = canvas_.image();
    lastPlot_ = inputs;
}

std::optional<PlotCanvas::LastPlot> PlotCanvas::lastPlot() const
{
    if (!lastPlot_)
        return std::nullopt;
    DataStore store = lastPlot_->store;
    GraphicState state = lastPlot_->state;
    VectorCanvas vector(state.canvasWidth, state.canvasHeight);
    vector.pen = lastPlot_->pen;
    vector.brushColour = lastPlot_->brush;
    vector.font = lastPlot_->font;
    PlotContext context;
    const QDateTime time = lastPlot_->time;
    context.clock = [time] { return time; };
    context.newCanvas = [&vector](uint16_t width, uint16_t height) { vector = VectorCanvas(width, height); };
    PlotPainter<VectorCanvas>(store, state, vector, context).plotCommand();
    return LastPlot{std::move(vector), lastPlot_->raster};
}

void PlotCanvas::symbolTable()
{
    painter().symbolTable();
}

void PlotCanvas::clear()
{
    painter().clear();
    forgetPlot();
}

QString PlotCanvas::dateTimeText() const
{
    return painter().dateTimeText();
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
