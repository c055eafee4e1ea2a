#include "app/CommandLine.h"
#include "app/KurvixApplication.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataStore.h"


int main(int argc, char** argv)
{
    const StartRequest request = runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (request.exitStatus)
        return *request.exitStatus;

    KurvixApplication app(argc, argv);
    // The program ends when the main window closes, even while the graphic or
    // help window is still shown.
    app.setQuitOnLastWindowClosed(false);

    DataStore store;
    TForm1 mainWindow(store, nullptr, nullptr);
    TForm2 graphicWindow(store);
    mainWindow.setGraphicWindow(&graphicWindow);
    graphicWindow.addReplotSource(&mainWindow);
    QObject::connect(&mainWindow, &TForm1::closed, &app, &QApplication::quit);
    mainWindow.show();
    if (!request.fileToOpen.empty())
        mainWindow.openDataFile(request.fileToOpen);
    return app.exec();
}
