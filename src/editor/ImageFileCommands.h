#pragma once

// What the graphic window's File menu does with the canvas, without the
// dialogs: open an image file into the canvas and write the canvas to one.
//
// imageFileName holds the name the user chose, upper-cased (letters a to z),
// and decides the file type. The file itself is read and written under the
// name as chosen: on a case-sensitive file system the upper-cased name would be
// another file, or a folder that does not exist.

#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"

#include <string>

// imageFileName := the upper-cased path. Set before the file is read, so it
// stays set when reading fails.
void rememberImageName(GraphicState& state, const std::string& path);

// Reads `path` by the file-type rule and puts the picture on the canvas:
// - a bitmap becomes the canvas as it is (canvasWidth/Height := its size, the
//   canvas in its start state); the window keeps its size;
// - a JPEG goes onto a new blank canvas of its size made by setCanvasSize
//   (which also sets the window to its standard size), drawn at (0, 0).
// On any failure the canvas and its size are as they were.
void openImageFile(PlotCanvas& plot, GraphicState& state, const std::string& path);

// What an SVG or PDF file of the canvas holds: the plot as shapes; the plot
// as shapes with the pixels changed since (the editor's drawings) as an image
// over it; or, when no plot lies behind the picture (none yet, or it was
// cleared, opened, cut or restored), the picture as an image alone. Bitmap
// and JPEG files hold pixels anyway.
enum class SavedContent { Pixels, Plot, PlotAndDrawings, Picture };

// Writes the canvas to `path` in the format imageFileName implies; SVG and
// PDF files are drawn from the plot behind the picture as SavedContent says.
SavedContent saveImageFile(const PlotCanvas& plot, const GraphicState& state, const std::string& path);
