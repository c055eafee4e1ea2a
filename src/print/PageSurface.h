#pragma once

// The pages a printer stream writes on: the printable area in device pixels,
// the measures of the stream's font, text output and the page break. A printer
// or PDF writer is one (PainterSurface); tests record what would be printed.

#include <QSize>
#include <QString>

class PageSurface {
public:
    virtual ~PageSurface() = default;
    // Width and height of the printable area in device pixels.
    virtual QSize pageSize() const = 0;
    virtual int textWidth(const QString& text) const = 0;
    // The height of the font's characters (ascent plus descent).
    virtual int fontHeight() const = 0;
    // Draws text with its top-left corner at (x, y) of the printable area.
    virtual void drawText(int x, int y, const QString& text) = 0;
    // Ends the page; what follows goes onto a new one.
    virtual void newPage() = 0;
};
