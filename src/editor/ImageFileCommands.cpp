#include "editor/ImageFileCommands.h"

#include "data/DataFilePath.h"
#include "editor/ImageFile.h"

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

void saveImageFile(const PlotCanvas& plot, const GraphicState& state, const std::string& path)
{
    writeImageFile(plot.canvas().image(), path, imageFormatOf(state.imageFileName));
}
