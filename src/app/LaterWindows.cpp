#include "app/LaterWindows.h"

#include "app/ApplicationIcon.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "help/TFormHilfe.h"

#include <QApplication>
#include <QEvent>

namespace {

// Events by which the user (or the window system on the user's behalf) can
// reach a handler that needs the other windows.
bool reachesHandlers(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

LaterWindows::LaterWindows(TForm1& mainWindow, DataStore& store) : mainWindow_(mainWindow), store_(store)
{
    qApp->installEventFilter(this);
}

LaterWindows::~LaterWindows()
{
    // The main window outlives these two, as it did when they were its
    // neighbours in main(); it must not reach for them once they are gone.
    mainWindow_.setHelpWindow(nullptr);
    mainWindow_.setGraphicWindow(nullptr);
}

void LaterWindows::build()
{
    if (built())
        return;
    qApp->removeEventFilter(this);
    // Decoding the icon's sizes (and finding the image readers for them) is
    // no part of the first frame; set now, it reaches the windows shown.
    qApp->setWindowIcon(applicationIcon());
    help_ = std::make_unique<TFormHilfe>();
    graphic_ = std::make_unique<TForm2>(store_);
    mainWindow_.setHelpWindow(help_.get());
    mainWindow_.setGraphicWindow(graphic_.get());
    graphic_->addReplotSource(&mainWindow_);
    graphic_->addReplotSource(help_.get());
}

bool LaterWindows::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &mainWindow_ && event->type() == QEvent::Paint) {
        // Behind everything already queued, the frame's hand-over to the
        // window system included.
        if (!buildPosted_)
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::LowEventPriority);
        buildPosted_ = true;
    } else if (reachesHandlers(event->type()))
        build();
    return false;
}

bool LaterWindows::event(QEvent* event)
{
    if (event->type() != QEvent::User)
        return QObject::event(event);
    build();
    return true;
}
