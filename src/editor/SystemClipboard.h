#pragma once

// The desktop's clipboard in its image format.

#include "editor/EditorClipboard.h"

class QClipboard;

class SystemClipboard : public EditorClipboard {
public:
    explicit SystemClipboard(QClipboard* clipboard);
    std::optional<QImage> image() const override;
    void setImage(const QImage& image) override;

private:
    QClipboard* clipboard_;
};
