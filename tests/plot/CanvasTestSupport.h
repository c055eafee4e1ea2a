#pragma once

// Helpers for the canvas pixel tests: small hand-written patterns ('.' white,
// '#' black, 'o' any other colour), noise backgrounds, and failure images.

#include "plot/Canvas.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace canvastest {

inline char patternChar(QRgb p)
{
    if ((p | 0xFF000000u) == 0xFFFFFFFFu)
        return '.';
    if ((p | 0xFF000000u) == 0xFF000000u)
        return '#';
    return 'o';
}

// The pattern of the area's pixels, one string per row.
inline std::vector<std::string> render(const Canvas& canvas, const QRect& area)
{
    std::vector<std::string> rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x)
            row += patternChar(canvas.pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

inline void saveFailure(const QImage& image, const std::string& name)
{
    QString file = QString::fromStdString(name);
    file.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char(' '), QLatin1Char('_'));
    image.save(QDir(QStringLiteral(KURVIX_TEST_OUTPUT)).filePath(QStringLiteral("canvas-") + file + QStringLiteral(".png")));
}

inline std::string joined(const std::vector<std::string>& rows)
{
    std::string text;
    for (const auto& row : rows)
        text += row + '\n';
    return text;
}

// Compares the top-left part of the canvas with the pattern; on a mismatch
// the canvas goes to the test output folder.
inline void expectPattern(const Canvas& canvas, const std::vector<std::string>& expected, const std::string& name)
{
    const QRect area(0, 0, int(expected.empty() ? 0 : expected.front().size()), int(expected.size()));
    const auto actual = render(canvas, area);
    if (actual != expected) {
        saveFailure(canvas.image(), name);
        ADD_FAILURE() << name << ": expected\n" << joined(expected) << "actual\n" << joined(actual);
    }
}

// Deterministic coloured noise, never pure white or black.
inline QImage noise(int width, int height, uint32_t seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    uint32_t state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            row[x] = qRgb(int(state >> 24) & 0xFF, int(state >> 16) & 0xFF, 1 + int(state >> 8) % 254);
        }
    }
    return image;
}

// Pixels that differ between two images of one size.
inline int countDifferences(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

} // namespace canvastest
