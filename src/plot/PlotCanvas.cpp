#include "plot/PlotCanvas.h"

#include "plot/ScopeGuard.h"

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

void PlotCanvas::plotCommand()
{
    painter().plotCommand();
}

void PlotCanvas::symbolTable()
{
    painter().symbolTable();
}

void PlotCanvas::clear()
{
    painter().clear();
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
