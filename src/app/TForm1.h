#pragma once

// The main window: the X-axis and plot settings on the left, the Y-axis and
// display settings of the current set in the middle, the data grid and the
// set operations on the right, the set stepper and "Graphic ..." at the
// bottom, and four hidden group boxes that pop up as in-window dialogs.
//
// What a command does with the store lives in src/commands; the handlers
// here read their controls, run the command and show its outcome. Every
// control carries its program name as object name.
//
// TForm1.cpp: construction, set display and settings; TForm1Grid.cpp: the
// data grid's keys; TForm1Ops.cpp: the operation buttons and the input box;
// TForm1Files.cpp: files and closing; TForm1Print.cpp: "&Print data";
// TForm1Record.cpp: recording the commands as a script.

#include "app/TForm2.h"
#include "commands/SettingsCommands.h"
#include "commands/Workspace.h"
#include "data/DataStore.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ClickPanel;
class Following;
class UndoHistory;
class GridDelegate;
class ScriptRecorder;
class GridModel;
class QAction;
class QCheckBox;
class QFileDialog;
class QFile;
class QPrinter;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableView;

// The operation the input box GbDatok serves.
enum class DatokMode : uint8_t {
    None = 0, // at start: OK only closes the box
    Copy = 1,
    Insert = 2,
    Exchange = 3,
    AddCurve = 4,
    Calculate = 5,
    Slope = 7,
    Filter = 9,
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // graphicWindow and helpWindow may be null (then "Graphic ...", "Show
    // &Symbols" and "&Help" show nothing); main() sets them once they exist.
    TForm1(DataStore& store, TForm2* graphicWindow, QWidget* helpWindow, QWidget* parent = nullptr);
    ~TForm1() override;

    void setGraphicWindow(TForm2* graphicWindow) { graphicWindow_ = graphicWindow; }
    void setHelpWindow(QWidget* helpWindow) { helpWindow_ = helpWindow; }

    DataStore& store() { return store_; }
    Workspace& workspace() { return *ws_; }
    UndoHistory& history() { return *history_; }
    GridModel& gridModel() { return *gridModel_; }
    QTableView* grid() { return SGDATEN; }

    // Fills every control from the store for the current set (sorting it and
    // writing the shown axis ends back).
    void showCurrentSet();
    // Paints the controls from the store and the last set display, writing
    // nothing into the store.
    void paintCurrentSet();
    // Replaces the current set's points by the grid's valid rows.
    void readGridIntoSet();
    // The four drawing check boxes into the current set's drawFlags.
    void storeDrawFlags();

    // Reads `path` into the store from set loadTargetSet on, as File /
    // "&Open" does after its dialog, and shows the result. Failures are
    // reported; the store stays as it was. Returns whether the read succeeded.
    bool openDataFile(const QString& path, int loadTargetSet = 1);
    bool openDataFile(const std::string& path);

    // Runs a file dialog and returns the chosen path, or an empty text when
    // the user cancelled. Tests replace it to answer without a dialog.
    using FileChooser = std::function<QString(QFileDialog&)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Handlers, callable from tests and from main().
    void BnPlotstartClick();
    void Button1Click();
    void BnSatzplusClick();
    void BnSyminusClick();
    void BnSyplusClick();
    void PnColorClick();
    void CBSymbolzeichnenClick();
    void Grid1Click();
    void Symbole1Click();
    void Hilfe1Click();
    void Info1Click();
    // Edit / "&Undo", "&Redo" and Options / "&Autoscale axes".
    void Undo1Click();
    void Redo1Click();
    void Autoscale1Click();
    // "&Print data" (TForm1Print.cpp): the listing of the current set on the
    // default printer, without a dialog.
    void Drucken1Click();
    // Options / "Record commands..." (TForm1Record.cpp): asks for a script
    // file and appends to it, from then on, the script line of every command
    // carried out here; "Stop recording" ends it. The menu offers the one
    // that applies.
    void Recordcommands1Click();
    void Stoprecording1Click();
    bool isRecording() const { return recorder_ != nullptr; }
    // Test hook: prepares the printer instead of the default one (to print
    // into a PDF file).
    void setPrinterSetup(std::function<void(QPrinter&)> setup) { printerSetup_ = std::move(setup); }
    void ffnen1Click();
    // File / "&Follow file...", "Stop following" and "How the file was
    // read..." (TForm1Follow.cpp); Edit / "Copy set as text" and "Paste
    // data", and files dropped on the window (TForm1Transfer.cpp).
    void Followfile1Click();
    void Stopfollowing1Click();
    void Howthefilewasread1Click();
    void Copysetastext1Click();
    void Pastedata1Click();
    // Follows `path` as File / "&Follow file..." does after its dialog.
    // Returns whether the read succeeded.
    bool followDataFile(const QString& path);
    // One look at the file followed, as the file watcher and the timer do.
    void followTick();
    Following& following();
    // The first of the files as File / "&Open" reads it, with Ctrl into the
    // current set as "Open 2nd file" does; more than one file: a message.
    void openDroppedFiles(const QStringList& paths, Qt::KeyboardModifiers modifiers);
    void Open2nd1Click();
    void Bn2ndokClick();
    void Speichernals1Click();
    void GBAchsenExit();
    void SGDATENKeyDown(int key);
    void SGDATENKeyUp(const QKeyEvent& event);

    // The set operations of Panel2 (TForm1Ops.cpp). The commands that need
    // an argument open the input box GbDatok in their mode; its OK (or
    // Return in its edit field) carries the mode out.
    void BnCopyClick();
    void BnEinfClick();
    void BnSatztauschClick();
    void BnAddYClick();
    void BnrechClick();
    void BnDriftClick();
    void BnClick();
    void BndatokokClick();
    void BnDatokabbrClick();
    void EdGBDATOKKeyDown(int key);
    void BnTAUSCHClick();
    void BnAblClick();
    void BnIntegralClick();
    void BnglaettClick();
    void BnLoeschenClick();
    void Button2Click();
    void BnokclearClick();

    // The operation the input box serves; it keeps its value after the box
    // is closed.
    DatokMode datokMode = DatokMode::None;

signals:
    // The main window has closed: the program ends (main() quits on it),
    // even while the graphic or help window is shown.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void createAxisColumn(QWidget* client);
    void createSetColumn(QWidget* client);
    void createDataColumn(QWidget* client);
    void createOperationPanel(QWidget* client);
    void createStepper(QWidget* client);
    void createInfoBox(QWidget* client);
    void createOperationBoxes(QWidget* client);
    void createSecondFileBox(QWidget* client);
    void createMenu();
    void createEditMenu(QMenuBar* bar);
    void showEditMenuState();
    void takeUndoStep(Outcome (*step)(Workspace&));
    void paintPlotSwitches();
    void fieldChanged(commands::Field field, const QLineEdit* edit);
    void connectHandlers();
    void connectOperations();
    void keepGridCellOnRefresh();
    void connectRecording();
    void showRecordingState();
    void recordLine(const std::string& line);
    void stopRecording();

    void colourDisplay();
    void showOutcome(const Outcome& outcome);
    void openDatok(DatokMode mode);
    void closeOperationBox(QGroupBox* box);
    void afterRead(const QString& path, const Outcome& outcome);
    QFileDialog& openDialog();
    QFileDialog& saveDialog();
    void fitFrameToOuterSize();
    void createFollowing();
    void acceptDroppedFiles();
    void requestFollowLook();
    void showFollowState();

    void EdXachseChange();
    void EdXvonChange();
    void EdxbisChange();
    void EdTitelChange();
    void EdBemerkungChange();
    void EdYAchseChange();
    void EdYvonChange();
    void EdYBisChange();
    void CBDatumzeitClick();
    void CBfilenameClick();

    DataStore& store_;
    GridModel* gridModel_ = nullptr;
    std::unique_ptr<Workspace> ws_;
    std::unique_ptr<UndoHistory> history_;
    // The keys of an undo or redo chord are still coming up in the grid:
    // their releases must not read the grid (see SGDATENKeyUp).
    bool undoChordInGrid_ = false;
    QPointer<TForm2> graphicWindow_;
    QPointer<QWidget> helpWindow_;
    FileChooser chooseFile_;
    std::unique_ptr<ScriptRecorder> recorder_;
    std::unique_ptr<QFile> recordFile_;
    QFileDialog* RecordDialog = nullptr;
    std::function<void(QPrinter&)> printerSetup_;
    QColor shownColour_{Qt::black};
    QString saveFileName_;
    QString dialogDirectory_;
    bool frameFitted_ = false;
    int keptCellRow_ = -1;
    int keptCellColumn_ = -1;
    // The file read last and the set it was read into, for the report.
    QString lastReadPath_;
    int lastReadSet_ = kFirstSet;
    // Following a file: the watch, its timers and the report window.
    struct FollowWatch;
    std::unique_ptr<FollowWatch> follow_;

    GridDelegate* gridDelegate_ = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;

    // X axis column.
    QGroupBox* GBXAchse = nullptr;
    QLineEdit* EdXachse = nullptr;
    QLineEdit* EdXvon = nullptr;
    QLineEdit* Edxbis = nullptr;
    QLabel* Lbminx = nullptr;
    QLabel* Lbmaxx = nullptr;
    QLineEdit* EdTitel = nullptr;
    QLineEdit* EdBemerkung = nullptr;
    QCheckBox* CBDatumzeit = nullptr;
    QCheckBox* CBfilename = nullptr;

    // Y axis column.
    QGroupBox* GBAchsen = nullptr;
    QLineEdit* EdYAchse = nullptr;
    QLineEdit* EdYvon = nullptr;
    QLineEdit* EdYBis = nullptr;
    QLabel* Lbminy = nullptr;
    QLabel* LbmaxY = nullptr;
    QGroupBox* GBRegr = nullptr;
    QLabel* Lba = nullptr;
    QLabel* Lbb = nullptr;
    QLabel* LbN = nullptr;
    QLabel* Lbr = nullptr;
    QGroupBox* GBYDarstellung = nullptr;
    ClickPanel* PnColor = nullptr;
    QCheckBox* CBSymbolzeichnen = nullptr;
    QPushButton* BnSyminus = nullptr;
    QLabel* LbSyNr = nullptr;
    QPushButton* BnSyplus = nullptr;
    QCheckBox* CBVerbinden = nullptr;
    QCheckBox* CBKurve = nullptr;
    QCheckBox* CBGerade = nullptr;

    // Data column, operation buttons and stepper.
    QGroupBox* GBDatensatz = nullptr;
    QTableView* SGDATEN = nullptr;
    QPushButton* BnCopy = nullptr;
    QPushButton* BnEinf = nullptr;
    QPushButton* BnSatztausch = nullptr;
    QPushButton* Bnrech = nullptr;
    QPushButton* BnTAUSCH = nullptr;
    QPushButton* BnAddY = nullptr;
    QPushButton* BnAbl = nullptr;
    QPushButton* BnIntegral = nullptr;
    QPushButton* BnDrift = nullptr;
    QPushButton* Bnglaett = nullptr;
    QPushButton* Bn = nullptr;
    QPushButton* BnLoeschen = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LbSatzNr = nullptr;
    QPushButton* BnSatzplus = nullptr;
    QPushButton* BnPlotstart = nullptr;
    QLabel* Lbmessage = nullptr;

    // In-window dialogs.
    QGroupBox* GBInfo = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Lbinfo = nullptr;
    QPushButton* BnInfook = nullptr;
    QGroupBox* GB2ndfile = nullptr;
    QLineEdit* Ed2nd = nullptr;
    QPushButton* Bn2ndok = nullptr;
    QPushButton* Bn2ndcancel = nullptr;

    // Input box and removal box of the set operations.
    QGroupBox* GbDatok = nullptr;
    QLabel* Lbdatok = nullptr;
    QLineEdit* EdGBDATOK = nullptr;
    QPushButton* Bndatokok = nullptr;
    QPushButton* BnDatokabbr = nullptr;
    QGroupBox* GBRemove_Data = nullptr;
    QLineEdit* EdClearvon = nullptr;
    QLineEdit* EdClearbis = nullptr;
    QLineEdit* Edfactor = nullptr;
    QRadioButton* RBrange = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Bnokclear = nullptr;

    // Menus and menu items.
    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Autoscale1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Open2nd1 = nullptr;
    QAction* Followfile1 = nullptr;
    QAction* Stopfollowing1 = nullptr;
    QAction* Howthefilewasread1 = nullptr;
    QAction* Autoscalewhilefollowing1 = nullptr;
    QAction* Copysetastext1 = nullptr;
    QAction* Pastedata1 = nullptr;
    QAction* Speichernals1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Symbole1 = nullptr;
    QAction* Grid1 = nullptr;
    QAction* Recordcommands1 = nullptr;
    QAction* Stoprecording1 = nullptr;
    QAction* Hilfe1 = nullptr;
    QAction* Info1 = nullptr;
};
