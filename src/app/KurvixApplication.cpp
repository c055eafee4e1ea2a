#include "app/KurvixApplication.h"

#include "app/ErrorReport.h"

#include <QWidget>


KurvixApplication::KurvixApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The desktop file name lets a Wayland desktop match the windows to the
    // menu entry. The icon comes with the later windows (see LaterWindows).
    setDesktopFileName(QStringLiteral("kurvix"));
}

bool KurvixApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverReportingFailures(receiver, [&] { return QApplication::notify(receiver, event); });
}

bool deliverReportingFailures(QObject* receiver, const std::function<bool()>& deliver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    bool handled = false;
    guarded(widget ? widget->window() : nullptr, [&] { handled = deliver(); });
    return handled;
}
