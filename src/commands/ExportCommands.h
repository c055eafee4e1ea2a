#pragma once

// The plot of the store's sets and settings written as an image file, as the
// command line's --export and a script's `export` do it, without a window.

#include "commands/Workspace.h"

#include <string>

namespace commands {

// The image file type a name asks for: ".BMP" anywhere in the upper-cased
// name a bitmap, ".PNG" a PNG file, every other name a JPEG file.
enum class ExportKind { Bmp, Png, Jpeg };
ExportKind exportKindOf(const std::string& path);

// What is drawn: the plot of every set with the store's switches, or the
// table of the symbols.
enum class ExportDrawing { Plot, SymbolTable };

// A 480 x 480 canvas with the plot command run on it, written under exactly
// the name given. Needs a QGuiApplication (fonts). The store is left as it
// was (the symbol table restores what it changes).
Outcome exportPlot(Workspace& ws, const std::string& path, ExportDrawing drawing = ExportDrawing::Plot);

} // namespace commands
