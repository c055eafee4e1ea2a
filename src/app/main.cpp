#include "headless/CommandLine.h"
#include "app/KurvixApplication.h"
#include "app/LaterWindows.h"
#include "app/StartTrace.h"
#include "app/TForm1.h"
#include "data/DataStore.h"

#include <csignal>

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <thread>

int main(int argc, char** argv)
{
    starttrace::begin();
    // Over a file-size limit a write then fails and the save says so, with
    // the old file kept, instead of the process being killed part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    const StartRequest request = runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.exitStatus)
        return *request.exitStatus;

    // A file's bytes and a saved file's text are megabytes that live for one
    // command; given their own mappings they go back to the system when
    // freed instead of staying in the heap for the rest of the session.
    mallopt(M_MMAP_THRESHOLD, 512 * 1024);
    // Loading the font configuration is the largest single piece of the
    // start; it runs beside the application's connection to the display and
    // is finished before the main window measures its first caption (a
    // second load started meanwhile would parse everything again).
    std::thread fontConfiguration([] { FcInit(); });
    KurvixApplication app(argc, argv);
    // The program ends when the main window closes, even while the graphic or
    // help window is still shown.
    app.setQuitOnLastWindowClosed(false);

    fontConfiguration.join();
    DataStore store;
    // The three windows live for the whole run; the help and graphic windows
    // are only shown and hidden, and come into being after the main window's
    // first frame.
    TForm1 mainWindow(store, nullptr, nullptr);
    LaterWindows laterWindows(mainWindow, store);
    QObject::connect(&mainWindow, &TForm1::closed, &app, &QApplication::quit);
    starttrace::watchFirstPaint(&mainWindow, "main window");
    mainWindow.show();
    if (!request.fileToOpen.empty()) {
        // Opening a file also sets the graphic window's image names.
        laterWindows.build();
        mainWindow.openDataFile(request.fileToOpen);
    }
    return app.exec();
}
