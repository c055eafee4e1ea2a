#include "app/TForm2.h"

#include "app/CanvasView.h"
#include "app/EtchedGroupBox.h"
#include "app/ErrorReport.h"
#include "editor/GraphicEditor.h"
#include "editor/SystemClipboard.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace {

// How long after the program's own show an activation of the window still
// counts as the window system's answer to that show.
constexpr qint64 kOwnActivationMs = 1000;

const char* const kMakersNotice = "  - plots and images of measured data";

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QGroupBox* makeBox(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* box = new EtchedGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    // The boxes lie over the image and hide what is beneath them.
    box->setAutoFillBackground(true);
    box->hide();
    return box;
}

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

struct TForm2::Controls {
    QWidget* central = nullptr;
    CanvasView* Image = nullptr;
    QWidget* Panel1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* EdDicke = nullptr;
    QPushButton* BnPlotstart = nullptr;
    QPushButton* BnClear = nullptr;
    QAction* VertHoriz = nullptr;
    QAction* Fill1 = nullptr;
};

TForm2::TForm2(DataStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store), ui_(std::make_unique<Controls>())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kurvix  GRAPHIC") + QString::fromLatin1(kMakersNotice));
    setFont(pixelFont(QStringLiteral("DejaVu Sans"), 14, true));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    plot_ = std::make_unique<PlotCanvas>(store_, state_);
    clipboard_ = std::make_unique<SystemClipboard>(QGuiApplication::clipboard());
    editor_ = std::make_unique<GraphicEditor>(*plot_, state_, *clipboard_);
    plot_->onCanvasReplaced = [this] {
        editor_->imageReplaced();
        // A new bitmap sets the window back to its standard outer size.
        const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
        resize(QSize(580, 560) - frame);
        refreshImage();
    };

    auto* c = ui_.get();
    c->central = new QWidget(this);
    c->central->setObjectName(QStringLiteral("client"));
    setCentralWidget(c->central);

    c->Image = new CanvasView(c->central);
    c->Image->setObjectName(QStringLiteral("Image"));
    c->Image->move(0, 0);
    c->Image->setSource([this]() -> const QImage& { return plot_->canvas().image(); });

    // Scratch images of the editor: the copied selection and the image memory.
    for (const char* name : {"Im2", "Immemo"}) {
        auto* scratch = new QLabel(c->central);
        scratch->setObjectName(QString::fromLatin1(name));
        scratch->hide();
    }

    c->Panel1 = new QWidget(c->central);
    c->Panel1->setObjectName(QStringLiteral("Panel1"));
    c->Panel1->setFixedWidth(58);
    auto* p = c->Panel1;
    makeButton(p, "Bnselect", QStringLiteral("Select"), QStringLiteral("Area"), {3, 4, 52, 22});
    auto* mouse = new EtchedGroupBox(QStringLiteral("Position"), p);
    mouse->setObjectName(QStringLiteral("GBMauspos"));
    mouse->setToolTip(QStringLiteral("X/Y = current, Xo/Yo = Start"));
    mouse->setGeometry(1, 30, 56, 78);
    mouse->setFont(pixelFont(QStringLiteral("Arial"), 11));
    const std::pair<const char*, const char*> labels[] = {{"LbX", "X"}, {"LbY", "Y"}, {"LbXo", "Xo   "}, {"LbYo", "Yo"}};
    int row = 0;
    for (const auto& [name, caption] : labels) {
        auto* label = new QLabel(QString::fromLatin1(caption), mouse);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(4, 16 + 15 * row++, 50, 14);
    }
    c->Edit2 = new QLineEdit(p);
    c->Edit2->setObjectName(QStringLiteral("Edit2"));
    c->Edit2->setGeometry(6, 112, 46, 21);
    c->Edit2->setFont(pixelFont(QStringLiteral("Arial"), 13));
    c->Edit2->hide();
    makeButton(p, "BnText", QStringLiteral("Text"), QStringLiteral("Font, Direction see above"), {3, 138, 52, 22});
    makeButton(p, "BnSpur", QStringLiteral("~"), QStringLiteral("Trace"), {3, 162, 52, 22});
    makeButton(p, "BnLinie", QStringLiteral("/"), QStringLiteral("Straight Line"), {3, 186, 52, 22});
    makeButton(p, "BnBox", QString(QChar(0x25A1)), QStringLiteral("Rectangle"), {3, 210, 52, 22});
    makeButton(p, "BnBox2", QStringLiteral("(_)"), QStringLiteral("Rounded Rectangle"), {3, 234, 52, 22});
    makeButton(p, "BnEllipse", QStringLiteral("O"), QStringLiteral("Ellipse or Circle"), {3, 258, 52, 22});
    c->BnPlotstart = makeButton(p, "BnPlotstart", QStringLiteral("Plot"), QStringLiteral("Data"), {3, 300, 52, 22});
    c->BnClear = makeButton(p, "BnClear", QStringLiteral("Clear"), QStringLiteral("Screen"), {3, 324, 52, 22});
    makeButton(p, "BnMemo", QStringLiteral("Memo"), QStringLiteral("Hold current image or restore "), {3, 362, 52, 22});
    connect(c->BnPlotstart, &QPushButton::clicked, this, &TForm2::BnPlotstartClick);
    connect(c->BnClear, &QPushButton::clicked, this, &TForm2::BnclearClick);

    // Boxes that lie over the image, hidden until their commands show them.
    auto* strich = makeBox(c->central, "GBStrich", QStringLiteral("Line "), {154, 0, 128, 174});
    auto* width = new QLabel(QStringLiteral("Width"), strich);
    width->setObjectName(QStringLiteral("Label1"));
    width->setGeometry(8, 20, 60, 18);
    makeButton(strich, "BnWiminus", QStringLiteral(" - "), QString(), {8, 42, 28, 22});
    c->EdDicke = new QLineEdit(state_.lineWidthText, strich);
    c->EdDicke->setObjectName(QStringLiteral("EdDicke"));
    c->EdDicke->setGeometry(40, 42, 44, 22);
    makeButton(strich, "BnWiplus", QStringLiteral("+"), QString(), {88, 42, 28, 22});
    const std::pair<const char*, const char*> styles[] = {{"RBsolid", "Solid"}, {"RBdot", "Dotted"}, {"RBdash", "Dashed"}};
    row = 0;
    for (const auto& [name, caption] : styles) {
        auto* radio = new QRadioButton(QString::fromLatin1(caption), strich);
        radio->setObjectName(QString::fromLatin1(name));
        radio->setGeometry(8, 70 + 22 * row++, 110, 20);
        radio->setChecked(row == 1);
    }
    makeButton(strich, "Bnlineok", QStringLiteral("OK"), QString(), {30, 140, 68, 24});
    connect(c->EdDicke, &QLineEdit::textChanged, this, [this](const QString& text) { state_.lineWidthText = text; });

    auto* selected = makeBox(c->central, "GbSelected", QStringLiteral("Selected Area"), {160, 90, 84, 186});
    const std::tuple<const char*, const char*, const char*> selButtons[] = {
        {"BnCopy", "Copy", "Frame to Clipboard"}, {"BnInsert", "Insert", "Clipboard at Xo/Yo"},
        {"BnCut", "Cut size", "Cut image to frame"}, {"BnClearsel", "Wipe", "Frame"}, {"BnCancel", "Cancel", ""}};
    row = 0;
    for (const auto& [name, caption, hint] : selButtons)
        makeButton(selected, name, QString::fromLatin1(caption), QString::fromLatin1(hint), {6, 22 + 32 * row++, 72, 26});

    auto* memo = makeBox(c->central, "GBMemo", QStringLiteral("Memory"), {275, 224, 116, 154});
    const std::tuple<const char*, const char*, const char*> memoButtons[] = {
        {"BnRestore", "Restore ", "image from Memo"}, {"BnHold", "Keep", "image in Memo"}, {"BnMemocancel", "Cancel", ""}};
    row = 0;
    for (const auto& [name, caption, hint] : memoButtons)
        makeButton(memo, name, QString::fromLatin1(caption), QString::fromLatin1(hint), {10, 24 + 42 * row++, 96, 30});

    auto* wait = new QLabel(QStringLiteral("Printing..... (may take time)"), c->central);
    wait->setObjectName(QStringLiteral("Pnwait"));
    wait->setGeometry(98, 190, 295, 65);
    wait->setAlignment(Qt::AlignCenter);
    wait->setFrameStyle(QFrame::Panel | QFrame::Raised);
    wait->setAutoFillBackground(true);
    wait->hide();

    // Menus: the image file and edit menus, then the pen and font settings.
    // Menus are drawn in the desktop's menu font, not in the window's.
    menuBar()->setFont(QApplication::font("QMenuBar"));
    auto* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key) {
        QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        addAction(action);
        return action;
    };
    addItem(file, "Open1", QStringLiteral("&Open Image"), QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(file, "Save1", QStringLiteral("&Save Image"), QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(file, "Saveas1", QStringLiteral("Save as ..."), QKeySequence());
    addItem(file, "Printbitbybit1", QStringLiteral("Print Image "), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* exit = addItem(file, "Exit1", QStringLiteral("E&xit  Graphics"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::hide);
    wireFileMenu();
    auto* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    addItem(edit, "Cut1", QStringLiteral("Cu&t Image"), QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(edit, "Copy1", QStringLiteral("Copy Image"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(edit, "Paste1", QStringLiteral("Insert at top left"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addItem(nullptr, "Font1", QStringLiteral("&Font"), QKeySequence());
    c->VertHoriz = addItem(nullptr, "VertHoriz", state_.vertHorizCaption, QKeySequence());
    addItem(nullptr, "Line", QStringLiteral("&Line"), QKeySequence(Qt::CTRL | Qt::Key_H));
    addItem(nullptr, "color", QStringLiteral("&Color"), QKeySequence());
    c->Fill1 = addItem(nullptr, "Fill1", QStringLiteral("- Fill."), QKeySequence());
    c->Fill1->setToolTip(QStringLiteral("Rects. and Circles"));

    // Becoming active coming from the main or help window re-plots; coming
    // back from a dialog, a message box or another application does not.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (!now)
            return;
        // A menu or other popup takes the focus only for a moment; the window
        // beneath it stays the one the user comes from.
        if ((now->flags() & Qt::Popup) == Qt::Popup)
            return;
        if (now == windowHandle()) {
            bool fromProgramWindow = false;
            for (QWidget* source : std::as_const(replotSources_))
                fromProgramWindow = fromProgramWindow || (previousFocus_ && source->windowHandle() == previousFocus_);
            const bool ownShow = suppressNextActivation_ && ownShowClock_.isValid()
                && ownShowClock_.elapsed() < kOwnActivationMs;
            suppressNextActivation_ = false;
            if (fromProgramWindow && !ownShow)
                BnPlotstartClick();
        }
        previousFocus_ = now;
    });

    wireEditor();
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate()
{
    state_.plotMargin = 130;
    state_.toolState = 0;
    state_.fillMode = false;
    state_.selectMode = false;
    plot_->setCanvasSize(480, 480);
    BnPlotstartClick();
}

void TForm2::addReplotSource(QWidget* window)
{
    replotSources_.insert(window);
}

void TForm2::showFromProgramWindow()
{
    // A window that has the focus already gets no new activation.
    const bool hasFocus = windowHandle() && QGuiApplication::focusWindow() == windowHandle();
    show();
    raise();
    activateWindow();
    // Becoming active plots, and the plot must be finished when the show
    // returns; the window system's own activation comes later, or never.
    BnPlotstartClick();
    // The activation that follows belongs to this show, also when focus
    // moves through other windows first (a closing menu gives it back to
    // the main window); one that never comes must not swallow a later one.
    suppressNextActivation_ = !hasFocus;
    ownShowClock_.start();
}

void TForm2::BnPlotstartClick()
{
    guarded(this, [this] { plot_->plotCommand(); });
    refreshImage();
    syncFromState();
}

void TForm2::BnclearClick()
{
    guarded(this, [this] { plot_->clear(); });
    editor_->imageReplaced();
    refreshImage();
}

void TForm2::refreshImage()
{
    ui_->Image->refresh();
}

void TForm2::syncFromState()
{
    ui_->VertHoriz->setText(state_.vertHorizCaption);
    if (ui_->EdDicke->text() != state_.lineWidthText)
        ui_->EdDicke->setText(state_.lineWidthText);
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    auto* c = ui_.get();
    if (c && c->Panel1)
        c->Panel1->setGeometry(c->central->width() - 58, 0, 58, c->central->height());
}
