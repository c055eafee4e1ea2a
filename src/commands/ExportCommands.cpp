#include "commands/ExportCommands.h"

#include "data/DataFilePath.h"
#include "editor/ImageFile.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"

namespace commands {

ExportKind exportKindOf(const std::string& path)
{
    const std::string kind = upperAscii(path);
    if (imageFormatOf(kind) == ImageFormat::Bmp)
        return ExportKind::Bmp;
    return kind.find(".PNG") != std::string::npos ? ExportKind::Png : ExportKind::Jpeg;
}

Outcome exportPlot(Workspace& ws, const std::string& path, ExportDrawing drawing)
{
    return run(ws, CommandId::Export, {path}, [&] {
        GraphicState state;
        PlotCanvas plot(ws.store, state);
        state.plotMargin = 130;
        plot.setCanvasSize(480, 480);
        if (drawing == ExportDrawing::SymbolTable)
            showSymbolTable(ws.store, state, [&plot] { plot.plotCommand(); });
        else
            plot.plotCommand();
        const ExportKind kind = exportKindOf(path);
        const ImageFormat format = kind == ExportKind::Bmp ? ImageFormat::Bmp
            : kind == ExportKind::Png                      ? ImageFormat::Png
                                                           : ImageFormat::Jpeg;
        writeImageFile(plot.canvas().image(), path, format);
        return Outcome::done();
    });
}

} // namespace commands
