#pragma once

// PNG and bitmap encoding straight through libpng and a few header bytes.
// Qt's own image writers would first look through every image-format plugin
// installed on the system (loading four shared libraries into a one-shot
// export) before choosing the built-in encoder; these give the same bytes for
// the two layouts the program writes, without that detour.

#include <QByteArray>
#include <QImage>

// A PNG of an RGB32 image (8-bit RGB, alpha ignored) or an Indexed8 image
// (8-bit palette), with the image's resolution as a pHYs chunk when it has
// one, at zlib level `compression` (0..9, or -1 for the library's default).
// Any other layout, and a failure of the library, gives an empty array.
QByteArray encodePng(const QImage& image, int compression);

// A 24-bit Windows bitmap (BITMAPINFOHEADER, bottom-up rows padded to four
// bytes, the image's resolution in pixels per metre) of an opaque image.
QByteArray encodeBitmap(const QImage& image);
