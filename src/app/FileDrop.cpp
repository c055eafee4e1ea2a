#include "app/FileDrop.h"

#include "app/ErrorReport.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localPaths(const QMimeData* mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

FileDrop::FileDrop(QWidget* window, Accepts accepts, Dropped dropped)
    : QObject(window), window_(window), accepts_(std::move(accepts)), dropped_(std::move(dropped))
{
    // Drags reach only widgets that take drops, or their windows.
    window_->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = localPaths(drop->mimeData());
    if (paths.isEmpty() || !accepts_(paths))
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        const Qt::KeyboardModifiers modifiers = drop->modifiers();
        guarded(window_, [&] { dropped_(paths, modifiers); });
    }
    return true;
}
