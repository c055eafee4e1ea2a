#include "app/StartTrace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace starttrace {
namespace {

enum class Mode { Off, Print, Exit };

Mode mode()
{
    static const Mode m = [] {
        const char* value = std::getenv("KURVIX_TRACE");
        if (!value || !*value || std::strcmp(value, "0") == 0)
            return Mode::Off;
        return std::strcmp(value, "exit") == 0 ? Mode::Exit : Mode::Print;
    }();
    return m;
}

QElapsedTimer& startClock()
{
    static QElapsedTimer clock;
    return clock;
}

double wallSeconds()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// Waits for window's next paint event; the backing store is flushed to the
// window system right after the paint event returns, within the same pass of
// the event loop, so a zero timer queued from the paint runs once the frame
// has been handed over.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* window, std::string name, QElapsedTimer origin, bool endAfter)
        : QObject(window), name_(std::move(name)), origin_(origin), endAfter_(endAfter)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !fired_) {
            fired_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

private:
    void report()
    {
        std::fprintf(stderr, "kurvix trace: %s %.1f ms (painted at %.6f)\n", name_.c_str(),
                     origin_.nsecsElapsed() / 1e6, wallSeconds());
        std::fflush(stderr);
        if (endAfter_)
            _exit(0);
        deleteLater();
    }

    std::string name_;
    QElapsedTimer origin_;
    bool endAfter_;
    bool fired_ = false;
};

} // namespace

void begin()
{
    if (mode() != Mode::Off)
        startClock().start();
}

bool enabled()
{
    return mode() != Mode::Off;
}

void watchFirstPaint(QWidget* window, std::string_view name)
{
    if (mode() == Mode::Off)
        return;
    new PaintWatch(window, "start until " + std::string(name) + " painted:", startClock(), mode() == Mode::Exit);
}

void clickedTowards(QWidget* window, std::string_view name)
{
    if (mode() == Mode::Off)
        return;
    QElapsedTimer click;
    click.start();
    new PaintWatch(window, "click until " + std::string(name) + " painted:", click, false);
}

} // namespace starttrace
