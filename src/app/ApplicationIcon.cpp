#include "app/ApplicationIcon.h"

#include <QDirIterator>

QIcon applicationIcon()
{
    QIcon icon;
    // One PNG per size, under :/icons/<size>x<size>/apps/.
    QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}
