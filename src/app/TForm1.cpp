#include "app/TForm1.h"

#include "app/ClickPanel.h"
#include "app/EtchedGroupBox.h"
#include "app/ErrorReport.h"
#include "app/FileFilter.h"
#include "app/GridDelegate.h"
#include "app/GridModel.h"
#include "app/StoreText.h"
#include "app/TForm2.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"
#include "ops/Calculus.h"
#include "ops/Regression.h"
#include "ops/SetArithmetic.h"
#include "ops/SetManagement.h"
#include "ops/Smoothing.h"
#include "plot/PlotCanvas.h"
#include "widgets/OuterSize.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <optional>

namespace {

constexpr int kOuterWidth = 635;
constexpr int kOuterHeight = 479;

constexpr char kOpenFilter[] =
    "KWT-Files|*.KWT|ASCII Data|*.ASC|CSV files|*.CSV|Text files|*.txt|Vexon-Files|*.VXN|All files|*.*";
constexpr char kSaveFilter[] = "KWT-File|*.KWT|ASCI-File|*.ASC";

const QString kMakerNotice = QStringLiteral("measurement data and plots");

QFont arial(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The main window's colour of a set's colour code; other codes keep the
// colour shown last.
std::optional<QColor> windowColour(uint8_t code)
{
    switch (code) {
    case 0: return QColor(0, 0, 0);
    case 1: return QColor(255, 0, 0);
    case 2: return QColor(0, 0, 255);
    case 3: return QColor(0, 128, 0);
    case 4: return QColor(128, 0, 128);
    case 5: return QColor(0, 255, 0);
    default: return std::nullopt;
    }
}

void setFontColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QString numberText(int n) { return QString::number(n); }

QString shownText(const std::string& text) { return QString::fromStdString(text); }

// A small plot of a rising curve through a few marked points, the picture of
// the Info box.
QPixmap infoPicture()
{
    QPixmap picture(55, 73);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(8, 6, 8, 62);
    painter.drawLine(8, 62, 50, 62);
    for (int tick = 14; tick <= 50; tick += 9)
        painter.drawLine(tick, 62, tick, 65);
    QPainterPath curve(QPointF(10, 58));
    curve.cubicTo(QPointF(24, 56), QPointF(30, 20), QPointF(48, 12));
    painter.setPen(QPen(QColor(0, 0, 255), 1.5));
    painter.drawPath(curve);
    painter.setPen(QPen(QColor(255, 0, 0), 1));
    const QPointF marks[] = {{14, 55}, {23, 47}, {30, 32}, {38, 20}, {46, 14}};
    for (const QPointF& mark : marks)
        painter.drawRect(QRectF(mark.x() - 2, mark.y() - 2, 4, 4));
    painter.setPen(QColor(0, 128, 0));
    painter.setFont(arial(9, true));
    painter.drawText(QRect(0, 64, 55, 9), Qt::AlignCenter, QStringLiteral("y = f(x)"));
    return picture;
}

template <typename W>
W* make(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int left, int top, int width, const QString& text = {})
{
    auto* e = make<QLineEdit>(parent, name, left, top, width, 21);
    e->setText(text);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height, const QString& hint = {})
{
    auto* b = make<QPushButton>(parent, name, left, top, width, height);
    b->setText(caption);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    bool checked)
{
    auto* c = make<QCheckBox>(parent, name, left, top, width, 17);
    c->setText(caption);
    c->setChecked(checked);
    return c;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    auto* g = new EtchedGroupBox(caption, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(left, top, width, height);
    return g;
}

// Labels size themselves to their text, as the window's labels always have.
void setCaption(QLabel* l, const QString& text)
{
    l->setText(text);
    l->adjustSize();
}

} // namespace

TForm1::TForm1(DataStore& store, TForm2* graphicWindow, QWidget* helpWindow, QWidget* parent)
    : QMainWindow(parent)
    , store_(store)
    , graphicWindow_(graphicWindow)
    , helpWindow_(helpWindow)
{
    chooseFile_ = [](QFileDialog& dialog) {
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kurvix - ") + kMakerNotice);
    move(322, 101);
    resize(kOuterWidth, kOuterHeight);
    setFont(arial(10));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette face = client->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    client->setPalette(face);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    createAxisColumn(client);
    createSetColumn(client);
    createDataColumn(client);
    createStepper(client);
    createHiddenBoxes(client);
    createMenu();
    connectHandlers();

    // Grid set-up, default axes and switches, then the first set display.
    SGDATEN->setColumnWidth(0, 36);
    gridModel_->setHeaderText(1, "Data X");
    gridModel_->setHeaderText(2, "Data Y");
    store_.resetPlotDefaults();
    store_.plot.showDateTime = true;
    store_.plot.showFileName = true;
    showCurrentSet();
    SGDATEN->setCurrentIndex(gridModel_->index(0, 1));
}

void TForm1::createAxisColumn(QWidget* client)
{
    GBXAchse = groupBox(client, "GBXAchse", QStringLiteral("X Axis "), 7, 0, 182, 384);
    EdXachse = edit(GBXAchse, "EdXachse", 7, 33, 163, QStringLiteral("X"));
    label(GBXAchse, "Lbxvon", QStringLiteral("from"), 7, 58);
    EdXvon = edit(GBXAchse, "EdXvon", 7, 72, 59, QStringLiteral(" "));
    Lbminx = label(GBXAchse, "Lbminx", QStringLiteral("(min. value)"), 72, 75);
    label(GBXAchse, "Lbxbis", QStringLiteral("to"), 7, 97);
    Edxbis = edit(GBXAchse, "Edxbis", 7, 111, 59, QStringLiteral("  "));
    Lbmaxx = label(GBXAchse, "Lbmaxx", QStringLiteral("(max. value)"), 72, 114);
    label(GBXAchse, "LbUeber", QStringLiteral("Heading"), 7, 218);
    EdTitel = edit(GBXAchse, "EdTitel", 7, 234, 163, QStringLiteral(" "));
    label(GBXAchse, "Lbunter", QStringLiteral("Comment"), 7, 270);
    EdBemerkung = edit(GBXAchse, "EdBemerkung", 7, 286, 163, QStringLiteral(" "));
    CBDatumzeit = checkBox(GBXAchse, "CBDatumzeit", QStringLiteral("Show  Date and Time"), 7, 332, 165, true);
    CBfilename = checkBox(GBXAchse, "CBfilename", QStringLiteral("Show Filename"), 7, 358, 165, true);
}

void TForm1::createSetColumn(QWidget* client)
{
    GBAchsen = groupBox(client, "GBAchsen", QStringLiteral("Y Axis Set # "), 202, 0, 189, 384);
    EdYAchse = edit(GBAchsen, "EdYAchse", 7, 33, 169, QStringLiteral("Y"));
    label(GBAchsen, "Label1", QStringLiteral("from"), 7, 58);
    EdYvon = edit(GBAchsen, "EdYvon", 7, 72, 65);
    Lbminy = label(GBAchsen, "Lbminy", QStringLiteral("(min. value)"), 78, 75);
    label(GBAchsen, "Label2", QStringLiteral("to"), 7, 97);
    EdYBis = edit(GBAchsen, "EdYBis", 7, 111, 65);
    LbmaxY = label(GBAchsen, "LbmaxY", QStringLiteral("(max. value)"), 78, 114);

    GBRegr = groupBox(GBAchsen, "GBRegr", QStringLiteral("Regression analysis"), 7, 143, 176, 111);
    label(GBRegr, "LbGleichung", QStringLiteral("Y = a X + b"), 8, 17);
    LbN = label(GBRegr, "LbN", QString(), 104, 17);
    Lba = label(GBRegr, "Lba", QString(), 8, 35);
    Lbb = label(GBRegr, "Lbb", QString(), 8, 53);
    label(GBRegr, "LbKoeff", QStringLiteral("Correlation coefficient "), 8, 72);
    Lbr = label(GBRegr, "Lbr", QString(), 8, 90);

    GBYDarstellung = groupBox(GBAchsen, "GBYDarstellung", QStringLiteral("Display"), 7, 260, 176, 118);
    PnColor = new ClickPanel(QStringLiteral("Color"), GBYDarstellung);
    PnColor->setObjectName(QStringLiteral("PnColor"));
    PnColor->setGeometry(96, 8, 74, 21);
    PnColor->setToolTip(QStringLiteral("Click to change"));
    CBSymbolzeichnen = checkBox(GBYDarstellung, "CBSymbolzeichnen", QStringLiteral("Symbols  #"), 7, 36, 89, true);
    button(GBYDarstellung, "BnSyminus", QStringLiteral("- <"), 98, 36, 26, 13);
    LbSyNr = make<QLabel>(GBYDarstellung, "LbSyNr", 130, 36, 13, 13);
    LbSyNr->setAlignment(Qt::AlignCenter);
    LbSyNr->setText(QStringLiteral(" ...    "));
    button(GBYDarstellung, "BnSyplus", QStringLiteral("> +"), 143, 36, 27, 13);
    CBVerbinden = checkBox(GBYDarstellung, "CBVerbinden", QStringLiteral("Connect points"), 7, 55, 160, true);
    CBKurve = checkBox(GBYDarstellung, "CBKurve", QStringLiteral("Draw curve"), 7, 75, 160, false);
    CBGerade = checkBox(GBYDarstellung, "CBGerade", QStringLiteral("Draw regression line"), 7, 94, 160, false);
}

void TForm1::createDataColumn(QWidget* client)
{
    GBDatensatz = groupBox(client, "GBDatensatz", QStringLiteral("Data"), 395, 0, 214, 281);
    SGDATEN = make<QTableView>(GBDatensatz, "SGDATEN", 2, 15, 210, 257);
    gridModel_ = new GridModel(SGDATEN);
    gridDelegate_ = new GridDelegate(SGDATEN);
    SGDATEN->setModel(gridModel_);
    SGDATEN->setItemDelegate(gridDelegate_);
    SGDATEN->verticalHeader()->hide();
    SGDATEN->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGDATEN->verticalHeader()->setDefaultSectionSize(24);
    SGDATEN->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGDATEN->horizontalHeader()->setDefaultSectionSize(72);
    SGDATEN->horizontalHeader()->setFixedHeight(24);
    SGDATEN->horizontalHeader()->setHighlightSections(false);
    SGDATEN->horizontalHeader()->setSectionsClickable(false);
    SGDATEN->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SGDATEN->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SGDATEN->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SGDATEN->setSelectionBehavior(QAbstractItemView::SelectItems);
    SGDATEN->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                             | QAbstractItemView::EditKeyPressed);
    SGDATEN->setCornerButtonEnabled(false);
    SGDATEN->setTabKeyNavigation(false);
    SGDATEN->installEventFilter(this);

    auto* panel = make<QFrame>(client, "Panel2", 400, 288, 208, 97);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    struct Operation {
        const char* name;
        int left, top;
        const char* caption;
        const char* hint;
    };
    static const Operation operations[] = {
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
    for (const Operation& op : operations) {
        QPushButton* b = button(panel, op.name, QString::fromLatin1(op.caption), op.left, op.top, 60, 20,
                                QString::fromLatin1(op.hint));
        b->setFont(arial(11));
    }
}

void TForm1::createStepper(QWidget* client)
{
    button(client, "Button1", QStringLiteral(" < Set  - "), 228, 390, 52, 20, QStringLiteral("previous #"));
    auto* panel = make<QFrame>(client, "Panel1", 286, 387, 27, 23);
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    LbSatzNr = make<QLabel>(panel, "LbSatzNr", 2, 2, 20, 14);
    LbSatzNr->setAlignment(Qt::AlignCenter);
    LbSatzNr->setFont(arial(15, true));
    LbSatzNr->setText(QStringLiteral("1"));
    setFontColour(LbSatzNr, QPalette::WindowText, QColor(0, 0, 255));
    button(client, "BnSatzplus", QStringLiteral(" + Set > "), 319, 390, 52, 20, QStringLiteral("next set #"));
    button(client, "BnPlotstart", QStringLiteral("Graphic ..."), 463, 390, 82, 20, QStringLiteral("Plot..."));
    label(client, "Lbmessage", QString(11, QLatin1Char(' ')), 65, 397);
}

void TForm1::createHiddenBoxes(QWidget* client)
{
    GBInfo = groupBox(client, "GBInfo", QStringLiteral("Info"), 32, 24, 249, 233);
    Image1 = make<QLabel>(GBInfo, "Image1", 16, 24, 55, 73);
    Image1->setPixmap(infoPicture());
    Lbinfo = label(GBInfo, "Lbinfo", QString(), 84, 24);
    Lbinfo->setWordWrap(false);
    button(GBInfo, "BnInfook", QStringLiteral("Close Info"), 80, 196, 89, 25);
    for (QWidget* w : {static_cast<QWidget*>(GBInfo), static_cast<QWidget*>(Image1), static_cast<QWidget*>(Lbinfo)})
        w->installEventFilter(this);

    auto* datok = groupBox(client, "GbDatok", QString(), 363, 232, 217, 137);
    datok->setToolTip(QStringLiteral("For all X or Y..."));
    label(datok, "Lbdatok", QStringLiteral("..."), 40, 32);
    edit(datok, "EdGBDATOK", 91, 26, 72);
    button(datok, "Bndatokok", QStringLiteral("OK"), 128, 81, 66, 20);
    button(datok, "BnDatokabbr", QStringLiteral("Cancel"), 28, 81, 65, 20);

    auto* remove = groupBox(client, "GBRemove_Data", QStringLiteral("Remove data points"), 394, 280, 217, 137);
    label(remove, "Label3", QStringLiteral("from"), 32, 28);
    edit(remove, "EdClearvon", 64, 24, 33, QStringLiteral("1"));
    label(remove, "Label4", QStringLiteral("to"), 112, 28);
    edit(remove, "EdClearbis", 136, 24, 33, QStringLiteral("1"));
    auto* range = make<QRadioButton>(remove, "RBrange", 184, 24, 20, 17);
    range->setChecked(true);
    label(remove, "Label5", QStringLiteral("Reduce points by factor of"), 16, 58);
    edit(remove, "Edfactor", 144, 56, 25, QStringLiteral("2"));
    make<QRadioButton>(remove, "RBreduce", 184, 56, 20, 17);
    button(remove, "Button2", QStringLiteral("Cancel"), 48, 96, 57, 25);
    button(remove, "Bnokclear", QStringLiteral("OK"), 128, 96, 57, 25);

    GB2ndfile = groupBox(client, "GB2ndfile", QStringLiteral("Open 2nd KWT file"), 64, 64, 273, 145);
    label(GB2ndfile, "Lb2nd1", QStringLiteral("This allows to read an KWT File"), 16, 24);
    label(GB2ndfile, "Lb2nd2", QStringLiteral("into a specified data set"), 16, 42);
    label(GB2ndfile, "Lb2nd3", QStringLiteral("Set # (2 - 9)"), 16, 74);
    Ed2nd = edit(GB2ndfile, "Ed2nd", 104, 70, 41, QStringLiteral("2"));
    button(GB2ndfile, "Bn2ndok", QStringLiteral("OK"), 160, 106, 75, 25);
    button(GB2ndfile, "Bn2ndcancel", QStringLiteral("Cancel"), 40, 106, 75, 25);

    // The in-window dialogs lie over the other controls and start hidden.
    for (QGroupBox* box : {GBInfo, datok, remove, GB2ndfile}) {
        box->raise();
        box->setAutoFillBackground(true);
        box->hide();
    }
}

void TForm1::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Menus are drawn in the desktop's menu font, not in the window's.
    bar->setFont(QApplication::font("QMenuBar"));

    auto addMenu = [bar](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys,
                          void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        if (handler)
            connect(action, &QAction::triggered, this, [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
        return action;
    };

    QMenu* file = addMenu("Datei1", QStringLiteral("&File"));
    addItem(file, "ffnen1", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::ffnen1Click);
    addItem(file, "Open2nd1", QStringLiteral("Open 2nd file"), {}, &TForm1::Open2nd1Click);
    addItem(file, "Speichernals1", QStringLiteral("Save "), QKeySequence(Qt::CTRL | Qt::Key_S),
            &TForm1::Speichernals1Click);
    addItem(file, "Drucken1", QStringLiteral("&Print data"), QKeySequence(Qt::CTRL | Qt::Key_P), &TForm1::Drucken1Click);
    QAction* exit = addItem(file, "Beenden1", QStringLiteral("Exit Program"), QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* options = addMenu("Optionen1", QStringLiteral("&Options"));
    addItem(options, "Symbole1", QStringLiteral("Show &Symbols"), {}, &TForm1::Symbole1Click);
    Grid1 = addItem(options, "Grid1", QStringLiteral("Plot with &Grid "), {}, &TForm1::Grid1Click);

    QAction* help = bar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    connect(help, &QAction::triggered, this, [this] { guarded(this, [this] { Hilfe1Click(); }); });
    QAction* info = bar->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("Info1"));
    connect(info, &QAction::triggered, this, [this] { guarded(this, [this] { Info1Click(); }); });
}

void TForm1::connectHandlers()
{
    auto onClick = [this](const char* name, void (TForm1::*handler)()) {
        auto* b = findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(b, &QAbstractButton::clicked, this, [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
    };
    onClick("BnPlotstart", &TForm1::BnPlotstartClick);
    onClick("Button1", &TForm1::Button1Click);
    onClick("BnSatzplus", &TForm1::BnSatzplusClick);
    onClick("BnSyminus", &TForm1::BnSyminusClick);
    onClick("BnSyplus", &TForm1::BnSyplusClick);
    onClick("CBSymbolzeichnen", &TForm1::CBSymbolzeichnenClick);
    onClick("Bn2ndok", &TForm1::Bn2ndokClick);
    connect(findChild<QPushButton*>(QStringLiteral("Bn2ndcancel")), &QPushButton::clicked, GB2ndfile, &QWidget::hide);
    connect(findChild<QPushButton*>(QStringLiteral("BnInfook")), &QPushButton::clicked, GBInfo, &QWidget::hide);
    connect(PnColor, &ClickPanel::clicked, this, [this] { guarded(this, [this] { PnColorClick(); }); });
    connect(CBDatumzeit, &QCheckBox::clicked, this, [this](bool on) { store_.plot.showDateTime = on; });
    connect(CBfilename, &QCheckBox::clicked, this, [this](bool on) { store_.plot.showFileName = on; });

    auto onChange = [this](QLineEdit* e, void (TForm1::*handler)()) {
        connect(e, &QLineEdit::textChanged, this, [this, handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
    };
    onChange(EdXachse, &TForm1::EdXachseChange);
    onChange(EdXvon, &TForm1::EdXvonChange);
    onChange(Edxbis, &TForm1::EdxbisChange);
    onChange(EdTitel, &TForm1::EdTitelChange);
    onChange(EdBemerkung, &TForm1::EdBemerkungChange);
    onChange(EdYAchse, &TForm1::EdYAchseChange);
    onChange(EdYvon, &TForm1::EdYvonChange);
    onChange(EdYBis, &TForm1::EdYBisChange);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old && now && GBAchsen->isAncestorOf(old) && !GBAchsen->isAncestorOf(now) && now->window() == this)
            guarded(this, [this] { GBAchsenExit(); });
    });

    connect(gridDelegate_, &GridDelegate::enterPressed, this,
            [this] { guarded(this, [this] { SGDATENKeyDown(Qt::Key_Return); }); });
    connect(gridDelegate_, &GridDelegate::keyReleased, this,
            [this](const QKeyEvent& e) { guarded(this, [this, &e] { SGDATENKeyUp(e); }); });
    bindOperationControls();
}

// --- Set display -------------------------------------------------------------

void TForm1::colourDisplay()
{
    const int s = store_.currentSet;
    if (const auto colour = windowColour(store_.setColour[static_cast<size_t>(s)]))
        shownColour_ = *colour;
    setFontColour(PnColor, QPalette::WindowText, shownColour_);
    PnColor->setText(QStringLiteral("COLOR "));
    setFontColour(EdYAchse, QPalette::Text, shownColour_);
    setFontColour(LbSatzNr, QPalette::WindowText, shownColour_);
    LbSatzNr->setText(numberText(s));
}

void TForm1::putText(QLineEdit* edit, const QString& text, void (TForm1::*handler)())
{
    // Putting text into a field always runs its change handler, also when the
    // field already shows that text, so the store holds what the field shows.
    if (edit->text() == text)
        (this->*handler)();
    else
        edit->setText(text);
}

void TForm1::showAxisEnds(QLineEdit* from, QLineEdit* to, const double& lower, const double& upper)
{
    // Each end is shown with the decimals the range calls for; the change
    // handler stores the shown (rounded) value back before the other end is
    // formatted.
    const bool xAxis = from == EdXvon;
    putText(from, shownText(formatValue(lower, 1, displayDecimals((upper - lower) * 101))),
            xAxis ? &TForm1::EdXvonChange : &TForm1::EdYvonChange);
    putText(to, shownText(formatValue(upper, 1, displayDecimals((upper - lower) * 101))),
            xAxis ? &TForm1::EdxbisChange : &TForm1::EdYBisChange);
}

void TForm1::showCurrentSet()
{
    const int s = store_.currentSet;
    const auto si = static_cast<size_t>(s);
    colourDisplay();
    GBDatensatz->setTitle(QStringLiteral("Data (Set # %1)").arg(s));

    putText(EdXachse, fromStoreText(store_.plot.xLabel), &TForm1::EdXachseChange);
    showAxisEnds(EdXvon, Edxbis, store_.plot.xFrom, store_.plot.xTo);
    putText(EdTitel, fromStoreText(store_.plot.heading), &TForm1::EdTitelChange);
    putText(EdBemerkung, fromStoreText(store_.plot.comment), &TForm1::EdBemerkungChange);

    GBAchsen->setTitle(QStringLiteral("Y Axis (Set # %1)").arg(s));
    putText(EdYAchse, fromStoreText(store_.yLabel[si]), &TForm1::EdYAchseChange);
    showAxisEnds(EdYvon, EdYBis, store_.yFrom[si], store_.yTo[si]);

    const RegressionTexts regression = showRegression(store_);
    setCaption(LbN, shownText(regression.n));
    setCaption(Lba, shownText(regression.a));
    setCaption(Lbb, shownText(regression.b));
    setCaption(Lbr, shownText(regression.r));

    // setChecked does not emit clicked(), so the flags are not written back.
    CBSymbolzeichnen->setChecked(store_.testFlag(showSymbols));
    CBVerbinden->setChecked(store_.testFlag(connectPoints));
    CBKurve->setChecked(store_.testFlag(drawCurve));
    CBGerade->setChecked(store_.testFlag(drawRegressionLine));

    store_.sortSet(s);

    const int n = store_.pointCount[si];
    if (n < 1) {
        for (QLabel* l : {Lbminx, Lbmaxx, Lbminy, LbmaxY})
            setCaption(l, QString());
    } else {
        setCaption(Lbminx, QStringLiteral("min. value ") + shownText(formatShown(store_.x(s, 1))));
        setCaption(Lbmaxx, QStringLiteral("max. value ") + shownText(formatShown(store_.x(s, n))));
        setCaption(Lbminy, QStringLiteral("min. value ") + shownText(formatShown(store_.y(s, store_.minYIndex[si]))));
        setCaption(LbmaxY, QStringLiteral("max. value ") + shownText(formatShown(store_.y(s, store_.maxYIndex[si]))));
    }
    LbSyNr->setText(numberText(store_.symbolNumber[si]));

    const QModelIndex current = SGDATEN->currentIndex();
    gridModel_->showPoints(store_.xs(s), store_.ys(s), n);
    if (current.isValid()) {
        const int row = std::min(current.row(), gridModel_->rowCount() - 1);
        SGDATEN->setCurrentIndex(gridModel_->index(row, current.column()));
    }
}

void TForm1::readGridIntoSet()
{
    const int s = store_.currentSet;
    if (s < kFirstSet || s > kLastSet)
        return;
    gridDelegate_->syncEditorText(*gridModel_);
    const int k = gridModel_->readPoints(store_.xs(s), store_.ys(s), kSetCapacity);
    store_.pointCount[static_cast<size_t>(s)] = k;
    gridModel_->setHeaderText(0, "[" + std::to_string(k) + "]");
    gridModel_->setGridRowCount(k + 20);
}

void TForm1::SGDATENKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const QModelIndex current = SGDATEN->currentIndex();
    if (!current.isValid())
        return;
    QModelIndex next;
    if (current.column() == 2) {
        // In the last row there is no next row: the selection stays.
        if (current.row() + 1 < gridModel_->rowCount())
            next = gridModel_->index(current.row() + 1, 1);
    } else {
        next = gridModel_->index(current.row(), 2);
    }
    if (next.isValid())
        SGDATEN->setCurrentIndex(next);
}

void TForm1::SGDATENKeyUp(const QKeyEvent& event)
{
    bool typed = false;
    const QString text = event.text();
    if (text.size() == 1) {
        const QChar c = text.front();
        typed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') || c == QLatin1Char('-')
            || c == QLatin1Char('.');
    } else if (text.isEmpty() && !(event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
        const int key = event.key();
        typed = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Comma || key == Qt::Key_Minus
            || key == Qt::Key_Period;
    }
    if (typed)
        store_.unsavedChanges = true;
    readGridIntoSet();
}

// --- Settings ---------------------------------------------------------------

void TForm1::storeDrawFlags()
{
    const int s = store_.currentSet;
    if (s < 0 || s > kLastSet)
        return;
    const std::pair<QCheckBox*, uint8_t> boxes[] = {
        {CBSymbolzeichnen, showSymbols}, {CBVerbinden, connectPoints}, {CBKurve, drawCurve}, {CBGerade, drawRegressionLine}};
    for (const auto& [box, bit] : boxes) {
        if (box->isChecked())
            store_.setFlag(bit);
        else
            store_.clearFlag(bit);
    }
}

void TForm1::CBSymbolzeichnenClick() { storeDrawFlags(); }

void TForm1::EdXachseChange() { store_.setXLabel(toStoreText(EdXachse->text())); }
void TForm1::EdTitelChange() { store_.setHeading(toStoreText(EdTitel->text())); }
void TForm1::EdBemerkungChange() { store_.setComment(toStoreText(EdBemerkung->text())); }
void TForm1::EdYAchseChange() { store_.setYLabel(store_.currentSet, toStoreText(EdYAchse->text())); }

// Range fields store whatever parseNumber yields, valid or not (0 for text
// that is no number yet, such as a lone minus sign while typing).
void TForm1::EdXvonChange() { store_.plot.xFrom = parseNumber(EdXvon->text().toStdString()).value; }
void TForm1::EdxbisChange() { store_.plot.xTo = parseNumber(Edxbis->text().toStdString()).value; }
void TForm1::EdYvonChange()
{
    store_.yFrom[static_cast<size_t>(store_.currentSet)] = parseNumber(EdYvon->text().toStdString()).value;
}
void TForm1::EdYBisChange()
{
    store_.yTo[static_cast<size_t>(store_.currentSet)] = parseNumber(EdYBis->text().toStdString()).value;
}

void TForm1::GBAchsenExit()
{
    const auto s = static_cast<size_t>(store_.currentSet);
    const std::pair<QLineEdit*, double*> fields[] = {
        {EdYvon, &store_.yFrom[s]}, {EdYBis, &store_.yTo[s]}, {EdXvon, &store_.plot.xFrom}, {Edxbis, &store_.plot.xTo}};
    for (const auto& [field, value] : fields) {
        const ParsedNumber parsed = parseNumber(field->text().toStdString());
        if (parsed.ok)
            *value = parsed.value;
    }
}

void TForm1::BnSyminusClick()
{
    uint8_t& n = store_.symbolNumber[static_cast<size_t>(store_.currentSet)];
    n = n > 0 ? static_cast<uint8_t>(n - 1) : uint8_t{12};
    LbSyNr->setText(numberText(n));
}

void TForm1::BnSyplusClick()
{
    uint8_t& n = store_.symbolNumber[static_cast<size_t>(store_.currentSet)];
    n = n < 14 ? static_cast<uint8_t>(n + 1) : uint8_t{0};
    LbSyNr->setText(numberText(n));
}

void TForm1::PnColorClick()
{
    uint8_t& code = store_.setColour[static_cast<size_t>(store_.currentSet)];
    code = code > 4 ? uint8_t{0} : static_cast<uint8_t>(code + 1);
    colourDisplay();
}

void TForm1::Grid1Click()
{
    store_.plot.plotWithGrid = !store_.plot.plotWithGrid;
    Grid1->setText(store_.plot.plotWithGrid ? QStringLiteral("No &Grid") : QStringLiteral("Plot with &Grid"));
}

void TForm1::Symbole1Click()
{
    if (!graphicWindow_)
        return;
    TForm2* window = graphicWindow_;
    showSymbolTable(store_, window->state(), [window] { window->showFromProgramWindow(); });
}

// --- Stepper and windows -----------------------------------------------------

void TForm1::Button1Click()
{
    storeDrawFlags();
    if (store_.currentSet > kFirstSet)
        --store_.currentSet;
    showCurrentSet();
}

void TForm1::BnSatzplusClick()
{
    storeDrawFlags();
    if (store_.currentSet < kLastSet)
        ++store_.currentSet;
    showCurrentSet();
}

void TForm1::BnPlotstartClick()
{
    storeDrawFlags();
    if (graphicWindow_)
        graphicWindow_->showFromProgramWindow();
}

void TForm1::Hilfe1Click()
{
    if (!helpWindow_)
        return;
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void TForm1::Info1Click()
{
    setCaption(Lbinfo, QStringLiteral("Kurvix\n%1\n\nEnter, transform, analyse\nand plot up to nine\nsets of X/Y data.\n\n"
                                      "Data: KWT, ASCII, CSV,\ntext and Vexon files.")
                           .arg(kMakerNotice));
    GBInfo->show();
    GBInfo->raise();
}

// --- Files -------------------------------------------------------------------

QFileDialog& TForm1::openDialog()
{
    if (!OpenDialog1) {
        OpenDialog1 = new QFileDialog(this, QStringLiteral("Open"));
        OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        OpenDialog1->setFileMode(QFileDialog::ExistingFile);
        OpenDialog1->setNameFilters(qtFileFilter(kOpenFilter).split(QStringLiteral(";;")));
        if (!dialogDirectory_.isEmpty())
            OpenDialog1->setDirectory(dialogDirectory_);
    }
    return *OpenDialog1;
}

QFileDialog& TForm1::saveDialog()
{
    if (!SaveDialog1) {
        SaveDialog1 = new QFileDialog(this, QStringLiteral("Save"));
        SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
        SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
        SaveDialog1->setFileMode(QFileDialog::AnyFile);
        SaveDialog1->setNameFilters(qtFileFilter(kSaveFilter).split(QStringLiteral(";;")));
        SaveDialog1->setDefaultSuffix(QString());
        if (!dialogDirectory_.isEmpty())
            SaveDialog1->setDirectory(dialogDirectory_);
    }
    return *SaveDialog1;
}

void TForm1::ffnen1Click()
{
    store_.loadTargetSet = 1;
    QFileDialog& dialog = openDialog();
    dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(store_.currentFileName)));
    const QString path = chooseFile_(dialog);
    if (!path.isEmpty())
        openDataFile(path, 1);
}

void TForm1::Open2nd1Click()
{
    GB2ndfile->show();
    GB2ndfile->raise();
}

void TForm1::Bn2ndokClick()
{
    GB2ndfile->hide();
    const int target = toInteger(Ed2nd->text().toStdString());
    if (target < kFirstSet || target > kLastSet)
        throw KurvixError(std::string(Messages::SecondFileSetRange));
    store_.loadTargetSet = static_cast<uint8_t>(target);
    // The dialog keeps the name it last had.
    const QString path = chooseFile_(openDialog());
    if (!path.isEmpty())
        openDataFile(path, target);
}

bool TForm1::openDataFile(const QString& path, int loadTargetSet)
{
    return guarded(this, [&] {
        store_.loadTargetSet = static_cast<uint8_t>(loadTargetSet);
        const ReadOutcome outcome = readDataFile(store_, QFile::encodeName(path).toStdString());
        afterRead(path, outcome);
    });
}

bool TForm1::openDataFile(const std::string& path)
{
    return openDataFile(QFile::decodeName(QByteArray::fromStdString(path)), 1);
}

void TForm1::afterRead(const QString& path, const ReadOutcome& outcome)
{
    saveFileName_ = QFile::decodeName(QByteArray::fromStdString(store_.currentFileName));
    // Both dialogs open where the file came from; names given without a
    // directory then refer to it.
    dialogDirectory_ = QFileInfo(path).absolutePath();
    for (QFileDialog* dialog : {OpenDialog1, SaveDialog1})
        if (dialog)
            dialog->setDirectory(dialogDirectory_);
    if (graphicWindow_) {
        graphicWindow_->state().imageOpenName = outcome.imageOpenName;
        graphicWindow_->state().imageFileName.clear();
    }
    showCurrentSet();
}

void TForm1::Speichernals1Click()
{
    QFileDialog& dialog = saveDialog();
    if (!saveFileName_.isEmpty())
        dialog.selectFile(saveFileName_);
    const QString path = chooseFile_(dialog);
    if (path.isEmpty())
        return;
    writeDataFile(store_, QFile::encodeName(path).toStdString());
    saveFileName_ = path;
}

// --- Window events -----------------------------------------------------------

void TForm1::closeEvent(QCloseEvent* event)
{
    if (store_.unsavedChanges) {
        const auto answer = QMessageBox::question(this, QStringLiteral("Kurvix"),
                                                  QString::fromUtf8(Messages::CloseQuery.data(),
                                                                    static_cast<qsizetype>(Messages::CloseQuery.size())),
                                                  QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        store_.unsavedChanges = false;
    }
    event->accept();
    // The other windows may still be shown; closing this one ends the run.
    emit closed();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SGDATEN) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                guarded(this, [this, key] { SGDATENKeyDown(key->key()); });
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            guarded(this, [this, key] { SGDATENKeyUp(*key); });
            return false;
        }
    } else if (event->type() == QEvent::MouseButtonRelease
               && (watched == GBInfo || watched == Image1 || watched == Lbinfo)) {
        GBInfo->hide();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        fitFrameToOuterSize();
        break;
    default:
        break;
    }
    return handled;
}

void TForm1::fitFrameToOuterSize()
{
    if (!frameFitted_)
        frameFitted_ = ::fitFrameToOuterSize(*this, QSize(kOuterWidth, kOuterHeight));
}

// --- Set operations ----------------------------------------------------------

void TForm1::bindOperationControls()
{
    GbDatok = findChild<QGroupBox*>(QStringLiteral("GbDatok"));
    Lbdatok = findChild<QLabel*>(QStringLiteral("Lbdatok"));
    EdGBDATOK = findChild<QLineEdit*>(QStringLiteral("EdGBDATOK"));
    GBRemove_Data = findChild<QGroupBox*>(QStringLiteral("GBRemove_Data"));
    EdClearvon = findChild<QLineEdit*>(QStringLiteral("EdClearvon"));
    EdClearbis = findChild<QLineEdit*>(QStringLiteral("EdClearbis"));
    Edfactor = findChild<QLineEdit*>(QStringLiteral("Edfactor"));
    RBrange = findChild<QRadioButton*>(QStringLiteral("RBrange"));
    Lbmessage = findChild<QLabel*>(QStringLiteral("Lbmessage"));

    const std::pair<const char*, void (TForm1::*)()> buttons[] = {
        {"BnCopy", &TForm1::BnCopyClick},
        {"BnEinf", &TForm1::BnEinfClick},
        {"BnSatztausch", &TForm1::BnSatztauschClick},
        {"Bnrech", &TForm1::BnrechClick},
        {"BnTAUSCH", &TForm1::BnTAUSCHClick},
        {"BnAddY", &TForm1::BnAddYClick},
        {"BnAbl", &TForm1::BnAblClick},
        {"BnIntegral", &TForm1::BnIntegralClick},
        {"BnDrift", &TForm1::BnDriftClick},
        {"Bnglaett", &TForm1::BnglaettClick},
        {"Bn", &TForm1::BnClick},
        {"BnLoeschen", &TForm1::BnLoeschenClick},
        {"Bndatokok", &TForm1::BndatokokClick},
        {"BnDatokabbr", &TForm1::BnDatokabbrClick},
        {"Button2", &TForm1::Button2Click},
        {"Bnokclear", &TForm1::BnokclearClick},
    };
    for (const auto& [name, handler] : buttons) {
        auto* b = findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(b, &QAbstractButton::clicked, this,
                [this, handler = handler] { guarded(this, [this, handler] { (this->*handler)(); }); });
    }
    connect(EdGBDATOK, &QLineEdit::returnPressed, this,
            [this] { guarded(this, [this] { EdGBDATOKKeyDown(Qt::Key_Return); }); });
}

void TForm1::openDatok(const QString& caption, uint8_t mode)
{
    GbDatok->setTitle(caption);
    datokMode = mode;
    GbDatok->show();
    GbDatok->raise();
}

void TForm1::BnCopyClick()
{
    openDatok(QStringLiteral("Copy data set as #"), 1);
    const int free = firstFreeSet(store_);
    EdGBDATOK->setText(free > 0 ? numberText(free) : QString::fromLatin1(kNoFreeSet));
}

void TForm1::BnEinfClick() { openDatok(QStringLiteral("Insert Data from set # "), 2); }

void TForm1::BnSatztauschClick()
{
    openDatok(QStringLiteral("Exchange set with set #"), 3);
    EdGBDATOK->clear();
}

void TForm1::BnAddYClick()
{
    openDatok(QStringLiteral("Add curve from set # "), 4);
    EdGBDATOK->clear();
}

void TForm1::BnrechClick()
{
    openDatok(QStringLiteral("X/Y + - * / L ^ R"), 5);
    EdGBDATOK->clear();
    EdGBDATOK->setFocus();
}

void TForm1::BnDriftClick()
{
    computeRegression(store_, store_.currentSet);
    const double a = store_.regression.a;
    openDatok(QStringLiteral("Change current Slope: ") + shownText(formatValue(a, 1, displayDecimals(a) + 1)), 7);
    EdGBDATOK->setText(QStringLiteral("S"));
}

void TForm1::BnClick()
{
    openDatok(QStringLiteral("Filter max and min values"), 9);
    setCaption(Lbdatok, QStringLiteral("Window"));
    EdGBDATOK->setText(QStringLiteral("4"));
    EdGBDATOK->setFocus();
}

void TForm1::BndatokokClick()
{
    setCaption(Lbdatok, QStringLiteral("   "));
    const std::string text = EdGBDATOK->text().toStdString();
    switch (datokMode) {
    case 1:
        copyToSet(store_, toInteger(text));
        break;
    case 2:
        insertSet(store_, toInteger(text));
        showCurrentSet();
        break;
    case 3:
        exchangeSets(store_, toInteger(text));
        showCurrentSet();
        break;
    case 4:
        addCurve(store_, toInteger(text));
        showCurrentSet();
        break;
    case 5:
    case 7:
        carryOutCalculation(text);
        break;
    case 9:
        // Too short a set for the window: the box stays open and says so.
        if (filterSpikes(store_, toInteger(text)) == FilterOutcome::TooFewPoints) {
            EdGBDATOK->setText(QString::fromLatin1(kNoDataToFilter));
            return;
        }
        showCurrentSet();
        break;
    default:
        break;
    }
    GbDatok->hide();
}

void TForm1::carryOutCalculation(const std::string& formula)
{
    const CalculationResult result = applyCalculation(store_, formula);
    switch (result.outcome) {
    case CalculationOutcome::Ignored:
        return;
    case CalculationOutcome::LogarithmRefused: {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Kurvix"),
                        QString::fromUtf8(Messages::LogarithmQuery.data(),
                                          static_cast<qsizetype>(Messages::LogarithmQuery.size())),
                        QMessageBox::No, this);
        box.exec(); // the answer is not needed
        break;
    }
    case CalculationOutcome::SlopeChanged:
        setCaption(Lbmessage, numberText(result.slopeErrorPosition));
        break;
    default:
        break;
    }
    showCurrentSet();
}

void TForm1::BnDatokabbrClick()
{
    setCaption(Lbdatok, QStringLiteral("    "));
    GbDatok->hide();
}

void TForm1::EdGBDATOKKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        BndatokokClick();
}

void TForm1::BnTAUSCHClick()
{
    swapXY(store_);
    showCurrentSet();
}

// The result goes into the next set; the current set and its display stay.
void TForm1::BnAblClick() { deriveIntoNextSet(store_); }
void TForm1::BnIntegralClick() { integrateIntoNextSet(store_); }

void TForm1::BnglaettClick()
{
    if (!smoothSet(store_))
        return;
    showCurrentSet();
    BnPlotstartClick();
    showCurrentSet();
}

void TForm1::BnLoeschenClick()
{
    GBRemove_Data->show();
    GBRemove_Data->raise();
}

void TForm1::Button2Click() { GBRemove_Data->hide(); }

void TForm1::BnokclearClick()
{
    if (RBrange->isChecked()) {
        const int from = toInteger(EdClearvon->text().toStdString());
        const int to = toInteger(EdClearbis->text().toStdString());
        removeRange(store_, from, to);
    } else {
        thinByFactor(store_, toInteger(Edfactor->text().toStdString()));
    }
    GBRemove_Data->hide();
    // The refresh empties every grid row behind the remaining points.
    showCurrentSet();
}
