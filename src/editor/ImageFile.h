#pragma once

// Writing the canvas to an image file.

#include <QImage>

#include <string>

enum class ImageFormat { Bmp, Png };

// Writes `image` under exactly the name `path`: a 24-bit bitmap, or a PNG that
// stores a palette when the image has at most 256 colours (a plot has a
// handful, so this is exact, several times faster and smaller). The file is
// replaced only when the whole image was written; FileError otherwise.
void writeImageFile(const QImage& image, const std::string& path, ImageFormat format);

// Whether the image holds at most `limit` distinct colours (alpha ignored).
bool hasAtMostColours(const QImage& image, int limit);
