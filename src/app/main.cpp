#include "app/CommandLine.h"
#include "app/KurvixApplication.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataStore.h"
#include "help/TFormHilfe.h"

#include <csignal>

int main(int argc, char** argv)
{
    // Over a file-size limit a write then fails and the save says so, with
    // the old file kept, instead of the process being killed part-way.
    std::signal(SIGXFSZ, SIG_IGN);
    const StartRequest request = runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.exitStatus)
        return *request.exitStatus;

    KurvixApplication app(argc, argv);
    // The program ends when the main window closes, even while the graphic or
    // help window is still shown.
    app.setQuitOnLastWindowClosed(false);

    DataStore store;
    // The three windows live for the whole run, created in this order; the
    // help and graphic windows are only shown and hidden.
    TForm1 mainWindow(store, nullptr, nullptr);
    TFormHilfe helpWindow;
    TForm2 graphicWindow(store);
    mainWindow.setHelpWindow(&helpWindow);
    mainWindow.setGraphicWindow(&graphicWindow);
    graphicWindow.addReplotSource(&mainWindow);
    graphicWindow.addReplotSource(&helpWindow);
    QObject::connect(&mainWindow, &TForm1::closed, &app, &QApplication::quit);
    mainWindow.show();
    if (!request.fileToOpen.empty())
        mainWindow.openDataFile(request.fileToOpen);
    return app.exec();
}
