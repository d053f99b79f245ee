// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameSeam.h"

#include "view/ObjectBounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Rough costs in nanoseconds, as measured on a crowded record book: a line's pixel, a line, a
// label (its back, its caption's glyphs), a small shape (a stamp).
constexpr double LinePixelCost = 1.5;
constexpr double LineCost = 100;
constexpr double LabelCost = 2500;
constexpr double ShapeCost = 300;

class RowCosts
{
public:
    RowCosts(QPoint scroll, int height)
        : m_scroll(scroll), m_height(height), m_change(std::size_t(height) + 2, 0.0),
          m_crossed(std::size_t(height) + 2, 0)
    {
    }

    // `cost` spread evenly over the rows of `bounds` (canvas pixels).
    void spread(const QRectF &bounds, double cost)
    {
        const auto [first, last] = rows(bounds);
        if (first > last)
            return;
        const double perRow = cost / (last - first + 1);
        m_change[std::size_t(first)] += perRow;
        m_change[std::size_t(last) + 1] -= perRow;
    }
    // No seam may fall within `bounds`.
    void forbid(const QRectF &bounds)
    {
        const auto [first, last] = rows(bounds);
        if (first > last)
            return;
        ++m_crossed[std::size_t(first)];
        --m_crossed[std::size_t(last) + 1];
    }

    int seam() const
    {
        std::vector<double> above(std::size_t(m_height) + 1, 0.0); // the cost of rows before
        std::vector<bool> free(std::size_t(m_height) + 1, true);
        double rowCost = 0, total = 0;
        int crossed = 0;
        for (int row = 0; row < m_height; ++row) {
            above[std::size_t(row)] = total;
            crossed += m_crossed[std::size_t(row)];
            // A seam at `row` cuts between rows - 1 and row: neither may be crossed.
            free[std::size_t(row)] = free[std::size_t(row)] && crossed == 0;
            free[std::size_t(row) + 1] = crossed == 0;
            rowCost += m_change[std::size_t(row)];
            total += rowCost;
        }
        int best = 0;
        double bestImbalance = 0;
        for (int row = m_height / 4; row <= m_height - m_height / 4; ++row) {
            const double imbalance = std::abs(2 * above[std::size_t(row)] - total);
            if (free[std::size_t(row)] && (best == 0 || imbalance < bestImbalance)) {
                best = row;
                bestImbalance = imbalance;
            }
        }
        return best;
    }

private:
    std::pair<int, int> rows(const QRectF &bounds) const
    {
        const double top = std::floor(bounds.top()) - m_scroll.y();
        const double bottom = std::ceil(bounds.bottom()) - m_scroll.y();
        return {int(std::clamp(top, 0.0, double(m_height))),
                int(std::clamp(bottom, -1.0, double(m_height) - 1))};
    }

    QPoint m_scroll;
    int m_height;
    std::vector<double> m_change;
    std::vector<int> m_crossed;
};

} // namespace

int frameSeam(const CanvasScene &scene, QPoint scroll, int viewHeight)
{
    if (viewHeight < 4)
        return 0;
    RowCosts costs(scroll, viewHeight);
    const double ppm = ScreenPixelsPerMm;
    const auto addLine = [&](const AnnotationLine &line) {
        if (!line.Visible)
            return;
        const QRectF bounds = deviceBounds(line, ppm);
        costs.spread(bounds, LineCost + LinePixelCost * std::max(bounds.width(), bounds.height()));
        if (line.BorderWidth > 1 && line.BorderStyle != BorderTransparent)
            costs.forbid(bounds.adjusted(0, -BoundsPaddingPx, 0, BoundsPaddingPx));
    };
    const auto addLabel = [&](const AnnotationLabel &label) {
        if (label.Visible)
            costs.spread(deviceBounds(label, ppm), LabelCost);
    };
    const auto addShape = [&](const MarkerShape &shape) {
        if (shape.Visible)
            costs.spread(deviceBounds(shape, ppm), ShapeCost);
    };
    const AnnotationStore &objects = scene.annotations;
    std::for_each(objects.lineHikidashi.begin(), objects.lineHikidashi.end(), addLine);
    std::for_each(objects.lineDsSave.begin(), objects.lineDsSave.end(), addLine);
    std::for_each(objects.lineHojoSave.begin(), objects.lineHojoSave.end(), addLine);
    std::for_each(objects.shpSnpo.begin(), objects.shpSnpo.end(), addShape);
    std::for_each(objects.lblKyori.begin(), objects.lblKyori.end(), addLabel);
    std::for_each(objects.lblMoji.begin(), objects.lblMoji.end(), addLabel);
    return costs.seam();
}
