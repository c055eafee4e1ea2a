#pragma once

// Printing the canvas pixel by pixel.

#include <QImage>
#include <QPoint>

class QPainter;

// Where the printed image starts, in printer device pixels from the top-left
// corner of the printable area, and how many device pixels a side each image
// pixel covers.
constexpr QPoint kPrintOrigin{600, 400};
constexpr int kPrintPixelSize = 3;

// Image pixel (x, y) becomes the block of device pixels (600 + 3x + i,
// 400 + 3y + j), i, j = 0..2, in its own colour; white pixels are sent too. The
// image is neither scaled to the printer's resolution nor fitted to the page:
// what lies beyond the printable area is lost. `painter` must be active on the
// device with no transformation, so that its coordinates are device pixels
// (a QPrinter's painter starts so). The image goes in bands of whole rows, each
// enlarged exactly by pixel replication, so the output is pixel-exact however
// the device would scale.
void printImagePixels(const QImage& image, QPainter& painter);
