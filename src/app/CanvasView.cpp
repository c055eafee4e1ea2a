#include "app/CanvasView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The position labels follow the pointer also while no button is held.
    setMouseTracking(true);
}

void CanvasView::setSource(std::function<const QImage&()> source)
{
    source_ = std::move(source);
    refresh();
}

void CanvasView::refresh()
{
    if (!source_)
        return;
    const QSize size = source_().size();
    if (this->size() != size)
        setFixedSize(size);
    update();
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    if (!source_)
        return;
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), source_(), event->rect());
}

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->position().toPoint());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(event->position().toPoint());
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->position().toPoint());
}
