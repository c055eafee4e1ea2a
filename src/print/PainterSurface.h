#pragma once

// A PageSurface on a paged device (a printer or a PDF writer), with one font
// in black. Opening fails with KurvixError "The printer could not start the
// print job; nothing was printed." when the device refuses to start.

#include "print/PageSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

class QPagedPaintDevice;

class PainterSurface : public PageSurface {
public:
    PainterSurface(QPagedPaintDevice& device, const QFont& font);
    // Ends the document, which sends it to the printer.
    void close();

    QSize pageSize() const override;
    int textWidth(const QString& text) const override;
    int fontHeight() const override;
    void drawText(int x, int y, const QString& text) override;
    void newPage() override;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    QFontMetrics metrics_;
};
