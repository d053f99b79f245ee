// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"
#include "view/RasterTarget.h"

#include <QPoint>
#include <QRgb>

#include <cstddef>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

// Small shapes (the dots at the ends of dimensions) drawn once as stamps by the painter's own
// code and copied into a plain raster target after that. The raster engine takes a few
// microseconds to fill and outline a small ellipse, and a record book at its limits has 32,766
// of them in view. Where a shape's pixels fall depends on where its box starts within a pixel;
// stamps are made for that offset to the nearest 1/64 of a pixel, so a stamped dot can differ
// from a drawn one by a pixel at its rim (about one dot in ten). Several threads may stamp at
// once, each through a Stamper of its own.
class ShapeStamps
{
    struct Look;
    struct Row;
    using Rows = std::vector<Row>;

public:
    // One painter's use of the stamps.
    class Stamper
    {
    public:
        Stamper(ShapeStamps &stamps, const RasterTarget &target);

        // Puts the shape into the target as paintShape would draw it; false, drawing nothing,
        // for a shape that is not stamped (large, hatched or inverting), which the caller
        // paints.
        bool draw(const MarkerShape &shape, double pixelsPerMm);

    private:
        ShapeStamps &m_stamps;
        RasterTarget m_target;
        // Consecutive shapes mostly look alike.
        const Look *m_lastLook = nullptr;
        Rows *m_lastRows = nullptr;
    };

    // Forgets the stamps of looks no longer drawn when there are many; only while nobody stamps.
    void trim();

private:
    // Everything that decides a stamp but its offset within the pixel.
    struct Look
    {
        MarkerShape shape; // at the origin, without its tag
        double pixelsPerMm = 0;

        bool operator==(const Look &) const = default;
    };
    struct LookHash
    {
        std::size_t operator()(const Look &look) const;
    };
    struct Pixel
    {
        QPoint offset; // from the whole pixel the box starts in
        QRgb colour;
    };
    using Stamp = std::vector<Pixel>;
    // The stamps of one vertical offset, one for each horizontal offset; made when first needed.
    struct Row
    {
        std::once_flag made;
        std::vector<Stamp> stamps;
    };

    std::pair<const Look, Rows> &entryFor(const Look &look);
    const Stamp &stamp(Rows &rows, const Look &look, int phaseX, int phaseY);
    static std::vector<Stamp> makeRow(const Look &look, int phaseY);

    std::mutex m_mutex; // guards the map, not the rows in it
    std::unordered_map<Look, Rows, LookHash> m_looks;
};
