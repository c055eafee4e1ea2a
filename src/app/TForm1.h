#pragma once

// The main window: the X-axis and plot settings on the left, the Y-axis and
// display settings of the current set in the middle, the data grid and the
// set operations on the right, the set stepper and "Graphic ..." at the
// bottom, and four hidden group boxes that pop up as in-window dialogs.
//
// Every control carries its program name as object name, so it can be found
// with findChild. The controls write into the store as soon as they change.

#include "app/TForm2.h"
#include "data/DataFile.h"
#include "data/DataStore.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class ClickPanel;
class GridDelegate;
class GridModel;
class QAction;
class QCheckBox;
class QFileDialog;
class QPrinter;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

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
    GridModel& gridModel() { return *gridModel_; }
    QTableView* grid() { return SGDATEN; }

    // Fills every control from the store for the current set (sorting it).
    void showCurrentSet();
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
    // "&Print data" (TForm1Print.cpp): the listing of the current set on the
    // default printer, without a dialog.
    void Drucken1Click();
    // Test hook: prepares the printer instead of the default one (to print
    // into a PDF file).
    void setPrinterSetup(std::function<void(QPrinter&)> setup) { printerSetup_ = std::move(setup); }
    void ffnen1Click();
    void Open2nd1Click();
    void Bn2ndokClick();
    void Speichernals1Click();
    void GBAchsenExit();
    void SGDATENKeyDown(int key);
    void SGDATENKeyUp(const QKeyEvent& event);

    // The set operations of Panel2. The commands that need an argument open
    // the input box GbDatok in their mode; its OK (or Return in its edit
    // field) carries the mode out.
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

    // The operation the input box serves: 1 copy, 2 insert, 3 exchange, 4 add
    // curve, 5 and 7 calculation, 9 filter; 0 (at start) only closes the box.
    // It keeps its value after the box is closed.
    uint8_t datokMode = 0;

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
    void createStepper(QWidget* client);
    void createHiddenBoxes(QWidget* client);
    void createMenu();
    void connectHandlers();
    void bindOperationControls();
    void openDatok(const QString& caption, uint8_t mode);
    void carryOutCalculation(const std::string& formula);

    void colourDisplay();
    void showAxisEnds(QLineEdit* from, QLineEdit* to, const double& lower, const double& upper);
    void putText(QLineEdit* edit, const QString& text, void (TForm1::*handler)());
    void afterRead(const QString& path, const ReadOutcome& outcome);
    QFileDialog& openDialog();
    QFileDialog& saveDialog();
    void fitFrameToOuterSize();

    void EdXachseChange();
    void EdXvonChange();
    void EdxbisChange();
    void EdTitelChange();
    void EdBemerkungChange();
    void EdYAchseChange();
    void EdYvonChange();
    void EdYBisChange();

    DataStore& store_;
    QPointer<TForm2> graphicWindow_;
    QPointer<QWidget> helpWindow_;
    FileChooser chooseFile_;
    std::function<void(QPrinter&)> printerSetup_;
    QColor shownColour_{Qt::black};
    QString saveFileName_;
    QString dialogDirectory_;
    bool frameFitted_ = false;

    GridModel* gridModel_ = nullptr;
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
    QLabel* LbSyNr = nullptr;
    QCheckBox* CBVerbinden = nullptr;
    QCheckBox* CBKurve = nullptr;
    QCheckBox* CBGerade = nullptr;

    // Data column and stepper.
    QGroupBox* GBDatensatz = nullptr;
    QTableView* SGDATEN = nullptr;
    QLabel* LbSatzNr = nullptr;

    // In-window dialogs.
    QGroupBox* GBInfo = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Lbinfo = nullptr;
    QGroupBox* GB2ndfile = nullptr;
    QLineEdit* Ed2nd = nullptr;

    QAction* Grid1 = nullptr;

    // Input box and removal box of the set operations.
    QGroupBox* GbDatok = nullptr;
    QLabel* Lbdatok = nullptr;
    QLineEdit* EdGBDATOK = nullptr;
    QGroupBox* GBRemove_Data = nullptr;
    QLineEdit* EdClearvon = nullptr;
    QLineEdit* EdClearbis = nullptr;
    QLineEdit* Edfactor = nullptr;
    QRadioButton* RBrange = nullptr;
    QLabel* Lbmessage = nullptr;
};
