#pragma once

// The one drawing interface the plot routines are written against. Two
// surfaces implement it: the raster Canvas, which decides every pixel, and
// the VectorCanvas, which records the same calls as shapes for SVG and PDF
// files. The plot code is a template over the surface, so the raster calls
// stay direct (no virtual call per line or box) and both surfaces always get
// exactly the same sequence of calls.
//
// A surface offers: the state members `pen`, `brushColour` and `font`;
// moveTo/lineTo and rectangle on pixels and on CanvasPoints; fillRect and
// textOut on pixels; width() and height().

#include "plot/Canvas.h"
#include "plot/CanvasPoint.h"

#include <QString>

#include <concepts>

template <class S>
concept DrawingSurface = requires(S s, const S cs, CanvasPoint p, int i, const QString& text) {
    { s.pen } -> std::convertible_to<Pen&>;
    { s.brushColour } -> std::convertible_to<QRgb&>;
    { s.font } -> std::convertible_to<CanvasFont&>;
    s.moveTo(i, i);
    s.lineTo(i, i);
    s.moveTo(p);
    s.lineTo(p);
    s.rectangle(p, p);
    s.fillRect(i, i, i, i);
    s.textOut(i, i, text);
    { cs.width() } -> std::convertible_to<int>;
    { cs.height() } -> std::convertible_to<int>;
};
