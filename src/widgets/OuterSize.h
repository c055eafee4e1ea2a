#pragma once

#include <QSize>

class QWidget;

// Resizes a shown top-level window so that its outer size, frame included,
// is `outer`. The frame is known only once the window manager has decorated
// the window; until then (and without a window manager, where the client area
// takes the whole size) nothing changes and the result is false.
bool fitFrameToOuterSize(QWidget& window, const QSize& outer);
