#pragma once

// Helpers shared by the plot tests: pixel grids around a point, ink boxes and
// runs, reference text rendering, and saving the actual image on a mismatch.

#include "data/DataStore.h"
#include "plot/Canvas.h"
#include "plot/GraphicState.h"
#include "plot/PlotCanvas.h"

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace PlotTest {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);

// Writes the image into the build folder and returns its path, for the
// failure message.
inline std::string saveActual(const QImage& image, const QString& name)
{
    const QString path = QDir(QStringLiteral(KURVIX_TEST_OUTPUT)).filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path.toStdString();
}

inline QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

inline bool isInk(const QImage& image, int x, int y)
{
    return rgbAt(image, x, y) != (kWhite & 0xffffff);
}

// The (2r + 1) x (2r + 1) pixels around (cx, cy): '#' ink colour, 'w' white,
// '.' background, '?' anything else.
inline std::vector<std::string> pixelGrid(const QImage& image, int cx, int cy, int r, QRgb ink, QRgb background)
{
    std::vector<std::string> rows;
    for (int y = cy - r; y <= cy + r; ++y) {
        std::string row;
        for (int x = cx - r; x <= cx + r; ++x) {
            const QRgb p = rgbAt(image, x, y);
            row += p == (ink & 0xffffff) ? '#' : p == (kWhite & 0xffffff) ? 'w' : p == (background & 0xffffff) ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// The smallest rectangle holding every non-white pixel of `area` (null when
// there is none).
inline QRect inkBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image, x, y))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

inline int inkCount(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isInk(image, x, y) ? 1 : 0;
    return count;
}

// Column runs of `area` holding ink, runs closer than `gap` empty columns
// joined.
struct ColumnRun {
    int first;
    int last;
};
inline std::vector<ColumnRun> inkRuns(const QImage& image, const QRect& area, int gap = 3)
{
    std::vector<ColumnRun> runs;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool ink = false;
        for (int y = area.top(); y <= area.bottom() && !ink; ++y)
            ink = isInk(image, x, y);
        if (!ink)
            continue;
        if (!runs.empty() && x - runs.back().last <= gap)
            runs.back().last = x;
        else
            runs.push_back({x, x});
    }
    return runs;
}

// Whether `area` of both images holds the same pixels.
inline bool sameArea(const QImage& a, const QImage& b, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgbAt(a, x, y) != rgbAt(b, x, y))
                return false;
    return true;
}

// The text as the canvas writes it with `font` at (x, y) on a white canvas
// of the given size.
inline QImage referenceText(int width, int height, const CanvasFont& font, int x, int y, const QString& text)
{
    Canvas reference(width, height);
    reference.font = font;
    reference.textOut(x, y, text);
    return reference.image();
}

// A store, window state and plot canvas as the program starts with them, the
// date fixed.
struct PlotFixture {
    DataStore store;
    GraphicState state;
    PlotCanvas plot{store, state};

    PlotFixture()
    {
        plot.clock = [] { return QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)); };
    }

    void setPoints(int s, std::initializer_list<std::pair<double, double>> points)
    {
        int i = 0;
        for (const auto& [x, y] : points) {
            ++i;
            store.x(s, i) = x;
            store.y(s, i) = y;
        }
        store.pointCount[static_cast<size_t>(s)] = i;
        store.sortSet(s);
    }

    const QImage& image() { return plot.canvas().image(); }
};

} // namespace PlotTest
