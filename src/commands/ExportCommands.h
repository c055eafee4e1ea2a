#pragma once

// The plot of the store's sets and settings written as an image file, as the
// command line's --export and a script's `export` do it, without a window.

#include "commands/Workspace.h"

#include <string>

namespace commands {

// The image file type a name asks for, by the upper-cased name: ".BMP"
// anywhere a bitmap, else ".SVG" an SVG and ".PDF" a PDF file (the plot as
// vector shapes), else ".PNG" a PNG file; every other name a JPEG file.
enum class ExportKind { Bmp, Svg, Pdf, Png, Jpeg };
ExportKind exportKindOf(const std::string& path);

// What is drawn: the plot of every set with the store's switches, or the
// table of the symbols.
enum class ExportDrawing { Plot, SymbolTable };

// The plot command run on a 480 x 480 canvas and written under exactly the
// name given: as pixels, or for SVG and PDF by the same plot routines onto
// the vector canvas (480 x 480 units, 96 per inch). Needs a QGuiApplication
// (fonts). The store is left as it was (the symbol table restores what it
// changes).
Outcome exportPlot(Workspace& ws, const std::string& path, ExportDrawing drawing = ExportDrawing::Plot);

} // namespace commands
