#pragma once

// SVG and PDF files of a picture drawn with a QPainter in canvas units: the
// page is the canvas, width x height units at 96 units per inch, so a
// 480 x 480 plot is 5 x 5 inches (127 mm) and prints sharp at any size.

#include <QImage>
#include <QSize>

#include <functional>
#include <string>

class QPainter;

enum class VectorFormat { Svg, Pdf };

// Draws the picture into a new file under exactly the name `path`. The file
// is replaced only when the whole picture was written; FileError otherwise.
void writeVectorFile(const std::string& path, VectorFormat format, QSize size,
                     const std::function<void(QPainter&)>& draw);

// Draws a picture's pixels at its own size, each pixel one unit square.
void drawPixels(QPainter& painter, const QImage& image);

// The pixels of `now` that differ from `before` (both the same size), on a
// transparent picture; a null image when none differs.
QImage changedPixels(const QImage& now, const QImage& before);
