// The main window's File menu for files that other programs are writing:
// follow a growing file, stop following, and the report of how a file was
// read.

#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/FollowWatch.h"
#include "app/ReadReportWindow.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "commands/FollowCommands.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// Some file systems (network mounts, some containers) send no change
// events: the file is looked at this often anyway.
constexpr int kPollMilliseconds = 250;
// At most 20 updates, and so re-plots, per second however fast the file grows.
constexpr qint64 kUpdateGapMilliseconds = 50;

QString shownName(const std::string& fileSystemName)
{
    return QFile::decodeName(QByteArray::fromStdString(fileSystemName));
}

} // namespace


Following& TForm1::following()
{
    return follow_->following;
}

void TForm1::createFollowing()
{
    follow_ = std::make_unique<FollowWatch>();
    FollowWatch& w = *follow_;
    w.caption = windowTitle();
    commands::attachFollowing(*ws_, w.following);
    w.following.setStoppedHandler([this](const std::string& message) {
        // The command that ended following is still running: its window
        // handler finishes first.
        QTimer::singleShot(0, this, [this, message] {
            showFollowState();
            if (!message.empty())
                showMessage(this, message);
        });
    });
    w.watcher = new QFileSystemWatcher(this);
    connect(w.watcher, &QFileSystemWatcher::fileChanged, this, [this] { requestFollowLook(); });
    w.poll = new QTimer(this);
    w.poll->setInterval(kPollMilliseconds);
    connect(w.poll, &QTimer::timeout, this, [this] { requestFollowLook(); });
    w.pace = new QTimer(this);
    w.pace->setSingleShot(true);
    connect(w.pace, &QTimer::timeout, this, [this] { followTick(); });
    showFollowState();
}

void TForm1::Followfile1Click()
{
    QFileDialog& dialog = openDialog();
    dialog.selectFile(shownName(store_.currentFileName));
    const QString path = chooseFile_(dialog);
    if (!path.isEmpty())
        followDataFile(path);
}

bool TForm1::followDataFile(const QString& path)
{
    FollowWatch& w = *follow_;
    const bool read = guarded(this, [&] {
        const FollowScaling scaling = Autoscalewhilefollowing1->isChecked() ? FollowScaling::Autoscale
                                                                            : FollowScaling::KeepRanges;
        afterRead(path, commands::followFile(*ws_, w.following, QFile::encodeName(path).toStdString(), scaling));
    });
    w.replot = true;
    w.sinceUpdate.start();
    if (read && graphicWindow_ && graphicWindow_->isVisible())
        w.replot = graphicWindow_->replot();
    showFollowState();
    return read;
}

void TForm1::requestFollowLook()
{
    FollowWatch& w = *follow_;
    if (!w.following.active() || w.pace->isActive())
        return;
    const qint64 wait = kUpdateGapMilliseconds - w.sinceUpdate.elapsed();
    if (wait > 0)
        w.pace->start(static_cast<int>(wait));
    else
        followTick();
}

void TForm1::followTick()
{
    FollowWatch& w = *follow_;
    // A message box of this look runs the event loop; the timers must not
    // start another look inside it.
    if (w.inTick || !w.following.active())
        return;
    w.inTick = true;
    guarded(this, [&] {
        const FollowScaling scaling = Autoscalewhilefollowing1->isChecked() ? FollowScaling::Autoscale
                                                                            : FollowScaling::KeepRanges;
        const Outcome outcome = commands::followUpdate(*ws_, w.following, scaling);
        if (!outcome.setShown)
            return;
        w.sinceUpdate.start();
        paintCurrentSet();
        if (w.replot && graphicWindow_ && graphicWindow_->isVisible())
            w.replot = graphicWindow_->replot();
    });
    w.inTick = false;
    showFollowState();
}

void TForm1::Stopfollowing1Click()
{
    follow_->following.stop();
    showFollowState();
}

// The caption names the file followed; the timer and the watcher run only
// while a file is followed, and the watcher is told the file again when it
// lost it (a file replaced by a new one).
void TForm1::showFollowState()
{
    FollowWatch& w = *follow_;
    const bool active = w.following.active();
    setWindowTitle(active ? w.caption + QStringLiteral(" - following ") + shownName(w.following.fileName())
                          : w.caption);
    Stopfollowing1->setEnabled(active);
    if (!active) {
        w.poll->stop();
        w.pace->stop();
        if (!w.watcher->files().isEmpty())
            w.watcher->removePaths(w.watcher->files());
        return;
    }
    if (!w.poll->isActive())
        w.poll->start();
    const QString path = shownName(w.following.path());
    if (!w.watcher->files().contains(path) && QFile::exists(path))
        w.watcher->addPath(path);
}

void TForm1::Howthefilewasread1Click()
{
    FollowWatch& w = *follow_;
    if (!w.report) {
        w.report = new ReadReportWindow(this);
        w.report->setFileChooser([this] { return chooseFile_(openDialog()); });
    }
    if (lastReadPath_.isEmpty()) {
        w.report->BnOtherClick();
        return;
    }
    w.report->showReport(lastReadPath_, lastReadSet_);
}
