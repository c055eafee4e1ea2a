#pragma once

// The graphic window's image control: shows the canvas bitmap at its top-left
// corner and always has exactly the bitmap's size. It reports every press,
// move (with or without a button held) and release in image pixels, whatever
// the button.

#include <QImage>
#include <QWidget>

#include <functional>

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // The bitmap to show; the view resizes itself to it.
    void setSource(std::function<const QImage&()> source);
    void refresh();

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
};
