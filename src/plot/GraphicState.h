#pragma once

// The graphic window's state that the plot command and the editor read: the
// canvas size and margin, the editor's pen colour, tool state and switches, and
// the texts of the controls the plot takes values from (the line-width field,
// the text box's font, the writing-direction menu caption). The window's
// controls show and edit this struct, so the command line and the tests can
// plot without any window.

#include "plot/Canvas.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <string>

// The editor's tool: which figure a drag draws, the text tool, the two
// states of the freehand trace, and the state that makes the plot command
// draw the symbol table.
enum class ToolState : uint8_t {
    Line = 0,
    Text = 1,
    Box = 2,
    RoundBox = 3,
    Ellipse = 4,
    TraceDrawing = 5,
    TraceReady = 6,
    SymbolTable = 99,
};

// The figure the editor's drag draws.
enum class FigureKind : uint8_t { Line = 0, Rectangle = 1, Ellipse = 2, RoundRect = 3 };

struct GraphicState {
    uint16_t canvasWidth = 480;
    uint16_t canvasHeight = 480;
    uint16_t plotMargin = 130;
    QRgb drawingColor = qRgb(0, 0, 0);
    bool selectMode = false;
    bool fillMode = false;
    bool verticalWriting = false;
    ToolState toolState = ToolState::Line;
    QString lineWidthText = QStringLiteral("1");        // text of EdDicke
    CanvasFont textFont{QStringLiteral("Arial"), 13};   // font of the text box Edit2
    QString vertHorizCaption = QStringLiteral("&Horiz. Writ.");
    std::string imageFileName;   // image file last opened or saved; empty: ask
    std::string imageOpenName;   // name the image open dialog proposes

    // The editor's drag: the figure drawFigure draws, whether a figure or
    // trace is being dragged, its press point and the end point of the
    // rubber band shown.
    FigureKind figureKind = FigureKind::Line;
    bool dragging = false;
    QPoint startPoint;
    QPoint movePoint;
    // The last selection's corners in drag order (press, release); the text
    // tool records its click in x1, y1.
    struct SelectionRect {
        uint16_t x1 = 0;
        uint16_t y1 = 0;
        uint16_t x2 = 0;
        uint16_t y2 = 0;
    };
    SelectionRect selectionRect;
};
