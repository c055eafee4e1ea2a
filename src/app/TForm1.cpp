#include "app/TForm1.h"

#include "app/ClickPanel.h"
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/FollowWatch.h"
#include "app/GridDelegate.h"
#include "app/GridModel.h"
#include "app/StartTrace.h"
#include "app/StoreText.h"
#include "app/TForm2.h"
#include "commands/ScriptRecorder.h"
#include "commands/SetDisplay.h"
#include "commands/SettingsCommands.h"
#include "commands/UndoHistory.h"
#include "plot/PlotCanvas.h"
#include "widgets/Controls.h"
#include "widgets/OuterSize.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include <optional>

using namespace controls;

namespace {

constexpr int kOuterWidth = 635;
constexpr int kOuterHeight = 479;

const QString kMakerNotice = QStringLiteral("measurement data and plots");

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

std::string fieldText(const QLineEdit* edit) { return edit->text().toStdString(); }

// Puts a text into a field without running its change handler: the store
// already holds what the field shows.
void showInField(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
}

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

} // namespace

TForm1::TForm1(DataStore& store, TForm2* graphicWindow, QWidget* helpWindow, QWidget* parent)
    : QMainWindow(parent)
    , store_(store)
    , graphicWindow_(graphicWindow)
    , helpWindow_(helpWindow)
{
    chooseFile_ = [](QFileDialog& dialog) { return runFileDialog(dialog); };
    FormCreate();
}

TForm1::~TForm1()
{
    stopRecording();
    // The child widgets go only after the members: a focused one that goes
    // then moves the focus, and the handlers of the application's focus
    // signal and of the grid's editor would seal a history already gone.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(gridDelegate_, nullptr, this, nullptr);
}

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
    createOperationPanel(client);
    createStepper(client);
    createInfoBox(client);
    createOperationBoxes(client);
    createSecondFileBox(client);
    createMenu();
    ws_ = std::make_unique<Workspace>(store_, *gridModel_);
    history_ = std::make_unique<UndoHistory>();
    commands::attachHistory(*ws_, *history_);
    history_->setChangeHandler([this] { showEditMenuState(); });
    showEditMenuState();
    createFollowing();
    acceptDroppedFiles();
    connectHandlers();
    connectOperations();
    keepGridCellOnRefresh();
    connectRecording();

    // Grid set-up, default axes and switches, then the first set display.
    SGDATEN->setColumnWidth(0, 36);
    gridModel_->setHeaderText(1, "Data X");
    gridModel_->setHeaderText(2, "Data Y");
    commands::startUp(*ws_);
    paintCurrentSet();
    SGDATEN->setCurrentIndex(gridModel_->index(0, 1));
}

void TForm1::createAxisColumn(QWidget* client)
{
    GBXAchse = groupBox(client, "GBXAchse", QStringLiteral("X Axis "), {7, 0, 182, 384});
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
    GBAchsen = groupBox(client, "GBAchsen", QStringLiteral("Y Axis Set # "), {202, 0, 189, 384});
    EdYAchse = edit(GBAchsen, "EdYAchse", 7, 33, 169, QStringLiteral("Y"));
    label(GBAchsen, "Label1", QStringLiteral("from"), 7, 58);
    EdYvon = edit(GBAchsen, "EdYvon", 7, 72, 65);
    Lbminy = label(GBAchsen, "Lbminy", QStringLiteral("(min. value)"), 78, 75);
    label(GBAchsen, "Label2", QStringLiteral("to"), 7, 97);
    EdYBis = edit(GBAchsen, "EdYBis", 7, 111, 65);
    LbmaxY = label(GBAchsen, "LbmaxY", QStringLiteral("(max. value)"), 78, 114);

    GBRegr = groupBox(GBAchsen, "GBRegr", QStringLiteral("Regression analysis"), {7, 143, 176, 111});
    label(GBRegr, "LbGleichung", QStringLiteral("Y = a X + b"), 8, 17);
    LbN = label(GBRegr, "LbN", QString(), 104, 17);
    Lba = label(GBRegr, "Lba", QString(), 8, 35);
    Lbb = label(GBRegr, "Lbb", QString(), 8, 53);
    label(GBRegr, "LbKoeff", QStringLiteral("Correlation coefficient "), 8, 72);
    Lbr = label(GBRegr, "Lbr", QString(), 8, 90);

    GBYDarstellung = groupBox(GBAchsen, "GBYDarstellung", QStringLiteral("Display"), {7, 260, 176, 118});
    PnColor = new ClickPanel(QStringLiteral("Color"), GBYDarstellung);
    PnColor->setObjectName(QStringLiteral("PnColor"));
    PnColor->setGeometry(96, 8, 74, 21);
    PnColor->setToolTip(QStringLiteral("Click to change"));
    CBSymbolzeichnen = checkBox(GBYDarstellung, "CBSymbolzeichnen", QStringLiteral("Symbols  #"), 7, 36, 89, true);
    BnSyminus = button(GBYDarstellung, "BnSyminus", QStringLiteral("- <"), {98, 36, 26, 13});
    LbSyNr = make<QLabel>(GBYDarstellung, "LbSyNr", {130, 36, 13, 13});
    LbSyNr->setAlignment(Qt::AlignCenter);
    LbSyNr->setText(QStringLiteral(" ...    "));
    BnSyplus = button(GBYDarstellung, "BnSyplus", QStringLiteral("> +"), {143, 36, 27, 13});
    CBVerbinden = checkBox(GBYDarstellung, "CBVerbinden", QStringLiteral("Connect points"), 7, 55, 160, true);
    CBKurve = checkBox(GBYDarstellung, "CBKurve", QStringLiteral("Draw curve"), 7, 75, 160, false);
    CBGerade = checkBox(GBYDarstellung, "CBGerade", QStringLiteral("Draw regression line"), 7, 94, 160, false);
}

void TForm1::createDataColumn(QWidget* client)
{
    GBDatensatz = groupBox(client, "GBDatensatz", QStringLiteral("Data"), {395, 0, 214, 281});
    SGDATEN = make<QTableView>(GBDatensatz, "SGDATEN", {2, 15, 210, 257});
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
}

void TForm1::createStepper(QWidget* client)
{
    Button1 = button(client, "Button1", QStringLiteral(" < Set  - "), {228, 390, 52, 20}, QStringLiteral("previous #"));
    auto* panel = make<QFrame>(client, "Panel1", {286, 387, 27, 23});
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    LbSatzNr = make<QLabel>(panel, "LbSatzNr", {2, 2, 20, 14});
    LbSatzNr->setAlignment(Qt::AlignCenter);
    LbSatzNr->setFont(arial(15, true));
    LbSatzNr->setText(QStringLiteral("1"));
    setFontColour(LbSatzNr, QPalette::WindowText, QColor(0, 0, 255));
    BnSatzplus = button(client, "BnSatzplus", QStringLiteral(" + Set > "), {319, 390, 52, 20}, QStringLiteral("next set #"));
    BnPlotstart = button(client, "BnPlotstart", QStringLiteral("Graphic ..."), {463, 390, 82, 20}, QStringLiteral("Plot..."));
    Lbmessage = label(client, "Lbmessage", QString(11, QLatin1Char(' ')), 65, 397);
}

void TForm1::createInfoBox(QWidget* client)
{
    GBInfo = groupBox(client, "GBInfo", QStringLiteral("Info"), {32, 24, 249, 233});
    Image1 = make<QLabel>(GBInfo, "Image1", {16, 24, 55, 73});
    Image1->setPixmap(infoPicture());
    Lbinfo = label(GBInfo, "Lbinfo", QString(), 84, 24);
    Lbinfo->setWordWrap(false);
    BnInfook = button(GBInfo, "BnInfook", QStringLiteral("Close Info"), {80, 196, 89, 25});
    for (QWidget* w : {static_cast<QWidget*>(GBInfo), static_cast<QWidget*>(Image1), static_cast<QWidget*>(Lbinfo)})
        w->installEventFilter(this);
    makeOverlay(GBInfo);
}

void TForm1::createSecondFileBox(QWidget* client)
{
    GB2ndfile = groupBox(client, "GB2ndfile", QStringLiteral("Open 2nd KWT file"), {64, 64, 273, 145});
    label(GB2ndfile, "Lb2nd1", QStringLiteral("This allows to read an KWT File"), 16, 24);
    label(GB2ndfile, "Lb2nd2", QStringLiteral("into a specified data set"), 16, 42);
    label(GB2ndfile, "Lb2nd3", QStringLiteral("Set # (2 - 9)"), 16, 74);
    Ed2nd = edit(GB2ndfile, "Ed2nd", 104, 70, 41, QStringLiteral("2"));
    Bn2ndok = button(GB2ndfile, "Bn2ndok", QStringLiteral("OK"), {160, 106, 75, 25});
    Bn2ndcancel = button(GB2ndfile, "Bn2ndcancel", QStringLiteral("Cancel"), {40, 106, 75, 25});
    makeOverlay(GB2ndfile);
}

// A refresh of the grid keeps the cell the user is in, moved up to the last
// row when the grid got shorter.
void TForm1::keepGridCellOnRefresh()
{
    connect(gridModel_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = SGDATEN->currentIndex();
        keptCellRow_ = current.isValid() ? current.row() : -1;
        keptCellColumn_ = current.column();
    });
    connect(gridModel_, &QAbstractItemModel::modelReset, this, [this] {
        if (keptCellRow_ < 0)
            return;
        const int row = std::min(keptCellRow_, gridModel_->rowCount() - 1);
        SGDATEN->setCurrentIndex(gridModel_->index(row, keptCellColumn_));
    });
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

void TForm1::showCurrentSet()
{
    commands::showCurrentSet(*ws_);
    paintCurrentSet();
}

void TForm1::paintCurrentSet()
{
    const int s = store_.currentSet;
    const auto si = static_cast<size_t>(s);
    const SetDisplay& d = ws_->display;
    colourDisplay();
    GBDatensatz->setTitle(QStringLiteral("Data (Set # %1)").arg(s));
    showInField(EdXachse, fromStoreText(store_.plot.xLabel));
    showInField(EdXvon, shownText(d.xFrom));
    showInField(Edxbis, shownText(d.xTo));
    showInField(EdTitel, fromStoreText(store_.plot.heading));
    showInField(EdBemerkung, fromStoreText(store_.plot.comment));

    GBAchsen->setTitle(QStringLiteral("Y Axis (Set # %1)").arg(s));
    showInField(EdYAchse, fromStoreText(store_.yLabel[si]));
    showInField(EdYvon, shownText(d.yFrom));
    showInField(EdYBis, shownText(d.yTo));

    setCaption(LbN, shownText(d.regression.n));
    setCaption(Lba, shownText(d.regression.a));
    setCaption(Lbb, shownText(d.regression.b));
    setCaption(Lbr, shownText(d.regression.r));

    // setChecked does not emit clicked(), so the flags are not written back.
    CBSymbolzeichnen->setChecked(store_.testFlag(showSymbols));
    CBVerbinden->setChecked(store_.testFlag(connectPoints));
    CBKurve->setChecked(store_.testFlag(drawCurve));
    CBGerade->setChecked(store_.testFlag(drawRegressionLine));

    const std::pair<QLabel*, const std::string*> extremes[] = {
        {Lbminx, &d.minX}, {Lbmaxx, &d.maxX}, {Lbminy, &d.minY}, {LbmaxY, &d.maxY}};
    for (const auto& [l, text] : extremes)
        setCaption(l, shownText(*text));
    LbSyNr->setText(numberText(store_.symbolNumber[si]));
}

void TForm1::showOutcome(const Outcome& outcome)
{
    if (!outcome.statusText.empty())
        setCaption(Lbmessage, shownText(outcome.statusText));
    if (outcome.kind == OutcomeKind::Message)
        showMessage(this, outcome.message);
    if (outcome.setShown)
        paintCurrentSet();
}

// --- Settings ---------------------------------------------------------------

void TForm1::storeDrawFlags()
{
    commands::storeDrawFlags(*ws_, {CBSymbolzeichnen->isChecked(), CBVerbinden->isChecked(), CBKurve->isChecked(),
                                    CBGerade->isChecked()});
}

void TForm1::CBSymbolzeichnenClick() { storeDrawFlags(); }
void TForm1::CBDatumzeitClick()
{
    commands::setPlotSwitch(*ws_, commands::PlotSwitch::DateTime, CBDatumzeit->isChecked());
}
void TForm1::CBfilenameClick()
{
    commands::setPlotSwitch(*ws_, commands::PlotSwitch::FileName, CBfilename->isChecked());
}

// Every keystroke stores the field; all of them up to leaving the field are
// one undo step.
void TForm1::fieldChanged(commands::Field field, const QLineEdit* edit)
{
    history_->typingInto(commands::fieldCommand(field));
    commands::setField(*ws_, field, fieldText(edit));
}

void TForm1::EdXachseChange() { fieldChanged(commands::Field::XLabel, EdXachse); }
void TForm1::EdTitelChange() { fieldChanged(commands::Field::Heading, EdTitel); }
void TForm1::EdBemerkungChange() { fieldChanged(commands::Field::Comment, EdBemerkung); }
void TForm1::EdYAchseChange() { fieldChanged(commands::Field::YLabel, EdYAchse); }
void TForm1::EdXvonChange() { fieldChanged(commands::Field::XFrom, EdXvon); }
void TForm1::EdxbisChange() { fieldChanged(commands::Field::XTo, Edxbis); }
void TForm1::EdYvonChange() { fieldChanged(commands::Field::YFrom, EdYvon); }
void TForm1::EdYBisChange() { fieldChanged(commands::Field::YTo, EdYBis); }

void TForm1::GBAchsenExit()
{
    commands::leaveAxisBox(*ws_, fieldText(EdYvon), fieldText(EdYBis), fieldText(EdXvon), fieldText(Edxbis));
}

void TForm1::BnSyminusClick()
{
    commands::symbolDown(*ws_);
    LbSyNr->setText(numberText(store_.symbolNumber[static_cast<size_t>(store_.currentSet)]));
}

void TForm1::BnSyplusClick()
{
    commands::symbolUp(*ws_);
    LbSyNr->setText(numberText(store_.symbolNumber[static_cast<size_t>(store_.currentSet)]));
}

void TForm1::PnColorClick()
{
    commands::nextColour(*ws_);
    colourDisplay();
}

void TForm1::Grid1Click()
{
    commands::toggleGrid(*ws_);
    Grid1->setText(QString::fromLatin1(commands::gridCaption(store_.plot.plotWithGrid)));
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
    showOutcome(commands::stepSet(*ws_, -1));
}

void TForm1::BnSatzplusClick()
{
    storeDrawFlags();
    showOutcome(commands::stepSet(*ws_, +1));
}

void TForm1::BnPlotstartClick()
{
    starttrace::clickedTowards(graphicWindow_, "graphic window");
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

// --- Window events -----------------------------------------------------------

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
