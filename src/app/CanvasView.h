#pragma once

// The graphic window's image control: shows the canvas bitmap at its top-left
// corner and always has exactly the bitmap's size.

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<const QImage&()> source_;
};
