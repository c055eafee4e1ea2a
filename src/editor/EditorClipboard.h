#pragma once

// The clipboard as the editor sees it: one picture in and out. The window
// passes the system clipboard; tests pass a plain holder.

#include <QImage>

#include <optional>

class EditorClipboard {
public:
    virtual ~EditorClipboard() = default;
    // The clipboard's picture, nothing when it holds no image.
    virtual std::optional<QImage> image() const = 0;
    virtual void setImage(const QImage& image) = 0;
};
