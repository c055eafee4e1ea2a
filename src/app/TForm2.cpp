#include "app/TForm2.h"

#include "app/CanvasView.h"
#include "app/ErrorReport.h"
#include "app/TForm2Controls.h"
#include "editor/GraphicEditor.h"
#include "editor/SystemClipboard.h"
#include "plot/PlotCanvas.h"
#include "widgets/Controls.h"
#include "widgets/EtchedGroupBox.h"
#include "widgets/OuterSize.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QActionGroup>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include <algorithm>

using namespace controls;

namespace {

const char* const kMakersNotice = "  - plots and images of measured data";
const QSize kOuterSize(580, 560);

// The graphic window's buttons leave the focus where it is when clicked.
QPushButton* toolButton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                        const QRect& place)
{
    return button(parent, name, caption, place, hint, ButtonFocus::TabOnly);
}

// A box that lies over the image, hidden until its command shows it.
QGroupBox* overlayBox(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    QGroupBox* box = groupBox(parent, name, caption, place);
    box->setAutoFillBackground(true);
    box->hide();
    return box;
}

} // namespace

TForm2::TForm2(DataStore& store, QWidget* parent)
    : QMainWindow(parent), store_(store), ui_(std::make_unique<Controls>())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kurvix  GRAPHIC") + QString::fromLatin1(kMakersNotice));
    setFont(pixelFont(QStringLiteral("DejaVu Sans"), 14, true));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    plot_ = std::make_unique<PlotCanvas>(store_, state_);
    // An SVG or PDF file of the picture draws the plot behind it anew.
    plot_->setPlotMemory(PlotCanvas::PlotMemory::Keep);
    clipboard_ = std::make_unique<SystemClipboard>(QGuiApplication::clipboard());
    editor_ = std::make_unique<GraphicEditor>(*plot_, state_, *clipboard_);
    plot_->onCanvasReplaced = [this](PlotCanvas::WindowFit fit) { canvasReplaced(fit); };

    ui_->central = new QWidget(this);
    ui_->central->setObjectName(QStringLiteral("client"));
    setCentralWidget(ui_->central);
    createImage();
    createToolPanel();
    createLineBox();
    createSelectionBox();
    createMemoBox();
    createWaitPanel();
    createMenus();
    wireFileMenu();
    watchActivation();
    wireEditor();
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::createImage()
{
    Controls& c = *ui_;
    c.ImageArea = new QScrollArea(c.central);
    c.ImageArea->setObjectName(QStringLiteral("ImageArea"));
    c.ImageArea->setFrameShape(QFrame::NoFrame);
    c.ImageArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The area beside the image is the window's own background.
    c.ImageArea->setBackgroundRole(QPalette::Button);
    c.ImageArea->viewport()->setBackgroundRole(QPalette::Button);
    c.ImageArea->viewport()->setMouseTracking(true);
    c.Image = new CanvasView;
    c.Image->setObjectName(QStringLiteral("Image"));
    zoom_ = CanvasZoom::defaultFor(devicePixelRatioF());
    c.Image->setZoom(zoom_);
    c.Image->setSource([this]() -> const QImage& { return plot_->canvas().image(); });
    c.ImageArea->setWidget(c.Image);
    // Scratch images of the editor: the copied selection and the image memory.
    for (const char* name : {"Im2", "Immemo"}) {
        auto* scratch = new QLabel(c.central);
        scratch->setObjectName(QString::fromLatin1(name));
        scratch->hide();
    }
}

void TForm2::createToolPanel()
{
    Controls& c = *ui_;
    c.Panel1 = new QWidget(c.central);
    c.Panel1->setObjectName(QStringLiteral("Panel1"));
    c.Panel1->setFixedWidth(58);
    QWidget* p = c.Panel1;
    c.Bnselect = toolButton(p, "Bnselect", QStringLiteral("Select"), QStringLiteral("Area"), {3, 4, 52, 22});
    c.GBMauspos = groupBox(p, "GBMauspos", QStringLiteral("Position"), {1, 30, 56, 78});
    c.GBMauspos->setToolTip(QStringLiteral("X/Y = current, Xo/Yo = Start"));
    c.GBMauspos->setFont(arial(11));
    const std::tuple<QLabel**, const char*, const char*> labels[] = {
        {&c.LbX, "LbX", "X"}, {&c.LbY, "LbY", "Y"}, {&c.LbXo, "LbXo", "Xo   "}, {&c.LbYo, "LbYo", "Yo"}};
    int row = 0;
    for (const auto& [member, name, caption] : labels) {
        *member = make<QLabel>(c.GBMauspos, name, {4, 16 + 15 * row++, 50, 14});
        (*member)->setText(QString::fromLatin1(caption));
    }
    c.Edit2 = edit(p, "Edit2", 6, 112, 46);
    c.Edit2->setFont(arial(13));
    c.Edit2->hide();
    c.BnText = toolButton(p, "BnText", QStringLiteral("Text"), QStringLiteral("Font, Direction see above"), {3, 138, 52, 22});
    c.BnSpur = toolButton(p, "BnSpur", QStringLiteral("~"), QStringLiteral("Trace"), {3, 162, 52, 22});
    c.BnLinie = toolButton(p, "BnLinie", QStringLiteral("/"), QStringLiteral("Straight Line"), {3, 186, 52, 22});
    c.BnBox = toolButton(p, "BnBox", QString(QChar(0x25A1)), QStringLiteral("Rectangle"), {3, 210, 52, 22});
    c.BnBox2 = toolButton(p, "BnBox2", QStringLiteral("(_)"), QStringLiteral("Rounded Rectangle"), {3, 234, 52, 22});
    c.BnEllipse = toolButton(p, "BnEllipse", QStringLiteral("O"), QStringLiteral("Ellipse or Circle"), {3, 258, 52, 22});
    c.BnPlotstart = toolButton(p, "BnPlotstart", QStringLiteral("Plot"), QStringLiteral("Data"), {3, 300, 52, 22});
    c.BnClear = toolButton(p, "BnClear", QStringLiteral("Clear"), QStringLiteral("Screen"), {3, 324, 52, 22});
    c.BnMemo = toolButton(p, "BnMemo", QStringLiteral("Memo"), QStringLiteral("Hold current image or restore "),
                          {3, 362, 52, 22});
    connect(c.BnPlotstart, &QPushButton::clicked, this, &TForm2::BnPlotstartClick);
    connect(c.BnClear, &QPushButton::clicked, this, &TForm2::BnclearClick);
}

void TForm2::createLineBox()
{
    Controls& c = *ui_;
    c.GBStrich = overlayBox(c.central, "GBStrich", QStringLiteral("Line "), {154, 0, 128, 174});
    make<QLabel>(c.GBStrich, "Label1", {8, 20, 60, 18})->setText(QStringLiteral("Width"));
    c.BnWiminus = toolButton(c.GBStrich, "BnWiminus", QStringLiteral(" - "), QString(), {8, 42, 28, 22});
    c.EdDicke = make<QLineEdit>(c.GBStrich, "EdDicke", {40, 42, 44, 22});
    c.EdDicke->setText(state_.lineWidthText);
    c.BnWiplus = toolButton(c.GBStrich, "BnWiplus", QStringLiteral("+"), QString(), {88, 42, 28, 22});
    const std::tuple<QRadioButton**, const char*, const char*> styles[] = {
        {&c.RBsolid, "RBsolid", "Solid"}, {&c.RBdot, "RBdot", "Dotted"}, {&c.RBdash, "RBdash", "Dashed"}};
    int row = 0;
    for (const auto& [member, name, caption] : styles) {
        *member = make<QRadioButton>(c.GBStrich, name, {8, 70 + 22 * row++, 110, 20});
        (*member)->setText(QString::fromLatin1(caption));
    }
    c.RBsolid->setChecked(true);
    c.Bnlineok = toolButton(c.GBStrich, "Bnlineok", QStringLiteral("OK"), QString(), {30, 140, 68, 24});
    connect(c.EdDicke, &QLineEdit::textChanged, this, [this](const QString& text) { state_.lineWidthText = text; });
}

void TForm2::createSelectionBox()
{
    Controls& c = *ui_;
    c.GbSelected = overlayBox(c.central, "GbSelected", QStringLiteral("Selected Area"), {160, 90, 84, 186});
    const std::tuple<QPushButton**, const char*, const char*, const char*> buttons[] = {
        {&c.BnCopy, "BnCopy", "Copy", "Frame to Clipboard"},
        {&c.BnInsert, "BnInsert", "Insert", "Clipboard at Xo/Yo"},
        {&c.BnCut, "BnCut", "Cut size", "Cut image to frame"},
        {&c.BnClearsel, "BnClearsel", "Wipe", "Frame"},
        {&c.BnCancel, "BnCancel", "Cancel", ""}};
    int row = 0;
    for (const auto& [member, name, caption, hint] : buttons)
        *member = toolButton(c.GbSelected, name, QString::fromLatin1(caption), QString::fromLatin1(hint),
                             {6, 22 + 32 * row++, 72, 26});
}

void TForm2::createMemoBox()
{
    Controls& c = *ui_;
    c.GBMemo = overlayBox(c.central, "GBMemo", QStringLiteral("Memory"), {275, 224, 116, 154});
    const std::tuple<QPushButton**, const char*, const char*, const char*> buttons[] = {
        {&c.BnRestore, "BnRestore", "Restore ", "image from Memo"},
        {&c.BnHold, "BnHold", "Keep", "image in Memo"},
        {&c.BnMemocancel, "BnMemocancel", "Cancel", ""}};
    int row = 0;
    for (const auto& [member, name, caption, hint] : buttons)
        *member = toolButton(c.GBMemo, name, QString::fromLatin1(caption), QString::fromLatin1(hint),
                             {10, 24 + 42 * row++, 96, 30});
}

void TForm2::createWaitPanel()
{
    Controls& c = *ui_;
    c.Pnwait = make<QLabel>(c.central, "Pnwait", {98, 190, 295, 65});
    c.Pnwait->setText(QStringLiteral("Printing..... (may take time)"));
    c.Pnwait->setAlignment(Qt::AlignCenter);
    c.Pnwait->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.Pnwait->setAutoFillBackground(true);
    c.Pnwait->hide();
}

// The image file and edit menus, then the pen and font settings as items of
// the menu bar itself.
void TForm2::createMenus()
{
    Controls& c = *ui_;
    // Menus are drawn in the desktop's menu font, not in the window's.
    menuBar()->setFont(QApplication::font("QMenuBar"));
    auto addItem = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {}) {
        QAction* action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        addAction(action);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    c.Open1 = addItem(file, "Open1", QStringLiteral("&Open Image"), QKeySequence(Qt::CTRL | Qt::Key_O));
    c.Save1 = addItem(file, "Save1", QStringLiteral("&Save Image"), QKeySequence(Qt::CTRL | Qt::Key_S));
    c.Saveas1 = addItem(file, "Saveas1", QStringLiteral("Save as ..."));
    c.Printbitbybit1 = addItem(file, "Printbitbybit1", QStringLiteral("Print Image "), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    c.Exit1 = addItem(file, "Exit1", QStringLiteral("E&xit  Graphics"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(c.Exit1, &QAction::triggered, this, &QWidget::hide);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    c.Cut1 = addItem(edit, "Cut1", QStringLiteral("Cu&t Image"), QKeySequence(Qt::CTRL | Qt::Key_X));
    c.Copy1 = addItem(edit, "Copy1", QStringLiteral("Copy Image"), QKeySequence(Qt::CTRL | Qt::Key_C));
    c.Paste1 = addItem(edit, "Paste1", QStringLiteral("Insert at top left"), QKeySequence(Qt::CTRL | Qt::Key_V));
    c.Font1 = addItem(nullptr, "Font1", QStringLiteral("&Font"));
    c.VertHoriz = addItem(nullptr, "VertHoriz", state_.vertHorizCaption);
    c.Line = addItem(nullptr, "Line", QStringLiteral("&Line"), QKeySequence(Qt::CTRL | Qt::Key_H));
    c.color = addItem(nullptr, "color", QStringLiteral("&Color"));
    c.Fill1 = addItem(nullptr, "Fill1", QStringLiteral("- Fill."));
    c.Fill1->setToolTip(QStringLiteral("Rects. and Circles"));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("View1"));
    auto* zooms = new QActionGroup(this);
    int zoom = 1;
    for (QAction** item : {&c.Zoom1, &c.Zoom2, &c.Zoom3}) {
        const QByteArray name = "Zoom" + QByteArray::number(zoom);
        *item = addItem(view, name.constData(), QStringLiteral("Zoom %1\u00D7").arg(zoom));
        (*item)->setCheckable(true);
        (*item)->setChecked(zoom == zoom_);
        zooms->addAction(*item);
        connect(*item, &QAction::triggered, this, [this, zoom] { setZoom(zoom); });
        ++zoom;
    }
}

// Becoming active coming from the main or help window re-plots; coming back
// from a dialog, a message box or another application does not, and neither
// does the activation that answers the window's own show.
void TForm2::watchActivation()
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        // A menu or other popup takes the focus only for a moment; the window
        // beneath it stays the one the user comes from.
        if (!now || (now->flags() & Qt::Popup) == Qt::Popup)
            return;
        auto isReplotSource = [this](const QWindow* window) {
            return window && std::any_of(replotSources_.cbegin(), replotSources_.cend(),
                                         [window](const QWidget* source) { return source->windowHandle() == window; });
        };
        if (now == windowHandle()) {
            const bool ownShow = ownActivationPending_;
            ownActivationPending_ = false;
            if (isReplotSource(previousFocus_) && !ownShow)
                BnPlotstartClick();
        } else if (now != previousFocus_ && !isReplotSource(now)) {
            // The program window the show came from may itself become active
            // only after the show (the click that showed this window
            // activates it, late when no window manager or a slow one runs):
            // the show's own activation is still to come then.
            ownActivationPending_ = false;
        }
        previousFocus_ = now;
    });
}

void TForm2::FormCreate()
{
    state_.plotMargin = 130;
    state_.toolState = ToolState::Line;
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
    ownActivationPending_ = !hasFocus;
}

void TForm2::BnPlotstartClick()
{
    replot();
}

bool TForm2::replot()
{
    const bool plotted = guarded(this, [this] { plot_->plotCommand(); });
    refreshImage();
    syncFromState();
    return plotted;
}

void TForm2::BnclearClick()
{
    guarded(this, [this] { plot_->clear(); });
    editor_->imageReplaced();
    refreshImage();
}

void TForm2::canvasReplaced(PlotCanvas::WindowFit fit)
{
    editor_->imageReplaced();
    if (fit == PlotCanvas::WindowFit::Standard) {
        const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
        resize(outerSize() - frame);
    }
    refreshImage();
}

QSize TForm2::outerSize() const
{
    QSize outer = CanvasZoom{zoom_, devicePixelRatioF()}.scaled(kOuterSize);
    if (const QScreen* s = screen())
        outer = outer.boundedTo(s->availableGeometry().size());
    return outer;
}

void TForm2::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, 3);
    const Controls& c = *ui_;
    for (QAction* item : {c.Zoom1, c.Zoom2, c.Zoom3})
        item->setChecked(item == (zoom_ == 1 ? c.Zoom1 : zoom_ == 2 ? c.Zoom2 : c.Zoom3));
    c.Image->setZoom(zoom_);
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    resize(outerSize() - frame);
}

QPoint TForm2::canvasPixelAt(QPointF clientPosition) const
{
    const QPoint origin = ui_->Image->mapTo(ui_->central, QPoint(0, 0));
    return ui_->Image->zoom().canvasPixel(clientPosition - QPointF(origin));
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
    const Controls& c = *ui_;
    if (c.Panel1)
        c.Panel1->setGeometry(c.central->width() - 58, 0, 58, c.central->height());
    if (c.ImageArea)
        c.ImageArea->setGeometry(0, 0, std::max(c.central->width() - 58, 0), c.central->height());
}

bool TForm2::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
        // On another screen the same zoom takes another logical size.
        if (windowHandle() && !screenWatched_) {
            screenWatched_ = true;
            connect(windowHandle(), &QWindow::screenChanged, this, [this] { refreshImage(); });
        }
        [[fallthrough]];
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
        // The outer size, frame included, is the plot window's size, as soon
        // as the window manager has put its frame around the window.
        if (!frameFitted_)
            frameFitted_ = fitFrameToOuterSize(*this, outerSize());
        break;
    case QEvent::Hide:
        ownActivationPending_ = false;
        break;
    default:
        break;
    }
    return handled;
}
