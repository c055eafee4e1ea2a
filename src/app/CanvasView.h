#pragma once

// The graphic window's image control: shows the canvas bitmap at its top-left
// corner, each canvas pixel as a square of zoom x zoom device pixels (no
// smoothing, so a whole zoom stays sharp on any screen), and always has
// exactly the size that takes. It reports every press, move (with or without
// a button held) and release as the canvas pixel under the pointer, whatever
// the button.

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QWidget>

#include <functional>

// Device pixels per canvas pixel, and the screen's device pixels per logical
// (layout) unit.
struct CanvasZoom {
    int zoom = 1;
    qreal devicePixelRatio = 1;

    // The canvas pixel under a position in logical units from the image's
    // top-left corner: divided down, never rounded to a neighbour, so
    // positions left of or above the image give negative pixels.
    QPoint canvasPixel(QPointF logical) const;
    // The logical size, rounded up, that `pixels` take at this zoom: the
    // canvas, or the window's size given in device pixels at zoom 1.
    QSize scaled(QSize pixels) const;
    // The whole zoom a screen of this ratio gets at first: its ratio
    // rounded, 1 to 3.
    static int defaultFor(qreal devicePixelRatio);
};

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // The bitmap to show; the view resizes itself to it.
    void setSource(std::function<const QImage&()> source);
    void refresh();
    void setZoom(int zoom);
    CanvasZoom zoom() const;

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<const QImage&()> source_;
    int zoom_ = 1;
};
