#include "editor/GraphicEditor.h"

#include "data/Numbers.h"
#include "plot/PlotCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

int clampTo(int v, int limit)
{
    return std::clamp(v, 0, limit);
}

} // namespace

GraphicEditor::GraphicEditor(PlotCanvas& plot, GraphicState& state, EditorClipboard& clipboard)
    : plot_(plot), state_(state), clipboard_(clipboard)
{
}

Canvas& GraphicEditor::canvas()
{
    return plot_.canvas();
}

void GraphicEditor::penReset()
{
    // Convert first: a width text that is no integer must leave Select and
    // the tool as they were, not only the pen.
    (void)toInteger(state_.lineWidthText.toStdString());
    plot_.resetPen();
}

void GraphicEditor::figureTool(ToolState tool, FigureKind kind)
{
    penReset();
    state_.toolState = tool;
    state_.figureKind = kind;
    textBoxShown_ = false;
}

void GraphicEditor::BnTextClick()
{
    penReset();
    state_.toolState = ToolState::Text;
    textBoxShown_ = true;
}

void GraphicEditor::BnSpurClick() { figureTool(ToolState::TraceReady, FigureKind::Line); }
void GraphicEditor::BnLinieClick() { figureTool(ToolState::Line, FigureKind::Line); }
void GraphicEditor::BnBox2Click() { figureTool(ToolState::RoundBox, FigureKind::RoundRect); }
void GraphicEditor::BnEllipseClick() { figureTool(ToolState::Ellipse, FigureKind::Ellipse); }

void GraphicEditor::BnBoxClick()
{
    // Select draws its frame with the rectangle tool and its own dotted pen.
    if (!state_.selectMode)
        penReset();
    state_.toolState = ToolState::Box;
    state_.figureKind = FigureKind::Rectangle;
    textBoxShown_ = false;
}

void GraphicEditor::drawFigure(QPoint from, QPoint to, RasterMode mode)
{
    Canvas& c = canvas();
    c.pen.mode = mode;
    switch (state_.figureKind) {
    case FigureKind::Line:
        c.moveTo(from.x(), from.y());
        c.lineTo(to.x(), to.y());
        break;
    case FigureKind::Rectangle:
        c.rectangle(from.x(), from.y(), to.x(), to.y());
        break;
    case FigureKind::Ellipse:
        c.ellipse(from.x(), from.y(), to.x(), to.y());
        break;
    case FigureKind::RoundRect:
        c.roundRect(from.x(), from.y(), to.x(), to.y(), (from.x() - to.x()) / 2, (from.y() - to.y()) / 2);
        break;
    }
}

void GraphicEditor::FormMouseDown(int x, int y)
{
    labelXo_ = QStringLiteral("Xo ") + QString::number(x);
    labelYo_ = QStringLiteral("Yo ") + QString::number(y);
    if (state_.toolState == ToolState::Text) {
        canvas().textOut(x, y, textBoxText);
        state_.selectionRect.x1 = static_cast<uint16_t>(x);
        state_.selectionRect.y1 = static_cast<uint16_t>(y);
        return;
    }
    if (state_.selectMode)
        removeFrame();
    if (state_.toolState == ToolState::TraceReady)
        state_.toolState = ToolState::TraceDrawing;
    state_.dragging = true;
    canvas().moveTo(x, y);
    state_.startPoint = QPoint(x, y);
    state_.movePoint = QPoint(x, y);
}

void GraphicEditor::FormMouseMove(int x, int y)
{
    if (state_.dragging && state_.toolState != ToolState::TraceDrawing) {
        drawFigure(state_.startPoint, state_.movePoint, RasterMode::NotXor);
        state_.movePoint = QPoint(x, y);
        drawFigure(state_.startPoint, state_.movePoint, RasterMode::NotXor);
    } else if (state_.toolState == ToolState::TraceDrawing) {
        canvas().lineTo(x, y);
    }
    labelX_ = QStringLiteral("X   ") + QString::number(x);
    labelY_ = QStringLiteral("Y   ") + QString::number(y);
}

void GraphicEditor::FormMouseUp(int x, int y)
{
    const QPoint at(x, y);
    const bool figureDrag = state_.dragging && state_.toolState != ToolState::TraceDrawing;
    // The window system may deliver a release without a move to its spot.
    if (figureDrag && state_.movePoint != at)
        FormMouseMove(x, y);
    else if (state_.dragging && state_.toolState == ToolState::TraceDrawing && canvas().penPos() != at)
        canvas().lineTo(x, y);

    if (state_.selectMode) {
        if (state_.dragging) {
            auto& r = state_.selectionRect;
            r.x1 = static_cast<uint16_t>(state_.startPoint.x());
            r.y1 = static_cast<uint16_t>(state_.startPoint.y());
            r.x2 = static_cast<uint16_t>(x);
            r.y2 = static_cast<uint16_t>(y);
            // The rubber band stays as the selection frame.
            frameShown_ = figureDrag && state_.figureKind == FigureKind::Rectangle;
            frameFrom_ = state_.startPoint;
            frameTo_ = at;
            framePen_ = canvas().pen;
            selectedBoxShown_ = true;
        }
    } else if (figureDrag) {
        drawFigure(state_.startPoint, at, state_.fillMode ? RasterMode::Copy : RasterMode::NoOp);
    }
    if (state_.toolState == ToolState::TraceDrawing)
        state_.toolState = ToolState::TraceReady;
    state_.dragging = false;
}

void GraphicEditor::BnselectClick()
{
    if (!state_.selectMode) {
        state_.selectMode = true;
        canvas().pen.style = PenStyle::Dotted;
        canvas().pen.width = 1;
        BnBoxClick();
    } else {
        BnTextClick();
    }
}

QRect GraphicEditor::selectionArea() const
{
    // The 16-bit corners of a drag that left the image wrap to large values;
    // read them back as signed so the area stops at the image's edge.
    const auto& r = state_.selectionRect;
    const int w = plot_.canvas().width();
    const int h = plot_.canvas().height();
    const int x1 = clampTo(static_cast<int16_t>(r.x1), w);
    const int x2 = clampTo(static_cast<int16_t>(r.x2), w);
    const int y1 = clampTo(static_cast<int16_t>(r.y1), h);
    const int y2 = clampTo(static_cast<int16_t>(r.y2), h);
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QSize(std::abs(x2 - x1), std::abs(y2 - y1)));
}

void GraphicEditor::removeFrame()
{
    if (!frameShown_)
        return;
    Canvas& c = canvas();
    const Pen pen = c.pen;
    c.pen = framePen_;
    c.rectangle(frameFrom_.x(), frameFrom_.y(), frameTo_.x(), frameTo_.y());
    c.pen = pen;
    frameShown_ = false;
}

void GraphicEditor::imageReplaced()
{
    frameShown_ = false;
}

void GraphicEditor::BnCancelClick()
{
    selectedBoxShown_ = false;
    removeFrame();
}

void GraphicEditor::BnCopyClick()
{
    BnCancelClick();
    const QRect area = selectionArea();
    if (area.isEmpty())
        return;
    clipboard_.setImage(canvas().image().copy(area));
}

void GraphicEditor::pasteAt(QPoint topLeft)
{
    const std::optional<QImage> picture = clipboard_.image();
    if (!picture || picture->isNull())
        return;
    const QImage source = picture->convertToFormat(QImage::Format_RGB32);
    canvas().copyRect(QRect(topLeft, source.size()), source, source.rect());
}

void GraphicEditor::BnInsertClick()
{
    removeFrame();
    pasteAt(state_.startPoint);
}

void GraphicEditor::BnCutClick()
{
    BnCancelClick();
    const QRect area = selectionArea();
    if (area.isEmpty())
        return;
    const QImage picture = canvas().image().copy(area);
    clipboard_.setImage(picture);
    plot_.forgetPlot();
    plot_.setCanvasSize(static_cast<uint16_t>(area.width()), static_cast<uint16_t>(area.height()),
                        PlotCanvas::WindowFit::Keep);
    canvas().copyRect(QRect(QPoint(0, 0), picture.size()), picture, picture.rect());
}

void GraphicEditor::BnClearselClick()
{
    selectedBoxShown_ = false;
    // Removing the frame first also clears a frame drawn with a wide pen,
    // which reaches beyond the area.
    removeFrame();
    const QRect area = selectionArea();
    canvas().copyRect(area, canvas().image(), area, CopyMode::Whiteness);
}

void GraphicEditor::Copy1Click()
{
    clipboard_.setImage(canvas().image());
}

void GraphicEditor::Cut1Click()
{
    Copy1Click();
    plot_.forgetPlot();
    canvas().pen.style = PenStyle::Dotted;
    state_.figureKind = FigureKind::Rectangle;
    frameShown_ = false;
    const QRect all = canvas().image().rect();
    canvas().copyRect(all, canvas().image(), all, CopyMode::Whiteness);
}

void GraphicEditor::Paste1Click()
{
    pasteAt(QPoint(0, 0));
}

void GraphicEditor::BnMemoClick()
{
    state_.drawingColor = canvas().pen.colour;
    memoBoxShown_ = true;
}

void GraphicEditor::BnHoldClick()
{
    imageMemory_ = canvas().image().copy(0, 0, state_.canvasWidth, state_.canvasHeight);
    memoBoxShown_ = false;
}

void GraphicEditor::BnRestoreClick()
{
    memoBoxShown_ = false;
    // Before the first Keep there is nothing to restore, and a blank picture
    // would only destroy the one shown.
    if (!imageMemory_)
        return;
    plot_.forgetPlot();
    plot_.setCanvasSize(state_.canvasWidth, state_.canvasHeight, PlotCanvas::WindowFit::Keep);
    frameShown_ = false;
    canvas().copyRect(QRect(0, 0, state_.canvasWidth, state_.canvasHeight), *imageMemory_,
                      QRect(0, 0, state_.canvasWidth, state_.canvasHeight));
    penReset();
}

void GraphicEditor::BnMemocancelClick()
{
    memoBoxShown_ = false;
}

void GraphicEditor::LineClick()
{
    lineBoxShown_ = true;
    state_.lineWidthText = QString::number(canvas().pen.width);
}

void GraphicEditor::BnWiminusClick()
{
    // Only drawing treats a typed width below 1 as 1; the buttons count from
    // the width as it stands.
    Pen& pen = canvas().pen;
    if (pen.width > 1)
        --pen.width;
    state_.lineWidthText = QString::number(pen.width);
}

void GraphicEditor::BnWiplusClick()
{
    Pen& pen = canvas().pen;
    ++pen.width;
    state_.lineWidthText = QString::number(pen.width);
}

void GraphicEditor::BnStricOKClick(PenStyle style)
{
    canvas().pen.width = toInteger(state_.lineWidthText.toStdString());
    lineBoxShown_ = false;
    canvas().pen.style = style;
}

void GraphicEditor::fontChosen(const CanvasFont& font)
{
    Canvas& c = canvas();
    const QRgb colour = c.font.colour;
    state_.textFont = font;
    c.font = font;
    c.font.colour = colour;
    c.font.escapement = 0;
}

void GraphicEditor::VertHorizClick()
{
    state_.verticalWriting = !state_.verticalWriting;
    CanvasFont& f = canvas().font;
    f.name = state_.textFont.name;
    f.pixelSize = state_.textFont.pixelSize;
    f.escapement = state_.verticalWriting ? 900 : 0;
    state_.vertHorizCaption = state_.verticalWriting ? QStringLiteral("&Vert. Writ.") : QStringLiteral("&Horiz. Writ.");
}

void GraphicEditor::colourChosen(std::optional<QRgb> colour)
{
    if (colour) {
        canvas().pen.colour = *colour;
        canvas().font.colour = *colour;
    }
    state_.drawingColor = canvas().pen.colour;
}

void GraphicEditor::Fill1Click()
{
    state_.fillMode = !state_.fillMode;
    fillCaption_ = state_.fillMode ? QStringLiteral("Fill") : QStringLiteral("- Fill.");
}
