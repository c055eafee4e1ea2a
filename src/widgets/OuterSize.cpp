#include "widgets/OuterSize.h"

#include <QWidget>

bool fitFrameToOuterSize(QWidget& window, const QSize& outer)
{
    if (!window.isVisible())
        return false;
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0)
        return false;
    window.resize(outer - frame);
    return true;
}
