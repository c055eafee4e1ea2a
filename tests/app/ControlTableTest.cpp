// Every control of both windows against its table: object name, kind, parent,
// place, caption, hint, start state and font; every menu item with its
// caption, shortcut and menu.

#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataStore.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>

namespace {

enum class Kind { GroupBox, Edit, Label, CheckBox, RadioButton, Button, Panel, Grid };

bool isKind(const QWidget* w, Kind kind)
{
    switch (kind) {
    case Kind::GroupBox: return qobject_cast<const QGroupBox*>(w) != nullptr;
    case Kind::Edit: return qobject_cast<const QLineEdit*>(w) != nullptr;
    case Kind::Label: return qobject_cast<const QLabel*>(w) != nullptr;
    case Kind::CheckBox: return qobject_cast<const QCheckBox*>(w) != nullptr;
    case Kind::RadioButton: return qobject_cast<const QRadioButton*>(w) != nullptr;
    case Kind::Button: return qobject_cast<const QPushButton*>(w) != nullptr;
    case Kind::Panel: return qobject_cast<const QFrame*>(w) != nullptr && !qobject_cast<const QGroupBox*>(w);
    case Kind::Grid: return qobject_cast<const QTableView*>(w) != nullptr;
    }
    return false;
}

QString shownText(const QWidget* w)
{
    if (auto* box = qobject_cast<const QGroupBox*>(w))
        return box->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    return {};
}

enum class Shown { Visible, Hidden };

// One control as its table gives it. A left of -1, a size of 0 and an empty
// optional mean that the table gives no such value.
struct Control {
    const char* name;
    Kind kind;
    const char* parent;
    int left = -1, top = -1, width = 0, height = 0;
    std::optional<QString> text = std::nullopt;
    std::optional<QString> hint = std::nullopt;
    Shown shown = Shown::Visible;
    std::optional<bool> checked = std::nullopt;
    int fontPixels = 0;
    bool bold = false;
};

void checkControls(const QWidget& window, const std::vector<Control>& table)
{
    for (const Control& c : table) {
        SCOPED_TRACE(c.name);
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(isKind(w, c.kind)) << w->metaObject()->className();
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(c.parent));
        if (c.left >= 0) {
            EXPECT_EQ(w->x(), c.left);
            EXPECT_EQ(w->y(), c.top);
        }
        if (c.width > 0) {
            EXPECT_EQ(w->width(), c.width);
        }
        if (c.height > 0) {
            EXPECT_EQ(w->height(), c.height);
        }
        if (c.text) {
            EXPECT_EQ(shownText(w), *c.text);
        }
        if (c.hint) {
            EXPECT_EQ(w->toolTip(), *c.hint);
        }
        EXPECT_EQ(w->isHidden(), c.shown == Shown::Hidden);
        if (c.checked) {
            auto* box = qobject_cast<QAbstractButton*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isChecked(), *c.checked);
        }
        if (c.fontPixels > 0) {
            EXPECT_EQ(w->font().pixelSize(), c.fontPixels);
            EXPECT_EQ(w->font().bold(), c.bold);
        }
    }
}

struct MenuItem {
    const char* name;
    const char* menu; // object name of the menu, or nullptr for the menu bar
    QString caption;
    QKeySequence shortcut;
};

void checkMenuItems(const QMainWindow& window, const std::vector<MenuItem>& table)
{
    for (const MenuItem& m : table) {
        SCOPED_TRACE(m.name);
        auto* action = window.findChild<QAction*>(QString::fromLatin1(m.name));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), m.caption);
        EXPECT_EQ(action->shortcut(), m.shortcut);
        if (m.menu) {
            auto* menu = window.menuBar()->findChild<QMenu*>(QString::fromLatin1(m.menu));
            ASSERT_NE(menu, nullptr);
            EXPECT_TRUE(menu->actions().contains(action));
        } else {
            EXPECT_TRUE(window.menuBar()->actions().contains(action));
            EXPECT_EQ(action->menu(), nullptr);
        }
    }
}

QKeySequence ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

QStringList objectNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* a : actions)
        names << a->objectName();
    return names;
}

class MainWindowTable : public ::testing::Test {
protected:
    DataStore store;
    TForm1 form{store, nullptr, nullptr};
};

TEST_F(MainWindowTable, WindowPlaceSizeAndFont)
{
    EXPECT_EQ(form.pos(), QPoint(322, 101));
    EXPECT_EQ(form.size(), QSize(635, 479));
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Kurvix")));
    EXPECT_GT(form.windowTitle().size(), 6) << "the maker's notice follows";
    EXPECT_EQ(form.font().family(), "Arial");
    EXPECT_EQ(form.font().pixelSize(), 10);
    EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(Qt::black));
}

// After creation the set display has filled the fields from set 1, so range
// ends, extremes and captions show what the store holds.
TEST_F(MainWindowTable, ControlsOfTheWindow)
{
    const QString none;
    checkControls(form, {
        {"GBXAchse", Kind::GroupBox, "client", 7, 0, 182, 384, "X Axis "},
        {"GBAchsen", Kind::GroupBox, "client", 202, 0, 189, 384, "Y Axis (Set # 1)"},
        {"GBRegr", Kind::GroupBox, "GBAchsen", 7, 143, 176, 111, "Regression analysis"},
        {"GBYDarstellung", Kind::GroupBox, "GBAchsen", 7, 260, 176, 118, "Display"},
        {"GBDatensatz", Kind::GroupBox, "client", 395, 0, 214, 281, "Data (Set # 1)"},
        {"SGDATEN", Kind::Grid, "GBDatensatz", 2, 15, 210, 257},
        {"Panel2", Kind::Panel, "client", 400, 288, 208, 97},
        {"Button1", Kind::Button, "client", 228, 390, 52, 20, " < Set  - ", "previous #"},
        {"Panel1", Kind::Panel, "client", 286, 387, 27, 23},
        {"LbSatzNr", Kind::Label, "Panel1", 2, 2, 20, 14, "1", none, Shown::Visible, {}, 15, true},
        {"BnSatzplus", Kind::Button, "client", 319, 390, 52, 20, " + Set > ", "next set #"},
        {"BnPlotstart", Kind::Button, "client", 463, 390, 82, 20, "Graphic ...", "Plot..."},
        {"Lbmessage", Kind::Label, "client", 65, 397, 0, 0, QString(11, QLatin1Char(' '))},
        {"GBInfo", Kind::GroupBox, "client", 32, 24, 249, 233, "Info", {}, Shown::Hidden},
        {"Image1", Kind::Label, "GBInfo", 16, 24, 55, 73},
        {"BnInfook", Kind::Button, "GBInfo", 80, 196, 89, 25, "Close Info"},
        {"GbDatok", Kind::GroupBox, "client", 363, 232, 217, 137, {}, "For all X or Y...", Shown::Hidden},
        {"Bndatokok", Kind::Button, "GbDatok", 128, 81, 66, 20, "OK"},
        {"BnDatokabbr", Kind::Button, "GbDatok", 28, 81, 65, 20, "Cancel"},
        {"GBRemove_Data", Kind::GroupBox, "client", 394, 280, 217, 137, "Remove data points", {}, Shown::Hidden},
        {"GB2ndfile", Kind::GroupBox, "client", 64, 64, 273, 145, "Open 2nd KWT file", {}, Shown::Hidden},
    });
    auto* image = form.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixmap().size(), QSize(55, 73));
    for (const char* name : {"Lbinfo", "Lbdatok", "EdGBDATOK"})
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(MainWindowTable, GridLayout)
{
    auto* grid = form.findChild<QTableView*>(QStringLiteral("SGDATEN"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->model()->columnCount(), 3);
    EXPECT_EQ(grid->columnWidth(0), 36);
    EXPECT_EQ(grid->columnWidth(1), 72);
    EXPECT_EQ(grid->columnWidth(2), 72);
    EXPECT_EQ(grid->rowHeight(0), 24);
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Data X");
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "Data Y");
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable) << "fixed column";
    EXPECT_TRUE(grid->model()->flags(grid->model()->index(0, 1)) & Qt::ItemIsEditable);
}

TEST_F(MainWindowTable, OperationButtons)
{
    std::vector<Control> table;
    struct Row {
        const char* name;
        int left, top;
        const char* caption;
        const char* hint;
    };
    const Row rows[] = {
        {"BnCopy", 1, 1, "Copy set ", "to set #"},
        {"BnEinf", 72, 1, "Insert set", "Combine 2 sets"},
        {"BnSatztausch", 146, 1, "Exchange", "# <=> #"},
        {"Bnrech", 1, 26, "X,Y+-*/...", "Calculations with X or Y"},
        {"BnTAUSCH", 72, 26, "X <=>Y", "Exchange X and Y"},
        {"BnAddY", 146, 26, "Add Curve", "Add Y data from another set"},
        {"BnAbl", 1, 52, "Derivative", "copied as next set "},
        {"BnIntegral", 72, 52, "Integral", "copied as next set "},
        {"BnDrift", 146, 52, "Slope", "Correct for drift"},
        {"Bnglaett", 1, 77, "Smooth", "Y values"},
        {"Bn", 72, 77, "Filter", "Y values"},
        {"BnLoeschen", 146, 77, "Delete data", "reduce number of points"},
    };
    for (const Row& r : rows)
        table.push_back({r.name, Kind::Button, "Panel2", r.left, r.top, 60, 20, QString::fromLatin1(r.caption),
                         QString::fromLatin1(r.hint), Shown::Visible, {}, 11});
    checkControls(form, table);
}

TEST_F(MainWindowTable, AxisAndDisplaySettings)
{
    checkControls(form, {
        {"EdXachse", Kind::Edit, "GBXAchse", 7, 33, 163, 21, "X"},
        {"Lbxvon", Kind::Label, "GBXAchse", 7, 58, 0, 0, "from"},
        {"EdXvon", Kind::Edit, "GBXAchse", 7, 72, 59, 21, "0"},
        {"Lbxbis", Kind::Label, "GBXAchse", 7, 97, 0, 0, "to"},
        {"Edxbis", Kind::Edit, "GBXAchse", 7, 111, 59, 21, "10"},
        {"Lbminx", Kind::Label, "GBXAchse", 72, 75, 0, 0, ""},
        {"Lbmaxx", Kind::Label, "GBXAchse", 72, 114, 0, 0, ""},
        {"EdTitel", Kind::Edit, "GBXAchse", 7, 234, 163, 21, ""},
        {"LbUeber", Kind::Label, "GBXAchse", 7, 218, 0, 0, "Heading"},
        {"EdBemerkung", Kind::Edit, "GBXAchse", 7, 286, 163, 21, ""},
        {"Lbunter", Kind::Label, "GBXAchse", 7, 270, 0, 0, "Comment"},
        {"CBDatumzeit", Kind::CheckBox, "GBXAchse", 7, 332, 0, 0, "Show  Date and Time", {}, Shown::Visible, true},
        {"CBfilename", Kind::CheckBox, "GBXAchse", 7, 358, 0, 0, "Show Filename", {}, Shown::Visible, true},
        {"EdYAchse", Kind::Edit, "GBAchsen", 7, 33, 169, 21, "Y"},
        {"Label1", Kind::Label, "GBAchsen", 7, 58, 0, 0, "from"},
        {"EdYvon", Kind::Edit, "GBAchsen", 7, 72, 65, 21, "0"},
        {"Label2", Kind::Label, "GBAchsen", 7, 97, 0, 0, "to"},
        {"EdYBis", Kind::Edit, "GBAchsen", 7, 111, 65, 21, "10"},
        {"Lbminy", Kind::Label, "GBAchsen", 78, 75, 0, 0, ""},
        {"LbmaxY", Kind::Label, "GBAchsen", 78, 114, 0, 0, ""},
        {"LbGleichung", Kind::Label, "GBRegr", 8, 17, 0, 0, "Y = a X + b"},
        {"LbKoeff", Kind::Label, "GBRegr", 8, 72, 0, 0, "Correlation coefficient "},
        {"PnColor", Kind::Panel, "GBYDarstellung", 96, 8, 74, 21, "COLOR ", "Click to change"},
        {"CBSymbolzeichnen", Kind::CheckBox, "GBYDarstellung", 7, 36, 0, 0, "Symbols  #", {}, Shown::Visible, true},
        {"BnSyminus", Kind::Button, "GBYDarstellung", 98, 36, 26, 13, "- <"},
        {"LbSyNr", Kind::Label, "GBYDarstellung", 130, 36, 0, 0, QString::number(store.symbolNumber[1])},
        {"BnSyplus", Kind::Button, "GBYDarstellung", 143, 36, 27, 13, "> +"},
        {"CBVerbinden", Kind::CheckBox, "GBYDarstellung", 7, 55, 0, 0, "Connect points", {}, Shown::Visible, true},
        {"CBKurve", Kind::CheckBox, "GBYDarstellung", 7, 75, 0, 0, "Draw curve", {}, Shown::Visible, false},
        {"CBGerade", Kind::CheckBox, "GBYDarstellung", 7, 94, 0, 0, "Draw regression line", {}, Shown::Visible, false},
    });
    auto* number = form.findChild<QLabel*>(QStringLiteral("LbSyNr"));
    ASSERT_NE(number, nullptr);
    EXPECT_TRUE(number->alignment() & Qt::AlignHCenter);
}

// Labels that grow with their texts must not run into the control beside
// them or out of their group box once data are shown.
TEST_F(MainWindowTable, ShownTextsFitTheirPlaces)
{
    store.pointCount[1] = 3;
    const double points[][2] = {{-1234.5678, -0.00012345}, {0.5, 98765.4321}, {12345.678, 3.25}};
    for (int i = 0; i < 3; ++i) {
        store.x(1, i + 1) = points[i][0];
        store.y(1, i + 1) = points[i][1];
    }
    store.symbolNumber[1] = 14;
    form.showCurrentSet();
    for (const char* name : {"Lbminx", "Lbmaxx", "Lbminy", "LbmaxY", "LbN", "Lba", "Lbb", "Lbr", "LbKoeff"}) {
        SCOPED_TRACE(name);
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_GE(label->width(), label->sizeHint().width()) << "text cut off";
        EXPECT_LE(label->geometry().right(), label->parentWidget()->width() - 2) << "runs out of its box";
    }
    auto* number = form.findChild<QLabel*>(QStringLiteral("LbSyNr"));
    EXPECT_GE(number->width(), number->fontMetrics().horizontalAdvance(QStringLiteral("14")));
    for (const char* name : {"CBDatumzeit", "CBfilename", "CBSymbolzeichnen", "CBVerbinden", "CBKurve", "CBGerade"}) {
        auto* box = form.findChild<QCheckBox*>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_GE(box->width(), box->sizeHint().width()) << name << ": caption cut off";
    }
    auto* symbols = form.findChild<QCheckBox*>(QStringLiteral("CBSymbolzeichnen"));
    EXPECT_LE(symbols->geometry().right(), 97) << "overlaps - <";
}

TEST_F(MainWindowTable, MenuItems)
{
    checkMenuItems(form, {
        {"ffnen1", "Datei1", "&Open", ctrl(Qt::Key_O)},
        {"Open2nd1", "Datei1", "Open 2nd file", {}},
        {"Speichernals1", "Datei1", "Save ", ctrl(Qt::Key_S)},
        {"Drucken1", "Datei1", "&Print data", ctrl(Qt::Key_P)},
        {"Beenden1", "Datei1", "Exit Program", ctrl(Qt::Key_Q)},
        {"Undo1", "Edit1", "&Undo", ctrl(Qt::Key_Z)},
        {"Redo1", "Edit1", "&Redo", ctrl(Qt::Key_Y)},
        {"Symbole1", "Optionen1", "Show &Symbols", {}},
        {"Grid1", "Optionen1", "Plot with &Grid ", {}},
        {"Autoscale1", "Optionen1", "&Autoscale axes", ctrl(Qt::Key_R)},
        {"Recordcommands1", "Optionen1", "Record commands...", {}},
        {"Stoprecording1", "Optionen1", "Stop recording", {}},
        {"Hilfe1", nullptr, "&Help", {}},
        {"Info1", nullptr, "&Info", {}},
    });
    QStringList captions;
    for (const QAction* a : form.menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, QStringList({"&File", "&Edit", "&Options", "&Help", "&Info"}));
    EXPECT_EQ(form.menuBar()->objectName(), "MainMenu1");
    auto* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("Datei1"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(objectNames(file->actions()), QStringList({"ffnen1", "Open2nd1", "Followfile1", "Stopfollowing1", "Howthefilewasread1",
                                                      "Speichernals1", "Drucken1", "Beenden1"}));
}

// --- Graphic window -----------------------------------------------------------

class GraphicWindowTable : public ::testing::Test {
protected:
    DataStore store;
    TForm2 form{store};
};

TEST_F(GraphicWindowTable, WindowCaptionAndFont)
{
    EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Kurvix  GRAPHIC")));
    EXPECT_GT(form.windowTitle().size(), 15) << "the maker's notice follows";
    EXPECT_EQ(form.font().pixelSize(), 14);
    EXPECT_TRUE(form.font().bold());
    EXPECT_EQ(form.size(), QSize(580, 560));
}

TEST_F(GraphicWindowTable, ToolPanelTopToBottom)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* panel = form.findChild<QWidget*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width(), 58);
    EXPECT_EQ(panel->geometry().right(), panel->parentWidget()->width() - 1) << "aligned to the right edge";
    EXPECT_EQ(panel->height(), panel->parentWidget()->height());

    struct Row {
        const char* name;
        QString caption;
        QString hint;
    };
    const Row rows[] = {
        {"Bnselect", "Select", "Area"},
        {"GBMauspos", "Position", "X/Y = current, Xo/Yo = Start"},
        {"Edit2", "", ""},
        {"BnText", "Text", "Font, Direction see above"},
        {"BnSpur", "~", "Trace"},
        {"BnLinie", "/", "Straight Line"},
        {"BnBox", {}, "Rectangle"},
        {"BnBox2", "(_)", "Rounded Rectangle"},
        {"BnEllipse", "O", "Ellipse or Circle"},
        {"BnPlotstart", "Plot", "Data"},
        {"BnClear", "Clear", "Screen"},
        {"BnMemo", "Memo", "Hold current image or restore "},
    };
    int previousBottom = -1;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(r.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), panel);
        EXPECT_GE(w->y(), previousBottom) << "out of order or overlapping";
        EXPECT_LE(w->geometry().right(), panel->width() - 1);
        previousBottom = w->geometry().bottom() + 1;
        if (!r.caption.isNull()) {
            EXPECT_EQ(shownText(w), r.caption);
        }
        EXPECT_EQ(w->toolTip(), r.hint);
    }
    auto* box = form.findChild<QPushButton*>(QStringLiteral("BnBox"));
    ASSERT_EQ(box->text().size(), 1) << "one box character";
    EXPECT_LE(previousBottom, 560 - 60) << "the last button stays inside the window";

    checkControls(form, {
        {"Edit2", Kind::Edit, "Panel1", -1, -1, 46, 0, "", "", Shown::Hidden, {}, 13},
        {"LbX", Kind::Label, "GBMauspos", -1, -1, 0, 0, "X"},
        {"LbY", Kind::Label, "GBMauspos", -1, -1, 0, 0, "Y"},
        {"LbXo", Kind::Label, "GBMauspos", -1, -1, 0, 0, "Xo   "},
        {"LbYo", Kind::Label, "GBMauspos", -1, -1, 0, 0, "Yo"},
    });
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Edit2"))->font().family(), "Arial");
}

TEST_F(GraphicWindowTable, HiddenBoxesOverTheImage)
{
    checkControls(form, {
        {"GBStrich", Kind::GroupBox, "client", 154, 0, 128, 174, "Line ", {}, Shown::Hidden},
        {"GbSelected", Kind::GroupBox, "client", 160, 90, 84, 186, "Selected Area", {}, Shown::Hidden},
        {"GBMemo", Kind::GroupBox, "client", 275, 224, 116, 154, "Memory", {}, Shown::Hidden},
        {"Pnwait", Kind::Panel, "client", 98, 190, 295, 65, "Printing..... (may take time)", {}, Shown::Hidden},
        {"Label1", Kind::Label, "GBStrich", -1, -1, 0, 0, "Width"},
        {"EdDicke", Kind::Edit, "GBStrich", -1, -1, 0, 0, "1"},
        {"BnWiminus", Kind::Button, "GBStrich", -1, -1, 0, 0, " - "},
        {"BnWiplus", Kind::Button, "GBStrich", -1, -1, 0, 0, "+"},
        {"RBsolid", Kind::RadioButton, "GBStrich", -1, -1, 0, 0, "Solid", {}, Shown::Visible, true},
        {"RBdot", Kind::RadioButton, "GBStrich", -1, -1, 0, 0, "Dotted", {}, Shown::Visible, false},
        {"RBdash", Kind::RadioButton, "GBStrich", -1, -1, 0, 0, "Dashed", {}, Shown::Visible, false},
        {"Bnlineok", Kind::Button, "GBStrich", -1, -1, 0, 0, "OK"},
    });

    struct Box {
        const char* name;
        std::vector<std::array<QString, 3>> buttons; // name, caption, hint
    };
    const Box boxes[] = {
        {"GbSelected",
         {{"BnCopy", "Copy", "Frame to Clipboard"},
          {"BnInsert", "Insert", "Clipboard at Xo/Yo"},
          {"BnCut", "Cut size", "Cut image to frame"},
          {"BnClearsel", "Wipe", "Frame"},
          {"BnCancel", "Cancel", ""}}},
        {"GBMemo", {{"BnRestore", "Restore ", "image from Memo"}, {"BnHold", "Keep", "image in Memo"},
                    {"BnMemocancel", "Cancel", ""}}},
    };
    for (const Box& b : boxes) {
        auto* box = form.findChild<QGroupBox*>(QString::fromLatin1(b.name));
        ASSERT_NE(box, nullptr) << b.name;
        int previousTop = -1;
        for (const auto& [name, caption, hint] : b.buttons) {
            SCOPED_TRACE(name.toStdString());
            auto* button = box->findChild<QPushButton*>(name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text(), caption);
            EXPECT_EQ(button->toolTip(), hint);
            EXPECT_GT(button->y(), previousTop) << "top to bottom";
            EXPECT_LE(button->geometry().bottom(), box->height() - 1) << "inside the box";
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(caption) + 6) << "caption cut off";
            previousTop = button->y();
        }
    }
}

TEST_F(GraphicWindowTable, Menus)
{
    checkMenuItems(form, {
        {"Open1", "File1", "&Open Image", ctrl(Qt::Key_O)},
        {"Save1", "File1", "&Save Image", ctrl(Qt::Key_S)},
        {"Saveas1", "File1", "Save as ...", {}},
        {"Printbitbybit1", "File1", "Print Image ", ctrl(Qt::Key_P)},
        {"Exit1", "File1", "E&xit  Graphics", ctrl(Qt::Key_Q)},
        {"Cut1", "Edit1", "Cu&t Image", ctrl(Qt::Key_X)},
        {"Copy1", "Edit1", "Copy Image", ctrl(Qt::Key_C)},
        {"Paste1", "Edit1", "Insert at top left", ctrl(Qt::Key_V)},
        {"Font1", nullptr, "&Font", {}},
        {"VertHoriz", nullptr, "&Horiz. Writ.", {}},
        {"Line", nullptr, "&Line", ctrl(Qt::Key_H)},
        {"color", nullptr, "&Color", {}},
        {"Fill1", nullptr, "- Fill.", {}},
    });
    auto* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("File1"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), "&File");
    const QList<QAction*> items = file->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_TRUE(items[4]->isSeparator());
    EXPECT_EQ(items[4]->objectName(), "N1");
    EXPECT_EQ(objectNames(items), QStringList({"Open1", "Save1", "Saveas1", "Printbitbybit1", "N1", "Exit1"}));
    auto* edit = form.menuBar()->findChild<QMenu*>(QStringLiteral("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->title(), "&Edit");

    QStringList bar;
    for (const QAction* a : form.menuBar()->actions())
        bar << (a->menu() ? a->menu()->objectName() : a->objectName());
    EXPECT_EQ(bar, QStringList({"File1", "Edit1", "Font1", "VertHoriz", "Line", "color", "Fill1"}));
    EXPECT_EQ(form.findChild<QAction*>(QStringLiteral("Fill1"))->toolTip(), "Rects. and Circles");
}

} // namespace
