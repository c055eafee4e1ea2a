#pragma once

// What the main window keeps while it follows a file (TForm1Follow.cpp).

#include "app/TForm1.h"
#include "commands/FollowCommands.h"

#include <QElapsedTimer>
#include <QString>

class QFileSystemWatcher;
class QTimer;
class ReadReportWindow;

struct TForm1::FollowWatch {
    Following following;
    QFileSystemWatcher* watcher = nullptr;
    QTimer* poll = nullptr;
    QTimer* pace = nullptr;
    QElapsedTimer sinceUpdate;
    // A re-plot that failed (axes 0 to 0 without autoscale) is not tried
    // again on every update; showing the graphic window plots as always.
    bool replot = true;
    bool inTick = false;
    QString caption; // the window's caption when it follows nothing
    ReadReportWindow* report = nullptr;
};
