#include "commands/ExportCommands.h"

#include "data/DataFilePath.h"
#include "editor/ImageFile.h"
#include "editor/VectorFile.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"
#include "plot/PlotPainter.h"
#include "plot/VectorCanvas.h"

#include <QPainter>

namespace commands {

ExportKind exportKindOf(const std::string& path)
{
    switch (imageFormatOf(path)) {
    case ImageFormat::Bmp:
        return ExportKind::Bmp;
    case ImageFormat::Svg:
        return ExportKind::Svg;
    case ImageFormat::Pdf:
        return ExportKind::Pdf;
    default:
        return upperAscii(path).find(".PNG") != std::string::npos ? ExportKind::Png : ExportKind::Jpeg;
    }
}

namespace {

constexpr uint16_t kPlotSize = 480;

// Runs the plot command, or the symbol table, with a fresh window state.
template <class Plot>
void draw(Workspace& ws, GraphicState& state, ExportDrawing drawing, Plot&& plotCommand)
{
    state.plotMargin = 130;
    if (drawing == ExportDrawing::SymbolTable)
        showSymbolTable(ws.store, state, plotCommand);
    else
        plotCommand();
}

void exportVector(Workspace& ws, const std::string& path, VectorFormat format, ExportDrawing drawing)
{
    GraphicState state;
    VectorCanvas vector(kPlotSize, kPlotSize);
    PlotContext context;
    context.newCanvas = [&vector](uint16_t width, uint16_t height) { vector = VectorCanvas(width, height); };
    PlotPainter<VectorCanvas> painter(ws.store, state, vector, context);
    draw(ws, state, drawing, [&painter] { painter.plotCommand(); });
    writeVectorFile(path, format, QSize(vector.width(), vector.height()),
                    [&vector](QPainter& p) { vector.paint(p); });
}

void exportPixels(Workspace& ws, const std::string& path, ImageFormat format, ExportDrawing drawing)
{
    GraphicState state;
    PlotCanvas plot(ws.store, state);
    plot.setCanvasSize(kPlotSize, kPlotSize);
    draw(ws, state, drawing, [&plot] { plot.plotCommand(); });
    writeImageFile(plot.canvas().image(), path, format);
}

} // namespace

Outcome exportPlot(Workspace& ws, const std::string& path, ExportDrawing drawing)
{
    return run(ws, CommandId::Export, {path}, [&] {
        switch (exportKindOf(path)) {
        case ExportKind::Svg:
            exportVector(ws, path, VectorFormat::Svg, drawing);
            break;
        case ExportKind::Pdf:
            exportVector(ws, path, VectorFormat::Pdf, drawing);
            break;
        case ExportKind::Bmp:
            exportPixels(ws, path, ImageFormat::Bmp, drawing);
            break;
        case ExportKind::Png:
            exportPixels(ws, path, ImageFormat::Png, drawing);
            break;
        case ExportKind::Jpeg:
            exportPixels(ws, path, ImageFormat::Jpeg, drawing);
            break;
        }
        return Outcome::done();
    });
}

} // namespace commands
