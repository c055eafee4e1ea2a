// The main window's set operations: the twelve buttons of Panel2, the input
// box GbDatok that asks for their argument, and the removal box. Each
// handler reads its box and runs the command of src/commands.

#include "app/ErrorReport.h"
#include "app/TForm1.h"
#include "commands/SetCommands.h"
#include "ops/SetManagement.h"
#include "widgets/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

#include <optional>

using namespace controls;

namespace {

// What opening the input box in a mode does, and what its OK carries out.
struct DatokEntry {
    DatokMode mode;
    QString (*caption)(DataStore& store);
    const char* prompt; // the caption of Lbdatok; null: it stays as it is
    // The text put into the edit field; nothing: the text stays.
    std::optional<QString> (*preset)(const DataStore& store);
    bool takesFocus;
    Outcome (*action)(Workspace& ws, std::string_view text);
};

QString fixed(const char* text) { return QString::fromLatin1(text); }

const DatokEntry kDatokTable[] = {
    {DatokMode::Copy, [](DataStore&) { return fixed("Copy data set as #"); }, nullptr,
     [](const DataStore& store) -> std::optional<QString> {
         const int free = firstFreeSet(store);
         return free > 0 ? QString::number(free) : fixed(kNoFreeSet);
     },
     false, commands::copySet},
    {DatokMode::Insert, [](DataStore&) { return fixed("Insert Data from set # "); }, nullptr,
     [](const DataStore&) -> std::optional<QString> { return std::nullopt; }, false, commands::insertSet},
    {DatokMode::Exchange, [](DataStore&) { return fixed("Exchange set with set #"); }, nullptr,
     [](const DataStore&) -> std::optional<QString> { return QString(); }, false, commands::exchangeSet},
    {DatokMode::AddCurve, [](DataStore&) { return fixed("Add curve from set # "); }, nullptr,
     [](const DataStore&) -> std::optional<QString> { return QString(); }, false, commands::addCurve},
    {DatokMode::Calculate, [](DataStore&) { return fixed("X/Y + - * / L ^ R"); }, nullptr,
     [](const DataStore&) -> std::optional<QString> { return QString(); }, true, commands::calculate},
    {DatokMode::Slope, [](DataStore& store) { return QString::fromStdString(commands::slopeCaption(store)); }, nullptr,
     [](const DataStore&) -> std::optional<QString> { return fixed("S"); }, false, commands::changeSlope},
    {DatokMode::Filter, [](DataStore&) { return fixed("Filter max and min values"); }, "Window",
     [](const DataStore&) -> std::optional<QString> { return fixed("4"); }, true, commands::filter},
};

const DatokEntry* datokEntry(DatokMode mode)
{
    for (const DatokEntry& entry : kDatokTable)
        if (entry.mode == mode)
            return &entry;
    return nullptr;
}

} // namespace

void TForm1::createOperationPanel(QWidget* client)
{
    auto* panel = make<QFrame>(client, "Panel2", {400, 288, 208, 97});
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    struct Operation {
        QPushButton** button;
        const char* name;
        int left, top;
        const char* caption;
        const char* hint;
    };
    const Operation operations[] = {
        {&BnCopy, "BnCopy", 1, 1, "Copy set ", "to set #"},
        {&BnEinf, "BnEinf", 72, 1, "Insert set", "Combine 2 sets"},
        {&BnSatztausch, "BnSatztausch", 146, 1, "Exchange", "# <=> #"},
        {&Bnrech, "Bnrech", 1, 26, "X,Y+-*/...", "Calculations with X or Y"},
        {&BnTAUSCH, "BnTAUSCH", 72, 26, "X <=>Y", "Exchange X and Y"},
        {&BnAddY, "BnAddY", 146, 26, "Add Curve", "Add Y data from another set"},
        {&BnAbl, "BnAbl", 1, 52, "Derivative", "copied as next set "},
        {&BnIntegral, "BnIntegral", 72, 52, "Integral", "copied as next set "},
        {&BnDrift, "BnDrift", 146, 52, "Slope", "Correct for drift"},
        {&Bnglaett, "Bnglaett", 1, 77, "Smooth", "Y values"},
        {&Bn, "Bn", 72, 77, "Filter", "Y values"},
        {&BnLoeschen, "BnLoeschen", 146, 77, "Delete data", "reduce number of points"},
    };
    for (const Operation& op : operations) {
        *op.button = button(panel, op.name, fixed(op.caption), {op.left, op.top, 60, 20}, fixed(op.hint));
        (*op.button)->setFont(arial(11));
    }
}

void TForm1::createOperationBoxes(QWidget* client)
{
    GbDatok = groupBox(client, "GbDatok", QString(), {363, 232, 217, 137});
    GbDatok->setToolTip(QStringLiteral("For all X or Y..."));
    Lbdatok = label(GbDatok, "Lbdatok", QStringLiteral("..."), 40, 32);
    EdGBDATOK = edit(GbDatok, "EdGBDATOK", 91, 26, 72);
    Bndatokok = button(GbDatok, "Bndatokok", QStringLiteral("OK"), {128, 81, 66, 20});
    BnDatokabbr = button(GbDatok, "BnDatokabbr", QStringLiteral("Cancel"), {28, 81, 65, 20});

    GBRemove_Data = groupBox(client, "GBRemove_Data", QStringLiteral("Remove data points"), {394, 280, 217, 137});
    label(GBRemove_Data, "Label3", QStringLiteral("from"), 32, 28);
    EdClearvon = edit(GBRemove_Data, "EdClearvon", 64, 24, 33, QStringLiteral("1"));
    label(GBRemove_Data, "Label4", QStringLiteral("to"), 112, 28);
    EdClearbis = edit(GBRemove_Data, "EdClearbis", 136, 24, 33, QStringLiteral("1"));
    RBrange = make<QRadioButton>(GBRemove_Data, "RBrange", {184, 24, 20, 17});
    RBrange->setChecked(true);
    label(GBRemove_Data, "Label5", QStringLiteral("Reduce points by factor of"), 16, 58);
    Edfactor = edit(GBRemove_Data, "Edfactor", 144, 56, 25, QStringLiteral("2"));
    make<QRadioButton>(GBRemove_Data, "RBreduce", {184, 56, 20, 17});
    Button2 = button(GBRemove_Data, "Button2", QStringLiteral("Cancel"), {48, 96, 57, 25});
    Bnokclear = button(GBRemove_Data, "Bnokclear", QStringLiteral("OK"), {128, 96, 57, 25});

    for (QGroupBox* box : {GbDatok, GBRemove_Data})
        makeOverlay(box);
}

void TForm1::connectOperations()
{
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {BnCopy, &TForm1::BnCopyClick},         {BnEinf, &TForm1::BnEinfClick},
        {BnSatztausch, &TForm1::BnSatztauschClick}, {Bnrech, &TForm1::BnrechClick},
        {BnTAUSCH, &TForm1::BnTAUSCHClick},     {BnAddY, &TForm1::BnAddYClick},
        {BnAbl, &TForm1::BnAblClick},           {BnIntegral, &TForm1::BnIntegralClick},
        {BnDrift, &TForm1::BnDriftClick},       {Bnglaett, &TForm1::BnglaettClick},
        {Bn, &TForm1::BnClick},                 {BnLoeschen, &TForm1::BnLoeschenClick},
        {Bndatokok, &TForm1::BndatokokClick},     {BnDatokabbr, &TForm1::BnDatokabbrClick},
        {Button2, &TForm1::Button2Click},         {Bnokclear, &TForm1::BnokclearClick},
    };
    for (const auto& [b, handler] : buttons)
        connectGuarded(b, &QPushButton::clicked, this, handler);
    connectGuarded(EdGBDATOK, &QLineEdit::returnPressed, this, [this] { EdGBDATOKKeyDown(Qt::Key_Return); });
}

void TForm1::openDatok(DatokMode mode)
{
    const DatokEntry& entry = *datokEntry(mode);
    GbDatok->setTitle(entry.caption(store_));
    datokMode = mode;
    GbDatok->show();
    GbDatok->raise();
    if (entry.prompt)
        setCaption(Lbdatok, fixed(entry.prompt));
    if (const std::optional<QString> text = entry.preset(store_))
        EdGBDATOK->setText(*text);
    if (entry.takesFocus)
        EdGBDATOK->setFocus();
}

// A closed box gives the focus back to the grid, not to the next field in
// tab order, where the next keystrokes would replace a label.
void TForm1::closeOperationBox(QGroupBox* box)
{
    box->hide();
    SGDATEN->setFocus();
}

void TForm1::BnCopyClick() { openDatok(DatokMode::Copy); }
void TForm1::BnEinfClick() { openDatok(DatokMode::Insert); }
void TForm1::BnSatztauschClick() { openDatok(DatokMode::Exchange); }
void TForm1::BnAddYClick() { openDatok(DatokMode::AddCurve); }
void TForm1::BnrechClick() { openDatok(DatokMode::Calculate); }
void TForm1::BnDriftClick() { openDatok(DatokMode::Slope); }
void TForm1::BnClick() { openDatok(DatokMode::Filter); }

void TForm1::BndatokokClick()
{
    setCaption(Lbdatok, QStringLiteral("   "));
    if (const DatokEntry* entry = datokEntry(datokMode)) {
        const Outcome outcome = entry->action(*ws_, EdGBDATOK->text().toStdString());
        // Too short a set for the filter: the box stays open and says so.
        if (datokMode == DatokMode::Filter && outcome.kind == OutcomeKind::Message) {
            EdGBDATOK->setText(QString::fromStdString(outcome.message));
            return;
        }
        showOutcome(outcome);
    }
    closeOperationBox(GbDatok);
}

void TForm1::BnDatokabbrClick()
{
    setCaption(Lbdatok, QStringLiteral("    "));
    closeOperationBox(GbDatok);
}

void TForm1::EdGBDATOKKeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        BndatokokClick();
}

void TForm1::BnTAUSCHClick() { showOutcome(commands::swapXY(*ws_)); }

// The result goes into the next set; the current set and its display stay.
void TForm1::BnAblClick() { commands::derivative(*ws_); }
void TForm1::BnIntegralClick() { commands::integral(*ws_); }

void TForm1::BnglaettClick()
{
    // The smoothed set is shown, then plotted, then shown again.
    showOutcome(commands::smooth(*ws_, [this] {
        paintCurrentSet();
        if (graphicWindow_)
            graphicWindow_->showFromProgramWindow();
    }));
}

void TForm1::BnLoeschenClick()
{
    GBRemove_Data->show();
    GBRemove_Data->raise();
}

void TForm1::Button2Click() { closeOperationBox(GBRemove_Data); }

void TForm1::BnokclearClick()
{
    const Outcome outcome = RBrange->isChecked()
        ? commands::removePoints(*ws_, EdClearvon->text().toStdString(), EdClearbis->text().toStdString())
        : commands::thinPoints(*ws_, Edfactor->text().toStdString());
    closeOperationBox(GBRemove_Data);
    showOutcome(outcome);
}
