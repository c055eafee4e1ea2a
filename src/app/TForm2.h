#pragma once

// The graphic window: the plot image, which is also a small pixel editor, with
// its tool panel, hidden boxes and menus. It re-plots whenever it becomes the
// active window coming from another window of the program.

#include "data/DataStore.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"

#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>

class GraphicEditor;
class SystemClipboard;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;
class QAction;
class QPrinter;

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

    // The File menu (TForm2Files.cpp). The file and print dialogs run through
    // these hooks, which tests replace: an empty path or false is a cancel.
    void Open1Click();
    void Save1Click();
    void Saveas1Click();
    void Printbitbybit1Click();
    using FileChooser = std::function<QString(QFileDialog&)>;
    using PrintChooser = std::function<bool(QPrinter&)>;
    void setFileChooser(FileChooser chooser);
    void setPrintChooser(PrintChooser chooser);
    // Tells what an SVG or PDF file holds when the picture is not the plot
    // alone (an information box; tests replace it).
    std::function<void(const std::string&)> showNotice;

    // The plot command, as "Plot" runs it; returns whether it succeeded
    // (its failure is reported).
    bool replot();
    // Opens an image file as "&Open Image" does after its dialog.
    void openImage(const QString& path);

    // The handlers of the window's own controls, callable from tests.
    void BnPlotstartClick();
    void BnclearClick();

    // The View menu: each canvas pixel as zoom x zoom screen pixels (1 to 3),
    // the window at the plot window's size scaled alike and kept on its
    // screen. It starts at the zoom the screen's pixel ratio calls for.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // The outer size for the zoom, in logical units, within the screen.
    QSize outerSize() const;
    // The canvas pixel under a position of the window's client area.
    QPoint canvasPixelAt(QPointF clientPosition) const;

    // The editor's controls (TForm2Editor.cpp). Mouse positions are image
    // pixels.
    GraphicEditor& editor() { return *editor_; }
    void BnTextClick();
    void BnSpurClick();
    void BnLinieClick();
    void BnBoxClick();
    void BnBox2Click();
    void BnEllipseClick();
    void FormMouseDown(int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(int x, int y);
    void BnselectClick();
    void BnCopyClick();
    void BnInsertClick();
    void BnCutClick();
    void BnClearselClick();
    void BnCancelClick();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void BnMemoClick();
    void BnHoldClick();
    void BnRestoreClick();
    void BnMemocancelClick();
    void LineClick();
    void BnWiminusClick();
    void BnWiplusClick();
    void BnStricOKClick();
    void Font1Click();
    void VertHorizClick();
    void colorClick();
    void Fill1Click();
    // The font and colour dialogs; tests replace them. Nothing: cancelled.
    std::function<std::optional<QFont>(const QFont& initial)> fontPicker;
    std::function<std::optional<QColor>(const QColor& initial)> colourPicker;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void createImage();
    void createToolPanel();
    void createLineBox();
    void createSelectionBox();
    void createMemoBox();
    void createWaitPanel();
    void createMenus();
    void watchActivation();
    void canvasReplaced(PlotCanvas::WindowFit fit);
    void refreshImage();
    void syncFromState();
    void wireEditor();
    void runEditor(const std::function<void()>& work);
    void syncEditor();

    DataStore& store_;
    GraphicState state_;
    std::unique_ptr<PlotCanvas> plot_;
    std::unique_ptr<SystemClipboard> clipboard_;
    std::unique_ptr<GraphicEditor> editor_;
    QFont fontDialogFont_;
    struct Controls;
    std::unique_ptr<Controls> ui_;
    QSet<QWidget*> replotSources_;
    // The window that had the focus last, popups not counted.
    QPointer<QWindow> previousFocus_;
    // Set when the window shows itself: the activation that answers this
    // show must not plot again. Cleared by that activation, or when a window
    // other than the program's own becomes active first (then that
    // activation is not coming).
    bool ownActivationPending_ = false;
    bool frameFitted_ = false;
    int zoom_ = 1;
    bool screenWatched_ = false;
    // The File menu's dialogs and hooks and the image file's path.
    struct FileMenu;
    std::shared_ptr<FileMenu> files_;
    void wireFileMenu();
    QFileDialog& imageDialog(QFileDialog::AcceptMode mode);
    bool chooseSaveName();
    void saveImage();
};
