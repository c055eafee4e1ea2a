#pragma once

// The program's icon in every size the desktop uses, from the PNGs rendered
// out of the icon's SVG at build time (a resource of this library). The
// application sets it once, so every window of the program shows it.

#include <QIcon>

QIcon applicationIcon();
