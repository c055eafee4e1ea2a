// The graphic window's editor controls: tool buttons, mouse, the selection,
// memory and line boxes, the edit menu and the pen, font, colour and fill
// menu items. Each handler runs the editor through the error report and then
// shows the editor's state in the controls.

#include "app/TForm2.h"

#include "app/CanvasView.h"
#include "app/ErrorReport.h"
#include "app/TForm2Controls.h"
#include "editor/GraphicEditor.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace {

// Hands a widget's own mouse events (not its controls') to callbacks; the
// events it handles go no further.
class MouseRelay : public QObject {
public:
    using Handler = std::function<void(QEvent::Type, QPointF)>;
    MouseRelay(QWidget* watched, Handler handler) : QObject(watched), handler_(std::move(handler))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QEvent::Type type =
                event->type() == QEvent::MouseButtonDblClick ? QEvent::MouseButtonPress : event->type();
            handler_(type, mouse->position());
            return true;
        }
        default:
            return false;
        }
    }

private:
    Handler handler_;
};

CanvasFont canvasFontOf(const QFont& font, QRgb colour)
{
    CanvasFont f;
    f.name = font.family();
    f.pixelSize = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    f.bold = font.bold();
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    f.colour = colour;
    return f;
}

} // namespace

void TForm2::wireEditor()
{
    const Controls& c = *ui_;
    const std::pair<QPushButton*, void (TForm2::*)()> buttons[] = {
        {c.BnText, &TForm2::BnTextClick},         {c.BnSpur, &TForm2::BnSpurClick},
        {c.BnLinie, &TForm2::BnLinieClick},       {c.BnBox, &TForm2::BnBoxClick},
        {c.BnBox2, &TForm2::BnBox2Click},         {c.BnEllipse, &TForm2::BnEllipseClick},
        {c.Bnselect, &TForm2::BnselectClick},     {c.BnCopy, &TForm2::BnCopyClick},
        {c.BnInsert, &TForm2::BnInsertClick},     {c.BnCut, &TForm2::BnCutClick},
        {c.BnClearsel, &TForm2::BnClearselClick}, {c.BnCancel, &TForm2::BnCancelClick},
        {c.BnMemo, &TForm2::BnMemoClick},         {c.BnHold, &TForm2::BnHoldClick},
        {c.BnRestore, &TForm2::BnRestoreClick},   {c.BnMemocancel, &TForm2::BnMemocancelClick},
        {c.BnWiminus, &TForm2::BnWiminusClick},   {c.BnWiplus, &TForm2::BnWiplusClick},
        {c.Bnlineok, &TForm2::BnStricOKClick},
    };
    for (const auto& [b, handler] : buttons)
        connect(b, &QPushButton::clicked, this, handler);
    const std::pair<QAction*, void (TForm2::*)()> actions[] = {
        {c.Cut1, &TForm2::Cut1Click},   {c.Copy1, &TForm2::Copy1Click},         {c.Paste1, &TForm2::Paste1Click},
        {c.Font1, &TForm2::Font1Click}, {c.VertHoriz, &TForm2::VertHorizClick}, {c.Line, &TForm2::LineClick},
        {c.color, &TForm2::colorClick}, {c.Fill1, &TForm2::Fill1Click},
    };
    for (const auto& [action, handler] : actions)
        connect(action, &QAction::triggered, this, handler);

    connect(c.Edit2, &QLineEdit::textChanged, this, [this](const QString& text) { editor_->textBoxText = text; });

    // The image and the window background next to it are one drawing area
    // with the image's origin.
    CanvasView* image = c.Image;
    connect(image, &CanvasView::pressed, this, [this](QPoint p) { FormMouseDown(p.x(), p.y()); });
    connect(image, &CanvasView::moved, this, [this](QPoint p) { FormMouseMove(p.x(), p.y()); });
    connect(image, &CanvasView::released, this, [this](QPoint p) { FormMouseUp(p.x(), p.y()); });
    // Positions on the background go through the same zoom as on the image.
    auto background = [this](QWidget* area) {
        area->setMouseTracking(true);
        new MouseRelay(area, [this, area](QEvent::Type type, QPointF at) {
            const QPoint p = canvasPixelAt(at + QPointF(area->mapTo(centralWidget(), QPoint(0, 0))));
            if (type == QEvent::MouseButtonPress)
                FormMouseDown(p.x(), p.y());
            else if (type == QEvent::MouseMove)
                FormMouseMove(p.x(), p.y());
            else
                FormMouseUp(p.x(), p.y());
        });
    };
    background(centralWidget());
    background(c.ImageArea->viewport());
    // The tool panel is no drawing area.
    new MouseRelay(c.Panel1, [](QEvent::Type, QPointF) {});

    // A click on a box outside its controls acts as its closing button.
    const std::pair<QGroupBox*, void (TForm2::*)()> boxes[] = {
        {c.GbSelected, &TForm2::BnCancelClick}, {c.GBMemo, &TForm2::BnMemocancelClick},
        {c.GBStrich, &TForm2::BnStricOKClick}};
    for (const auto& [box, handler] : boxes) {
        new MouseRelay(box, [this, box, handler](QEvent::Type type, QPointF p) {
            if (type == QEvent::MouseButtonRelease && box->rect().contains(p.toPoint()))
                (this->*handler)();
        });
    }

    fontDialogFont_ = QFont(QStringLiteral("System"));
    fontDialogFont_.setPixelSize(17);
    fontPicker = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, this);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    };
    colourPicker = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
}

void TForm2::runEditor(const std::function<void()>& work)
{
    guarded(this, work);
    syncEditor();
}

void TForm2::syncEditor()
{
    const GraphicEditor& e = *editor_;
    const Controls& c = *ui_;
    const std::pair<QLabel*, const QString*> labels[] = {
        {c.LbX, &e.labelX()}, {c.LbY, &e.labelY()}, {c.LbXo, &e.labelXo()}, {c.LbYo, &e.labelYo()}};
    for (const auto& [label, text] : labels) {
        if (label->text() != *text)
            label->setText(*text);
    }
    const std::pair<QWidget*, bool> shown[] = {{c.Edit2, e.textBoxShown()},
                                               {c.GbSelected, e.selectedBoxShown()},
                                               {c.GBMemo, e.memoBoxShown()},
                                               {c.GBStrich, e.lineBoxShown()}};
    for (const auto& [widget, visible] : shown) {
        if (widget->isVisibleTo(this) != visible) {
            widget->setVisible(visible);
            if (visible)
                widget->raise();
        }
    }
    c.Fill1->setText(e.fillCaption());
    syncFromState();
    refreshImage();
}

void TForm2::BnTextClick()
{
    runEditor([this] { editor_->BnTextClick(); });
    if (editor_->textBoxShown())
        ui_->Edit2->setFocus();
}

void TForm2::BnSpurClick() { runEditor([this] { editor_->BnSpurClick(); }); }
void TForm2::BnLinieClick() { runEditor([this] { editor_->BnLinieClick(); }); }
void TForm2::BnBoxClick() { runEditor([this] { editor_->BnBoxClick(); }); }
void TForm2::BnBox2Click() { runEditor([this] { editor_->BnBox2Click(); }); }
void TForm2::BnEllipseClick() { runEditor([this] { editor_->BnEllipseClick(); }); }
void TForm2::FormMouseDown(int x, int y) { runEditor([=, this] { editor_->FormMouseDown(x, y); }); }
void TForm2::FormMouseMove(int x, int y) { runEditor([=, this] { editor_->FormMouseMove(x, y); }); }
void TForm2::FormMouseUp(int x, int y) { runEditor([=, this] { editor_->FormMouseUp(x, y); }); }

void TForm2::BnselectClick()
{
    runEditor([this] { editor_->BnselectClick(); });
    if (editor_->textBoxShown())
        ui_->Edit2->setFocus();
}

void TForm2::BnCopyClick() { runEditor([this] { editor_->BnCopyClick(); }); }
void TForm2::BnInsertClick() { runEditor([this] { editor_->BnInsertClick(); }); }
void TForm2::BnCutClick() { runEditor([this] { editor_->BnCutClick(); }); }
void TForm2::BnClearselClick() { runEditor([this] { editor_->BnClearselClick(); }); }
void TForm2::BnCancelClick() { runEditor([this] { editor_->BnCancelClick(); }); }
void TForm2::Cut1Click() { runEditor([this] { editor_->Cut1Click(); }); }
void TForm2::Copy1Click() { runEditor([this] { editor_->Copy1Click(); }); }
void TForm2::Paste1Click() { runEditor([this] { editor_->Paste1Click(); }); }
void TForm2::BnMemoClick() { runEditor([this] { editor_->BnMemoClick(); }); }
void TForm2::BnHoldClick() { runEditor([this] { editor_->BnHoldClick(); }); }
void TForm2::BnRestoreClick() { runEditor([this] { editor_->BnRestoreClick(); }); }
void TForm2::BnMemocancelClick() { runEditor([this] { editor_->BnMemocancelClick(); }); }
void TForm2::LineClick() { runEditor([this] { editor_->LineClick(); }); }
void TForm2::BnWiminusClick() { runEditor([this] { editor_->BnWiminusClick(); }); }
void TForm2::BnWiplusClick() { runEditor([this] { editor_->BnWiplusClick(); }); }

void TForm2::BnStricOKClick()
{
    PenStyle style = PenStyle::Solid;
    if (ui_->RBdot->isChecked())
        style = PenStyle::Dotted;
    else if (ui_->RBdash->isChecked())
        style = PenStyle::Dashed;
    runEditor([this, style] { editor_->BnStricOKClick(style); });
}

void TForm2::Font1Click()
{
    const std::optional<QFont> chosen = fontPicker(fontDialogFont_);
    if (!chosen)
        return;
    fontDialogFont_ = *chosen;
    ui_->Edit2->setFont(*chosen);
    const CanvasFont font = canvasFontOf(*chosen, plot_->canvas().font.colour);
    runEditor([this, font] { editor_->fontChosen(font); });
}

void TForm2::VertHorizClick() { runEditor([this] { editor_->VertHorizClick(); }); }

void TForm2::colorClick()
{
    const std::optional<QColor> chosen = colourPicker(QColor::fromRgb(plot_->canvas().pen.colour));
    const std::optional<QRgb> colour = chosen ? std::optional<QRgb>(chosen->rgb()) : std::nullopt;
    runEditor([this, colour] { editor_->colourChosen(colour); });
}

void TForm2::Fill1Click() { runEditor([this] { editor_->Fill1Click(); }); }
