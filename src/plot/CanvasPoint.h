#pragma once

// A position in canvas pixels plus where inside that pixel the exact value
// lies, as an offset from the pixel's centre (0 for positions that are
// pixels, such as the frame; between 0 and 1 for mapped data, whose pixel is
// the truncated value). The raster draws the pixel; a vector surface draws the
// exact point, so a vector file keeps the precision the pixels drop.
struct CanvasPoint {
    int x = 0;
    int y = 0;
    float dx = 0;
    float dy = 0;

    // The pixel (ox, oy) further, with the same offset: the parts of a symbol
    // keep their distances to its centre.
    CanvasPoint offset(int ox, int oy) const { return {x + ox, y + oy, dx, dy}; }
    bool samePixel(const CanvasPoint& o) const { return x == o.x && y == o.y; }
    bool operator==(const CanvasPoint&) const = default;
};
