#pragma once

// The controls of the graphic window, created once by TForm2's creation
// helpers and used directly by its handlers (TForm2*.cpp).

#include "app/TForm2.h"

class CanvasView;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QWidget;

struct TForm2::Controls {
    QWidget* central = nullptr;
    // The image shows in a scroll area beside the tool panel, for zoomed
    // and large pictures on screens they do not fit.
    QScrollArea* ImageArea = nullptr;
    CanvasView* Image = nullptr;
    QWidget* Panel1 = nullptr;

    // Tool panel.
    QPushButton* Bnselect = nullptr;
    QGroupBox* GBMauspos = nullptr;
    QLabel* LbX = nullptr;
    QLabel* LbY = nullptr;
    QLabel* LbXo = nullptr;
    QLabel* LbYo = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* BnText = nullptr;
    QPushButton* BnSpur = nullptr;
    QPushButton* BnLinie = nullptr;
    QPushButton* BnBox = nullptr;
    QPushButton* BnBox2 = nullptr;
    QPushButton* BnEllipse = nullptr;
    QPushButton* BnPlotstart = nullptr;
    QPushButton* BnClear = nullptr;
    QPushButton* BnMemo = nullptr;

    // The line box.
    QGroupBox* GBStrich = nullptr;
    QPushButton* BnWiminus = nullptr;
    QLineEdit* EdDicke = nullptr;
    QPushButton* BnWiplus = nullptr;
    QRadioButton* RBsolid = nullptr;
    QRadioButton* RBdot = nullptr;
    QRadioButton* RBdash = nullptr;
    QPushButton* Bnlineok = nullptr;

    // The selection box.
    QGroupBox* GbSelected = nullptr;
    QPushButton* BnCopy = nullptr;
    QPushButton* BnInsert = nullptr;
    QPushButton* BnCut = nullptr;
    QPushButton* BnClearsel = nullptr;
    QPushButton* BnCancel = nullptr;

    // The memory box.
    QGroupBox* GBMemo = nullptr;
    QPushButton* BnRestore = nullptr;
    QPushButton* BnHold = nullptr;
    QPushButton* BnMemocancel = nullptr;

    QLabel* Pnwait = nullptr;

    // Menu items.
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Saveas1 = nullptr;
    QAction* Printbitbybit1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Font1 = nullptr;
    QAction* VertHoriz = nullptr;
    QAction* Line = nullptr;
    QAction* color = nullptr;
    QAction* Fill1 = nullptr;
    QAction* Zoom1 = nullptr;
    QAction* Zoom2 = nullptr;
    QAction* Zoom3 = nullptr;
};
