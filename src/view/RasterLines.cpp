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
bool clippedAway(double &x1, double &y1, double &x2, double &y2, const QRect &device)
{
    const double xmin = device.left() - 1;
    const double xmax = device.right() + 2;
    const double ymin = device.top() - 1;
    const double ymax = device.bottom() + 2;
    if (x1 < xmin) {
        if (x2 <= xmin)
            return true;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax)
            return true;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin)
            return true;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax)
            return true;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return false;
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
