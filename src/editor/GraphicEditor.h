#pragma once

// The graphic window's pixel editor without any widget: the tool buttons,
// press/move/release over the image, the pen, font, colour and fill settings,
// the selection and its box, the whole-image clipboard commands and the image
// memory. It draws on the PlotCanvas and keeps its state in the GraphicState;
// the window calls one member per control and then shows what the editor
// reports (label texts, which boxes are open, captions).
//
// Drawing contract of the mouse (positions are image pixels, negative or
// beyond the image while the button is held; the surface clips):
// - a figure tool's drag shows the figure from the press point to the pointer
//   in not-xor mode, so moving it around restores every pixel it passed; on
//   release the last figure stays as it is (fill off) or is drawn once more in
//   copy mode (fill on: outline in the pen colour, interior white). A release
//   away from the last move position first moves the figure there.
// - the trace tool joins the positions of one drag with the pen's lines;
// - the text tool writes the text box's text at each press, opaque on white,
//   and never drags.

#include "editor/EditorClipboard.h"
#include "plot/Canvas.h"
#include "plot/GraphicState.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

class PlotCanvas;

class GraphicEditor {
public:
    GraphicEditor(PlotCanvas& plot, GraphicState& state, EditorClipboard& clipboard);

    // Tool buttons. Each applies the pen reset first (the rectangle tool only
    // while Select is off); when the reset fails (EdDicke holds no integer)
    // the ConversionError leaves the tool, the pen and Select as they were.
    void BnTextClick();
    void BnSpurClick();
    void BnLinieClick();
    void BnBoxClick();
    void BnBox2Click();
    void BnEllipseClick();

    void FormMouseDown(int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(int x, int y);

    // The figure of figureKind between the two points in the given mode with
    // the current pen and brush: a line from `from` (end pixel left out), a
    // rectangle, the inscribed ellipse, or a rounded rectangle whose corner
    // ellipse is half the figure's width and height.
    void drawFigure(QPoint from, QPoint to, RasterMode mode);

    // The text tool's text box: its text is read at each text click.
    QString textBoxText;
    bool textBoxShown() const { return textBoxShown_; }

    // Captions of the position labels LbX, LbY, LbXo, LbYo.
    const QString& labelX() const { return labelX_; }
    const QString& labelY() const { return labelY_; }
    const QString& labelXo() const { return labelXo_; }
    const QString& labelYo() const { return labelYo_; }

    // Select and the "Selected Area" box. The box opens on every release in
    // select mode. A new selection drag first removes the frame of the one
    // before, so no stale frame is left behind.
    void BnselectClick();
    bool selectedBoxShown() const { return selectedBoxShown_; }
    // The selection as an upright rectangle, both corners clamped to the
    // image, so a drag that ended outside selects up to the edge.
    QRect selectionArea() const;
    void BnCancelClick();
    // The selected area (upright, without the frame) onto the clipboard; an
    // empty selection puts nothing there.
    void BnCopyClick();
    // The clipboard picture with its top-left corner at the last press point,
    // unscaled, clipped to the image; the frame is removed first.
    void BnInsertClick();
    // The image becomes the selected area; an empty selection only closes the
    // box.
    void BnCutClick();
    void BnClearselClick();
    // The program replaced or cleared the picture: a selection frame that was
    // on it is gone and must not be drawn a second time.
    void imageReplaced();

    // The edit menu on the whole image.
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();

    // The image memory and its box. Restore before the first Keep leaves the
    // image alone; after the canvas grew, the part beyond the kept image is
    // white.
    void BnMemoClick();
    bool memoBoxShown() const { return memoBoxShown_; }
    void BnHoldClick();
    void BnRestoreClick();
    void BnMemocancelClick();
    const std::optional<QImage>& imageMemory() const { return imageMemory_; }

    // The line box: width field, - and +, the style radio buttons, OK.
    void LineClick();
    bool lineBoxShown() const { return lineBoxShown_; }
    // Width - 1 only while it is above 1, and width + 1 without limit, both
    // from the width as it stands (a typed 0 or -5 too; only drawing treats
    // a width below 1 as 1). EdDicke shows the new width.
    void BnWiminusClick();
    void BnWiplusClick();
    // Width from EdDicke (ConversionError leaves the pen and the open box as
    // they were), then the style; closes the box.
    void BnStricOKClick(PenStyle style);

    // A font chosen in the font dialog: it becomes the text box's and the
    // canvas's font, written horizontally; the font colour stays.
    void fontChosen(const CanvasFont& font);
    void VertHorizClick();
    // The colour dialog's answer (nothing when cancelled): pen and font
    // colour; drawingColor takes the pen colour in either case.
    void colourChosen(std::optional<QRgb> colour);
    void Fill1Click();
    const QString& fillCaption() const { return fillCaption_; }

private:
    Canvas& canvas();
    void penReset();
    void figureTool(ToolState tool, FigureKind kind);
    void removeFrame();
    void pasteAt(QPoint topLeft);

    PlotCanvas& plot_;
    GraphicState& state_;
    EditorClipboard& clipboard_;
    bool textBoxShown_ = false;
    bool selectedBoxShown_ = false;
    bool memoBoxShown_ = false;
    bool lineBoxShown_ = false;
    QString labelX_ = QStringLiteral("X");
    QString labelY_ = QStringLiteral("Y");
    QString labelXo_ = QStringLiteral("Xo   ");
    QString labelYo_ = QStringLiteral("Yo");
    QString fillCaption_ = QStringLiteral("- Fill.");
    // The selection frame on the image, with the pen that drew it, so that
    // removing it redraws exactly the same pixels.
    bool frameShown_ = false;
    QPoint frameFrom_;
    QPoint frameTo_;
    Pen framePen_;
    std::optional<QImage> imageMemory_;
};
