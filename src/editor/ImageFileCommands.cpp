#include "editor/ImageFileCommands.h"

#include "data/DataFilePath.h"
#include "editor/ImageFile.h"
#include "editor/VectorFile.h"

#include <QPainter>

void rememberImageName(GraphicState& state, const std::string& path)
{
    state.imageFileName = upperAscii(path);
}

void openImageFile(PlotCanvas& plot, GraphicState& state, const std::string& path)
{
    rememberImageName(state, path);
    const ImageFormat format = imageFormatOf(state.imageFileName);
    QImage picture = readImageFile(path, format);
    const auto width = static_cast<uint16_t>(picture.width());
    const auto height = static_cast<uint16_t>(picture.height());
    plot.forgetPlot();
    if (format == ImageFormat::Bmp) {
        state.canvasWidth = width;
        state.canvasHeight = height;
        plot.canvas() = Canvas(picture);
    } else {
        plot.setCanvasSize(width, height);
        // The decoded picture covers the whole new canvas.
        plot.canvas().image() = std::move(picture);
    }
}

SavedContent saveImageFile(const PlotCanvas& plot, const GraphicState& state, const std::string& path)
{
    const ImageFormat format = imageFormatOf(state.imageFileName);
    const QImage& picture = plot.canvas().image();
    if (!isVectorFormat(format)) {
        writeImageFile(picture, path, format);
        return SavedContent::Pixels;
    }
    const auto last = plot.lastPlot();
    if (!last || last->raster.size() != picture.size()) {
        writeImageFile(picture, path, format);
        return SavedContent::Picture;
    }
    // Exact at the canvas's size: every pixel the editor changed lies over
    // the plot as it is on the canvas.
    const QImage drawings = changedPixels(picture, last->raster);
    writeVectorFile(path, format == ImageFormat::Svg ? VectorFormat::Svg : VectorFormat::Pdf, picture.size(),
                    [&](QPainter& painter) {
                        last->vector.paint(painter);
                        if (!drawings.isNull())
                            drawPixels(painter, drawings);
                    });
    return drawings.isNull() ? SavedContent::Plot : SavedContent::PlotAndDrawings;
}
