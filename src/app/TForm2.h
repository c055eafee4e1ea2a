#pragma once

// The graphic window: the plot image, which is also a small pixel editor, with
// its tool panel, hidden boxes and menus. It re-plots whenever it becomes the
// active window coming from another window of the program.

#include "data/DataStore.h"
#include "plot/GraphicState.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QWindow>

#include <memory>

class PlotCanvas;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QAction;

class TForm2 : public QMainWindow {
    Q_OBJECT
public:
    TForm2(DataStore& store, QWidget* parent = nullptr);
    ~TForm2() override;

    GraphicState& state() { return state_; }
    PlotCanvas& plotCanvas() { return *plot_; }

    // Shows the window (or raises it when shown) coming from another window of
    // the program, and runs the plot command before returning, as becoming the
    // active window does. The window system's own late activation that follows
    // this show does not plot a second time.
    void showFromProgramWindow();

    // Windows of the program whose switch to this window re-plots (the main
    // window and the help window). Dialogs, message boxes and other
    // applications do not.
    void addReplotSource(QWidget* window);

    // The handlers of the window's own controls, callable from tests.
    void BnPlotstartClick();
    void BnclearClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void refreshImage();
    void syncFromState();

    DataStore& store_;
    GraphicState state_;
    std::unique_ptr<PlotCanvas> plot_;
    struct Controls;
    std::unique_ptr<Controls> ui_;
    QSet<QWidget*> replotSources_;
    QPointer<QWindow> previousFocus_;
    bool suppressNextActivation_ = false;
    QElapsedTimer ownShowClock_;
};
