#include "app/CanvasView.h"

#include <QPaintEvent>
#include <QPainter>

CanvasView::CanvasView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
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
