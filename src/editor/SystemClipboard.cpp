#include "editor/SystemClipboard.h"

#include <QClipboard>
#include <QMimeData>

SystemClipboard::SystemClipboard(QClipboard* clipboard) : clipboard_(clipboard) {}

std::optional<QImage> SystemClipboard::image() const
{
    const QMimeData* data = clipboard_->mimeData();
    if (!data || !data->hasImage())
        return std::nullopt;
    QImage picture = clipboard_->image();
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

void SystemClipboard::setImage(const QImage& image)
{
    clipboard_->setImage(image);
}
