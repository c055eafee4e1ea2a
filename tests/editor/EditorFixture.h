#pragma once

// A graphic editor on a plot canvas without any window, with a clipboard that
// lives in the test.

#include "data/DataStore.h"
#include "editor/GraphicEditor.h"
#include "plot/CanvasTestSupport.h"
#include "plot/PlotCanvas.h"

#include <gtest/gtest.h>

class TestClipboard : public EditorClipboard {
public:
    std::optional<QImage> image() const override { return picture; }
    void setImage(const QImage& image) override { picture = image; }
    std::optional<QImage> picture;
};

class EditorTest : public ::testing::Test {
protected:
    DataStore store;
    GraphicState state;
    PlotCanvas plot{store, state};
    TestClipboard clipboard;
    GraphicEditor editor{plot, state, clipboard};

    Canvas& canvas() { return plot.canvas(); }
    const QImage& image() { return plot.canvas().image(); }
    void useNoise(uint32_t seed = 7)
    {
        canvas().copyRect(QRect(0, 0, 480, 480), canvastest::noise(480, 480, seed), QRect(0, 0, 480, 480));
    }
    void drag(QPoint from, std::initializer_list<QPoint> moves, QPoint to)
    {
        editor.FormMouseDown(from.x(), from.y());
        for (QPoint p : moves)
            editor.FormMouseMove(p.x(), p.y());
        editor.FormMouseUp(to.x(), to.y());
    }
    void expectSame(const QImage& expected, const std::string& name)
    {
        const QImage actual = image().convertToFormat(QImage::Format_RGB32);
        const QImage wanted = expected.convertToFormat(QImage::Format_RGB32);
        if (actual != wanted) {
            canvastest::saveFailure(actual, "editor-" + name);
            ADD_FAILURE() << name << ": image differs"
                          << (actual.size() == wanted.size()
                                  ? " in " + std::to_string(canvastest::countDifferences(actual, wanted)) + " pixels"
                                  : std::string(" in size"));
        }
    }
};
