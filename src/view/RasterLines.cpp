// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RasterLines.h"

#include "annotations/AnnotationPainter.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

// 26.6 fixed point, truncated towards zero as the engine converts.
int toFixed6(double value)
{
    return static_cast<int>(value * 64.);
}

// The rough clip the engine applies in floating point before stepping, against its device one
// pixel wider on every side: moves the ends onto the bounds, or says the line misses them.
// One axis of that clip: a along the axis, b across it, both ends moved onto [min, max].
bool clippedAwayAlong(double &a1, double &b1, double &a2, double &b2, double min, double max)
{
    if (a1 < min) {
        if (a2 <= min)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (min - a1);
        a1 = min;
    } else if (a1 > max) {
        if (a2 >= max)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (max - a1);
        a1 = max;
    }
    if (a2 < min) {
        b2 += (b2 - b1) / (a2 - a1) * (min - a2);
        a2 = min;
    } else if (a2 > max) {
        b2 += (b2 - b1) / (a2 - a1) * (max - a2);
        a2 = max;
    }
    return false;
}

bool clippedAway(double &x1, double &y1, double &x2, double &y2, const QRect &device)
{
    return clippedAwayAlong(x1, y1, x2, y2, device.left() - 1, device.right() + 2)
        || clippedAwayAlong(y1, x1, y2, x2, device.top() - 1, device.bottom() + 2);
}

// One step of a line along its long axis: the first pixel row (or column) it covers, the one
// after its last, and the cross position of the first in 16.16 fixed point with its increment.
struct Steps
{
    int first = 0;
    int end = 0;
    std::int64_t cross = 0;
    std::int64_t increment = 0;
};

// Along the axis from a to b (26.6), crossing from ca to cb: pixels from the one whose centre
// a is nearest to the one before b's, the cross position taken where each pixel row starts
// (or at its middle when the line runs towards larger cross positions).
Steps stepsAlong(int a, int ca, int b, int cb)
{
    if (a > b) {
        std::swap(a, b);
        std::swap(ca, cb);
    }
    Steps steps;
    steps.increment = std::int64_t(cb - ca) * (1 << 16) / (b - a);
    steps.first = (a + 32) >> 6;
    steps.end = (b + 32) >> 6;
    const int round = steps.increment > 0 ? 32 : 0;
    steps.cross = std::int64_t(ca) * (1 << 10)
                  + ((std::int64_t(steps.first) * (1 << 6) + round - a) * steps.increment >> 6);
    return steps;
}

} // namespace

RasterLines::RasterLines(const RasterTarget &target) : m_target(target) {}

bool RasterLines::draw(const AnnotationLine &line, double pixelsPerMm)
{
    if (!line.Visible)
        return true;
    const double widthPx = std::max<double>(1, line.BorderWidth) * pixelsPerMm / ScreenPixelsPerMm;
    if (line.BorderStyle != BorderSolid || line.DrawMode == DrawModeXorPen || widthPx > 1)
        return false;
    // Mapped as the engine maps them: the same doubles, the same pixels.
    const QTransform &map = m_target.transform;
    const QPointF p1 = map.map(QPointF(line.X1 * pixelsPerMm, line.Y1 * pixelsPerMm));
    const QPointF p2 = map.map(QPointF(line.X2 * pixelsPerMm, line.Y2 * pixelsPerMm));
    if (p1 == p2)
        return false; // the engine draws a point
    drawDeviceLine(p1.x(), p1.y(), p2.x(), p2.y(), toQColor(line.BorderColor).rgba());
    return true;
}

void RasterLines::drawDeviceLine(double x1, double y1, double x2, double y2, quint32 colour)
{
    QImage &image = *m_target.image;
    const QRect &clip = m_target.clip;
    if (clippedAway(x1, y1, x2, y2, image.rect()))
        return;
    const int fx1 = toFixed6(x1), fy1 = toFixed6(y1), fx2 = toFixed6(x2), fy2 = toFixed6(y2);
    const bool steep = std::abs(fx2 - fx1) < std::abs(fy2 - fy1);
    if (!steep && fx1 == fx2)
        return;
    const Steps steps = steep ? stepsAlong(fy1, fx1, fy2, fx2) : stepsAlong(fx1, fy1, fx2, fy2);
    // Only the part within the clip along the line's axis is stepped through; across it each
    // pixel is checked.
    const int alongMin = steep ? clip.top() : clip.left();
    const int alongMax = steep ? clip.bottom() : clip.right();
    const int crossMin = steep ? clip.left() : clip.top();
    const int crossMax = steep ? clip.right() : clip.bottom();
    const int first = std::max(steps.first, alongMin);
    const int end = std::min(steps.end, alongMax + 1);
    if (first >= end)
        return;
    auto *pixels = reinterpret_cast<quint32 *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    // Along a steep line one pixel a row, along a flat one one a column.
    const qsizetype alongStep = steep ? stride : 1;
    const qsizetype crossStep = steep ? 1 : stride;
    std::int64_t cross = steps.cross + std::int64_t(first - steps.first) * steps.increment;
    const std::int64_t last = cross + std::int64_t(end - 1 - first) * steps.increment;
    quint32 *row = pixels + first * alongStep;
    // The cross position moves one way only: when both ends are inside, every pixel is.
    const auto inside = [&](std::int64_t c) { return c >= crossMin && c <= crossMax; };
    if (inside(cross >> 16) && inside(last >> 16)) {
        for (int along = first; along < end; ++along, cross += steps.increment, row += alongStep)
            row[(cross >> 16) * crossStep] = colour;
        return;
    }
    for (int along = first; along < end; ++along, cross += steps.increment, row += alongStep) {
        if (inside(cross >> 16))
            row[(cross >> 16) * crossStep] = colour;
    }
}
