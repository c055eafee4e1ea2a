#include "app/ApplicationIcon.h"

#include <QDirIterator>

QIcon applicationIcon()
{
    QIcon icon;
    // One PNG per size, under :/icons/<size>x<size>/apps/. Naming the size
    // keeps a file from being decoded before it is shown.
    QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const int side = file.section(QLatin1Char('/'), -3, -3).section(QLatin1Char('x'), 0, 0).toInt();
        icon.addFile(file, QSize(side, side));
    }
    return icon;
}
