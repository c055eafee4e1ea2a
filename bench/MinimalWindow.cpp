// The yardstick for the windowed start: a plain Qt widgets program showing
// one window of the main window's size with a menu bar and a few dozen
// buttons. With KURVIX_TRACE=exit it ends once its first frame is painted,
// exactly as the program does, so both starts can be timed from outside.
#include "app/StartTrace.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char** argv)
{
    starttrace::begin();
    QApplication app(argc, argv);
    QMainWindow window;
    window.move(322, 101);
    window.resize(635, 479);
    for (const char* menu : {"&File", "&Edit", "&Options", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    auto* client = new QWidget(&window);
    for (int i = 0; i < 36; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), client);
        button->setGeometry(8 + (i % 6) * 104, 8 + (i / 6) * 32, 96, 24);
    }
    window.setCentralWidget(client);
    starttrace::watchFirstPaint(&window, "minimal window");
    window.show();
    return app.exec();
}
