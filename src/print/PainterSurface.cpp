#include "print/PainterSurface.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <QPagedPaintDevice>

PainterSurface::PainterSurface(QPagedPaintDevice& device, const QFont& font)
    : device_(device), metrics_(font, &device)
{
    if (!painter_.begin(&device_))
        throw KurvixError(std::string(Messages::PrinterNotStarted));
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    metrics_ = painter_.fontMetrics();
}

void PainterSurface::close()
{
    if (painter_.isActive())
        painter_.end();
}

QSize PainterSurface::pageSize() const
{
    return {device_.width(), device_.height()};
}

int PainterSurface::textWidth(const QString& text) const
{
    return metrics_.horizontalAdvance(text);
}

int PainterSurface::fontHeight() const
{
    return metrics_.height();
}

void PainterSurface::drawText(int x, int y, const QString& text)
{
    painter_.drawText(x, y + metrics_.ascent(), text);
}

void PainterSurface::newPage()
{
    device_.newPage();
}
