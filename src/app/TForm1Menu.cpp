// The main window's menus, the wiring of its controls to their handlers, and
// the Edit menu's undo, redo and autoscale.
#include "app/TForm1.h"

#include "app/ClickPanel.h"
#include "app/ErrorReport.h"
#include "app/GridDelegate.h"
#include "app/GridModel.h"
#include "commands/SettingsCommands.h"
#include "commands/UndoHistory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    return action;
}

bool isUndoChord(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    return (modifiers == Qt::ControlModifier && (key == Qt::Key_Z || key == Qt::Key_Y))
        || (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z);
}

// Edit fields claim Ctrl+Z and Ctrl+Y for their own text undo before any
// shortcut sees them. In the main window these keys undo the data: the
// claim is refused, so the Edit menu's shortcut acts, and a key press that
// still comes (nothing to undo) is dropped rather than undoing a field's text,
// which would store that text as a new step.
class DataUndoKeys : public QObject {
public:
    explicit DataUndoKeys(QWidget* window)
        : QObject(window)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == window_ && isUndoChord(*static_cast<QKeyEvent*>(event));
    }

private:
    QWidget* window_;
};

} // namespace

void TForm1::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    // Menus are drawn in the desktop's menu font, not in the window's.
    bar->setFont(QApplication::font("QMenuBar"));

    QMenu* file = addMenu(bar, "Datei1", QStringLiteral("&File"));
    ffnen1 = addItem(file, "ffnen1", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    Open2nd1 = addItem(file, "Open2nd1", QStringLiteral("Open 2nd file"));
    Followfile1 = addItem(file, "Followfile1", QStringLiteral("&Follow file..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    Stopfollowing1 = addItem(file, "Stopfollowing1", QStringLiteral("Stop following"));
    Howthefilewasread1 = addItem(file, "Howthefilewasread1", QStringLiteral("How the file was read..."));
    Speichernals1 = addItem(file, "Speichernals1", QStringLiteral("Save "), QKeySequence(Qt::CTRL | Qt::Key_S));
    Drucken1 = addItem(file, "Drucken1", QStringLiteral("&Print data"), QKeySequence(Qt::CTRL | Qt::Key_P));
    Beenden1 = addItem(file, "Beenden1", QStringLiteral("Exit Program"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    createEditMenu(bar);

    QMenu* options = addMenu(bar, "Optionen1", QStringLiteral("&Options"));
    Symbole1 = addItem(options, "Symbole1", QStringLiteral("Show &Symbols"));
    Grid1 = addItem(options, "Grid1", QStringLiteral("Plot with &Grid "));
    Autoscale1 = addItem(options, "Autoscale1", QStringLiteral("&Autoscale axes"), QKeySequence(Qt::CTRL | Qt::Key_R));
    Autoscalewhilefollowing1 = addItem(options, "Autoscalewhilefollowing1", QStringLiteral("Autoscale while following"));
    Autoscalewhilefollowing1->setCheckable(true);
    Autoscalewhilefollowing1->setChecked(true);
    Recordcommands1 = addItem(options, "Recordcommands1", QStringLiteral("Record commands..."));
    Stoprecording1 = addItem(options, "Stoprecording1", QStringLiteral("Stop recording"));

    Hilfe1 = bar->addAction(QStringLiteral("&Help"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Info1 = bar->addAction(QStringLiteral("&Info"));
    Info1->setObjectName(QStringLiteral("Info1"));
}

// The Edit menu: what acts on the data as a whole, beginning with undo and
// redo. Their captions name the step (showEditMenuState).
void TForm1::createEditMenu(QMenuBar* bar)
{
    Edit1 = addMenu(bar, "Edit1", QStringLiteral("&Edit"));
    Undo1 = addItem(Edit1, "Undo1", QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = addItem(Edit1, "Redo1", QStringLiteral("&Redo"));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // Plain Ctrl+C and Ctrl+V stay with the edit fields and the grid cells.
    Copysetastext1 = addItem(Edit1, "Copysetastext1", QStringLiteral("Copy set as text"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    Pastedata1 = addItem(Edit1, "Pastedata1", QStringLiteral("Paste data"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    qApp->installEventFilter(new DataUndoKeys(this));
}

void TForm1::showEditMenuState()
{
    const auto caption = [](const char* verb, std::string_view step) {
        QString text = QString::fromLatin1(verb);
        if (!step.empty())
            text += QLatin1Char(' ') + QString::fromUtf8(step.data(), static_cast<qsizetype>(step.size()));
        return text;
    };
    Undo1->setText(caption("&Undo", history_->undoLabel()));
    Undo1->setEnabled(history_->canUndo());
    Redo1->setText(caption("&Redo", history_->redoLabel()));
    Redo1->setEnabled(history_->canRedo());
}

void TForm1::connectHandlers()
{
    const std::pair<QAction*, void (TForm1::*)()> items[] = {
        {ffnen1, &TForm1::ffnen1Click},       {Open2nd1, &TForm1::Open2nd1Click},
        {Speichernals1, &TForm1::Speichernals1Click}, {Drucken1, &TForm1::Drucken1Click},
        {Symbole1, &TForm1::Symbole1Click},   {Grid1, &TForm1::Grid1Click},
        {Hilfe1, &TForm1::Hilfe1Click},       {Info1, &TForm1::Info1Click},
        {Undo1, &TForm1::Undo1Click},         {Redo1, &TForm1::Redo1Click},
        {Autoscale1, &TForm1::Autoscale1Click},
        {Followfile1, &TForm1::Followfile1Click}, {Stopfollowing1, &TForm1::Stopfollowing1Click},
        {Howthefilewasread1, &TForm1::Howthefilewasread1Click},
        {Copysetastext1, &TForm1::Copysetastext1Click}, {Pastedata1, &TForm1::Pastedata1Click},
    };
    for (const auto& [action, handler] : items)
        connectGuarded(action, &QAction::triggered, this, handler);
    connect(Beenden1, &QAction::triggered, this, &QWidget::close);

    const std::pair<QAbstractButton*, void (TForm1::*)()> buttons[] = {
        {BnPlotstart, &TForm1::BnPlotstartClick}, {Button1, &TForm1::Button1Click},
        {BnSatzplus, &TForm1::BnSatzplusClick},   {BnSyminus, &TForm1::BnSyminusClick},
        {BnSyplus, &TForm1::BnSyplusClick},       {CBSymbolzeichnen, &TForm1::CBSymbolzeichnenClick},
        {CBDatumzeit, &TForm1::CBDatumzeitClick}, {CBfilename, &TForm1::CBfilenameClick},
        {Bn2ndok, &TForm1::Bn2ndokClick},
    };
    for (const auto& [b, handler] : buttons)
        connectGuarded(b, &QAbstractButton::clicked, this, handler);
    connect(Bn2ndcancel, &QPushButton::clicked, GB2ndfile, &QWidget::hide);
    connect(BnInfook, &QPushButton::clicked, GBInfo, &QWidget::hide);
    connectGuarded(PnColor, &ClickPanel::clicked, this, &TForm1::PnColorClick);

    const std::pair<QLineEdit*, void (TForm1::*)()> fields[] = {
        {EdXachse, &TForm1::EdXachseChange}, {EdXvon, &TForm1::EdXvonChange},   {Edxbis, &TForm1::EdxbisChange},
        {EdTitel, &TForm1::EdTitelChange},   {EdBemerkung, &TForm1::EdBemerkungChange},
        {EdYAchse, &TForm1::EdYAchseChange}, {EdYvon, &TForm1::EdYvonChange},   {EdYBis, &TForm1::EdYBisChange},
    };
    for (const auto& [field, handler] : fields)
        connectGuarded(field, &QLineEdit::textChanged, this, handler);

    connectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Leaving a field or a grid cell ends its step.
        if (old && old->window() == this)
            history_->seal();
        if (old && now && GBAchsen->isAncestorOf(old) && !GBAchsen->isAncestorOf(now) && now->window() == this)
            GBAchsenExit();
    });

    connectGuarded(gridDelegate_, &GridDelegate::enterPressed, this, [this] { SGDATENKeyDown(Qt::Key_Return); });
    connect(gridDelegate_, &QAbstractItemDelegate::closeEditor, this, [this] { history_->seal(); });
    connectGuarded(gridDelegate_, &GridDelegate::keyReleased, this, [this](const QKeyEvent& e) { SGDATENKeyUp(e); });
}

void TForm1::Autoscale1Click() { showOutcome(commands::autoscale(*ws_)); }

void TForm1::Undo1Click() { takeUndoStep(commands::undo); }
void TForm1::Redo1Click() { takeUndoStep(commands::redo); }

void TForm1::takeUndoStep(Outcome (*step)(Workspace&))
{
    undoChordInGrid_ = true;
    // Refilling the grid closes an open cell editor; the focus stays in the
    // grid rather than passing on to the next control.
    QWidget* focus = QApplication::focusWidget();
    const bool inGrid = focus && (focus == SGDATEN || SGDATEN->isAncestorOf(focus));
    showOutcome(step(*ws_));
    paintPlotSwitches();
    if (inGrid)
        SGDATEN->setFocus();
}

// The plot-wide switches as the store has them: only undo and redo change
// them behind their controls' backs. setChecked emits no clicked().
void TForm1::paintPlotSwitches()
{
    CBDatumzeit->setChecked(store_.plot.showDateTime);
    CBfilename->setChecked(store_.plot.showFileName);
    const bool captionSaysOn = Grid1->text() == QLatin1String(commands::gridCaption(true));
    if (captionSaysOn != store_.plot.plotWithGrid)
        Grid1->setText(QString::fromLatin1(commands::gridCaption(store_.plot.plotWithGrid)));
}

