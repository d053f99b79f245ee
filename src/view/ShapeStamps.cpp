// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShapeStamps.h"

#include "annotations/AnnotationPainter.h"

#include <QHashFunctions>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Stamps are for dots: anything larger is drawn, and a few large shapes cost little.
constexpr double LargestStampedPx = 32;
constexpr double WidestStampedPenPx = 4;
// Room around a stamp's box for its pen.
constexpr int StampMarginPx = 8;
constexpr int Phases = 64;
// Each look holds up to 4,096 stamps, some hundreds of kilobytes; a zoom makes a new look.
constexpr std::size_t MostLooks = 32;

} // namespace

std::size_t ShapeStamps::LookHash::operator()(const Look &look) const
{
    const MarkerShape &s = look.shape;
    return qHashMulti(0, s.Width, s.Height, s.BackColor, s.FillColor, s.BorderColor,
                      s.BorderWidth, s.FillStyle, s.BorderStyle, s.Shape, s.BackStyle,
                      look.pixelsPerMm);
}

// A row of stamps is drawn in one go, by paintShape itself, each with its box starting at its
// offsets within a pixel.
std::vector<ShapeStamps::Stamp> ShapeStamps::makeRow(const Look &look, int phaseY)
{
    const double ppm = look.pixelsPerMm;
    const int cellWidth = int(std::ceil(look.shape.Width * ppm)) + 2 * StampMarginPx + 1;
    const int cellHeight = int(std::ceil(look.shape.Height * ppm)) + 2 * StampMarginPx + 1;
    QImage scratch(cellWidth * Phases, cellHeight, QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        MarkerShape placed = look.shape;
        placed.Top = float((StampMarginPx + double(phaseY) / Phases) / ppm);
        for (int phaseX = 0; phaseX < Phases; ++phaseX) {
            const double left = phaseX * cellWidth + StampMarginPx + double(phaseX) / Phases;
            placed.Left = float(left / ppm);
            paintShape(painter, placed, ppm);
        }
    }
    std::vector<Stamp> row(Phases);
    for (int y = 0; y < cellHeight; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const int phaseX = x / cellWidth;
            const QPoint offset(x - phaseX * cellWidth - StampMarginPx, y - StampMarginPx);
            row[std::size_t(phaseX)].push_back({offset, line[x]});
        }
    }
    return row;
}

void ShapeStamps::trim()
{
    const std::lock_guard lock(m_mutex);
    if (m_looks.size() > MostLooks)
        m_looks.clear();
}

std::pair<const ShapeStamps::Look, ShapeStamps::Rows> &ShapeStamps::entryFor(const Look &look)
{
    const std::lock_guard lock(m_mutex);
    return *m_looks.try_emplace(look, Phases).first;
}

const ShapeStamps::Stamp &ShapeStamps::stamp(Rows &rows, const Look &look, int phaseX, int phaseY)
{
    Row &row = rows[std::size_t(phaseY)];
    std::call_once(row.made, [&] { row.stamps = makeRow(look, phaseY); });
    return row.stamps[std::size_t(phaseX)];
}

ShapeStamps::Stamper::Stamper(ShapeStamps &stamps, const RasterTarget &target)
    : m_stamps(stamps), m_target(target)
{
}

bool ShapeStamps::Stamper::draw(const MarkerShape &shape, double ppm)
{
    if (!shape.Visible)
        return true;
    const bool hatched = shape.FillStyle != FillSolid && shape.FillStyle != FillTransparent;
    const double penPx = std::max<double>(1, shape.BorderWidth) * ppm / ScreenPixelsPerMm;
    const QRectF box = m_target.transform.mapRect(
        QRectF(shape.Left * ppm, shape.Top * ppm, shape.Width * ppm, shape.Height * ppm));
    if (hatched || shape.DrawMode == DrawModeXorPen || penPx > WidestStampedPenPx
        || !(box.width() >= 0 && box.width() <= LargestStampedPx)
        || !(box.height() >= 0 && box.height() <= LargestStampedPx)
        || !(std::abs(box.left()) < 1e9 && std::abs(box.top()) < 1e9))
        return false;
    // The whole pixel the box starts in, and the offset within it to the nearest phase.
    const long long phasedX = std::llround(box.left() * Phases);
    const long long phasedY = std::llround(box.top() * Phases);
    const int phaseX = int(((phasedX % Phases) + Phases) % Phases);
    const int phaseY = int(((phasedY % Phases) + Phases) % Phases);
    const QPoint corner{int((phasedX - phaseX) / Phases), int((phasedY - phaseY) / Phases)};

    Look look{shape, ppm};
    look.shape.Left = 0;
    look.shape.Top = 0;
    look.shape.Tag.clear();
    if (!m_lastLook || !(*m_lastLook == look)) {
        auto &entry = m_stamps.entryFor(look);
        m_lastLook = &entry.first;
        m_lastRows = &entry.second;
    }
    QImage &image = *m_target.image;
    auto *bits = reinterpret_cast<QRgb *>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    for (const Pixel &pixel : m_stamps.stamp(*m_lastRows, look, phaseX, phaseY)) {
        const QPoint at = corner + pixel.offset;
        if (m_target.clip.contains(at))
            bits[at.y() * stride + at.x()] = pixel.colour;
    }
    return true;
}
