#include "app/CanvasView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

QPoint CanvasZoom::canvasPixel(QPointF logical) const
{
    return {int(std::floor(logical.x() * devicePixelRatio / zoom)), int(std::floor(logical.y() * devicePixelRatio / zoom))};
}

QSize CanvasZoom::scaled(QSize pixels) const
{
    // A hair above whole units is rounding, not another unit.
    auto up = [this](int v) { return int(std::ceil(v * zoom / devicePixelRatio - 1e-9)); };
    return {up(pixels.width()), up(pixels.height())};
}

int CanvasZoom::defaultFor(qreal devicePixelRatio)
{
    return std::clamp(int(std::lround(devicePixelRatio)), 1, 3);
}

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The position labels follow the pointer also while no button is held.
    setMouseTracking(true);
}

CanvasZoom CanvasView::zoom() const
{
    return {zoom_, devicePixelRatioF()};
}

void CanvasView::setSource(std::function<const QImage&()> source)
{
    source_ = std::move(source);
    refresh();
}

void CanvasView::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, 3);
    refresh();
}

void CanvasView::refresh()
{
    if (!source_)
        return;
    const QSize size = zoom().scaled(source_().size());
    if (this->size() != size)
        setFixedSize(size);
    update();
}

void CanvasView::paintEvent(QPaintEvent*)
{
    if (!source_)
        return;
    const QImage& image = source_();
    QPainter painter(this);
    // Logical units are device pixels over the ratio: this rectangle is the
    // image at exactly zoom device pixels per canvas pixel, scaled without
    // smoothing.
    const qreal unit = zoom_ / devicePixelRatioF();
    const QRectF shown(0, 0, image.width() * unit, image.height() * unit);
    // Rounding the view up to whole units may leave a strip beside it.
    if (shown.width() < width() || shown.height() < height())
        painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(shown, image);
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(zoom().canvasPixel(event->position()));
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(zoom().canvasPixel(event->position()));
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(zoom().canvasPixel(event->position()));
}
