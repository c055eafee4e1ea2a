#include "widgets/EtchedGroupBox.h"

#include <QPainter>

EtchedGroupBox::EtchedGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
{
}

void EtchedGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineTop = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, lineTop, -2, -2);

    // Dark line with a light one beside it, one pixel to the lower right.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));

    if (title().isEmpty())
        return;
    // A caption wider than the box is written smaller rather than cut off.
    constexpr int captionLeft = 8;
    const int room = width() - 2 * captionLeft;
    QFont captionFont = font();
    QFontMetrics captionMetrics(captionFont);
    while (captionMetrics.horizontalAdvance(title()) > room && captionFont.pixelSize() > 8) {
        captionFont.setPixelSize(captionFont.pixelSize() - 1);
        captionMetrics = QFontMetrics(captionFont);
    }
    const QString caption = captionMetrics.elidedText(title(), Qt::ElideRight, room);
    const QRect captionBox(captionLeft - 1, lineTop - captionMetrics.height() / 2,
                           captionMetrics.horizontalAdvance(caption) + 2, captionMetrics.height());
    painter.fillRect(captionBox, palette().color(backgroundRole()));
    painter.setFont(captionFont);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}
